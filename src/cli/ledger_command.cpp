// corvella-cli ledger, post, unpost and export: the ledger frame "Year To Date".
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "ledger/ledger_window.h"

namespace corvella::cli {

namespace {

// ---------------------------------------------------------------- the ledger

constexpr auto& kRowColumns = kLedgerColumnOrder;

// The totals in the order the JSON lists them: Fed to Kplan, OT, Net, Gross, then the
// second row of the totals window.
std::vector<Field> ledgerTotals(const LedgerWindow& w) {
    std::vector<Field> out;
    for (int i = 0; i < 11; ++i) {
        const auto c = static_cast<LedgerColumn>(i);
        out.push_back({ledgerColumnName(c), w.total(c).text});
    }
    for (LedgerColumn c : {LedgerColumn::OT, LedgerColumn::Net, LedgerColumn::Gross})
        out.push_back({ledgerColumnName(c), w.total(c).text});
    out.push_back({"Cafe", w.totCafe.text});
    out.push_back({"SDI", w.totSDI.text});
    out.push_back({"SUI", w.totSUI.text});
    out.push_back({"Tips", w.total(LedgerColumn::Tips).text});
    return out;
}

// `taxYear`: the year of the run posted, or 0 when none ran.
std::string ledgerJson(const LedgerWindow& w, bool weekly, const std::vector<std::string>& msgs,
                       int taxYear) {
    std::ostringstream o;
    auto object = [&](const std::vector<Field>& fields) {
        o << "{";
        for (size_t i = 0; i < fields.size(); ++i)
            o << (i ? ", " : "") << jsonString(fields[i].name) << ": "
              << jsonString(fields[i].value);
        o << "}";
    };
    o << "{";
    if (taxYear) o << "\"tax_year\": " << taxYear << ", ";
    o << "\"weekly\": " << (weekly ? "true" : "false") << ", \"headings\": ";
    const char* names[] = {"Muni", "Bond", "Dues", "Pension", "Misc"};
    std::vector<Field> headings;
    for (size_t i = 0; i < 5; ++i) headings.push_back({names[i], w.headings[i].caption});
    object(headings);
    o << ", \"rows\": [";
    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerWindowRow& row = w.rows[static_cast<size_t>(i)];
        o << (i ? ", " : "") << "{\"week\": " << i + 1
          << ", \"Date\": " << jsonString(row.Date.text);
        for (LedgerColumn c : kRowColumns)
            o << ", " << jsonString(ledgerColumnName(c)) << ": " << jsonString(row.cell(c).text);
        o << "}";
    }
    o << "], \"totals\": ";
    object(ledgerTotals(w));
    o << ", \"messages\": [";
    for (size_t i = 0; i < msgs.size(); ++i) o << (i ? ", " : "") << jsonString(msgs[i]);
    o << "]}\n";
    return o.str();
}

std::string ledgerText(const LedgerWindow& w, bool weekly, const std::vector<std::string>& msgs,
                       const std::string& name) {
    std::ostringstream o;
    o << "Year To Date: " << name << (weekly ? " (weekly)" : " (bi-weekly)") << "\n";
    std::vector<std::string> heads = {"Week", "Date"};
    const char* fixed[] = {"Federal", "SS", "Medi", "State", "City"};
    for (const char* h : fixed) heads.push_back(h);
    for (const auto& h : w.headings) heads.push_back(h.caption);
    for (const char* h : {"K-Plan", "Tips", "OT", "Net", "Gross"}) heads.push_back(h);
    auto line = [&](const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i) {
            char buf[64];
            std::snprintf(buf, sizeof buf, i < 2 ? "%-11s" : "%10s", cells[i].c_str());
            o << buf << (i + 1 < cells.size() ? " " : "\n");
        }
    };
    line(heads);
    for (int i = 0; i < Ledger::rowCount(weekly); ++i) {
        const LedgerWindowRow& row = w.rows[static_cast<size_t>(i)];
        std::vector<std::string> cells = {std::to_string(i + 1), row.Date.text};
        for (LedgerColumn c : kRowColumns) cells.push_back(row.cell(c).text);
        line(cells);
    }
    std::vector<std::string> totals = {"TOTALS", ""};
    for (LedgerColumn c : kRowColumns) totals.push_back(w.total(c).text);
    line(totals);
    o << "Cafeteria Plan: " << w.totCafe.text << "   SDI: " << w.totSDI.text
      << "   SUI: " << w.totSUI.text << "   Tips: " << w.total(LedgerColumn::Tips).text << "\n";
    for (const auto& m : msgs) o << "Message: " << oneLine(m) << "\n";
    return o.str();
}

}  // namespace

int ledger(const std::filesystem::path& dir, const std::vector<std::string>& args,
           LedgerAction action) {
    Options o;
    const bool withRow = action == LedgerAction::Post || action == LedgerAction::Unpost;
    const unsigned takes = (action == LedgerAction::Export ? 0u : kJson) | (withRow ? kRow : 0u) |
                           (action == LedgerAction::Post ? kRunInputs : 0u);
    const char* command = action == LedgerAction::Show     ? "ledger"
                          : action == LedgerAction::Post   ? "post"
                          : action == LedgerAction::Export ? "export"
                                                           : "unpost";
    if (auto bad = parse(args, takes, o, command)) return *bad;
    if (action == LedgerAction::Export) {
        if (o.positional.size() != 1) return usage("export needs NAME and FILE");
    } else if (!o.positional.empty()) {
        return usage("more than one employee name given");
    }
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    auto fail = [&](Exit code) {
        std::cerr << "corvella-cli: " << oneLine(ui.messages.back()) << "\n";
        return static_cast<int>(code);
    };
    bool saveFailed = false;
    if (action == LedgerAction::Post) {
        // Refused before the run: nothing is written for a week the employee has not.
        if (!s.ledgerWeekUsed(*o.row)) return fail(Exit::Refused);
        // The run's files are saved with the posting, as one change.
        const auto outcome = pressAdd(o, s, RunSave::Hold);
        if (outcome == RunOutcome::Refused) return fail(Exit::Refused);
        if (outcome == RunOutcome::SaveFailed) return fail(Exit::SaveFailed);
    }
    s.openLedger();
    if (action == LedgerAction::Export) {
        if (!s.ledgerExport(o.positional[0])) return fail(Exit::SaveFailed);
        return static_cast<int>(Exit::Ok);
    }
    if (action != LedgerAction::Show) {
        const bool done =
            action == LedgerAction::Post ? s.ledgerPost(*o.row) : s.ledgerUnpost(*o.row);
        if (!done) return fail(Exit::Refused);
        ui.answers.push_back(Answer::Yes);  // "Do you want to save YTD": Yes
        if (s.ledgerClose())
            s.openLedger();  // as the ledger shows it afterwards
        else
            saveFailed = true;  // the frame stays open with the posting
    }
    const bool weekly = s.profile.weekly();
    const int taxYear = action == LedgerAction::Post ? s.runTaxYear() : 0;
    std::cout << (o.json ? ledgerJson(*s.ledgerWindow(), weekly, ui.messages, taxYear)
                         : ledgerText(*s.ledgerWindow(), weekly, ui.messages, s.CurrentUser));
    if (saveFailed) return fail(Exit::SaveFailed);
    return static_cast<int>(Exit::Ok);
}

}  // namespace corvella::cli
