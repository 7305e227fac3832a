#include "shell/payroll_run_screen.h"

#include <algorithm>

#include "common/controls.h"
#include "common/errors.h"
#include "common/fileio.h"
#include "common/format.h"
#include "shell/messages.h"
#include "shell/session.h"
#include "store/hours_file.h"
#include "store/pay_period.h"

namespace corvella {

namespace {

constexpr const char* kTitle = "Payroll Run";
constexpr int kLastWeek = 53;

// A reason as one line of a list.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::string employees(size_t n) {
    return std::to_string(n) + (n == 1 ? " employee" : " employees");
}

std::optional<int> weekNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(text);
    if (n < 1 || n > kLastWeek) return std::nullopt;
    return n;
}

std::string trimmed(const std::string& text) {
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

void showFigures(PayrollRunRow& row, const RunLine& line) {
    row.computed = true;
    row.ready = line.ready;
    row.reason = line.ready ? std::string() : line.reason;
    row.cents = line.ready ? line.cents : RunTotals{};
    row.gross = line.ready ? line.result.Label13 : std::string();
    row.taxes = line.ready ? line.result.lbTaxes : std::string();
    row.deductions = line.ready ? line.result.lbDeduct : std::string();
    row.net = line.ready ? line.result.lbNet : std::string();
    // A run with nothing to pay shows no gross caption; the column still says so.
    if (line.ready && row.gross.empty()) row.gross = moneyCaption(0);
}

// Those the run could not run, each with why.
std::string leftOutList(const RunReport& r) {
    std::string out;
    for (const RunLine& l : r.lines)
        if (!l.ready) out += "\n  " + l.name + ": " + oneLine(l.reason);
    return out;
}

}  // namespace

std::string moneyCaption(int64_t cents) {
    // Exact for any sum of paychecks: far below 2^53 cents.
    return format(static_cast<double>(cents) / 100.0, Pattern::Dollar2);
}

PayrollRunScreen::PayrollRunScreen(Session& s, const std::string& filter)
    : session_(s), filter_(filter), folder_(s.dir) {
    for (const EmployeeEntry& e : s.employeeList()) {
        PayrollRunRow row;
        row.name = e.name;
        row.frequency = e.frequency;
        row.shown = entryMatches(e, filter_);
        rows_.push_back(std::move(row));
    }
    const auto date = readShortDate(s.main.txtWeek.text);
    weekEnding_ = date ? shortDate(*date) : s.todayText();
    recomputeAll();
}

void PayrollRunScreen::warn(const std::string& text) {
    session_.ui.message(text, Icon::Warning, kTitle);
}

void PayrollRunScreen::recompute(size_t i) {
    PayrollRunRow& row = rows_[i];
    if (!row.inRun()) {
        row.computed = row.ready = false;
        row.reason.clear();
        row.gross.clear();
        row.taxes.clear();
        row.deductions.clear();
        row.net.clear();
        row.cents = {};
        return;
    }
    RunEntry entry{row.name, row.boxes, row.ot2x, weekNumber(row.week)};
    showFigures(row, session_.previewRun(entry, weekEnding_, week_, replace_));
}

void PayrollRunScreen::setReplace(bool on) {
    if (on == replace_) return;
    replace_ = on;
    recomputeAll();  // a week already posted stops or stops stopping its row
}

void PayrollRunScreen::recomputeAll() {
    for (size_t i = 0; i < rows_.size(); ++i) recompute(i);
}

PayrollRunTotals PayrollRunScreen::totals() const {
    PayrollRunTotals t;
    for (const PayrollRunRow& r : rows_) {
        if (!r.inRun() || !r.ready) continue;
        ++t.employees;
        t.cents.gross += r.cents.gross;
        t.cents.taxes += r.cents.taxes;
        t.cents.deductions += r.cents.deductions;
        t.cents.net += r.cents.net;
    }
    t.gross = moneyCaption(t.cents.gross);
    t.taxes = moneyCaption(t.cents.taxes);
    t.deductions = moneyCaption(t.cents.deductions);
    t.net = moneyCaption(t.cents.net);
    return t;
}

void PayrollRunScreen::setFilter(const std::string& filter) {
    filter_ = filter;
    const std::vector<EmployeeEntry> list = session_.employeeList();
    for (size_t i = 0; i < rows_.size(); ++i) {
        PayrollRunRow& row = rows_[i];
        // The frequency and state are what the filter matches, as the list does.
        const auto e = std::find_if(list.begin(), list.end(),
                                    [&](const EmployeeEntry& x) { return x.name == row.name; });
        const bool shown = entryMatches(
            e != list.end() ? *e : EmployeeEntry{row.name, row.frequency, "", false}, filter);
        if (shown == row.shown) continue;
        row.shown = shown;
        recompute(i);
    }
}

