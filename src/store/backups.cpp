#include "store/backups.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>

#include "common/errors.h"
#include "store/file_kinds.h"
#include "store/pay_period.h"

namespace corvella {

namespace {

namespace fs = std::filesystem;

// Every member's extension, both frequencies'; the profile's last, so that a day holding it
// holds the set.
const std::vector<std::string_view>& memberExtensions() {
    static const std::vector<std::string_view> exts = [] {
        std::vector<std::string_view> out;
        for (const FileKindRow& row : kFileKinds) {
            // Saved periods carry their week in the name: found by looking (periodsOf).
            if (row.kind == FileKind::Profile || row.kind == FileKind::PayPeriod) continue;
            out.push_back(row.ext);
            if (!row.biWeeklyExt.empty()) out.push_back(row.biWeeklyExt);
        }
        out.push_back(extensionOf(FileKind::Profile));
        return out;
    }();
    return exts;
}

std::string member(const std::string& employee, std::string_view ext) {
    std::string out = employee;
    return out.append(ext);
}

std::string profileOf(const std::string& employee) {
    return memberName(employee, FileKind::Profile);
}

// Files of an employee that carry more than its name: a saved pay period (its week) and a
// kept year's ledger (its year).
bool foundByLooking(const std::string& name) {
    return isPayPeriodFile(name) || keptLedgerOf(name).has_value();
}

// Those of `employee` in `folder`, by name.
std::vector<std::string> foundOf(const fs::path& folder, const std::string& employee) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (foundByLooking(name) && employeeOfFile(name) == employee) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

namespace {

// The member files of `employee` that `there` says are in the folder, `found` its saved
// pay periods and kept years; the profile last, so that a backup day holding it holds the
// set.
std::vector<std::string> membersWith(const std::string& employee, std::vector<std::string> found,
                                     const std::function<bool(const std::string&)>& there) {
    std::vector<std::string> out;
    for (std::string_view ext : memberExtensions()) {
        if (ext == extensionOf(FileKind::Profile))
            for (std::string& p : found) out.push_back(std::move(p));
        if (there(member(employee, ext))) out.push_back(member(employee, ext));
    }
    return out;
}

}  // namespace

std::vector<std::string> memberFiles(const fs::path& folder, const std::string& employee) {
    return membersWith(employee, foundOf(folder, employee),
                       [&](const std::string& name) { return fileExists(folder / name); });
}

namespace {

bool isDayName(const std::string& s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long dayNumber(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long dayNumber(const std::string& day) {
    return dayNumber(std::stoi(day.substr(0, 4)), std::stoi(day.substr(5, 2)),
                     std::stoi(day.substr(8, 2)));
}

[[noreturn]] void failAt(const fs::path& path, const std::error_code& ec) {
    std::string shown = std::string(kBackupFolder) + "/" + path.parent_path().filename().string() +
                        "/" + path.filename().string();
    throw WriteError(shown, "the backup cannot be made: " + ec.message());
}

void removeOldDays(const fs::path& backups, const Date& today) {
    const long newest = dayNumber(today.year, today.month, today.day);
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(backups, ec)) {
        const std::string name = e.path().filename().string();
        if (!isDayName(name) || !e.is_directory()) continue;
        if (newest - dayNumber(name) >= kBackupDays) fs::remove_all(e.path(), ec);
    }
}

}  // namespace

std::string employeeOfFile(const std::string& fileName) {
    if (isPayPeriodFile(fileName)) return employeeOfPayPeriodFile(fileName);
    if (auto kept = keptLedgerOf(fileName)) return kept->name;
    for (std::string_view e : memberExtensions()) {
        if (fileName.size() > e.size() &&
            fileName.compare(fileName.size() - e.size(), e.size(), e) == 0)
            return fileName.substr(0, fileName.size() - e.size());
    }
    return "";
}

std::string backupDayName(const Date& d) {
    char out[16];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d", d.year % 10000, d.month % 100, d.day % 100);
    return out;
}

bool keepable(const fs::path& file) {
    // A FIFO or a device in a member's place holds nothing to keep, and a link to it in a
    // backup would only be refused when restored.
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

void backUpBeforeWrite(FileWriter& writer, const fs::path& folder, const std::string& employee,
                       const Date& today) {
    backUpBeforeRun(writer, folder, {employee}, today);
}

void backUpBeforeRun(FileWriter& writer, const fs::path& folder,
                     const std::vector<std::string>& employees, const Date& today) {
    const fs::path backups = folder / kBackupFolder;
    const fs::path day = backups / backupDayName(today);
    // One look at each folder for them all: a payroll run backs up a thousand sets.
    auto listing = [](const fs::path& where) {
        std::map<std::string, bool> files;  // name: whether it is a regular file
        std::error_code ec;
        fs::directory_iterator it(where, ec);
        if (ec) return files;  // none there (no backup yet): the writes say what is wrong
        for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
            std::error_code typeEc;
            if (it->is_directory(typeEc)) continue;
            files[it->path().filename().string()] = it->is_regular_file(typeEc);
        }
        // Half a listing would keep half a set and count the day as kept.
        if (ec) failAt(where / ".", ec);
        return files;
    };
    const auto here = listing(folder);
    const auto kept = listing(day);
    std::map<std::string, std::vector<std::string>> due;
    for (const std::string& employee : employees) {
        if (employee.empty() || !here.count(profileOf(employee))) continue;
        if (kept.count(profileOf(employee))) continue;  // today's is kept already
        due[employee];
    }
    if (due.empty()) return;
    std::error_code ec;
    fs::create_directories(day, ec);
    if (ec) failAt(day / profileOf(due.begin()->first), ec);
    for (const auto& [name, regular] : here) {
        if (!foundByLooking(name)) continue;
        if (auto d = due.find(employeeOfFile(name)); d != due.end()) d->second.push_back(name);
    }
    for (auto& [employee, found] : due) {
        const auto members = membersWith(employee, std::move(found),
                                         [&](const std::string& n) { return here.count(n) > 0; });
        for (const std::string& name : members) {
            if (kept.count(name)) fs::remove(day / name, ec);  // what a backup cut short left
            // A FIFO or a device holds nothing to keep; a file this user may not read
            // is not this program's to keep either.
            if (!here.at(name) || ::access((folder / name).c_str(), R_OK) != 0) continue;
            writer.linkOrCopy(folder / name, day / name);
        }
    }
    removeOldDays(backups, today);
}

void backUpFile(FileWriter& writer, const fs::path& folder, const std::string& fileName,
                const Date& today) {
    const fs::path day = folder / kBackupFolder / backupDayName(today);
    if (fileExists(day / fileName) || !keepable(folder / fileName)) return;
    std::error_code ec;
    fs::create_directories(day, ec);
    if (ec) failAt(day / fileName, ec);
    writer.linkOrCopy(folder / fileName, day / fileName);
}

std::vector<std::string> backupDays(const fs::path& folder, const std::string& employee) {
    std::vector<std::string> days;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder / kBackupFolder, ec)) {
        const std::string name = e.path().filename().string();
        if (isDayName(name) && fileExists(e.path() / profileOf(employee))) days.push_back(name);
    }
    std::sort(days.rbegin(), days.rend());
    return days;
}

std::vector<FileContent> backupSet(const fs::path& folder, const std::string& employee,
                                   const std::string& day) {
    std::vector<FileContent> files;
    if (!isDayName(day)) return files;
    const fs::path dayFolder = folder / kBackupFolder / day;
    for (const std::string& name : memberFiles(dayFolder, employee))
        if (auto bytes = readFileBytes(dayFolder / name))
            files.push_back({name, std::move(*bytes)});
    return files;
}

}  // namespace corvella
