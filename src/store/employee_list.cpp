#include "store/employee_list.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "common/errors.h"
#include "common/fileio.h"
#include "state/special_state.h"
#include "store/employee_store.h"
#include "store/file_kinds.h"

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

// The profile and state members, read as Open reads them, give the list its columns.
EmployeeEntry entryOf(const EmployeeStore& store, const std::string& name) {
    EmployeeEntry e{name, "", "", false};
    try {
        EmployeeRecords r;
        r.CurrentUser = name;
        if (!store.readMember(FileKind::Profile, r))
            throw ReadError(memberName(name, FileKind::Profile), 1, "missing");
        e.frequency = r.profile.weekly() ? "Weekly" : "Bi-Weekly";
        store.readMember(FileKind::State, r);
        e.state = stateOf(r.state);
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
    const EmployeeStore store(folder);
    const std::string_view profileExt = extensionOf(FileKind::Profile);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto& path = it->path();
        if (path.extension() != profileExt) continue;
        std::string name = path.stem().string();
        if (name.empty()) continue;  // the defaults for new employees
        try {
            checkEmployeeName(name);
        } catch (const NameError&) {
            continue;
        }
        std::error_code regular;
        if (!std::filesystem::is_regular_file(path, regular)) continue;
        out.push_back(entryOf(store, name));
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
