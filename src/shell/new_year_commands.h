#pragma once
// Starting a new year: each employee's ledger kept, byte for byte, as a file of its own for
// the year it closes ("Smith.yrw.2026"), and an empty ledger started in its place. Every
// employee is read before any file is written, and all are written as one commit, so a
// refusal changes nothing and a crash leaves each employee wholly before or wholly after.
// The ledger frame's "Start a New Year" does it for the folder; its Clear All offers it
// for the open employee alone.
#include <optional>
#include <string>
#include <vector>

#include "shell/ledger_commands.h"
#include "shell/workspace.h"

namespace corvella {

struct NewYearLine {
    std::string name;
    std::string ledger;  // "Smith.yrw", whether it exists or not
    std::string kept;    // "Smith.yrw.2026"; empty when the employee had no ledger
    std::string reason;  // why the employee stops the new year; empty when it does not
};

struct NewYearReport {
    enum class Outcome {
        Done,          // every ledger was kept and emptied (or there was none to keep)
        Refused,       // an employee cannot start the year, or the year is not one: nothing written
        Cancelled,     // the operator stopped it at a question: nothing written
        CommitFailed,  // the write failed: nothing changed (unless `problem` says otherwise)
    };
    Outcome outcome = Outcome::Refused;
    int year = 0;
    std::vector<NewYearLine> lines;  // the employees, in the list's order
    std::string problem;             // why nothing was written, or the write failed
    // The employees whose ledger is (or would be) kept.
    size_t kept() const;
};

class NewYearCommands {
  public:
    NewYearCommands(Workspace& ws, LedgerCommands& ledger) : ws_(ws), ledger_(ledger) {}

    // Every employee of the folder. Unsaved rows of the open employee's Year To Date are
    // asked about first (Cancel starts nothing); afterwards its ledger is read again.
    NewYearReport startNewYear(int year);
    // What startNewYear would do, reading only.
    NewYearReport preview(int year);
    // The open employee's ledger alone, by the same steps.
    NewYearReport keepOpenYear(int year);

    // The year the questions offer: that of the open ledger's latest dated row, else
    // today's.
    int defaultYear() const;
    // The ledger frame's "Start a New Year": asks the year, says how many ledgers are
    // kept and asks to go on, then starts it and says how it went. True when started.
    bool startNewYearCommand();
    // The ledger frame's Clear All: Keep (the year kept first, asked for, then the ledger
    // empty), Clear (the rows emptied as before) or Cancel.
    void clearAll();

  private:
    // The year typed into an input box offering defaultYear(); nothing when cancelled, or
    // after a message when it is not a year a ledger may be kept as.
    std::optional<int> askYear(const std::string& prompt, const std::string& title);
    // Every employee of the folder, or `only` that one: all read, then (when `write`)
    // all written as one commit under the folder's lock.
    NewYearReport run(const std::string* only, int year, bool write);
    // The open employee's ledger read again when the new year was its too.
    void afterWrite(const NewYearReport& r);

    Workspace& ws_;
    LedgerCommands& ledger_;
};

}  // namespace corvella
