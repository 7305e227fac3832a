// corvella-cli ot, leave, period-save and period-get: the overtime calculator, the leave
// balances and saved pay periods, driven as the desktop program's windows are.
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "common/errors.h"
#include "common/fileio.h"
#include "common/number.h"
#include "shell/messages.h"
#include "store/pay_period.h"

namespace corvella::cli {

namespace {

// "W=TEXT" with W from `low` to `high`: W and TEXT.
std::optional<std::pair<int, std::string>> indexed(const std::string& arg, int low, int high) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos) return std::nullopt;
    auto n = strictNumber(arg.substr(0, eq));
    if (!n || *n != static_cast<int>(*n) || *n < low || *n > high) return std::nullopt;
    return std::pair{static_cast<int>(*n), arg.substr(eq + 1)};
}

// `text` padded with blanks to `width` bytes, on the left or the right; never cut.
std::string padded(const std::string& text, size_t width, bool right = false) {
    if (text.size() >= width) return text;
    const std::string blanks(width - text.size(), ' ');
    return right ? blanks + text : text + blanks;
}

std::string messagesJson(const std::vector<std::string>& messages) {
    return "\"messages\": " + jsonArray(messages);
}

int refused(const CliUi& ui, RunOutcome outcome) {
    return fail(ui, outcome == RunOutcome::SaveFailed ? Exit::SaveFailed : Exit::Refused);
}

// ---------------------------------------------------------------- ot

std::string otJson(const OvertimeScreen& w, int rows, const std::vector<std::string>& msgs) {
    std::ostringstream o;
    const std::pair<const char*, const std::string*> fields[] = {
        {"txtAnnual", &w.txtAnnual.text},  {"txtApPercent", &w.txtApPercent.text},
        {"lbEarned", &w.lbEarned.caption}, {"txtPercent", &w.txtPercent.text},
        {"lbMax", &w.lbMax.caption},       {"lbAvail", &w.lbAvail.caption},
        {"lbWk", &w.lbWk.caption},         {"lb_OT", &w.lb_OT.caption}};
    o << "{";
    for (auto [name, value] : fields) o << jsonString(name) << ": " << jsonString(*value) << ", ";
    o << "\"rows\": [";
    for (int i = 0; i < rows; ++i)
        o << (i ? ", " : "") << "{\"week\": " << i + 1
          << ", \"date\": " << jsonString(w.Text1[i].text)
          << ", \"amount\": " << jsonString(w.txtOT[i].text) << "}";
    o << "], " << messagesJson(msgs) << "}\n";
    return o.str();
}

std::string otText(const OvertimeScreen& w, int rows, const std::vector<std::string>& msgs,
                   const std::string& name) {
    std::ostringstream o;
    o << "OverTime Percentage: " << name << "\n"
      << "  Annual Salary                $" << w.txtAnnual.text << "\n"
      << "  Approved Percentage          " << w.txtApPercent.text << "%\n"
      << "  OverTime Earned              " << w.lbEarned.caption << "\n"
      << "  You are at                   " << w.txtPercent.text << "\n"
      << "  Max. allowable amount        " << w.lbMax.caption << "\n"
      << "  Available overtime left      " << w.lbAvail.caption << "\n"
      << "  On: " << w.lbWk.caption << "   OT Earned: " << w.lb_OT.caption << "\n"
      << "  Week No.  Week Ending  O.T. Only\n";
    for (int i = 0; i < rows; ++i) {
        o << "  " << padded(std::to_string(i + 1), 8, true) << "  " << padded(w.Text1[i].text, 11)
          << "  " << w.txtOT[i].text << "\n";
    }
    for (const auto& m : msgs) o << "Message: " << oneLine(m) << "\n";
    return o.str();
}

// ---------------------------------------------------------------- leave

LeaveAccount* account(LeaveScreen& l, const std::string& name) {
    if (name == "vac") return &l.vac;
    if (name == "hol") return &l.hol;
    if (name == "sick") return &l.sick;
    return nullptr;
}

// "A=TEXT" or "A,I=TEXT": the account, the taking (1 to 20, 0 when not given) and TEXT.
struct LeaveArg {
    std::string account;
    int taking = 0;
    std::string text;
};
std::optional<LeaveArg> leaveArg(const std::string& arg, bool withTaking) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos) return std::nullopt;
    LeaveArg a{arg.substr(0, eq), 0, arg.substr(eq + 1)};
    if (withTaking) {
        const auto comma = a.account.find(',');
        if (comma == std::string::npos) return std::nullopt;
        auto n = strictNumber(a.account.substr(comma + 1));
        if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > 20) return std::nullopt;
        a.taking = static_cast<int>(*n);
        a.account.resize(comma);
    }
    if (a.account != "vac" && a.account != "hol" && a.account != "sick") return std::nullopt;
    return a;
}

