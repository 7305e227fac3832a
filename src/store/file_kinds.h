#pragma once
// The kinds of file in an employee's set, one row each. The employee's reads, the saves,
// the day's backup and the folder's listing all go by this table, so a new kind of file
// is one new row (and its reader and writer).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "employee/leave_file.h"
#include "store/employee_records.h"

namespace corvella {

enum class FileKind : uint8_t {
    Profile,    // .use: the profile, overtime figures, some state flags
    Extras,     // .and: the extra settings and check offsets
    Cafeteria,  // .cfe
    Overtime,   // .ovw / .ovb: the overtime calculator's rows
    State,      // .sta: the state settings and the profile fields they travel with
    City,       // .cti
    NonCity,    // .nci
    W4,         // .w4: the Form W-4, when the employee has one of its own
    W2,         // .w2i: the Form W-2 facts, when the employee has any
    Leave,      // .hol: vacation, holiday and sick balances
    PayPeriod,  // .prv
    Ledger,     // .yrw / .yrb: the year to date
};

// What the writers take beyond the records: screens' values, saved as they stand.
struct SaveValues {
    std::string annualBox, percentBox;  // the overtime calculator's salary and percentage
    LeaveBalances leave;                // the leave screen's balances
};

struct FileKindRow {
    FileKind kind;
    std::string_view ext;          // the weekly employee's, or every employee's
    std::string_view biWeeklyExt;  // the bi-weekly employee's; empty when the same
    bool employee;                 // read and saved together as "the employee"
    bool fullSave;                 // written by the full save (the save window, a pay run)
    // The member's bytes into the records, whole or not at all; throws ReadError. Null for
    // the kinds that a command of their own reads.
    void (*read)(const std::string& bytes, const std::string& file, EmployeeRecords& r);
    // The member's bytes. Null for the kinds that a command of their own writes.
    std::string (*write)(const EmployeeRecords& r, const SaveValues& v);
    // Whether the records hold this member, for a kind an employee may be without; null
    // when every employee has it.
    bool (*held)(const EmployeeRecords& r);

    std::string_view extension(bool weekly) const {
        return weekly || biWeeklyExt.empty() ? ext : biWeeklyExt;
    }
};

// Every kind, the profile first: the order in which the employee is read and saved.
extern const FileKindRow kFileKinds[12];

const FileKindRow& fileKind(FileKind kind);
// The extension of `kind` for an employee paid weekly or not.
inline std::string_view extensionOf(FileKind kind, bool weekly = true) {
    return fileKind(kind).extension(weekly);
}
// `name` with the extension of `kind`.
std::string memberName(const std::string& name, FileKind kind, bool weekly = true);
// A closed year's ledger kept beside the employee's files: "Smith.yrw.2026". The year
// goes last so that it can never be another employee's member (each ends in its kind's
// extension).
std::string keptLedgerName(const std::string& name, bool weekly, int year);
// The year of a kept ledger's file name, and whether it is a weekly one; nothing for any
// other name.
struct KeptLedger {
    std::string name;
    bool weekly = true;
    int year = 0;
};
std::optional<KeptLedger> keptLedgerOf(const std::string& fileName);

// True for a name the program writes in a working folder: an employee's member (or a
// copy of one kept aside), the heading, the federal table, an exported workbook or PDF.
// Start-up removes only these files' leftover temporaries.
bool isWrittenFile(const std::string& fileName);

}  // namespace corvella
