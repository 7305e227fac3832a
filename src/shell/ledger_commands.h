#pragma once
// The ledger frame "Year To Date": opening it from the main window, posting and deleting
// rows, Add, Clear All, and its two ways of closing.
#include <filesystem>
#include <optional>
#include <string>

#include "shell/screens.h"
#include "shell/workspace.h"

namespace corvella {

class LedgerCommands {
  public:
    LedgerCommands(Workspace& ws, Screens& screens) : ws_(ws), screens_(screens) {}

    // The Year to Date button: the frame rebuilt from the employee's ledger file.
    LedgerWindow& openLedger();
    // The frame as it stands (nothing when closed).
    LedgerWindow* window() const { return ws_.screens.ledger.get(); }

    // Left click on week `week` (1 to 53): the last pay run into that row. A week the
    // employee's frequency does not use is refused with a message (false).
    bool post(int week);
    // Whether the employee's frequency uses week `week`; a message says why not.
    bool weekUsed(int week);
    // Right click on week `week`: the row emptied.
    bool unpost(int week);
    // "&Add": the cells as typed into the rows and the totals.
    void add();
    // "C&lear" > "&Clear All" answered Clear: the rows emptied; the file changes only at
    // a Close answered Yes.
    void clearAll();
    // "&Close" (menu or button): asks "Do you want to save YTD" with Yes, No and Cancel;
    // Yes saves the ledger file. False when the frame stays: cancelled, or the save
    // failed (the message names the file).
    bool close();
    // The frame's close box and Esc: "USE CLOSE INSTEAD" until LedgerCloseOK is set; then,
    // with rows changed since the frame opened, asks Save, Discard or Cancel. True when
    // the frame may close.
    bool closeBox();
    // Before anything else closes the frame (a pay run, New, Open, Exit): with rows changed
    // since it opened, asks Save, Discard or Cancel. True when it may close; false when
    // cancelled or the save failed (the message names the file).
    bool mayClose();
    // The same before the frame's rows are replaced from the file, asking `question`.
    bool mayReplace(const std::string& question);
    // The ledger read again from its file, which another command replaced; an open frame
    // shows it as if just opened. A damaged file is reported.
    void reload();
    // The ledger as its windows show it, written as a workbook to `path` (replacing it
    // whole). False when it cannot be written: a message names the file.
    bool exportTo(const std::filesystem::path& path);
    // "&Excel": the workbook in a folder of this user's alone under the system's
    // temporary folder, one file per employee, readable by the user only. Its path, or
    // nothing when it could not be written (a message says why).
    std::optional<std::filesystem::path> exportForSpreadsheet();

  private:
    // The rows the profile screen's frequency option shows (53 weekly, else 27), and
    // the rows the profile's saved frequency keeps (for the file and the totals).
    int shownRows();
    bool weekly() const { return ws_.records.profile.weekly(); }
    // LoadLedger: the file into the rows; a damaged file is reported, and the rows read
    // before the fault stay.
    void loadLedger();
    // ReadGrid, then RecomputeTotals and the totals shown with "#####.00". False when
    // the totals overflowed (the message is shown).
    bool readAndTotal();
    // The frame's headings, cells and totals from the ledger as read, unchanged.
    void fill(LedgerWindow& w);
    // Refuses a week outside the employee's rows; the row index otherwise.
    std::optional<int> rowOf(int week);
    // SaveAnnual: the rows read and totalled, then the ledger file written. False when
    // the totals overflowed or the file could not be written (a message says which).
    bool save();

    Workspace& ws_;
    Screens& screens_;
};

}  // namespace corvella