void PayrollRunScreen::setInclude(size_t i, bool on) {
    if (i >= rows_.size() || rows_[i].include == on) return;
    rows_[i].include = on;
    recompute(i);
}

void PayrollRunScreen::setBox(size_t i, int box, const std::string& text) {
    if (i >= rows_.size() || box < 0 || box >= 8) return;
    // What the entry box would keep of these keys: the run types them through it.
    const std::string kept = filterNumericKeys(text);
    PayrollRunRow& row = rows_[i];
    std::string& held = row.boxes[static_cast<size_t>(box)];
    if (held == kept) return;
    held = kept;
    if (!kept.empty()) row.include = true;
    recompute(i);
}

void PayrollRunScreen::setOt2x(size_t i, bool on) {
    if (i >= rows_.size() || rows_[i].ot2x == on) return;
    rows_[i].ot2x = on;
    recompute(i);
}

bool PayrollRunScreen::setRowWeek(size_t i, const std::string& text) {
    if (i >= rows_.size()) return false;
    const std::string t = trimmed(text);
    if (!t.empty() && !weekNumber(t)) {
        warn("Week of " + rows_[i].name + ": \"" + text +
             "\" is not a ledger week. Type a week from 1 to 53, or leave it empty for the "
             "run's week.");
        return false;
    }
    if (rows_[i].week == t) return true;
    rows_[i].week = t;
    recompute(i);
    return true;
}

bool PayrollRunScreen::setWeekEnding(const std::string& text) {
    const auto date = readShortDate(text);
    if (!date) {
        warn("Week ending: \"" + text +
             "\" is not a date. Type it as month/day/year, such as 1/9/2015, or pick it from "
             "the calendar.");
        return false;
    }
    const std::string shown = shortDate(*date);
    if (shown == weekEnding_) return true;
    weekEnding_ = shown;
    recomputeAll();
    return true;
}

bool PayrollRunScreen::setWeek(int week) {
    if (week < 1 || week > kLastWeek) {
        warn("Ledger week: " + std::to_string(week) +
             " is not a ledger week. Choose a week from 1 to 53.");
        return false;
    }
    if (week == week_) return true;
    week_ = week;
    recomputeAll();
    return true;
}

RunRequest PayrollRunScreen::request() const {
    RunRequest q;
    q.folder = folder_;
    q.weekEnding = weekEnding_;
    q.row = week_;
    q.skipFailed = skipFailed;
    q.replace = replace_;
    q.stubs = q.checks = true;
    for (const PayrollRunRow& r : rows_)
        if (r.inRun()) q.entries.push_back({r.name, r.boxes, r.ot2x, weekNumber(r.week)});
    return q;
}

std::optional<RunReport> PayrollRunScreen::postAll(
    const std::function<void(size_t, size_t)>& progress) {
    const RunRequest q = request();
    if (q.entries.empty()) {
        warn("No employee is in the run. Tick Include for the employees to pay, then Post All.");
        return std::nullopt;
    }
    lastPosted_.reset();  // its pages are not this run's
    RunReport r = session_.payrollRun(q, progress);
    // The rows show what the run found, in the request's order.
    size_t line = 0;
    for (PayrollRunRow& row : rows_)
        if (row.inRun() && line < r.lines.size()) showFigures(row, r.lines[line++]);

    switch (r.outcome) {
        case RunReport::Outcome::Posted: {
            std::string text = "Posted " + employees(static_cast<size_t>(r.posted)) +
                               " for the week ending " + q.weekEnding + ". Total net pay " +
                               moneyCaption(r.totals.net) + ".";
            const size_t left = r.lines.size() - static_cast<size_t>(r.posted);
            if (left)
                text += "\n\nLeft out, not posted (" + employees(left) + "):" + leftOutList(r);
            session_.ui.message(text, Icon::Information, kTitle);
            lastPosted_ = r;
            break;
        }
        case RunReport::Outcome::Refused:
            warn(r.problem + "\nNothing was written." + leftOutList(r));
            break;
        case RunReport::Outcome::CommitFailed:
            warn(r.problem);
            break;
    }
    return r;
}

