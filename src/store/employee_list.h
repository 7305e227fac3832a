#pragma once
// The employees of a working folder, for the list beside the main window: one entry per
// employee file (.use), with its pay frequency and the state tax it is set up for.
#include <filesystem>
#include <string>
#include <vector>

namespace corvella {

struct EmployeeEntry {
    std::string name;
    std::string frequency;  // "Weekly", "Bi-Weekly", or "" when the file cannot be read
    std::string state;      // a special state's name, "No state tax", "Tax table", or ""
    bool damaged = false;   // the employee's files could not be read

    bool operator==(const EmployeeEntry&) const = default;
};

// Every employee of `folder`, sorted by name without regard to case. The defaults for new
// employees (the files with the empty name) and names that cannot be used are left out.
// Reads only; a damaged employee is listed with `damaged` set.
std::vector<EmployeeEntry> listEmployees(const std::filesystem::path& folder);

// True when `filter` is empty or appears in the entry's name, state or frequency,
// without regard to case.
bool entryMatches(const EmployeeEntry& e, const std::string& filter);

}  // namespace corvella
