#pragma once
// The computing part of the pay run: from the entry boxes and the loaded records to
// every tax, deduction, net pay and result caption. File reads and writes and the
// screens' load sequences around it are the application session's.
#include <functional>
#include <optional>
#include <string>

#include "city/city_table.h"
#include "common/number.h"
#include "employee/tax_profile.h"
#include "engine/main_window.h"
#include "engine/pay_run.h"
#include "federal/fed_table.h"
#include "state/dialog_state.h"
#include "state/state_settings.h"

namespace corvella {

// Social Security wage base and rates, and Medicare's.
inline constexpr double kSocSecBase = 117000.0;
inline constexpr double kSocSecRate = 0.062;
inline constexpr double kMediRate = 0.0145;

struct PayRunContext {
    PayRunContext(MainWindow& m, PayRun& r, TaxProfile& p, StateSettings& st, DialogState& screen,
                  const CityTable& c, const NonCityTable& nc, const FedTable& f)
        : main(m),
          run(r),
          profile(p),
          state(st),
          stateScreen(screen),
          city(c),
          nonCity(nc),
          fed(f) {}

    MainWindow& main;
    PayRun& run;
    TaxProfile& profile;
    StateSettings& state;
    DialogState& stateScreen;  // special-state boxes, Round State, Use Base, adjustment boxes
    const CityTable& city;
    const NonCityTable& nonCity;
    const FedTable& fed;
    Currency YtdWages;
    bool optBiWeek = false;  // the profile screen's frequency options
    bool optWeek = false;
    float YtdSocSec = 0;  // the ledger's Social Security and Medicare totals
    float YtdMedi = 0;
    // The built-in computation of a checked special state (none yet for most states).
    std::function<void(SpecialState, PayRunContext&)> specialState;
};

// The message refusing a run whose entry or adjustment boxes hold text that is not a
// number, or nothing when the run can go ahead.
// `state` is the state screen when it exists (its boxes may hold what the user typed).
std::optional<std::string> checkPayRunInputs(const MainWindow& main, const DialogState* state);

// Steps 1 and 2 of the run: reset of the pay-run record and the result captions.
void resetPayRun(MainWindow& main, PayRun& run, const TaxProfile& profile);
// Steps 5 to 29 (the federal table is loaded and the screens exist). The inputs must
// have passed checkPayRunInputs.
void computePayRun(PayRunContext& c);

// The parts the run is made of, for tests.
void GetSocSec(PayRunContext& c);
void GetMedicare(PayRunContext& c);
void GetSDI_SUI(PayRunContext& c);
void FillStateBoxes(DialogState& s);
void finishPayRun(PayRunContext& c);

}  // namespace corvella
