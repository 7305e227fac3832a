#include "cli/cli.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/fileio.h"
#include "common/ports.h"
#include "ledger/ledger_window.h"
#include "shell/data_folder.h"
#include "shell/session.h"

namespace corvella::cli {

namespace {

enum class Exit : int {
    Ok = 0,
    Usage = 1,
    NotFound = 2,    // no such employee, or a name that cannot be used
    NotOpened = 3,   // the employee's files could not be read
    Refused = 4,     // the pay run was refused (an entry that is not a number)
    SaveFailed = 5,  // the run completed but its save failed
};

const char* const kUsage =
    "usage: corvella-cli [-C DIR] calc NAME [--box I=TEXT]... [--ot2x] [--louisiana-prior]\n"
    "                    [--week TEXT] [--json]\n"
    "       corvella-cli [-C DIR] ledger NAME [--json]\n"
    "       corvella-cli [-C DIR] post NAME --row N [--box I=TEXT]... [--ot2x]\n"
    "                    [--louisiana-prior] [--week TEXT] [--json]\n"
    "       corvella-cli [-C DIR] unpost NAME --row N [--json]\n"
    "       corvella-cli [-C DIR] export NAME FILE\n"
    "       corvella-cli data-folder   (creates and seeds the default data folder, prints it)\n";

// Scripted answers with the machine's date: the command line answers every question
// No and collects every message.
class CliUi : public ScriptedUi {
  public:
    Date today() override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    }
};

std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}

// A JSON string; bytes that are not UTF-8 (Latin-1 text of an old file) are taken as
// Latin-1, so the output is always valid UTF-8.
std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            int len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
            bool valid = len > 0 && i + len <= s.size();
            for (int k = 1; valid && k < len; ++k)
                valid = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
            if (valid) {
                out.append(s, i, len);
                i += len;
            } else {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
                ++i;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    return out + "\"";
}

std::string number9(float v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

struct Field {
    std::string name, value;
};

struct Result {
    std::vector<Field> captions, boxes, payRun;
    std::vector<std::string> messages;
};

Result collect(const PayResult& m, const std::vector<std::string>& messages) {
    Result r;
    for (size_t i = 0; i < m.lbTaxDed.size(); ++i)
        r.captions.push_back({"lbTaxDed(" + std::to_string(i) + ")", m.lbTaxDed[i]});
    const std::pair<const char*, const std::string*> labels[] = {
        {"lbSDI", &m.lbSDI},     {"lbSUI", &m.lbSUI},     {"lbCafe", &m.lbCafe},
        {"Label13", &m.Label13}, {"lbTaxes", &m.lbTaxes}, {"lbDeduct", &m.lbDeduct},
        {"lbNet", &m.lbNet},     {"lbOverT", &m.lbOverT}, {"lbTips", &m.lbTips}};
    for (auto [name, caption] : labels) r.captions.push_back({name, *caption});
    for (size_t i = 0; i < m.txtAmount.size(); ++i)
        r.boxes.push_back({"txtAmount(" + std::to_string(i) + ")", m.txtAmount[i]});
    const PayRun& p = m.run;
    const std::pair<const char*, float> values[] = {{"GrossPay", p.GrossPay},
                                                    {"StateWages", p.StateWages},
                                                    {"FedWages", p.FedWages},
                                                    {"FedAllowance", p.FedAllowance},
                                                    {"StateAllowance", p.StateAllowance},
                                                    {"CityAllowance", p.CityAllowance},
                                                    {"KPlanDeduct", p.KPlanDeduct},
                                                    {"PensionDeduct", p.PensionDeduct},
                                                    {"CafeDeduct", p.CafeDeduct},
                                                    {"CafeStateDeduct", p.CafeStateDeduct},
                                                    {"FedTax", p.FedTax},
                                                    {"SocSecTax", p.SocSecTax},
                                                    {"MediTax", p.MediTax},
                                                    {"StateTax", p.StateTax},
                                                    {"CityTax", p.CityTax},
                                                    {"SdiTax", p.SdiTax},
                                                    {"SuiTax", p.SuiTax},
                                                    {"SdiYtdWages", p.SdiYtdWages},
                                                    {"SuiYtdWages", p.SuiYtdWages},
                                                    {"NetPay", p.NetPay}};
    for (auto [name, v] : values) r.payRun.push_back({name, number9(v)});
    r.messages = messages;
    return r;
}

std::string toJson(const Result& r) {
    std::ostringstream o;
    auto object = [&](const std::vector<Field>& fields, bool quoted) {
        o << "{";
        for (size_t i = 0; i < fields.size(); ++i)
            o << (i ? ", " : "") << jsonString(fields[i].name) << ": "
              << (quoted ? jsonString(fields[i].value) : fields[i].value);
        o << "}";
    };
    o << "{\"captions\": ";
    object(r.captions, true);
    o << ", \"boxes\": ";
    object(r.boxes, true);
    o << ", \"payRun\": ";
    object(r.payRun, false);
    o << ", \"messages\": [";
    for (size_t i = 0; i < r.messages.size(); ++i)
        o << (i ? ", " : "") << jsonString(r.messages[i]);
    o << "]}\n";
    return o.str();
}

std::string toText(const Result& r, const Session& s) {
    std::ostringstream o;
    const char* tags[] = {"Federal Tax", "Soc Sec", "Medicare", "State Tax", "City Tax"};
    o << "Employee: " << s.CurrentUser << "    Week ending: " << s.main.txtWeek.text << "\n";
    for (int i = 0; i < 11; ++i) {
        std::string tag = i < 5 ? tags[i] : i == 10 ? "K Plan" : s.main.lbTaxTag[i].caption;
        char line[128];
        std::snprintf(line, sizeof line, "  %-22s %14s\n", tag.c_str(),
                      r.captions[i].value.c_str());
        o << line;
    }
    const char* rest[] = {"SDI",        "SUI",     "Cafeteria Plan", "GROSS PAY", "TAXES",
                          "DEDUCTIONS", "NET PAY", "OverTime",       "Tips"};
    for (int i = 0; i < 9; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-22s %14s\n", rest[i],
                      r.captions[11 + i].value.c_str());
        o << line;
    }
    for (const auto& m : r.messages) o << "Message: " << oneLine(m) << "\n";
    return o.str();
}

