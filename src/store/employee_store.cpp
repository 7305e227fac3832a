#include "store/employee_store.h"

#include <algorithm>
#include <utility>

#include "common/errors.h"
#include "federal/federal.h"
#include "federal/tax_year.h"
#include "store/backups.h"
#include "store/file_kinds.h"

namespace corvella {

std::optional<std::string> EmployeeStore::readFile(const std::string& fileName) const {
    const auto path = folder / fileName;
    if (overlay_) {
        if (auto held = overlay_->find(fileName); held != overlay_->end()) return held->second;
    }
    if (readOnce_) {
        if (auto known = readOnce_->find(path); known != readOnce_->end()) return known->second;
    }
    // Read first, asked about only when that fails: a payroll run reads thousands.
    std::optional<std::string> bytes = readFileBytes(path);
    if (bytes) ++diskReads_[fileName];
    if (!bytes && fileExists(path))
        throw ReadError(fileName, "it could not be opened; check that you may read it");
    seen_[fileName] = bytes;
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
    EmployeeRecords fresh;
    fresh.profile = r.profile;
    fresh.ot = r.ot;
    fresh.state = r.state;
    fresh.extras = r.extras;
    fresh.w4 = r.w4;
    fresh.w2 = r.w2;
    bool saved = false;  // the employee has files: a new one's are written at its first save
    for (const FileKindRow& row : kFileKinds) {
        if (!row.employee) continue;
        // The overtime rows' file follows the frequency just read.
        const std::string file = memberName(r.CurrentUser, row.kind, fresh.profile.weekly());
        auto bytes = readFile(file);
        if (row.kind == FileKind::Profile) saved = bytes.has_value();
        // A saved employee without a W-4 file of its own has the older form.
        if (row.kind == FileKind::W4 && saved && !bytes) fresh.w4.reset();
        if (row.kind == FileKind::W2 && saved && !bytes) fresh.w2.reset();
        if (bytes) row.read(*bytes, file, fresh);
    }
    r.profile = std::move(fresh.profile);
    r.ot = std::move(fresh.ot);
    r.state = std::move(fresh.state);
    r.extras = std::move(fresh.extras);
    r.w4 = fresh.w4;
    r.w2 = fresh.w2;
}

bool EmployeeStore::readMember(FileKind kind, const std::string& name, EmployeeRecords& r) const {
    const std::string file = memberName(name, kind, r.profile.weekly());
    auto bytes = readFile(file);
    if (bytes) fileKind(kind).read(*bytes, file, r);
    return bytes.has_value();
}

void EmployeeStore::readLedger(EmployeeRecords& r) const {
    const bool weekly = r.profile.weekly();
    r.ledger.RecomputeTotals(weekly);
    const std::string file = memberName(r.CurrentUser, FileKind::Ledger, weekly);
    if (auto bytes = readFile(file)) r.ledger.read(*bytes, file, weekly);
}

std::map<std::string, std::optional<std::string>> EmployeeStore::changedOnDisk(
    const std::vector<FileContent>& files) const {
    std::map<std::string, std::optional<std::string>> changed;
    for (const auto& f : files) {
        const auto seen = seen_.find(f.name);
        if (seen == seen_.end()) continue;  // never read here: nothing to lose
        auto now = readFileBytes(folder / f.name);
        // Writing where nothing is, or what is there already, loses nothing.
        if (now && now != seen->second && now != f.bytes) changed.emplace(f.name, std::move(now));
    }
    return changed;
}

void EmployeeStore::commit(const std::vector<FileContent>& files) {
    commitFiles(files, false);
}

void EmployeeStore::commitFiles(const std::vector<FileContent>& files, bool overChanges) {
    if (readOnce_) readOnce_->clear();
    if (overlay_) {
        for (const auto& f : files) {
            (*overlay_)[f.name] = f.bytes;
            auto same = std::find_if(staged_.begin(), staged_.end(),
                                     [&](const FileContent& s) { return s.name == f.name; });
            if (same != staged_.end())
                same->bytes = f.bytes;
            else
                staged_.push_back(f);
        }
        return;
    }
    std::optional<HeldFolderLock> lock;
    for (;;) {
        lock.emplace(folder);
        // A caller that held the folder since before its reads (a command-line command)
        // can have missed no change.
        if (overChanges || !lock->outermost()) break;
        auto changed = changedOnDisk(files);
        if (changed.empty()) break;
        lock.reset();  // not held while the operator decides
        std::vector<std::string> names;
        for (const auto& [name, bytes] : changed) names.push_back(name);
        const OnChanged choice = changedSinceRead ? changedSinceRead(names) : OnChanged::Cancel;
        if (choice != OnChanged::Overwrite) {
            const bool reloaded = choice == OnChanged::Reload;
            throw ChangedError(names.front(),
                               reloaded ? "it was changed by another program and was read again"
                                        : "it was changed by another program since it was read",
                               reloaded);
        }
        // What was found is now what is overwritten; asked again only if it moves on.
        for (auto& [name, bytes] : changed) seen_[name] = std::move(bytes);
    }
    if (today) {
        for (const auto& f : files) {
            const std::string employee = employeeOfFile(f.name);
            if (employee.empty()) continue;
            backUpBeforeWrite(writer_, folder, employee, today());
            break;
        }
    }
    keepDamagedAside(files);
    writer_.commit(folder, files);
    for (const auto& f : files) seen_[f.name] = f.bytes;
}

void EmployeeStore::keepDamagedAside(const std::vector<FileContent>& files) {
    for (const auto& f : files) {
        if (!damaged.count(f.name)) continue;
        if (fileExists(folder / f.name)) {
            const std::string kept = writer_.keepAside(folder / f.name, "damaged");
            if (keptAside) keptAside(f.name, kept);
        }
        damaged.erase(f.name);
    }
}

void EmployeeStore::beginStaging() {
    if (readOnce_) readOnce_->clear();
    overlay_.emplace();
    staged_.clear();
}

std::vector<FileContent> EmployeeStore::takeStaged() {
    return std::exchange(staged_, {});
}

void EmployeeStore::dropStaged() {
    for (const auto& f : staged_)
        if (overlay_) overlay_->erase(f.name);
    staged_.clear();
}

bool EmployeeStore::holdsAlready(const FileContent& f) const {
    const auto seen = seen_.find(f.name);
    return seen != seen_.end() && seen->second == f.bytes;
}

void EmployeeStore::commitRun(const std::vector<FileContent>& files) {
    overlay_.reset();
    staged_.clear();
    if (readOnce_) readOnce_->clear();
    HeldFolderLock lock(folder);
    if (today) {
        std::vector<std::string> employees;
        for (const auto& f : files) {
            std::string employee = employeeOfFile(f.name);
            if (!employee.empty() && (employees.empty() || employees.back() != employee))
                employees.push_back(std::move(employee));
        }
        backUpBeforeRun(writer_, folder, employees, today());
    }
    keepDamagedAside(files);
    writer_.commit(folder, files, FileWriter::Flushes::Once);
    for (const auto& f : files) seen_[f.name] = f.bytes;
}

void EmployeeStore::restoreSet(const std::vector<FileContent>& files,
                               const std::vector<std::string>& remove) {
    // Today's backup keeps only the day's first state: a file changed since then (and
    // restoring today's own backup) would go without a trace, so it is kept beside itself.
    if (today) {
        const auto day = folder / kBackupFolder / backupDayName(today());
        auto keepIfLost = [&](const std::string& name, const std::string* replacement) {
            if (!keepable(folder / name)) return;  // nothing of it to lose
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
    commitFiles(files, true);  // a restore replaces whatever is there
    for (const std::string& name : remove) {
        if (today) backUpFile(writer_, folder, name, today());
        writer_.remove(folder / name);
        seen_[name] = std::nullopt;
    }
}

void EmployeeStore::writeFolderFile(const std::string& name, std::string_view bytes) {
    if (overlay_) throw WriteError(name, "a payroll run writes only the employees' files");
    if (!employeeOfFile(name).empty())
        throw WriteError(name, "an employee's file is written only with its set");
    writer_.write(folder / name, bytes);
}

void EmployeeStore::loadHeader(CompanyHeader& h) const {
    const auto path = folder / kHeaderFileName;
    if (!fileExists(path)) return;
    auto bytes = readFileBytes(path);
    if (!bytes)
        throw ReadError(kHeaderFileName, "it could not be opened; check that you may read it");
    readHeaderFile(*bytes, kHeaderFileName, h);
}

TaxYearMode EmployeeStore::loadTaxYearMode() const {
    const auto path = folder / kTaxYearModeFileName;
    if (!fileExists(path)) return TaxYearMode::Year2015;
    auto bytes = readFileBytes(path);
    if (!bytes)
        throw ReadError(kTaxYearModeFileName, "it could not be opened; check that you may read it");
    return readTaxYearModeFile(*bytes, kTaxYearModeFileName);
}

std::optional<CompanyFacts> EmployeeStore::loadCompany() const {
    const auto path = folder / kCompanyFileName;
    if (!fileExists(path)) return std::nullopt;
    auto bytes = readFileBytes(path);
    if (!bytes)
        throw ReadError(kCompanyFileName, "it could not be opened; check that you may read it");
    return readCompanyFile(*bytes, kCompanyFileName);
}

bool EmployeeStore::isDataFile(const std::filesystem::path& path) const {
    std::error_code ec;
    const auto parent = std::filesystem::weakly_canonical(path, ec).parent_path();
    if (ec || !std::filesystem::equivalent(parent, folder, ec)) return false;
    const std::string name = path.filename().string();
    return name == kHeaderFileName || name == kFedFileName || name == kTaxYearModeFileName ||
           name == kCompanyFileName || isTaxYearFileName(name) || !employeeOfFile(name).empty();
}

void EmployeeStore::writeOutside(const std::filesystem::path& path,
                                 const std::function<void(const std::filesystem::path&)>& produce) {
    writer_.writeThrough(path, produce, kOwnerOnly);
}

}  // namespace corvella