bool PayrollRunScreen::printAll(PrintKind kind) {
    if (!lastPosted_) {
        warn(
            "Nothing to print yet. Print All prints the pages of the employees the last Post "
            "All posted: post the run first.");
        return false;
    }
    std::optional<TextPage> job;
    std::string missing;
    for (const RunLine& l : lastPosted_->lines) {
        if (!l.ready) continue;
        const std::optional<TextPage>& page = kind == PrintKind::Stubs ? l.stub : l.check;
        if (!page) {
            missing += "\n  " + l.name +
                       (l.messages.empty() ? std::string() : ": " + oneLine(l.messages.back()));
            continue;
        }
        if (job)
            job->append(*page);
        else
            job = *page;
    }
    const char* what = kind == PrintKind::Stubs ? "pay stub" : "check";
    if (!job) {
        warn(std::string("No ") + what + " of the last run could be made:" + missing);
        return false;
    }
    if (!session_.ui.choosePrinter()) return false;
    try {
        if (!session_.ui.printPage(*job)) return false;
    } catch (const Error& e) {
        warn(messages::notPrinted(e));
        return false;
    }
    if (!missing.empty())
        warn(std::string("These employees have no ") + what + " in the printout:" + missing);
    return true;
}

bool PayrollRunScreen::loadHours(const std::string& bytes, const std::string& fileName) {
    std::vector<HoursLine> lines;
    try {
        lines = readHoursFile(bytes, fileName);
    } catch (const Error& e) {
        warn(std::string(e.what()) + "\nNothing was loaded.");
        return false;
    }
    if (lines.empty()) {
        warn(fileName + " names no employee. Nothing was loaded.");
        return false;
    }
    std::vector<size_t> at;
    std::string unknown;
    for (const HoursLine& h : lines) {
        const auto found = std::find_if(rows_.begin(), rows_.end(),
                                        [&](const PayrollRunRow& r) { return r.name == h.name; });
        if (found == rows_.end())
            unknown += "\n  " + fileName + ", line " + std::to_string(h.line) + ": no employee \"" +
                       h.name + "\" in this folder";
        else
            at.push_back(static_cast<size_t>(found - rows_.begin()));
    }
    if (!unknown.empty()) {
        warn("Nothing was loaded: the file names employees this folder does not have." + unknown +
             "\nCorrect the names in the file, then load it again.");
        return false;
    }
    filter_.clear();
    for (PayrollRunRow& r : rows_) {
        r.shown = true;
        r.include = false;
    }
    for (size_t k = 0; k < lines.size(); ++k) {
        PayrollRunRow& r = rows_[at[k]];
        r.include = true;
        for (size_t b = 0; b < r.boxes.size(); ++b)
            r.boxes[b] = filterNumericKeys(lines[k].boxes[b]);
        r.ot2x = lines[k].ot2x;
        r.week = lines[k].row ? std::to_string(*lines[k].row) : std::string();
    }
    recomputeAll();
    return true;
}

bool PayrollRunScreen::loadHoursFile(const std::filesystem::path& file) {
    std::optional<std::string> bytes;
    try {
        bytes = readFileBytes(file);
    } catch (const Error& e) {
        warn(std::string(e.what()) + "\nNothing was loaded.");
        return false;
    }
    if (!bytes) {
        warn(file.string() + " could not be read. Nothing was loaded.");
        return false;
    }
    return loadHours(*bytes, file.filename().string());
}

std::optional<std::string> PayrollRunScreen::hoursText() {
    std::vector<HoursLine> lines;
    for (const PayrollRunRow& r : rows_)
        if (r.inRun()) lines.push_back({r.name, r.boxes, r.ot2x, weekNumber(r.week), 0});
    if (lines.empty()) {
        warn(
            "No employee is in the run, so there are no hours to save. Tick Include for the "
            "employees whose hours to save.");
        return std::nullopt;
    }
    try {
        return writeHoursFile(lines, true);
    } catch (const Error& e) {
        warn(std::string(e.what()) + "\nNothing was saved.");
        return std::nullopt;
    }
}

bool PayrollRunScreen::saveHoursFile(const std::filesystem::path& file) {
    if (session_.store().isDataFile(file)) {
        warn(file.filename().string() +
             " is one of the folder's data files. Choose another name for the hours file.");
        return false;
    }
    const auto text = hoursText();
    if (!text) return false;
    try {
        writeFileAtomic(file, *text);
    } catch (const Error& e) {
        warn("The hours were not saved: " + std::string(e.what()) + ".");
        return false;
    }
    return true;
}

}  // namespace corvella
