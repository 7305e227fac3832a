// corvella-cli batch: a payroll run of the employees in HOURS.csv, posted as one change.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/pdf_output.h"
#include "common/controls.h"
#include "common/errors.h"
#include "common/exact_decimal.h"
#include "shell/payroll_run_screen.h"
#include "store/hours_file.h"

namespace corvella::cli {

namespace {

// Two decimals always, no "$" and no commas: "1234.50", "-3.10".
std::string amount(int64_t cents) {
    const int64_t whole = cents / 100, part = cents % 100;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%lld.%02lld", cents < 0 ? "-" : "",
                  static_cast<long long>(whole < 0 ? -whole : whole),
                  static_cast<long long>(part < 0 ? -part : part));
    return buf;
}

const char* outcomeWord(RunReport::Outcome o) {
    switch (o) {
        case RunReport::Outcome::Posted:
            return "posted";
        case RunReport::Outcome::Refused:
            return "refused";
        case RunReport::Outcome::CommitFailed:
            return "not_saved";
    }
    return "";
}

std::string totalsJson(const RunTotals& t) {
    return jsonObject({{"gross", amount(t.gross)},
                       {"taxes", amount(t.taxes)},
                       {"deductions", amount(t.deductions)},
                       {"net", amount(t.net)}});
}

std::string captionsJson(const PayResult& m) {
    std::vector<Field> f;
    for (size_t i = 0; i < m.lbTaxDed.size(); ++i)
        f.push_back({"lbTaxDed(" + std::to_string(i) + ")", m.lbTaxDed[i]});
    const std::pair<const char*, const std::string*> labels[] = {
        {"lbSDI", &m.lbSDI},     {"lbSUI", &m.lbSUI},     {"lbCafe", &m.lbCafe},
        {"Label13", &m.Label13}, {"lbTaxes", &m.lbTaxes}, {"lbDeduct", &m.lbDeduct},
        {"lbNet", &m.lbNet},     {"lbOverT", &m.lbOverT}, {"lbTips", &m.lbTips}};
    for (auto [name, caption] : labels) f.push_back({name, *caption});
    return jsonObject(f);
}

std::string toJson(const RunRequest& q, const RunReport& r, int taxYear) {
    std::ostringstream o;
    o << "{\"outcome\": " << jsonString(outcomeWord(r.outcome))
      << ", \"week_ending\": " << jsonString(q.weekEnding) << ", \"row\": " << q.row;
    if (taxYear) o << ", \"tax_year\": " << taxYear;
    o << ", \"employees\": [";
    for (size_t i = 0; i < r.lines.size(); ++i) {
        const RunLine& l = r.lines[i];
        const bool posted = l.ready && r.outcome == RunReport::Outcome::Posted;
        o << (i ? ", " : "") << "{\"name\": " << jsonString(l.name) << ", \"row\": " << l.row
          << ", \"weekly\": " << (l.weekly ? "true" : "false")
          << ", \"posted\": " << (posted ? "true" : "false")
          << ", \"reason\": " << (l.ready ? "null" : jsonString(l.reason));
        if (l.ready)
            o << ", \"captions\": " << captionsJson(l.result)
              << ", \"totals\": " << totalsJson(l.cents);
        o << ", \"messages\": " << jsonArray(l.messages) << "}";
    }
    o << "], \"posted_employees\": " << r.posted << ", \"totals\": " << totalsJson(r.totals)
      << ", \"problem\": " << (r.problem.empty() ? "null" : jsonString(r.problem)) << "}\n";
    return o.str();
}

std::string toText(const RunRequest& q, const RunReport& r) {
    std::ostringstream o;
    auto row = [&](const std::string& name, const std::string& week, const RunTotals& t) {
        char buf[256];
        std::snprintf(buf, sizeof buf, "%-24s %4s %14s %14s %14s %14s\n", name.c_str(),
                      week.c_str(), moneyCaption(t.gross).c_str(), moneyCaption(t.taxes).c_str(),
                      moneyCaption(t.deductions).c_str(), moneyCaption(t.net).c_str());
        o << buf;
    };
    o << "Payroll run: week ending " << q.weekEnding << "\n";
    char head[256];
    std::snprintf(head, sizeof head, "%-24s %4s %14s %14s %14s %14s\n", "Employee", "Week", "Gross",
                  "Taxes", "Deductions", "Net");
    o << head;
    for (const RunLine& l : r.lines) {
        if (l.ready)
            row(l.name, std::to_string(l.row), l.cents);
        else
            o << l.name << ": not run: " << oneLine(l.reason) << "\n";
        for (const std::string& m : l.messages)
            if (m != l.reason) o << "  Message: " << oneLine(m) << "\n";
    }
    const size_t ready = static_cast<size_t>(
        std::count_if(r.lines.begin(), r.lines.end(), [](const RunLine& l) { return l.ready; }));
    row("TOTAL (" + std::to_string(ready) + (ready == 1 ? " employee)" : " employees)"), "",
        r.totals);
    return o.str();
}

// The lines of HOURS.csv as the run's entries; a usage error's status naming the line.
std::optional<int> readEntries(const std::filesystem::path& dir, const std::string& file,
                               std::vector<RunEntry>& out) {
    std::optional<std::string> bytes;
    try {
        bytes = readFileBytes(file);
    } catch (const ReadError& e) {
        return usage(e.what());
    }
    if (!bytes) return usage("cannot read " + file);
    std::vector<HoursLine> lines;
    try {
        lines = readHoursFile(*bytes, std::filesystem::path(file).filename().string());
    } catch (const ReadError& e) {
        return usage(e.what());
    }
    for (HoursLine& h : lines) {
        const std::string where = file + ", line " + std::to_string(h.line) + ": ";
        try {
            checkEmployeeName(h.name);
        } catch (const NameError& e) {
            return usage(where + e.what());
        }
        // What an entry box's key filter would drop is refused, not paid without it.
        for (size_t i = 0; i < h.boxes.size(); ++i)
            if (filterNumericKeys(h.boxes[i]) != h.boxes[i])
                return usage(where + "box" + std::to_string(i) + " \"" + h.boxes[i] +
                             "\" holds characters an entry box does not take (it takes " +
                             "digits, blanks, \"-\" and \".\")");
        const auto use = dir / memberName(h.name, FileKind::Profile);
        if (!fileExists(use))
            return usage(where + "no employee \"" + h.name + "\" in " + dir.string() + " (" +
                         use.filename().string() + " not found)");
        out.push_back({std::move(h.name), h.boxes, h.ot2x, h.row});
    }
    if (out.empty()) return usage(file + " names no employee");
    return std::nullopt;
}

}  // namespace

