// corvella-cli w2 and form941: the year-end worksheets as text, JSON, CSV or a PDF.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/pdf_output.h"
#include "common/errors.h"
#include "common/number.h"
#include "shell/yearend_commands.h"
#include "store/employee_store.h"
#include "yearend/yearend_pages.h"

namespace corvella::cli {

namespace {

std::optional<int> yearOf(const std::string& text, int& year) {
    const auto v = strictNumber(text);
    if (!v || *v != static_cast<int>(*v) || *v < 1900 || *v > 2100)
        return usage("\"" + text + "\" is not a year from 1900 to 2100");
    year = static_cast<int>(*v);
    return std::nullopt;
}

// At most one of --json, --csv and --pdf FILE; none gives the printout as text.
std::optional<int> checkOutput(const Options& o, const std::string& command) {
    const int given = (o.json ? 1 : 0) + (extra(o, "--csv") ? 1 : 0) + (extra(o, "--pdf") ? 1 : 0);
    if (given > 1) return usage(command + " takes one of --json, --csv, --pdf FILE");
    if (!extra(o, "--pdf")) return std::nullopt;
    const std::string problem = pdfUnavailable();
    if (problem.empty()) return std::nullopt;
    std::cerr << "corvella-cli: " << problem << "\n";
    return code(Exit::Usage);
}

// The folder's year, or the exit status when it cannot be read whole.
std::optional<int> readInputs(const std::filesystem::path& dir, int year, YearEndInputs& in) {
    try {
        in = readYearEnd(EmployeeStore(dir), year);
        return std::nullopt;
    } catch (const ReadError& e) {
        std::cerr << "corvella-cli: " << oneLine(e.what())
                  << "; no worksheet is made from part of a year\n";
        return code(Exit::NotOpened);
    } catch (const Error& e) {
        std::cerr << "corvella-cli: " << oneLine(e.what()) << "\n";
        return code(Exit::Refused);
    }
}

int writeOut(const Options& o, const TextPage& page, const std::string& csv,
             const std::string& json, const std::vector<std::string>& warnings) {
    if (o.json) {
        std::cout << json << "\n";
        return code(Exit::Ok);
    }
    for (const std::string& w : warnings)
        std::cerr << "corvella-cli: warning: " << oneLine(w) << "\n";
    if (extra(o, "--csv")) {
        std::cout << csv;
        return code(Exit::Ok);
    }
    if (!extra(o, "--pdf")) {
        std::cout << plainText(page);
        return code(Exit::Ok);
    }
    try {
        commandLock().reset();  // the PDF module's writer takes the folder's lock itself
        writePdf(page, *extra(o, "--pdf"));
    } catch (const Error& e) {
        std::cerr << "corvella-cli: the PDF was not written: " << e.what() << "\n";
        return code(Exit::SaveFailed);
    }
    return code(Exit::Ok);
}

std::string money(int64_t cents) {
    return jsonString(plainCents(cents));
}

std::string employerJson(const CompanyFacts& c) {
    return jsonObject({{"legal_name", c.legalName},
                       {"trade_name", c.tradeName},
                       {"address", c.address},
                       {"city_state_zip", c.cityStateZip},
                       {"ein", einText(c.ein)},
                       {"state_id", c.stateId},
                       {"deposit_schedule", depositScheduleWord(c.deposit)}});
}

std::string codedJson(const std::vector<W2Coded>& items, const char* key) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + std::string("{\"") + key + "\": " + jsonString(items[i].code) +
               ", \"amount\": " + money(items[i].cents) + "}";
    return out + "]";
}

std::string w2Json(const W2Worksheet& w, bool showSsn) {
    std::ostringstream out;
    out << "{\"year\": " << w.year << ", \"employer\": " << employerJson(w.employer)
        << ", \"employees\": [";
    for (size_t i = 0; i < w.forms.size(); ++i) {
        const W2Form& f = w.forms[i];
        out << (i ? ", " : "") << "{\"name\": " << jsonString(f.name)
            << ", \"employee_name\": " << jsonString(f.employeeName)
            << ", \"ssn\": " << jsonString(showSsn ? ssnText(f.ssn) : ssnMasked(f.ssn))
            << ", \"box1\": " << money(f.box1) << ", \"box2\": " << money(f.box2)
            << ", \"box3\": " << money(f.box3) << ", \"box4\": " << money(f.box4)
            << ", \"box5\": " << money(f.box5) << ", \"box6\": " << money(f.box6)
            << ", \"box7\": " << money(f.box7) << ", \"box12\": " << codedJson(f.box12, "code")
            << ", \"box13\": {\"statutory\": " << (f.statutory ? "true" : "false")
            << ", \"retirement_plan\": " << (f.retirementPlan ? "true" : "false")
            << ", \"third_party_sick\": " << (f.thirdPartySick ? "true" : "false") << "}"
            << ", \"box14\": " << codedJson(f.box14, "label")
            << ", \"box15\": {\"state\": " << jsonString(f.box15)
            << ", \"employer_state_id\": " << jsonString(w.employer.stateId) << "}"
            << ", \"box16\": " << money(f.box16) << ", \"box17\": " << money(f.box17)
            << ", \"box18\": " << money(f.box18) << ", \"box19\": " << money(f.box19)
            << ", \"box20\": " << jsonString(f.box20) << "}";
    }
    const W3Totals& t = w.w3;
    out << "], \"w3\": {\"count\": " << t.count << ", \"box1\": " << money(t.box1)
        << ", \"box2\": " << money(t.box2) << ", \"box3\": " << money(t.box3)
        << ", \"box4\": " << money(t.box4) << ", \"box5\": " << money(t.box5)
        << ", \"box6\": " << money(t.box6) << ", \"box7\": " << money(t.box7)
        << ", \"box16\": " << money(t.box16) << ", \"box17\": " << money(t.box17)
        << ", \"box18\": " << money(t.box18) << ", \"box19\": " << money(t.box19)
        << "}, \"warnings\": " << jsonArray(w.warnings) << "}";
    return out.str();
}

std::string isoDate(const Date& d) {
    char s[16];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", d.year, d.month, d.day);
    return s;
}

std::string form941Json(const Form941& f) {
    auto pair = [](const char* first, const WagesAndTax& w) {
        return std::string("{\"") + first + "\": " + money(w.wages) + ", \"tax\": " + money(w.tax) +
               "}";
    };
    std::ostringstream out;
    out << "{\"year\": " << f.year << ", \"quarter\": " << f.quarter << ", \"line1\": " << f.line1
        << ", \"line2\": " << money(f.line2) << ", \"line3\": " << money(f.line3)
        << ", \"line5a\": " << pair("wages", f.line5a) << ", \"line5b\": " << pair("tips", f.line5b)
        << ", \"line5c\": " << pair("wages", f.line5c)
        << ", \"line5d\": " << pair("wages", f.line5d) << ", \"line5e\": " << money(f.line5e)
        << ", \"line6\": " << money(f.line6) << ", \"line7\": " << money(f.line7)
        << ", \"line10\": " << money(f.line10) << ", \"line12\": " << money(f.line12);
    if (f.employer.deposit == DepositSchedule::Monthly) {
        out << ", \"line16\": {\"month1\": " << money(f.months[0])
            << ", \"month2\": " << money(f.months[1]) << ", \"month3\": " << money(f.months[2])
            << ", \"total\": " << money(f.monthsTotal) << "}";
    } else {
        out << ", \"schedule_b\": [";
        for (size_t i = 0; i < f.daily.size(); ++i)
            out << (i ? ", " : "") << "{\"date\": " << jsonString(isoDate(f.daily[i].date))
                << ", \"liability\": " << money(f.daily[i].cents) << "}";
        out << "]";
    }
    out << ", \"warnings\": " << jsonArray(f.warnings) << "}";
    return out.str();
}

const std::vector<ExtraOption> kOutputs = {{"--csv", false}, {"--pdf", true}};

}  // namespace

