#include "yearend/yearend_pages.h"

#include <algorithm>
#include <initializer_list>

#include "yearend/worksheet_lines.h"

namespace corvella {

namespace {

// Where each part of a line starts: the box or line number, its caption, a code (box 12's
// letter, box 14's label) and the amount; Form 941's lines 5a to 5d have their wages in a
// column of their own before the amounts.
constexpr int kNumber = 1, kCaption = 6, kCode = 52, kValue = 64;
constexpr int k941Value = 70, k941Tax = 88;
// Captions longer than this go on to the next line, so that no amount is pushed aside.
constexpr int k941CaptionWidth = 60;
constexpr int kWarningWidth = 110;

// `text` in lines of at most `width` characters, broken between words.
std::vector<std::string> wrapped(const std::string& text, size_t width) {
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

void heading(TextPage& p, const std::string& title, const std::string& subtitle) {
    p.font("Arial", 14).text(title).endLine();
    p.font("Arial", 9).text(subtitle).endLine();
    p.font("Arial", 10).endLine();
}

constexpr const char* kCopyNote =
    "A worksheet, not for filing: copy its amounts onto the official form.";

// A line of boxes: its number, caption, code and value, each at its column.
void boxLine(TextPage& p, const std::string& number, const std::string& caption,
             const std::string& code = {}, const std::string& value = {}) {
    p.tab(kNumber).text(number).tab(kCaption).text(caption);
    if (!code.empty()) p.tab(kCode).text(code);
    if (!value.empty()) p.tab(kValue).text(value);
    p.endLine();
}

void moneyBox(TextPage& p, int box, int64_t cents) {
    boxLine(p, std::to_string(box), w2BoxCaption(box), {}, groupedCents(cents));
}

// A name and address under their caption, the lines that are empty left out.
void indented(TextPage& p, std::initializer_list<const std::string*> lines) {
    for (const std::string* line : lines)
        if (!line->empty()) p.tab(kCaption + 3).text(*line).endLine();
}

void warningLines(TextPage& p, const std::vector<std::string>& warnings) {
    if (warnings.empty()) return;
    p.endLine().text("Check before filing:").endLine();
    for (const std::string& w : warnings) {
        const auto lines = wrapped(w, kWarningWidth);
        for (size_t i = 0; i < lines.size(); ++i)
            p.tab(kNumber + 2).text(i == 0 ? "- " : "").tab(kNumber + 4).text(lines[i]).endLine();
    }
}

const char* yesNo(bool b) {
    return b ? "Yes" : "No";
}

TextPage w2Page(const W2Worksheet& w, const W2Form& f, bool showSsn) {
    TextPage p;
    heading(p, "Form W-2  Wage and Tax Statement  " + std::to_string(w.year), kCopyNote);
    boxLine(p, "a", "Employee's social security number", {},
            showSsn ? ssnText(f.ssn) : ssnMasked(f.ssn));
    boxLine(p, "b", "Employer identification number (EIN)", {}, einText(w.employer.ein));
    boxLine(p, "c", "Employer's name, address, and ZIP code");
    indented(p, {&w.employer.legalName, &w.employer.address, &w.employer.cityStateZip});
    boxLine(p, "e", "Employee's name", {}, f.employeeName);
    boxLine(p, "f", "Employee's address and ZIP code");
    indented(p, {&f.address, &f.cityStateZip});
    p.endLine();

    const int64_t first[] = {f.box1, f.box2, f.box3, f.box4, f.box5, f.box6, f.box7};
    for (int box = 1; box <= 7; ++box) moneyBox(p, box, first[box - 1]);
    if (f.box12.empty()) boxLine(p, "12", w2BoxCaption(12));
    for (size_t i = 0; i < f.box12.size(); ++i)
        boxLine(p, "12" + std::string(1, static_cast<char>('a' + i)), w2BoxCaption(12),
                "Code " + f.box12[i].code, groupedCents(f.box12[i].cents));
    boxLine(p, "13", "Statutory employee", {}, yesNo(f.statutory));
    boxLine(p, "", "Retirement plan", {}, yesNo(f.retirementPlan));
    boxLine(p, "", "Third-party sick pay", {}, yesNo(f.thirdPartySick));
    if (f.box14.empty()) boxLine(p, "14", w2BoxCaption(14));
    for (const W2Coded& c : f.box14)
        boxLine(p, "14", w2BoxCaption(14), c.code, groupedCents(c.cents));
    boxLine(p, "15", "State", {}, f.box15);
    boxLine(p, "", "Employer's state ID number", {}, w.employer.stateId);
    const int64_t state[] = {f.box16, f.box17, f.box18, f.box19};
    for (int box = 16; box <= 19; ++box) moneyBox(p, box, state[box - 16]);
    boxLine(p, "20", w2BoxCaption(20), {}, f.box20);
    p.endDocument();
    return p;
}

TextPage w3Page(const W2Worksheet& w) {
    const W3Totals& t = w.w3;
    TextPage p;
    heading(p, "Form W-3  Transmittal of Wage and Tax Statements  " + std::to_string(w.year),
            kCopyNote);
    boxLine(p, "c", "Total number of Forms W-2", {}, std::to_string(t.count));
    boxLine(p, "e", "Employer identification number (EIN)", {}, einText(w.employer.ein));
    boxLine(p, "f", "Employer's name", {}, w.employer.legalName);
    boxLine(p, "g", "Employer's address and ZIP code");
    indented(p, {&w.employer.address, &w.employer.cityStateZip});
    p.endLine();
    const int64_t first[] = {t.box1, t.box2, t.box3, t.box4, t.box5, t.box6, t.box7};
    for (int box = 1; box <= 7; ++box) moneyBox(p, box, first[box - 1]);
    boxLine(p, "15", "Employer's state ID number", {}, w.employer.stateId);
    const int64_t state[] = {t.box16, t.box17, t.box18, t.box19};
    for (int box = 16; box <= 19; ++box) moneyBox(p, box, state[box - 16]);
    warningLines(p, w.warnings);
    p.endDocument();
    return p;
}

// A line of Form 941: its number, its caption over as many lines as it needs, and its
// amount (and column 2's) on the caption's last line.
void formLine(TextPage& p, const std::string& number, const std::string& caption,
              const std::string& value, const std::string& tax = {}) {
    const auto lines = wrapped(caption, k941CaptionWidth);
    for (size_t i = 0; i < lines.size(); ++i) {
        p.tab(kNumber).text(i == 0 ? number : "").tab(kCaption).text(lines[i]);
        if (i + 1 == lines.size()) {
            p.tab(k941Value).text(value);
            if (!tax.empty()) p.tab(k941Tax).text(tax);
        }
        p.endLine();
    }
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += csvField(fields[i]);
    }
    return out + "\r\n";
}

// The codes of box 12 (or labels of box 14) that any W-2 has, in the order first met: a
// column each.
std::vector<std::string> codesOf(const std::vector<W2Form>& forms,
                                 std::vector<W2Coded> W2Form::*box) {
    std::vector<std::string> codes;
    for (const W2Form& f : forms)
        for (const W2Coded& c : f.*box)
            if (std::find(codes.begin(), codes.end(), c.code) == codes.end())
                codes.push_back(c.code);
    return codes;
}

// The amounts of `codes` in a box, "0.00" for a code the box does not hold.
void codedFields(std::vector<std::string>& fields, const std::vector<std::string>& codes,
                 const std::vector<W2Coded>& box) {
    for (const std::string& code : codes) {
        int64_t cents = 0;
        for (const W2Coded& c : box)
            if (c.code == code) cents += c.cents;
        fields.push_back(plainCents(cents));
    }
}

}  // namespace

TextPage w2Pages(const W2Worksheet& w, bool showSsn) {
    TextPage job;
    for (const W2Form& f : w.forms) job.append(w2Page(w, f, showSsn));
    job.append(w3Page(w));
    return job;
}

TextPage form941Page(const Form941& f) {
    TextPage p;
    heading(p, "Form 941  Employer's Quarterly Federal Tax Return  " + std::to_string(f.year),
            kCopyNote);
    const CompanyFacts& c = f.employer;
    boxLine(p, "", "Report for this quarter", {},
            std::to_string(f.quarter) + ": " + quarterMonths(f.quarter));
    boxLine(p, "", "Employer identification number (EIN)", {}, einText(c.ein));
    boxLine(p, "", "Name (not your trade name)", {}, c.legalName);
    if (!c.tradeName.empty()) boxLine(p, "", "Trade name", {}, c.tradeName);
    boxLine(p, "", "Address", {}, c.address);
    if (!c.cityStateZip.empty()) boxLine(p, "", "", {}, c.cityStateZip);
    p.endLine();

    const auto lines = form941Lines(f);
    for (size_t i = 0; i < lines.size(); ++i) {
        const Form941Line& l = lines[i];
        const std::string number = l.line.substr(0, l.line.find(' '));
        // Column 2 of 5a to 5d beside its column 1, as the form has them.
        if (i + 1 < lines.size() && lines[i + 1].line == number + " col 2") {
            if (number == "5a")
                p.tab(k941Value).text("Column 1").tab(k941Tax).text("Column 2").endLine();
            formLine(p, number, l.caption, l.amount(true), lines[i + 1].amount(true));
            ++i;
        } else {
            formLine(p, number, l.caption, {}, l.amount(true));
        }
    }
    p.endLine();
    formLine(p, "16", form941LiabilityHeading(f), {});
    for (const Form941Line& l : form941Liability(f)) formLine(p, "", l.caption, {}, l.amount(true));
    if (c.deposit == DepositSchedule::Semiweekly) {
        if (f.daily.empty()) formLine(p, "", "No pay date in the quarter", {});
        formLine(p, "", "Total liability for the quarter", {}, groupedCents(f.monthsTotal));
    }
    warningLines(p, f.warnings);
    p.endDocument();
    return p;
}

std::string w2Csv(const W2Worksheet& w, bool showSsn) {
    const auto box12 = codesOf(w.forms, &W2Form::box12);
    const auto box14 = codesOf(w.forms, &W2Form::box14);
    std::vector<std::string> header = {"form", "employee", "name",
                                       "ssn",  "address",  "city_state_zip"};
    for (int box = 1; box <= 7; ++box) header.push_back("box" + std::to_string(box));
    for (const std::string& code : box12) header.push_back("box12 " + code);
    for (const char* b :
         {"box13 statutory employee", "box13 retirement plan", "box13 third-party sick pay"})
        header.emplace_back(b);
    for (const std::string& label : box14) header.push_back("box14 " + label);
    header.emplace_back("box15 state");
    header.emplace_back("box15 employer state id");
    for (int box = 16; box <= 20; ++box) header.push_back("box" + std::to_string(box));

    std::string out = csvLine(header);
    for (const W2Form& f : w.forms) {
        std::vector<std::string> fields = {
            "W-2",     f.name,        f.employeeName, showSsn ? ssnText(f.ssn) : ssnMasked(f.ssn),
            f.address, f.cityStateZip};
        for (int64_t cents : {f.box1, f.box2, f.box3, f.box4, f.box5, f.box6, f.box7})
            fields.push_back(plainCents(cents));
        codedFields(fields, box12, f.box12);
        for (bool b : {f.statutory, f.retirementPlan, f.thirdPartySick})
            fields.emplace_back(b ? "yes" : "no");
        codedFields(fields, box14, f.box14);
        fields.push_back(f.box15);
        fields.push_back(w.employer.stateId);
        for (int64_t cents : {f.box16, f.box17, f.box18, f.box19})
            fields.push_back(plainCents(cents));
        fields.push_back(f.box20);
        out += csvLine(fields);
    }

    // The W-3 has totals of boxes 1 to 7 and 16 to 19 only; its other fields stay empty.
    const W3Totals& t = w.w3;
    std::vector<std::string> fields = {
        "W-3",
        "",
        "Total of " + std::to_string(t.count) + (t.count == 1 ? " Form" : " Forms") + " W-2",
        "",
        "",
        ""};
    for (int64_t cents : {t.box1, t.box2, t.box3, t.box4, t.box5, t.box6, t.box7})
        fields.push_back(plainCents(cents));
    fields.resize(fields.size() + box12.size() + 3 + box14.size());
    fields.emplace_back();
    fields.push_back(w.employer.stateId);
    for (int64_t cents : {t.box16, t.box17, t.box18, t.box19}) fields.push_back(plainCents(cents));
    fields.emplace_back();
    return out + csvLine(fields);
}

std::string form941Csv(const Form941& f) {
    std::string out = csvLine({"line", "description", "amount"});
    for (const auto& list : {form941Lines(f), form941Liability(f)})
        for (const Form941Line& l : list) out += csvLine({l.line, l.caption, l.amount(false)});
    return out;
}

}  // namespace corvella