int batch(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    const std::vector<ExtraOption> options = {{"--week", true},
                                              {"--skip-failed", false},
                                              {"--replace", false},
                                              {"--stubs", true},
                                              {"--checks", true}};
    if (auto bad = parse(args, kJson | kRow, o, "batch", options, false)) return *bad;
    if (o.name.empty()) return usage("batch needs HOURS.csv");
    if (!o.positional.empty()) return usage("batch takes one HOURS.csv");
    const auto stubs = extra(o, "--stubs"), checks = extra(o, "--checks");
    if (stubs && checks) return usage("batch takes one of --stubs, --checks");
    const auto pdf = stubs ? stubs : checks;
    if (pdf) {
        if (const std::string problem = pdfUnavailable(); !problem.empty()) {
            std::cerr << "corvella-cli: " << problem << "\n";
            return code(Exit::Usage);
        }
        if (EmployeeStore(dir).isDataFile(*pdf))
            return usage(*pdf + " is a data file of the folder; choose another name for the PDF");
    }
    RunRequest q;
    q.row = *o.row;
    if (auto bad = readEntries(dir, o.name, q.entries)) return *bad;
    q.skipFailed = extra(o, "--skip-failed").has_value();
    q.replace = extra(o, "--replace").has_value();
    q.stubs = stubs.has_value();
    q.checks = checks.has_value();
    q.pagesNeeded = true;  // a PDF asked for holds every employee's page, or nothing runs

    CliUi ui;
    Session s(ui, dir);
    q.weekEnding = extra(o, "--week").value_or(s.todayText());
    const bool terminal = ::isatty(2) == 1;
    const RunReport r = s.payrollRun(q, [&](size_t done, size_t of) {
        if (terminal) std::cerr << "\rcorvella-cli: " << done << " of " << of << " computed";
        if (terminal && done == of) std::cerr << "\n";
    });
    int taxYear = 0;
    for (const RunLine& l : r.lines)
        if (l.ready) taxYear = l.taxYear;
    std::cout << (o.json ? toJson(q, r, taxYear) : toText(q, r));
    if (r.outcome != RunReport::Outcome::Posted) {
        std::cerr << "corvella-cli: " << oneLine(r.problem) << "\n";
        for (const RunLine& l : r.lines)
            if (!l.ready)
                std::cerr << "corvella-cli: " << l.name << ": " << oneLine(l.reason) << "\n";
        return code(r.outcome == RunReport::Outcome::Refused ? Exit::Refused : Exit::SaveFailed);
    }
    if (pdf) {
        TextPage pages;
        for (const RunLine& l : r.lines) {
            const auto& page = stubs ? l.stub : l.check;
            if (l.ready && page) pages.append(*page);
        }
        try {
            // The PDF module writes through a writer of its own, which would wait for this
            // command's lock; the run is written by now.
            commandLock().reset();
            writePdf(pages, *pdf);
        } catch (const Error& e) {
            std::cerr << "corvella-cli: the run was posted, but the PDF was not written: "
                      << e.what() << "\n";
            return code(Exit::SaveFailed);
        }
    }
    return code(Exit::Ok);
}

}  // namespace corvella::cli
