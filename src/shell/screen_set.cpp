#include "shell/screen_set.h"

namespace corvella {

void ScreenSet::close(Closing moment) {
    struct Row {
        bool taxInfo, state, city, saveWindow, overtime, leave, ledger, ledgerCloseOK;
    };
    // The city screens always go together.
    static constexpr Row kTable[] = {
        /* PayRun         */ {false, true, true, true, true, true, true, true},
        /* Saved          */ {false, true, true, true, true, true, true, true},
        /* SaveWindowShut */ {true, true, true, false, true, false, true, true},
        /* Quit           */ {true, true, true, false, true, true, true, true},
        /* NewEmployee    */ {true, true, true, false, true, true, true, false},
        /* OpenFailed     */ {true, true, true, true, true, true, true, false},
    };
    const Row& r = kTable[static_cast<int>(moment)];
    if (r.taxInfo) discard(taxInfo);
    if (r.state) discard(state);
    if (r.city) {
        discard(city);
        discard(nonCity);
    }
    if (r.saveWindow) discard(saveWindow);
    if (r.overtime) discard(overtime);
    if (r.leave) discard(leave);
    if (r.ledger) discard(ledger);
    if (r.ledgerCloseOK) LedgerCloseOK = true;
}

}  // namespace corvella
