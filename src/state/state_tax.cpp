#include "state/state_tax.h"

namespace corvella {

namespace {

struct Table {
    const std::array<float, 10>& Min;
    const std::array<float, 10>& Amt;
    const std::array<float, 10>& Per;
};

Table tableFor(const StateSettings& s, const std::string& status) {
    if (status == "Single") return {s.StateMinBS, s.StateAmtBS, s.StatePerBS};
    return {s.StateMinBM, s.StateAmtBM, s.StatePerBM};
}

// The bi-weekly table serves weekly pay at half its bounds and amounts; the halved
// bound is a float like every stored figure.
float half(float v) {
    return static_cast<float>(static_cast<double>(v) / 2.0);
}

}  // namespace

void GetState(const StateSettings& s, const StateTaxInput& in, float& stateTax,
              float& stateTaxable) {
    const Table t = tableFor(s, in.StateStatus);

    if (in.biWeeklySelected) {
        const float W = static_cast<float>(static_cast<double>(in.StateWages) - in.StateAllowance -
                                           in.CafeStateDeduct);
        stateTaxable = W;
        // Every row is tested: with minima out of order the last row that applies wins.
        for (size_t i = 0; i < 9; ++i) {
            if (t.Min[i] <= W && W < t.Min[i + 1])
                stateTax =
                    static_cast<float>((static_cast<double>(W) - t.Min[i]) * t.Per[i] + t.Amt[i]);
        }
        if (W >= t.Min[9])
            stateTax =
                static_cast<float>((static_cast<double>(W) - t.Min[9]) * t.Per[9] + t.Amt[9]);
    }

    if (in.weeklySelected) {
        const float W =
            static_cast<float>(static_cast<double>(in.StateWages) -
                               static_cast<double>(in.StateAllowance) / 2.0 - in.CafeStateDeduct);
        stateTaxable = W;
        for (size_t i = 0; i < 9; ++i) {
            const float L = half(t.Min[i]);
            const float H = half(t.Min[i + 1]);
            if (L <= W && W < H)
                stateTax = static_cast<float>(
                    (static_cast<double>(W) - static_cast<double>(t.Min[i]) / 2.0) * t.Per[i] +
                    static_cast<double>(t.Amt[i]) / 2.0);
        }
        if (half(t.Min[9]) <= W)
            stateTax = static_cast<float>(
                (static_cast<double>(W) - static_cast<double>(t.Min[9]) / 2.0) * t.Per[9] +
                static_cast<double>(t.Amt[9]) / 2.0);
    }

    stateTax = static_cast<float>(static_cast<double>(stateTax) - s.CalAllow);
}

}  // namespace corvella
