#include "store/employee_store.h"

#include "common/errors.h"
#include "store/backups.h"

namespace corvella {

std::optional<std::string> EmployeeStore::read(const std::string& name,
                                               std::string_view ext) const {
    const auto path = file(name, ext);
    if (readOnce_) {
        if (auto known = readOnce_->find(path); known != readOnce_->end()) return known->second;
    }
    std::optional<std::string> bytes;
    if (fileExists(path)) {
        ++diskReads_[path.filename().string()];
        bytes = readFileBytes(path);
        if (!bytes) throw ReadError(path.filename().string(), 1, "the file cannot be read");
    }
    if (readOnce_) readOnce_->emplace(path, bytes);
    return bytes;
}

EmployeeStore::ReadOnce::ReadOnce(const EmployeeStore& store)
    : store_(store), owner_(!store.readOnce_) {
    if (owner_) store_.readOnce_.emplace();
}

EmployeeStore::ReadOnce::~ReadOnce() {
    if (owner_) store_.readOnce_.reset();
}

void EmployeeStore::readEmployee(EmployeeRecords& r) const {
    // Copies of just the records these members fill, handed over when all have read
    // (this runs at every pay run, through the state screen's load sequence).
    TaxProfile profile = r.profile;
    OvertimeData ot = r.ot;
    StateSettings state = r.state;
    EmployeeExtras extras = r.extras;
    const std::string& name = r.CurrentUser;
    auto member = [&](std::string_view ext, auto&& fill) {
        if (auto bytes = read(name, ext)) fill(*bytes, name + std::string(ext));
    };
    member(".use", [&](const std::string& b, const std::string& n) {
        readUseFile(b, n, profile, ot, state, extras);
    });
    member(".and", [&](const std::string& b, const std::string& n) {
        readAndFile(b, n, profile, state, extras);
    });
    member(".cfe", [&](const std::string& b, const std::string& n) { readCfeFile(b, n, profile); });
    const bool weekly = profile.weekly();
    member(weekly ? ".ovw" : ".ovb", [&](const std::string& b, const std::string& n) {
        readOvertimeFile(b, n, overtimeRowCount(weekly), ot);
    });
    r.profile = std::move(profile);
    r.ot = std::move(ot);
    r.state = state;
    r.extras = std::move(extras);
}

void EmployeeStore::readLedger(EmployeeRecords& r) const {
    const bool weekly = r.profile.weekly();
    r.ledger.RecomputeTotals(weekly);
    const std::string ext = weekly ? ".yrw" : ".yrb";
    if (auto bytes = read(r.CurrentUser, ext)) r.ledger.read(*bytes, r.CurrentUser + ext, weekly);
}

void EmployeeStore::commit(const std::vector<FileContent>& files) {
    if (readOnce_) readOnce_->clear();
    if (today) {
        for (const auto& f : files) {
            const std::string employee = employeeOfFile(f.name);
            if (employee.empty()) continue;
            backUpBeforeWrite(writer_, folder, employee, today());
            break;
        }
    }
    for (const auto& f : files) {
        if (!damaged.count(f.name)) continue;
        if (fileExists(folder / f.name)) {
            const std::string kept = writer_.keepAside(folder / f.name, "damaged");
            if (keptAside) keptAside(f.name, kept);
        }
        damaged.erase(f.name);
    }
    writer_.commit(folder, files);
}

void EmployeeStore::restoreSet(const std::vector<FileContent>& files,
                               const std::vector<std::string>& remove) {
    // Today's backup keeps only the day's first state: a file changed since then (and
    // restoring today's own backup) would go without a trace, so it is kept beside itself.
    if (today) {
        const auto day = folder / kBackupFolder / backupDayName(today());
        auto keepIfLost = [&](const std::string& name, const std::string* replacement) {
            const auto current = readFileBytes(folder / name);
            if (!current || !fileExists(day / name)) return;  // none, or the backup takes it
            if (replacement && *current == *replacement) return;
            if (readFileBytes(day / name) == current) return;
            const std::string kept = writer_.keepAside(folder / name, "replaced");
            if (keptReplaced) keptReplaced(name, kept);
        };
        for (const auto& f : files) keepIfLost(f.name, &f.bytes);
        for (const std::string& name : remove) keepIfLost(name, nullptr);
    }
    commit(files);
    for (const std::string& name : remove) {
        if (today) backUpFile(writer_, folder, name, today());
        writer_.remove(folder / name);
    }
}

void EmployeeStore::writeFolderFile(const std::string& name, std::string_view bytes) {
    if (!employeeOfFile(name).empty())
        throw WriteError(name, "an employee's file is written only with its set");
    writer_.write(folder / name, bytes);
}

void EmployeeStore::loadHeader(CompanyHeader& h) const {
    const auto path = folder / kHeaderFileName;
    if (!fileExists(path)) return;
    auto bytes = readFileBytes(path);
    if (!bytes) throw ReadError(kHeaderFileName, 1, "the file cannot be read");
    readHeaderFile(*bytes, kHeaderFileName, h);
}

void EmployeeStore::writeOutside(const std::filesystem::path& path,
                                 const std::function<void(const std::filesystem::path&)>& produce) {
    writer_.writeThrough(path, produce, kOwnerOnly);
}

}  // namespace corvella
