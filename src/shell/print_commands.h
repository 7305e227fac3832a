#pragma once
// Printing: the pay stub (the Print button and "Print Sheet"), the check screen "Check
// Printing" with its "Printer Offset" dialog and the check, and the ledger's "&Print".
// Pages go to the Ui's printer; a printout that cannot be made says why.
#include <memory>
#include <optional>

#include "print/check.h"
#include "shell/file_set.h"
#include "shell/pay_runner.h"
#include "shell/screens.h"
#include "shell/workspace.h"

namespace corvella {

class PrintCommands {
  public:
    PrintCommands(Workspace& ws, FileSet& files, PayRunner& runner)
        : ws_(ws), files_(files), runner_(runner) {}

    // The printer dialog, then the stub (PrintText). False when nothing was printed: a
    // cancel, or a refusal whose message says why.
    bool printStub();

    // The stub of the open employee's run as printStub prints it, without the printer
    // dialog; nothing after a message.
    std::optional<TextPage> stubPage();
    // The check and its stub as "Print Check" prints them, at `o` or else the offsets the
    // employee has saved; nothing after a message. Saves nothing.
    std::optional<TextPage> checkPage(std::optional<CheckOffsets> o = std::nullopt);

    // "C&hecks": the check screen, loaded (a negative net pay becomes 0 first).
    CheckScreen& openChecks();
    CheckScreen* checkScreen() const { return ws_.screens.check.get(); }
    // A click on the check screen, or its focus: its fields and figure again (not the date).
    void refreshChecks();
    void closeChecks();

    // The check screen's "Print": the "Printer Offset" dialog, after the employee's files
    // are read again.
    PrinterOffsetDialog& openOffsets();
    PrinterOffsetDialog* offsetDialog() const { return ws_.screens.offsets.get(); }
    // "&Apply": the two boxes into the offsets, and the employee saved. A box that is not
    // a number is refused with a message and nothing is stored.
    bool offsetApply() { return applyOffsets() == RunOutcome::Done; }
    // The same, telling a refused box (Refused) from a failed save (SaveFailed).
    RunOutcome applyOffsets();
    // "Print Check": as "&Apply", then the printer dialog and the check; the dialog
    // closes once it printed.
    bool offsetPrintCheck() { return printCheck() == RunOutcome::Done; }
    // The same, telling a failed save of the offsets (SaveFailed) from the rest.
    RunOutcome printCheck();
    // "&Cancel": nothing stored.
    void offsetCancel() { ws_.screens.discard(ws_.screens.offsets); }

    // The ledger frame's "&Print": the printer dialog, then the ledger's page.
    bool printLedger();

  private:
    // A printout needs the open employee's own run; false after a message otherwise.
    bool haveRun();
    // The employee's files and ledger as they stand, so that the stub and the check show
    // the same year-to-date figures; false after a message.
    bool loadForPrint();
    // The check's figures into the screen: FillCheckForm and the figure.
    void fillChecks();
    // Empty entry boxes get "0"; the stub's values, or nothing after a message.
    std::optional<StubValues> prepareStub(const StubSource& s);
    StubSource stubSource() const;
    // Header.sav when it exists; false after a message when it is damaged.
    bool loadHeader();
    // The check on the current printer (PrintCheck).
    bool PrintCheck(CheckOffsets o);
    // Sends the page; false after a message when printing failed.
    bool send(const TextPage& page);

    Workspace& ws_;
    FileSet& files_;
    PayRunner& runner_;
    std::string AmountWords_;
};

}  // namespace corvella
