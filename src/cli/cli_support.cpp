#include "cli/cli_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "common/errors.h"
#include "common/fileio.h"
#include "store/file_kinds.h"

namespace corvella::cli {

int usage(const std::string& what) {
    std::cerr << "corvella-cli: " << what << " (see corvella-cli --help)\n";
    return static_cast<int>(Exit::Usage);
}

// Parses `args` into `o`; the exit status of a usage error, or nothing.
std::optional<HeldFolderLock>& commandLock() {
    static std::optional<HeldFolderLock> lock;
    return lock;
}

std::optional<int> parse(const std::vector<std::string>& args, unsigned takes, Options& o,
                         const std::string& command, const std::vector<ExtraOption>& extra,
                         bool needsName) {
    bool operandsOnly = false;  // after "--", so that a name may start with '-'
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!operandsOnly && a == "--") {
            operandsOnly = true;
            continue;
        }
        if (operandsOnly) {
            if (o.name.empty())
                o.name = a;
            else
                o.positional.push_back(a);
            continue;
        }
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
        } else if (auto e = std::find_if(extra.begin(), extra.end(),
                                         [&](const ExtraOption& x) { return x.name == a; });
                   e != extra.end()) {
            std::string v;
            if (e->takesValue) {
                auto given = value();
                if (!given) return usage(a + " needs a value");
                v = *given;
            }
            o.extra.emplace_back(a, v);
        } else if (!a.empty() && a[0] == '-') {
            return usage("unknown option " + a);
        } else if (o.name.empty()) {
            o.name = a;
        } else {
            o.positional.push_back(a);
        }
    }
    if (o.name.empty() && needsName) return usage(command + " needs an employee name");
    if ((takes & kRow) && !o.row) return usage("--row N is needed");
    return std::nullopt;
}

std::optional<std::string> extra(const Options& o, const std::string& name) {
    std::optional<std::string> v;
    for (const auto& [option, value] : o.extra)
        if (option == name) v = value;
    return v;
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
    const auto useFile = dir / memberName(name, FileKind::Profile);
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
RunOutcome pressAdd(const Options& o, Session& s, RunSave save) {
    for (auto& [i, text] : o.boxes) s.main.txtAmount[i].focusAndType(text);
    if (o.ot2x) {
        s.main.opt1x.value = 0;
        s.main.opt2x.value = -1;
    }
    if (o.louisPrior) s.main.ckLouisPrior.set(1);
    if (o.week) s.main.setWeek(*o.week);
    return s.Calcu_late(save);
}

int fail(const CliUi& ui, Exit e) {
    std::cerr << "corvella-cli: "
              << oneLine(ui.messages.empty() ? "the command failed" : ui.messages.back()) << "\n";
    return code(e);
}

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

std::string jsonObject(const std::vector<Field>& fields) {
    std::string o = "{";
    for (size_t i = 0; i < fields.size(); ++i)
        o += (i ? ", " : "") + jsonString(fields[i].name) + ": " + jsonString(fields[i].value);
    return o + "}";
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string o = "[";
    for (size_t i = 0; i < items.size(); ++i) o += (i ? ", " : "") + jsonString(items[i]);
    return o + "]";
}

}  // namespace corvella::cli
