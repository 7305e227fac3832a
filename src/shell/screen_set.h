#pragma once
// The per-employee screens that exist right now. Each is a working copy, created by the
// session when first needed and thrown away by the commands. Which command throws away
// which screens is one table (close); every discard moves the generation on, so an open
// window can tell that its working copy may be gone.
#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "city/city.h"
#include "common/controls.h"
#include "employee/frm_tax_info.h"
#include "ledger/ledger_window.h"
#include "print/check.h"
#include "shell/company_screen.h"
#include "shell/worksheet_screens.h"
#include "state/dialog_state.h"
#include "tools/leave.h"
#include "tools/overtime.h"

namespace corvella {

// The save window "Save User".
struct FrmSaveUser {
    TextBox txtSaveUser;
};

// The heading dialog's boxes: company, address, zip line, identification number.
struct HeaderScreen {
    std::array<TextBox, 4> txtHeader{};
};

// The moments that close screens.
enum class Closing {
    PayRun,          // the end of a pay run (its save is the Save command's), Make Default
    Saved,           // the save window's "&Save" succeeded
    SaveWindowShut,  // the save window closed by any button but "&Quit"
    Quit,            // the save window's "&Quit"
    NewEmployee,     // New and Open, before the employee's files are read
    OpenFailed,      // Open gave up: the previous employee is put back
    Cleared,         // CLEAR: the run is gone, and with it what was printed from it
};
inline constexpr int kClosingMoments = static_cast<int>(Closing::Cleared) + 1;

class ScreenSet {
  public:
    std::unique_ptr<FrmTaxInfo> taxInfo;
    std::unique_ptr<DialogState> state;
    std::unique_ptr<DialogCity> city;
    std::unique_ptr<DialogNonCity> nonCity;
    std::unique_ptr<FrmSaveUser> saveWindow;
    std::unique_ptr<OvertimeScreen> overtime;
    std::unique_ptr<LeaveScreen> leave;
    std::unique_ptr<LedgerWindow> ledger;  // the frame "Year To Date" while it is open
    // Printed from the run: a check must never show another run's payee or amount.
    std::unique_ptr<CheckScreen> check;
    std::unique_ptr<PrinterOffsetDialog> offsets;
    std::unique_ptr<HeaderScreen> header;
    std::unique_ptr<CompanyScreen> company;  // the folder's, whoever is open
    // The year-end worksheets' windows: the folder's, whoever is open.
    std::unique_ptr<W2Screen> w2;
    std::unique_ptr<Form941Screen> form941;

    // Closes the screens that `moment` closes. Every moment but New and a failed Open
    // also lets the ledger frame close (LedgerCloseOK); the employee commands and the
    // save window close the ledger frame itself, discarding its unsaved edits.
    void close(Closing moment);
    // Creates a screen in its slot. Every creation and every discard moves the
    // generation on; a screen remembers the generation it was created at, so a new one
    // at the address of an old one is not taken for it.
    template <class T, class... Args>
    T& create(std::unique_ptr<T>& slot, Args&&... args) {
        discard(slot);
        slot = std::make_unique<T>(std::forward<Args>(args)...);
        born_[slot.get()] = ++generation_;
        return *slot;
    }
    // Closes one screen.
    template <class T>
    void discard(std::unique_ptr<T>& screen) {
        if (!screen) return;
        born_.erase(screen.get());
        ++generation_;
        screen.reset();
    }
    uint64_t generation() const { return generation_; }
    // The generation `screen` was created at; 0 when it is not a screen of this set.
    uint64_t bornAt(const void* screen) const {
        auto it = born_.find(screen);
        return it == born_.end() ? 0 : it->second;
    }

    // Set by the employee commands and the pay run; the ledger frame's close box waits
    // for it.
    bool LedgerCloseOK = false;

  private:
    uint64_t generation_ = 0;
    std::map<const void*, uint64_t> born_;
};

}  // namespace corvella
