#pragma once
// The employee's file set in the working folder: which file holds which member, reading
// the members into the records, and writing them as one change. It shows no messages:
// failures are thrown (ReadError, WriteError) for the commands to word.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/company_header.h"
#include "store/company_file.h"
#include "store/employee_records.h"
#include "store/file_kinds.h"
#include "store/tax_year_mode.h"

namespace corvella {

// What to do with files another program changed since they were read here.
enum class OnChanged { Reload, Overwrite, Cancel };

class EmployeeStore {
  public:
    explicit EmployeeStore(std::filesystem::path workingFolder)
        : folder(std::move(workingFolder)) {}

    std::filesystem::path folder;  // employee files and Federal15.dtt

    std::filesystem::path file(const std::string& name, FileKind kind, bool weekly = true) const {
        return folder / memberName(name, kind, weekly);
    }
    // A file's bytes; nothing when the file does not exist. A file that exists but cannot
    // be read throws ReadError.
    std::optional<std::string> readFile(const std::string& fileName) const;
    std::optional<std::string> read(const std::string& name, FileKind kind) const {
        return readFile(memberName(name, kind));
    }

    // While it lives, each file is taken from the disk once: an Open reads the set through
    // several screens' load sequences, and each must see the same bytes. Any write through
    // this store forgets what was read.
    class ReadOnce {
      public:
        explicit ReadOnce(const EmployeeStore& store);
        ~ReadOnce();
        ReadOnce(const ReadOnce&) = delete;
        ReadOnce& operator=(const ReadOnce&) = delete;

      private:
        const EmployeeStore& store_;
        bool owner_;
    };
    [[nodiscard]] ReadOnce readOnce() const { return ReadOnce(*this); }
    // The profile, extras, cafeteria and overtime members into `r`, whole or not at all;
    // throws ReadError naming the file and line.
    void readEmployee(EmployeeRecords& r) const;
    // One member of r's employee into `r` by its kind's reader, whole or not at all; false
    // when there is no such file. Throws ReadError.
    bool readMember(FileKind kind, EmployeeRecords& r) const {
        return readMember(kind, r.CurrentUser, r);
    }
    // The same, from the member of `name` (the defaults are the empty name's).
    bool readMember(FileKind kind, const std::string& name, EmployeeRecords& r) const;
    // The ledger of the profile's frequency, after totals from the rows as they are.
    void readLedger(EmployeeRecords& r) const;
    // Writes the files as one change, after the day's backup of their employee's set. A
    // file reported damaged is first moved aside, so the operator keeps it; `keptAside`
    // hears each move with the message to show. A file that another program changed since
    // it was read here is not written over unasked: `changedSinceRead` chooses, and
    // ChangedError is thrown unless it says Overwrite.
    void commit(const std::vector<FileContent>& files);
    // A payroll run computes every employee before it writes any. While staging, commits
    // are held instead of written and later reads see them; a write of any other kind is
    // refused (WriteError).
    void beginStaging();
    bool staging() const { return overlay_.has_value(); }
    // The files committed since the last take, each once with its last bytes, in order.
    std::vector<FileContent> takeStaged();
    // Forgets the files committed since the last take, as if never committed.
    void dropStaged();
    // Whether the file held these bytes when last read from the disk here (while staging,
    // what is staged does not count).
    bool holdsAlready(const FileContent& f) const;
    // Ends staging and writes `files` (of many employees) as one commit: each employee's
    // day's backup first, the damaged files moved aside, three flushes in all. Throws.
    void commitRun(const std::vector<FileContent>& files);
    // Puts back a day's set of the employee: `files` as one change, then the members the
    // day did not have are removed, each kept in today's backup first. Throws.
    void restoreSet(const std::vector<FileContent>& files, const std::vector<std::string>& remove);
    // A file of the folder that belongs to no employee's set (Header.sav, a saved pay
    // period), replaced whole; throws WriteError.
    void writeFolderFile(const std::string& name, std::string_view bytes);
    // The company header (Header.sav) into `h` when the folder has one; otherwise `h` stays
    // as it is. Throws ReadError for a file that cannot be read whole (the fields before
    // the fault are kept).
    void loadHeader(CompanyHeader& h) const;
    // Creates or replaces Header.sav; throws WriteError.
    void saveHeader(const CompanyHeader& h) {
        writeFolderFile(kHeaderFileName, writeHeaderFile(h));
    }
    // The folder's tax year mode (TaxYear.sav); 2015's when it has none. Throws ReadError.
    TaxYearMode loadTaxYearMode() const;
    // Creates or replaces TaxYear.sav; throws WriteError.
    void saveTaxYearMode(TaxYearMode mode) {
        writeFolderFile(kTaxYearModeFileName, writeTaxYearModeFile(mode));
    }
    // The folder's company facts (Company.sav); nothing when it has none. Throws ReadError.
    std::optional<CompanyFacts> loadCompany() const;
    // Creates or replaces Company.sav; throws RangeError or WriteError.
    void saveCompany(const CompanyFacts& c) {
        writeFolderFile(kCompanyFileName, writeCompanyFile(c));
    }
    // Whether `path` is one of the folder's own data files (an employee's member, a saved
    // period, the company header, the federal table), which only the store writes.
    bool isDataFile(const std::filesystem::path& path) const;
    // A file outside the folder's employee files (a spreadsheet export) that a library
    // writes to the temporary path given; replaced whole, owner-only.
    void writeOutside(const std::filesystem::path& path,
                      const std::function<void(const std::filesystem::path&)>& produce);