int w2(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    std::vector<ExtraOption> options = kOutputs;
    options.push_back({"--show-ssn", false});
    if (auto bad = parse(args, kJson, o, "w2", options, false)) return *bad;
    if (o.name.empty()) return usage("w2 needs a YEAR");
    if (!o.positional.empty()) return usage("w2 takes one YEAR");
    int year = 0;
    if (auto bad = yearOf(o.name, year)) return *bad;
    if (auto bad = checkOutput(o, "w2")) return *bad;
    YearEndInputs in;
    if (auto failed = readInputs(dir, year, in)) return *failed;
    const bool showSsn = extra(o, "--show-ssn").has_value();
    const W2Worksheet w = w2Worksheet(in);
    return writeOut(o, w2Pages(w, showSsn), w2Csv(w, showSsn), w2Json(w, showSsn), w.warnings);
}

int form941(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kJson, o, "form941", kOutputs, false)) return *bad;
    if (o.name.empty() || o.positional.size() != 1)
        return usage("form941 needs a YEAR and a QUARTER");
    int year = 0;
    if (auto bad = yearOf(o.name, year)) return *bad;
    const std::string& q = o.positional[0];
    if (q.size() != 1 || q[0] < '1' || q[0] > '4')
        return usage("\"" + q + "\" is not a quarter: give 1, 2, 3 or 4");
    if (auto bad = checkOutput(o, "form941")) return *bad;
    YearEndInputs in;
    if (auto failed = readInputs(dir, year, in)) return *failed;
    const Form941 f = form941Worksheet(in, q[0] - '0');
    return writeOut(o, form941Page(f), form941Csv(f), form941Json(f), f.warnings);
}

}  // namespace corvella::cli