std::string leaveJson(const LeaveScreen& l, const std::vector<std::string>& msgs) {
    std::ostringstream o;
    o << "{";
    const std::pair<const char*, const LeaveAccount*> accounts[] = {
        {"Vac", &l.vac}, {"Hol", &l.hol}, {"Sick", &l.sick}};
    for (auto [name, a] : accounts)
        o << jsonString(std::string("txt") + name + "Bal") << ": "
          << jsonString(a->startBalance.text) << ", "
          << jsonString(std::string("lb") + name + "Bal") << ": "
          << jsonString(a->balanceCaption.caption) << ", ";
    const std::pair<const char*, const LeaveAccount*> lists[] = {
        {"vac", &l.vac}, {"hol", &l.hol}, {"sick", &l.sick}};
    for (auto [name, a] : lists) {
        o << jsonString(name) << ": [";
        for (int i = 0; i < 20; ++i)
            o << (i ? ", " : "") << "{\"count\": " << jsonString(a->counts[i].text)
              << ", \"date\": " << jsonString(a->dates[i].text) << "}";
        o << "], ";
    }
    o << messagesJson(msgs) << "}\n";
    return o.str();
}

std::string leaveText(const LeaveScreen& l, const std::vector<std::string>& msgs,
                      const std::string& name) {
    std::ostringstream o;
    o << "Vacation / Holiday / Sick: " << name << "\n";
    const std::pair<const char*, const LeaveAccount*> accounts[] = {
        {"Vacation", &l.vac}, {"Holiday/Personel", &l.hol}, {"Sick", &l.sick}};
    for (auto [caption, a] : accounts) {
        o << "  " << caption << ": Start Balance " << a->startBalance.text << "   Balance "
          << a->balanceCaption.caption << "\n";
        for (int i = 0; i < 20; ++i)
            if (leadingNumber(a->counts[i].text) != 0 || !a->dates[i].text.empty())
                o << "    " << a->counts[i].text << "  " << a->dates[i].text << "\n";
    }
    for (const auto& m : msgs) o << "Message: " << oneLine(m) << "\n";
    return o.str();
}

// ---------------------------------------------------------------- a saved pay period

std::string periodJson(const MainWindow& m, const std::vector<std::string>& msgs) {
    std::vector<Field> boxes, captions;
    for (int i = 0; i < 8; ++i)
        boxes.push_back({"txtAmount(" + std::to_string(i) + ")", m.txtAmount[i].text});
    for (int i = 0; i < 11; ++i)
        captions.push_back({"lbTaxDed(" + std::to_string(i) + ")", m.lbTaxDed[i].caption});
    const std::pair<const char*, const Label*> rest[] = {
        {"lbSDI", &m.lbSDI},     {"lbSUI", &m.lbSUI},     {"lbCafe", &m.lbCafe},
        {"Label13", &m.Label13}, {"lbTaxes", &m.lbTaxes}, {"lbDeduct", &m.lbDeduct},
        {"lbNet", &m.lbNet}};
    for (auto [name, l] : rest) captions.push_back({name, l->caption});
    return "{\"txtWeek\": " + jsonString(m.txtWeek.text) + ", \"boxes\": " + jsonObject(boxes) +
           ", \"captions\": " + jsonObject(captions) + ", " + messagesJson(msgs) + "}\n";
}

std::string periodText(const MainWindow& m, const std::vector<std::string>& msgs) {
    std::ostringstream o;
    o << "Week ending: " << m.txtWeek.text << "\n";
    for (int i = 0; i < 8; ++i) {
        o << "  " << padded(amountBoxCaption(i), 26) << " " << padded(m.txtAmount[i].text, 14, true)
          << "\n";
    }
    std::vector<std::pair<std::string, std::string>> captions;
    for (int i = 0; i < 11; ++i)
        captions.emplace_back(m.lbTaxTag[i].caption, m.lbTaxDed[i].caption);
    captions.emplace_back("SDI", m.lbSDI.caption);
    captions.emplace_back("SUI", m.lbSUI.caption);
    captions.emplace_back("Cafeteria Plan", m.lbCafe.caption);
    captions.emplace_back("GROSS PAY", m.Label13.caption);
    captions.emplace_back("TAXES", m.lbTaxes.caption);
    captions.emplace_back("DEDUCTIONS", m.lbDeduct.caption);
    captions.emplace_back("NET PAY", m.lbNet.caption);
    for (const auto& [tag, value] : captions) {
        o << "  " << padded(tag, 26) << " " << padded(value, 14, true) << "\n";
    }
    for (const auto& msg : msgs) o << "Message: " << oneLine(msg) << "\n";
    return o.str();
}

}  // namespace