    // For tests: faults of the one writer, and its flushes so far.
    WriteFaults& writeFaults() { return writer_.faults; }
    int syncs() const { return writer_.syncs(); }
    // For tests: how often each file (by name) was read from the disk.
    const std::map<std::string, int>& diskReads() const { return diskReads_; }

    // Today's date, for the daily backup that comes before the first write of a day over
    // an employee's files; no backups without it.
    std::function<Date()> today;

    // A leftover commit of the folder was finished under a lock still held (a payroll
    // run's): Open need not look for one again.
    bool settled = false;

    // Files of the folder read as damaged and not yet moved aside.
    std::set<std::string> damaged;
    // Hears each damaged file moved aside: its name and the name it is kept under.
    std::function<void(const std::string& file, const std::string& keptAs)> keptAside;
    // Hears each file a restore replaced that today's backup could not keep (it holds the
    // day's first state already): its name and the name it is kept under beside it.
    std::function<void(const std::string& file, const std::string& keptAs)> keptReplaced;
    // Chooses for the files (by name) that changed on the disk since they were read; it is
    // asked with the folder unlocked. Without it they are not overwritten.
    std::function<OnChanged(const std::vector<std::string>& files)> changedSinceRead;

  private:
    void commitFiles(const std::vector<FileContent>& files, bool overChanges);
    // A file reported damaged is copied aside before it is first written over.
    void keepDamagedAside(const std::vector<FileContent>& files);
    // The files of `files` whose bytes on the disk are no longer those seen here, with
    // the bytes found.
    std::map<std::string, std::optional<std::string>> changedOnDisk(
        const std::vector<FileContent>& files) const;

    // Every file of the folder is written through it: an employee's files only by commit,
    // after the day's backup.
    FileWriter writer_;
    mutable std::optional<std::map<std::filesystem::path, std::optional<std::string>>> readOnce_;
    mutable std::map<std::string, int> diskReads_;
    // What the open employee's view was built from: each file's bytes as last read from
    // the disk or written here (nothing for a file found missing).
    mutable std::map<std::string, std::optional<std::string>> seen_;
    // While staging: what was committed, by name, and the files not yet taken.
    std::optional<std::map<std::string, std::string>> overlay_;
    std::vector<FileContent> staged_;
};

}  // namespace corvella
