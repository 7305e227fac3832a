#pragma once
// The payroll run: every employee of a week paid at once. For each employee it does what
// the operator does by hand (Open, the eight boxes typed, ADD, Year To Date, the week
// posted, Close saving) in a session of its own whose writes are held; only when every
// employee has been computed are they written, all as one commit, or none at all.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/text_page.h"
#include "engine/pay_result.h"
#include "shell/workspace.h"

namespace corvella {

// One employee's part in a run, as typed into the run's table or read from HOURS.csv.
struct RunEntry {
    std::string name;
    std::array<std::string, 8> boxes;  // typed through the entry boxes' key filters
    bool ot2x = false;
    std::optional<int> row;       // the ledger week; the run's own when not given
    bool louisianaPrior = false;  // the main window's Louisiana prior-year box
};

struct RunRequest {
    // The folder the entries were chosen from; the run refuses another. Empty: the
    // session's own.
    std::filesystem::path folder;
    std::string weekEnding;  // the week-ending date, as typed in its box (MM/DD/YYYY)
    int row = 1;             // the ledger week of every entry without its own
    std::vector<RunEntry> entries;
    // Go on without the employees that cannot be run, rather than refuse the run.
    bool skipFailed = false;
    // Post over a week that already holds a posting.
    bool replace = false;
    // The printouts to make for each employee posted; with `pagesNeeded`, an employee
    // whose printout cannot be made cannot be run either.
    bool stubs = false, checks = false;
    bool pagesNeeded = false;
};

// An amount in cents as the captions show it summed.
struct RunTotals {
    int64_t gross = 0, taxes = 0, deductions = 0, net = 0;
};

// One employee's outcome.
struct RunLine {
    std::string name;
    int row = 0;
    bool weekly = true;
    // Computed and ready to post; when false, `reason` says why it cannot be run.
    bool ready = false;
    std::string reason;
    PayResult result;                   // its run: the captions and figures
    int taxYear = 0;                    // whose figures it used
    std::vector<std::string> messages;  // every message its steps showed
    RunTotals cents;                    // its gross, taxes, deductions and net
    std::optional<TextPage> stub, check;
};

struct RunReport {
    enum class Outcome {
        Posted,        // every ready employee was written (those left out are not)
        Refused,       // an employee could not be run: nothing was written
        CommitFailed,  // the write failed: nothing changed
    };
    Outcome outcome = Outcome::Refused;
    std::vector<RunLine> lines;  // in the order of the request
    std::string problem;         // why the run was refused or its write failed
    RunTotals totals;            // of the employees posted (or ready, when refused)
    int posted = 0;
    int flushes = 0;  // flushes to disk of the run's write
};

class PayrollRunCommands {
  public:
    explicit PayrollRunCommands(Workspace& ws) : ws_(ws) {}

    // One employee's figures for the week, computed and not saved: the table's columns
    // that follow the typing. Its `ready` false and `reason` when it cannot be run.
    RunLine preview(const RunEntry& entry, const std::string& weekEnding, int row,
                    bool replace = false);
    // The run. `progress` hears (done, of) after each employee is computed.
    RunReport run(const RunRequest& request,
                  const std::function<void(size_t done, size_t of)>& progress = {});

    // A run the operator stopped before it began.
    static RunReport notStarted();

  private:
    Workspace& ws_;
};

}  // namespace corvella