int ot(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kJson, o, "ot",
                         {{"--annual", true},
                          {"--percent", true},
                          {"--amount", true},
                          {"--date", true},
                          {"--new-week", false}}))
        return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    for (const auto& [option, value] : o.extra)
        if ((option == "--amount" || option == "--date") && !indexed(value, 1, 53))
            return usage(option + " needs W=TEXT with W a week from 1 to 53");
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    OvertimeScreen& w = s.openOvertime();
    s.otTotal();  // the window is shown
    const bool weekly = s.profile.weekly();
    const int rows = overtimeRowCount(weekly);
    bool newWeek = false;
    for (const auto& [option, value] : o.extra) {
        if (option == "--new-week") {
            newWeek = true;
        } else if (option == "--annual") {
            w.txtAnnual.focusAndType(value);
        } else if (option == "--percent") {
            w.txtApPercent.focusAndType(value);
        } else {
            auto [week, text] = *indexed(value, 1, 53);
            if (week > rows) {
                ui.message(messages::calculatorWeekNotUsed(week, rows), Icon::Warning, "");
                return fail(ui, Exit::Refused);
            }
            (option == "--amount" ? w.txtOT : w.Text1)[week - 1].focusAndType(text);
        }
    }
    if (newWeek) s.otNewWeek();
    const RunOutcome total = s.otTotal();
    if (total == RunOutcome::Refused) return fail(ui, Exit::Refused);
    const OvertimeScreen copy = w;  // Back closes the window
    const RunOutcome back = total == RunOutcome::Done ? s.otBack() : total;
    std::cout << (o.json ? otJson(copy, rows, ui.messages)
                         : otText(copy, rows, ui.messages, s.CurrentUser));
    if (back != RunOutcome::Done) return refused(ui, back);
    return code(Exit::Ok);
}

int leave(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad =
            parse(args, kJson, o, "leave",
                  {{"--start", true}, {"--count", true}, {"--date", true}, {"--clear", false}}))
        return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    bool clear = false;
    for (const auto& [option, value] : o.extra) {
        if (option == "--clear") {
            clear = true;
        } else if (!leaveArg(value, option != "--start")) {
            return usage(option == "--start" ? "--start needs A=TEXT with A vac, hol or sick"
                                             : option +
                                                   " needs A,I=TEXT with A vac, hol or sick "
                                                   "and I a taking from 1 to 20");
        }
    }
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    const size_t said = ui.messages.size();
    LeaveScreen& l = s.openLeave();
    // A balances file that could not be read: saving would replace it, so only --clear,
    // which asks for that, goes on.
    if (ui.messages.size() > said && !clear) return fail(ui, Exit::NotOpened);
    if (clear) s.leaveClearAll();
    for (const auto& [option, value] : o.extra) {
        if (option == "--clear") continue;
        const LeaveArg a = *leaveArg(value, option != "--start");
        LeaveAccount& acc = *account(l, a.account);
        if (option == "--start")
            acc.startBalance.focusAndType(a.text);
        else if (option == "--count")
            acc.counts[a.taking - 1].focusAndType(a.text);
        else
            acc.dates[a.taking - 1].focusAndType(a.text);
        acc.recompute();
    }
    const std::string name = s.CurrentUser;
    const LeaveScreen shown = l;  // Save closes the screen
    const RunOutcome saved = s.leaveSave();
    if (saved == RunOutcome::Refused) return fail(ui, Exit::Refused);
    std::cout << (o.json ? leaveJson(shown, ui.messages) : leaveText(shown, ui.messages, name));
    if (saved != RunOutcome::Done) return refused(ui, saved);
    return code(Exit::Ok);
}

int periodSave(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kRunInputs, o, "period-save", {{"--replace", false}})) return *bad;
    if (!o.positional.empty()) return usage("more than one employee name given");
    const bool replace = !o.extra.empty();
    CliUi ui;
    Session s(ui, dir);
    if (auto failed = openEmployee(dir, o.name, ui, s)) return *failed;
    // A period saved before is replaced only when asked, and refused before anything runs.
    try {
        const std::string file = payPeriodFileName(o.week ? *o.week : s.main.txtWeek.text, o.name);
        if (fileExists(dir / file)) {
            if (!replace) {
                std::cerr << "corvella-cli: a pay period is saved already as " << file
                          << "; give --replace to replace it\n";
                return code(Exit::Refused);
            }
        }
    } catch (const NameError&) {
        // The save below refuses the week with its message.
    }
    const RunOutcome run = pressAdd(o, s);
    if (run == RunOutcome::Refused) return fail(ui, Exit::Refused);
    // Nothing more is written after the run's files failed.
    if (run == RunOutcome::SaveFailed) return fail(ui, Exit::SaveFailed);
    if (replace) ui.yesNoAnswers.push_back(true);  // "Replace it?" should it be asked
    const auto saved = s.SavePayPeriod();
    if (saved.outcome != RunOutcome::Done) return refused(ui, saved.outcome);
    std::cout << saved.fileName << "\n";
    return code(Exit::Ok);
}

int periodGet(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    Options o;
    if (auto bad = parse(args, kJson, o, "period-get", {}, false)) return *bad;
    if (o.name.empty()) return usage("period-get needs a file");
    if (!o.positional.empty()) return usage("period-get takes one file");
    // The dialog opens in the working folder: a file named without a folder is there.
    std::filesystem::path file = o.name;
    if (file.is_relative() && (fileExists(dir / file) || !fileExists(file))) file = dir / file;
    CliUi ui;
    Session s(ui, dir);
    s.Form_Load();
    ui.openAnswers.push_back(file);
    if (!s.LoadPayPeriod()) return fail(ui, fileExists(file) ? Exit::NotOpened : Exit::NotFound);
    std::cout << (o.json ? periodJson(s.main, ui.messages) : periodText(s.main, ui.messages));
    return code(Exit::Ok);
}

}  // namespace corvella::cli
