#include "city/city.h"

#include "common/linefile.h"

namespace corvella {

void readCityFile(const std::string& bytes, const std::string& fileName, CityTable& t) {
    // Read into a copy so a file that breaks off leaves the table as it was.
    CityTable in;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < 10; ++i) {
        in.CityMinBS[i] = r.number();
        in.CityAmtBS[i] = r.number();
        in.CityPerBS[i] = r.number();
        in.CityMinBM[i] = r.number();
        in.CityAmtBM[i] = r.number();
        in.CityPerBM[i] = r.number();
    }
    in.NoLocalTaxFlag = r.integer();
    for (int i = 0; i < 10; ++i) {
        in.CitySgExp[i] = r.number();
        in.CityMarExp[i] = r.number();
    }
    t = in;
}

std::string writeCityFile(const CityTable& t) {
    LineWriter w;
    for (int i = 0; i < 10; ++i) {
        w.number(t.CityMinBS[i]).number(t.CityAmtBS[i]).number(t.CityPerBS[i]);
        w.number(t.CityMinBM[i]).number(t.CityAmtBM[i]).number(t.CityPerBM[i]).endLine();
    }
    w.integer(t.NoLocalTaxFlag).endLine();
    for (int i = 0; i < 10; ++i) w.number(t.CitySgExp[i]).number(t.CityMarExp[i]).endLine();
    return w.bytes();
}

void readNonCityFile(const std::string& bytes, const std::string& fileName, NonCityTable& t) {
    NonCityTable in;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < 8; ++i) {
        in.NonMinBi[i] = r.number();
        in.NonExpBi[i] = r.number();
        in.NonMinWk[i] = r.number();
        in.NonExpWk[i] = r.number();
    }
    in.NonRate = r.number();
    t = in;
}

std::string writeNonCityFile(const NonCityTable& t) {
    LineWriter w;
    for (int i = 0; i < 8; ++i)
        w.number(t.NonMinBi[i])
            .number(t.NonExpBi[i])
            .number(t.NonMinWk[i])
            .number(t.NonExpWk[i])
            .endLine();
    w.number(t.NonRate).endLine();
    return w.bytes();
}

namespace {

// Lines 1 to 8 of a resident table; `scale` is 1 for bi-weekly pay and 0.5 for weekly.
// Every applicable line overwrites the tax, so with unordered minimums the last one wins.
void residentTax(const std::array<float, 10>& min, const std::array<float, 10>& amt,
                 const std::array<float, 10>& per, float stateWages, float allowance, double scale,
                 float& cityTax) {
    auto bound = [&](int k) { return static_cast<float>(min[k] * scale); };
    const float cityWages = static_cast<float>(stateWages - allowance * scale);
    for (int k = 0; k < 8; ++k) {
        const bool applies =
            k < 7 ? bound(k) <= cityWages && cityWages < bound(k + 1) : cityWages >= bound(7);
        if (!applies) continue;
        cityTax = static_cast<float>((static_cast<double>(cityWages) - bound(k)) * per[k] +
                                     amt[k] * scale);
    }
}

// The subtract amount of the line that W falls on; `allowance` keeps its value otherwise.
void nonResidentAllowance(const std::array<float, 8>& min, const std::array<float, 8>& exp, float W,
                          float& allowance) {
    for (int k = 0; k < 8; ++k) {
        const bool applies = k < 7 ? min[k] <= W && W < min[k + 1] : W >= min[7];
        if (applies) allowance = exp[k];
    }
}

}  // namespace

void GetCityTax(const CityTable& city, const NonCityTable& nonCity, const CityTaxInput& in,
                float& cityAllowance, float& cityTax) {
    if (in.nonResident) {
        if (in.biWeekly)
            nonResidentAllowance(nonCity.NonMinBi, nonCity.NonExpBi, in.StateWages, cityAllowance);
        if (in.weekly)
            nonResidentAllowance(nonCity.NonMinWk, nonCity.NonExpWk, in.StateWages, cityAllowance);
        cityTax = static_cast<float>((static_cast<double>(in.StateWages) - cityAllowance) *
                                     nonCity.NonRate);
        return;
    }
    const bool single = in.StateStatus == "Single";
    const auto& min = single ? city.CityMinBS : city.CityMinBM;
    const auto& amt = single ? city.CityAmtBS : city.CityAmtBM;
    const auto& per = single ? city.CityPerBS : city.CityPerBM;
    if (in.biWeekly) residentTax(min, amt, per, in.StateWages, cityAllowance, 1.0, cityTax);
    if (in.weekly) residentTax(min, amt, per, in.StateWages, cityAllowance, 0.5, cityTax);
}

}  // namespace corvella