// The options of the employee commands; each command says which it takes.
struct Options {
    std::string name;
    bool json = false, ot2x = false, louisPrior = false;
    std::optional<std::string> week;
    std::vector<std::pair<int, std::string>> boxes;
    std::optional<int> row;
    std::vector<std::string> positional;  // after the name
};

enum Takes : unsigned { kRunInputs = 1, kJson = 2, kRow = 4 };

int usage(const std::string& what) {
    std::cerr << "corvella-cli: " << what << " (see corvella-cli --help)\n";
    return static_cast<int>(Exit::Usage);
}

// Parses `args` into `o`; the exit status of a usage error, or nothing.
std::optional<int> parse(const std::vector<std::string>& args, unsigned takes, Options& o,
                         const std::string& command) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const bool run = takes & kRunInputs;
        if (a == "--json" && (takes & kJson)) {
            o.json = true;
        } else if (a == "--ot2x" && run) {
            o.ot2x = true;
        } else if (a == "--louisiana-prior" && run) {
            o.louisPrior = true;
        } else if (a == "--week" && run) {
            o.week = value();
            if (!o.week) return usage("--week needs a date text");
        } else if ((a == "--box" || a.rfind("--box=", 0) == 0) && run) {
            std::optional<std::string> boxArg = a == "--box" ? value() : a.substr(6);
            auto eq = boxArg ? boxArg->find('=') : std::string::npos;
            int index = -1;
            if (eq == 1 && (*boxArg)[0] >= '0' && (*boxArg)[0] <= '7') index = (*boxArg)[0] - '0';
            if (index < 0) return usage("--box needs I=TEXT with I from 0 to 7");
            o.boxes.emplace_back(index, boxArg->substr(eq + 1));
        } else if (a == "--row" && (takes & kRow)) {
            auto v = value();
            auto n = v ? strictNumber(*v) : std::nullopt;
            if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > 53)
                return usage("--row needs a week number from 1 to 53");
            o.row = static_cast<int>(*n);
        } else if (!a.empty() && a[0] == '-') {
            return usage("unknown option " + a);
        } else if (o.name.empty()) {
            o.name = a;
        } else {
            o.positional.push_back(a);
        }
    }
    if (o.name.empty()) return usage(command + " needs an employee name");
    if ((takes & kRow) && !o.row) return usage("--row N is needed");
    return std::nullopt;
}

