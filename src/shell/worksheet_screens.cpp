#include "shell/worksheet_screens.h"

#include "yearend/worksheet_lines.h"

namespace corvella {

int defaultW2Year(Date today) {
    return today.month == 1 ? today.year - 1 : today.year;
}

std::pair<int, int> default941Quarter(Date today) {
    const int ended = (today.month - 1) / 3;  // quarters of this year that have ended
    if (ended == 0) return {today.year - 1, 4};
    return {today.year, ended};
}

const std::array<W2Column, kW2Columns>& w2TableColumns() {
    static const std::array<W2Column, kW2Columns> columns = {{
        {"Name", "e Employee's name"},
        {"SSN", "a Employee's social security number"},
        {"1 Wages", "1 Wages, tips, other compensation"},
        {"2 Federal tax", "2 Federal income tax withheld"},
        {"3 SS wages", "3 Social security wages"},
        {"4 SS tax", "4 Social security tax withheld"},
        {"5 Medicare wages", "5 Medicare wages and tips"},
        {"6 Medicare tax", "6 Medicare tax withheld"},
        {"7 SS tips", "7 Social security tips"},
        {"12 D", "12 Code D: elective deferrals to a 401(k) plan"},
        {"14 SDI", "14 Other: state disability insurance taxes"},
        {"16 State wages", "16 State wages, tips, etc."},
        {"17 State tax", "17 State income tax"},
        {"18 Local wages", "18 Local wages, tips, etc."},
        {"19 Local tax", "19 Local income tax"},
    }};
    return columns;
}

namespace {

std::string coded(const std::vector<W2Coded>& box, const std::string& code) {
    for (const W2Coded& c : box)
        if (c.code == code) return groupedCents(c.cents);
    return {};
}

std::string forms(int n) {
    return std::to_string(n) + (n == 1 ? " employee" : " employees");
}

}  // namespace

W2Screen::W2Screen(Date today) {
    txtW2Year.text = std::to_string(defaultW2Year(today));
    lbW2Shown.caption = "Type the year and press Show.";
    ckShowSsn.onChange = [this] { fillRows(); };
}

void W2Screen::show(W2Worksheet w) {
    worksheet_ = std::move(w);
    fillRows();
}

void W2Screen::fillRows() {
    rows.clear();
    warnings.clear();
    if (!worksheet_) return;
    const W2Worksheet& w = *worksheet_;
    const bool whole = ckShowSsn.checked();
    for (const W2Form& f : w.forms) {
        W2Row r;
        r.cells = {f.employeeName,        whole ? ssnText(f.ssn) : ssnMasked(f.ssn),
                   groupedCents(f.box1),  groupedCents(f.box2),
                   groupedCents(f.box3),  groupedCents(f.box4),
                   groupedCents(f.box5),  groupedCents(f.box6),
                   groupedCents(f.box7),  coded(f.box12, "D"),
                   coded(f.box14, "SDI"), groupedCents(f.box16),
                   groupedCents(f.box17), groupedCents(f.box18),
                   groupedCents(f.box19)};
        rows.push_back(std::move(r));
    }
    const W3Totals& t = w.w3;
    W2Row totals;
    totals.totals = true;
    totals.cells = {"W-3 totals",
                    "",
                    groupedCents(t.box1),
                    groupedCents(t.box2),
                    groupedCents(t.box3),
                    groupedCents(t.box4),
                    groupedCents(t.box5),
                    groupedCents(t.box6),
                    groupedCents(t.box7),
                    "",
                    "",
                    groupedCents(t.box16),
                    groupedCents(t.box17),
                    groupedCents(t.box18),
                    groupedCents(t.box19)};
    rows.push_back(std::move(totals));
    warnings = w.warnings;
    lbW2Shown.caption = w.forms.empty() ? "No employee was paid in " + std::to_string(w.year) + "."
                                        : "Forms W-2 for " + std::to_string(w.year) + ": " +
                                              forms(static_cast<int>(w.forms.size())) + ".";
}

Form941Screen::Form941Screen(Date today) {
    const auto [year, quarter] = default941Quarter(today);
    txt941Year.text = std::to_string(year);
    txt941Quarter.text = std::to_string(quarter);
    lb941Shown.caption = "Type the year and the quarter and press Show.";
}

void Form941Screen::show(Form941 f) {
    worksheet_ = std::move(f);
    const Form941& w = *worksheet_;
    lines.clear();
    for (const Form941Line& l : form941Lines(w)) {
        // Column 2 of 5a to 5d under its column 1, without the line's number again.
        const bool tax = l.line.ends_with(" col 2");
        const std::string number = tax ? std::string() : l.line.substr(0, l.line.find(' '));
        lines.push_back({(number.empty() ? "      " : number + "  ") + l.caption, l.amount(true)});
    }
    const bool semiweekly = w.employer.deposit == DepositSchedule::Semiweekly;
    lines.push_back({"16  " + form941LiabilityHeading(w), {}});
    for (const Form941Line& l : form941Liability(w))
        lines.push_back({"      " + l.caption, l.amount(true)});
    if (semiweekly)
        lines.push_back({"      Total liability for the quarter", groupedCents(w.monthsTotal)});
    warnings = w.warnings;
    lb941Shown.caption = "Form 941 for quarter " + std::to_string(w.quarter) + " of " +
                         std::to_string(w.year) + " (" + quarterMonths(w.quarter) + "), " +
                         (semiweekly ? "a semiweekly depositor." : "a monthly depositor.");
}

}  // namespace corvella
