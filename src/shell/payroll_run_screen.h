#pragma once
// The window "Payroll Run" (Forms > Payroll Run) as a model: one row per employee of the
// folder, in the employee list's order, with what to pay each this week; each row's
// figures follow its typing, and the totals those of the rows in the run. Post All runs
// them as one; Print All prints the pages of the last run posted; the hours may come
// from, or go to, a HOURS.csv file.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/payroll_run.h"

namespace corvella {

class Session;

struct PayrollRunRow {
    std::string name;
    std::string frequency;  // as the employee list shows it ("" when unreadable)
    bool shown = true;      // matches the filter; a row out of sight is not run

    // In the run. Rows start out of it (an employee run with nothing typed would be posted
    // a week of nothing); typing a box puts its row in.
    bool include = false;
    std::array<std::string, 8> boxes;  // as the entry boxes' key filter keeps them
    bool ot2x = false;
    std::string week;  // its own ledger week, or empty for the run's

    // What the row's run comes to: nothing while it is not in the run, the captions when
    // it can be run, else `reason`.
    bool computed = false;
    bool ready = false;
    std::string reason;
    std::string gross, taxes, deductions, net;
    RunTotals cents;

    bool inRun() const { return include && shown; }
};

// The line under the table: the rows in the run that can be run.
struct PayrollRunTotals {
    int employees = 0;
    RunTotals cents;
    std::string gross, taxes, deductions, net;  // as the captions show money
};

enum class PrintKind { Stubs, Checks };  // Checks: the check page with its stubs

class PayrollRunScreen {
  public:
    // The folder's employees as rows, those matching `filter` in sight; the week ending
    // the main window's.
    explicit PayrollRunScreen(Session& s, const std::string& filter = {});

    const std::vector<PayrollRunRow>& rows() const { return rows_; }
    const std::string& weekEnding() const { return weekEnding_; }
    int week() const { return week_; }
    const std::string& filter() const { return filter_; }
    PayrollRunTotals totals() const;

    bool skipFailed = false;  // leave out employees that cannot be run
    // Replace weeks already posted.
    bool replace() const { return replace_; }
    void setReplace(bool on);

    // The edits. Each recomputes the rows it changes; one refused shows a message and
    // changes nothing. A box given text puts its row in the run.
    void setFilter(const std::string& filter);
    void setInclude(size_t row, bool on);
    void setBox(size_t row, int box, const std::string& text);
    void setOt2x(size_t row, bool on);
    bool setRowWeek(size_t row, const std::string& text);
    bool setWeekEnding(const std::string& text);
    bool setWeek(int week);

    // The run of the rows in it, with both printouts of every employee.
    RunRequest request() const;
    // Post All: the run, its outcome in a message, each row's figures or reason from it.
    // Nothing when no row is in the run (a message says so).
    std::optional<RunReport> postAll(
        const std::function<void(size_t done, size_t of)>& progress = {});
    // The last run that posted, whose pages Print All prints.
    const std::optional<RunReport>& lastPosted() const { return lastPosted_; }
    // Print All: one print job, a page per employee posted. False when nothing was printed.
    bool printAll(PrintKind kind);

    // HOURS.csv: its lines into the rows they name (in the run, the filter cleared), every
    // other row left out. A file that cannot be read or names an employee not in the
    // folder changes nothing.
    bool loadHours(const std::string& bytes, const std::string& fileName);
    bool loadHoursFile(const std::filesystem::path& file);
    // The rows in the run as HOURS.csv, each with its own week; nothing when none is in
    // the run.
    std::optional<std::string> hoursText();
    bool saveHoursFile(const std::filesystem::path& file);

  private:
    void recompute(size_t row);
    void recomputeAll();
    void warn(const std::string& text);

    Session& session_;
    std::vector<PayrollRunRow> rows_;
    std::string weekEnding_;
    int week_ = 1;
    std::string filter_;
    std::optional<RunReport> lastPosted_;
    bool replace_ = false;
    std::filesystem::path folder_;  // whose employees the rows are
};

// Cents as the captions show money: "$1,234.50", "$.00", "-$3.10".
std::string moneyCaption(int64_t cents);

}  // namespace corvella