// Opens the employee as File > Open does; the exit status when it cannot.
std::optional<int> openEmployee(const std::filesystem::path& dir, const std::string& name,
                                CliUi& ui, Session& s) {
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        std::cerr << "corvella-cli: " << e.what() << "\n";
        return static_cast<int>(Exit::NotFound);
    }
    const auto useFile = dir / (name + ".use");
    if (!fileExists(useFile)) {
        std::cerr << "corvella-cli: no employee \"" << name << "\" in " << dir.string() << " ("
                  << useFile.filename().string() << " not found)\n";
        return static_cast<int>(Exit::NotFound);
    }
    s.Form_Load();
    ui.openAnswers.push_back(useFile);
    if (!s.mnuOpen_Click()) {
        std::cerr << "corvella-cli: "
                  << oneLine(ui.messages.empty() ? "the employee was not opened"
                                                 : ui.messages.back())
                  << "\n";
        return static_cast<int>(Exit::NotOpened);
    }
    return std::nullopt;
}

// Types the options' inputs into the main window and presses ADD.
RunOutcome pressAdd(const Options& o, Session& s) {
    for (auto& [i, text] : o.boxes) s.main.txtAmount[i].focusAndType(text);
    if (o.ot2x) {
        s.main.opt1x.value = 0;
        s.main.opt2x.value = -1;
    }
    if (o.louisPrior) s.main.ckLouisPrior.set(1);
    if (o.week) s.main.setWeek(*o.week);
    return s.Calcu_late();
}

int calc(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kRunInputs | kJson, o, "calc")) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    const auto outcome = pressAdd(o, s);
    if (outcome == RunOutcome::Refused) {
        std::cerr << "corvella-cli: " << oneLine(ui.messages.back()) << "\n";
        return static_cast<int>(Exit::Refused);
    }
    Result r = collect(s.result, ui.messages);
    std::cout << (o.json ? toJson(r) : toText(r, s));
    if (outcome == RunOutcome::SaveFailed) {
        std::cerr << "corvella-cli: " << oneLine(ui.messages.back()) << "\n";
        return static_cast<int>(Exit::SaveFailed);
    }
    return static_cast<int>(Exit::Ok);
}

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

std::string ledgerJson(const LedgerWindow& w, bool weekly, const std::vector<std::string>& msgs) {
    std::ostringstream o;
    auto object = [&](const std::vector<Field>& fields) {
        o << "{";
        for (size_t i = 0; i < fields.size(); ++i)
            o << (i ? ", " : "") << jsonString(fields[i].name) << ": "
              << jsonString(fields[i].value);
        o << "}";
    };
    o << "{\"weekly\": " << (weekly ? "true" : "false") << ", \"headings\": ";
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

enum class LedgerAction { Show, Post, Unpost, Export };

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
        const auto outcome = pressAdd(o, s);
        if (outcome == RunOutcome::Refused) return fail(Exit::Refused);
        saveFailed = outcome == RunOutcome::SaveFailed;
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
        ui.yesNoAnswers.push_back(true);  // "Do you want to save YTD": Yes
        if (s.ledgerClose())
            s.openLedger();  // as the ledger shows it afterwards
        else
            saveFailed = true;  // the frame stays open with the posting
    }
    const bool weekly = s.profile.weekly();
    std::cout << (o.json ? ledgerJson(*s.ledgerWindow(), weekly, ui.messages)
                         : ledgerText(*s.ledgerWindow(), weekly, ui.messages, s.CurrentUser));
    if (saveFailed) return fail(Exit::SaveFailed);
    return static_cast<int>(Exit::Ok);
}

}  // namespace

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::filesystem::path dir = ".";
    size_t i = 0;
    if (i < args.size() && args[i] == "-C") {
        if (i + 1 >= args.size()) {
            std::cerr << "corvella-cli: -C needs a folder (see corvella-cli --help)\n";
            return static_cast<int>(Exit::Usage);
        }
        dir = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) {
        std::cerr << "corvella-cli: a command is needed (see corvella-cli --help)\n";
        return static_cast<int>(Exit::Usage);
    }
    std::string command = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    if (command == "calc") return calc(dir, rest);
    if (command == "ledger") return ledger(dir, rest, LedgerAction::Show);
    if (command == "post") return ledger(dir, rest, LedgerAction::Post);
    if (command == "unpost") return ledger(dir, rest, LedgerAction::Unpost);
    if (command == "export") return ledger(dir, rest, LedgerAction::Export);
    if (command == "data-folder") {
        auto folder = defaultDataFolder();
        try {
            seedDataFolder(folder, shippedDataFolder());
        } catch (const Error& e) {
            std::cerr << "corvella-cli: cannot set up the data folder: " << e.what() << "\n";
            return static_cast<int>(Exit::NotFound);
        }
        std::cout << folder.string() << "\n";
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << "corvella-cli: unknown command " << command << " (see corvella-cli --help)\n";
    return static_cast<int>(Exit::Usage);
}

}  // namespace corvella::cli
