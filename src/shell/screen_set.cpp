#include "shell/screen_set.h"

#include <iterator>

namespace corvella {

void ScreenSet::close(Closing moment) {
    struct Row {
        bool taxInfo, state, city, saveWindow, overtime, leave, ledger, ledgerCloseOK;
        bool printed;  // the check, its offsets and the heading
    };
    // The city screens always go together.
    static constexpr Row kTable[] = {
        /* PayRun         */ {false, true, true, true, true, true, true, true, true},
        /* Saved          */ {false, true, true, true, true, true, true, true, false},
        /* SaveWindowShut */ {true, true, true, false, true, false, true, true, false},
        /* Quit           */ {true, true, true, false, true, true, true, true, false},
        /* NewEmployee    */ {true, true, true, false, true, true, true, false, true},
        /* OpenFailed     */ {true, true, true, true, true, true, true, false, true},
        /* Cleared        */ {false, false, false, false, false, false, false, false, true},
    };
    static_assert(std::size(kTable) == kClosingMoments, "every closing moment has its row");
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
    if (r.printed) {
        discard(offsets);
        discard(check);
        discard(header);
    }
    if (r.ledgerCloseOK) LedgerCloseOK = true;
}

}  // namespace corvella
