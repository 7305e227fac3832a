#include "city/city.h"

#include "common/linefile.h"

namespace corvella {

namespace {

// What each number of the two files may hold, shared by their readers and writers.
using namespace ranges;
constexpr NumberField kMinimum{"table minimum", kAmount};
constexpr NumberField kTableAmount{"table amount", kAmount};
constexpr NumberField kRowRate{"table rate", ranges::kTableRate};
constexpr NumberField kExemption{"exemption amount", kAmount};
constexpr NumberField kNoLocalTax{"NO LOCAL TAX flag", kFlag};
constexpr NumberField kNonMinimum{"non-resident minimum", kAmount};
constexpr NumberField kNonExemption{"non-resident exemption", kAmount};
constexpr NumberField kNonRate{"non-resident rate", ranges::kTableRate};

}  // namespace

void readCityFile(const std::string& bytes, const std::string& fileName, CityTable& t) {
    // Read into a copy so a file that breaks off leaves the table as it was.
    CityTable in;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < 10; ++i) {
        in.CityMinBS[i] = r.number(kMinimum);
        in.CityAmtBS[i] = r.number(kTableAmount);
        in.CityPerBS[i] = r.number(kRowRate);
        in.CityMinBM[i] = r.number(kMinimum);
        in.CityAmtBM[i] = r.number(kTableAmount);
        in.CityPerBM[i] = r.number(kRowRate);
        r.endLine();
    }
    in.NoLocalTaxFlag = r.integer(kNoLocalTax);
    r.endLine();
    for (int i = 0; i < 10; ++i) {
        in.CitySgExp[i] = r.number(kExemption);
        in.CityMarExp[i] = r.number(kExemption);
        r.endLine();
    }
    r.expectEnd();
    t = in;
}

std::string writeCityFile(const CityTable& t) {
    LineWriter w;
    for (int i = 0; i < 10; ++i) {
        w.number(t.CityMinBS[i], kMinimum)
            .number(t.CityAmtBS[i], kTableAmount)
            .number(t.CityPerBS[i], kRowRate);
        w.number(t.CityMinBM[i], kMinimum)
            .number(t.CityAmtBM[i], kTableAmount)
            .number(t.CityPerBM[i], kRowRate)
            .endLine();
    }
    w.integer(t.NoLocalTaxFlag, kNoLocalTax).endLine();
    for (int i = 0; i < 10; ++i)
        w.number(t.CitySgExp[i], kExemption).number(t.CityMarExp[i], kExemption).endLine();
    return w.bytes();
}

void readNonCityFile(const std::string& bytes, const std::string& fileName, NonCityTable& t) {
    NonCityTable in;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < 8; ++i) {
        in.NonMinBi[i] = r.number(kNonMinimum);
        in.NonExpBi[i] = r.number(kNonExemption);
        in.NonMinWk[i] = r.number(kNonMinimum);
        in.NonExpWk[i] = r.number(kNonExemption);
        r.endLine();
    }
    in.NonRate = r.number(kNonRate);
    r.endLine();
    r.expectEnd();
    t = in;
}

std::string writeNonCityFile(const NonCityTable& t) {
    LineWriter w;
    for (int i = 0; i < 8; ++i)
        w.number(t.NonMinBi[i], kNonMinimum)
            .number(t.NonExpBi[i], kNonExemption)
            .number(t.NonMinWk[i], kNonMinimum)
            .number(t.NonExpWk[i], kNonExemption)
            .endLine();
    w.number(t.NonRate, kNonRate).endLine();
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
