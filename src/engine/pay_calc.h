#pragma once
// The computing part of the pay run: from plain copies of the entry boxes, the screens'
// switches and the loaded records to one PayResult. It reads no screen and writes no
// file; the application session copies the inputs in and hands the result back.
#include <array>
#include <optional>
#include <string>

#include "city/city_table.h"
#include "common/number.h"
#include "employee/tax_profile.h"
#include "engine/pay_result.h"
#include "federal/fed_table.h"
#include "federal/tax_year.h"
#include "federal/w4.h"
#include "state/special_state.h"
#include "state/state_settings.h"

namespace corvella {

// Social Security wage base and rates, and Medicare's: 2015's. Later years' are in their
// figures file.
inline constexpr double kSocSecBase = 117000.0;
inline constexpr double kSocSecRate = 0.062;
inline constexpr double kMediRate = 0.0145;

// What the run reads from the screens and the ledger, copied in before it starts.
struct PayRunInputs {
    std::array<std::string, 8> txtAmount{};  // the entry boxes' texts
    bool opt1x = true;                       // overtime at 1X (else 2X)
    bool louisianaPrior = false;             // the main window's ckLouisPrior
    float DefaultPayRate = 7.5f;
    bool optBiWeek = false, optWeek = false;  // the profile screen's frequency options
    // The state screen: special-state boxes (by SpecialState), "Spouse Works" as its box
    // value, "Round State", the two "Use Base" boxes and the two adjustment boxes.
    std::array<bool, kSpecialStateCount> special{};
    int16_t spouse = 0;
    bool roundState = false;
    bool useSdiBase = false, useSuiBase = false;
    std::string txtStateAdj, txtCalAllow;
    // The profile's cafeteria amount when ADD was pressed.
    float CafeAmt = 0;
    // The ledger's year-to-date gross, Social Security and Medicare.
    Currency YtdWages;
    float YtdSocSec = 0, YtdMedi = 0;
    // A year after 2019: its figures, and the employee's Form W-4 (an older form takes its
    // allowances and status from the profile). Without it the run is 2015's: the federal
    // table and the constants above.
    const TaxYear* year = nullptr;
    W4Form w4{.version = W4Form::Version::Before2020};

    bool isChecked(SpecialState s) const { return special[static_cast<size_t>(s)]; }
};

// The run in progress: the inputs, the records it reads, and the result it fills.
struct PayRunContext {
    PayRunContext(const PayRunInputs& in, const TaxProfile& p, const StateSettings& st,
                  const CityTable& c, const NonCityTable& nc, const FedTable& f)
        : in(in), profile(p), state(st), city(c), nonCity(nc), fed(f) {}
    PayRunContext(const PayRunContext&) = delete;
    PayRunContext& operator=(const PayRunContext&) = delete;

    const PayRunInputs& in;
    const TaxProfile& profile;
    // A copy: the run sets the adjustment and California allowance from the boxes.
    StateSettings state;
    const CityTable& city;
    const NonCityTable& nonCity;
    const FedTable& fed;
    PayResult result;
    PayRun& run = result.run;
};

// A box whose text the run cannot take: not a number, or beyond any real entry.
struct PayRunRefusal {
    enum class Kind { NotANumber, TooLarge };
    Kind kind = Kind::NotANumber;
    int amountBox = -1;         // an entry box (0 to 7), else a state screen box:
    const char* stateBox = "";  // "txtStateAdj" or "txtCalAllow"
    std::string text;           // what it holds
};

// The first box refusing the run, or nothing when the run can go ahead.
std::optional<PayRunRefusal> checkPayRunInputs(const std::array<std::string, 8>& amounts,
                                               const std::string& txtStateAdj,
                                               const std::string& txtCalAllow);

// The run from start to end. The inputs must have passed checkPayRunInputs.
PayResult computePayRun(const PayRunInputs& in, const TaxProfile& profile,
                        const StateSettings& state, const CityTable& city,
                        const NonCityTable& nonCity, const FedTable& fed);

// The words for the first amount of a run that is not a number or too large to be a
// real amount (one no ledger could hold, or a sum that saturated), or nothing when all
// are sound. Such a run must not be shown, saved or posted.
std::optional<std::string> unsoundAmount(const PayResult& r);

// The parts the run is made of, for tests.
void GetSocSec(PayRunContext& c);
void GetMedicare(PayRunContext& c);
void GetSDI_SUI(PayRunContext& c);
void finishPayRun(PayRunContext& c);

// Overtime pay: the 1x/2x hours (already doubled for 2X) and the time-and-a-half hours at
// the pay rate, as the run computes it.
float overtimePay(float otVar, float otHrs, float rate);

}  // namespace corvella
