#include "store/employee_list.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "common/errors.h"
#include "common/fileio.h"
#include "employee/employee_files.h"
#include "state/special_state.h"
#include "state/state_file.h"

namespace corvella {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string stateOf(const StateSettings& s) {
    for (const SpecialStateRow& row : kSpecialStates)
        if (s.*row.flag) return row.listName;
    return s.NoStateTaxFlag ? "No state tax" : "Tax table";
}

EmployeeEntry entryOf(const std::filesystem::path& folder, const std::string& name) {
    EmployeeEntry e{name, "", "", false};
    try {
        const auto use = readFileBytes(folder / (name + ".use"));
        if (!use) throw ReadError(name + ".use", 1, "missing");
        TaxProfile p;
        OvertimeData ot;
        StateSettings s;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        readUseFile(*use, name + ".use", p, ot, s, x);
        e.frequency = p.weekly() ? "Weekly" : "Bi-Weekly";
        if (const auto sta = readFileBytes(folder / (name + ".sta"))) {
            StateProfileFields pf;
            readStateFile(*sta, name + ".sta", s, pf);
        }
        e.state = stateOf(s);
    } catch (const Error&) {
        e.frequency.clear();
        e.state.clear();
        e.damaged = true;
    }
    return e;
}

}  // namespace

std::vector<EmployeeEntry> listEmployees(const std::filesystem::path& folder) {
    std::vector<EmployeeEntry> out;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto& path = it->path();
        if (path.extension() != ".use") continue;
        std::string name = path.stem().string();
        if (name.empty()) continue;  // the defaults for new employees
        try {
            checkEmployeeName(name);
        } catch (const NameError&) {
            continue;
        }
        std::error_code regular;
        if (!std::filesystem::is_regular_file(path, regular)) continue;
        out.push_back(entryOf(folder, name));
    }
    std::sort(out.begin(), out.end(), [](const EmployeeEntry& a, const EmployeeEntry& b) {
        const auto la = lower(a.name), lb = lower(b.name);
        return la != lb ? la < lb : a.name < b.name;
    });
    return out;
}

bool entryMatches(const EmployeeEntry& e, const std::string& filter) {
    if (filter.empty()) return true;
    const std::string f = lower(filter);
    for (const std::string* field : {&e.name, &e.state, &e.frequency})
        if (lower(*field).find(f) != std::string::npos) return true;
    return false;
}

}  // namespace corvella
