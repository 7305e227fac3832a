#pragma once
// The four members of the employee file set that hold the profile, the extras, the
// cafeteria plan and the overtime rows: <name>.use, .and, .cfe, .ovw/.ovb.
// Readers fill the records in file order and throw ReadError; writers return bytes.
#include <array>
#include <string>

#include "employee/overtime_data.h"
#include "employee/tax_profile.h"
#include "state/state_settings.h"

namespace corvella {

// Values of the .and file that belong to no other record, and the reserved fields
// that are read and written back unchanged.
struct EmployeeExtras {
    float HorzOffset = 0, VertOffset = 0;  // check print offsets
    // .use lines 9 to 12: fields 2-4 of line 9, then 4 fields each of lines 10-12.
    std::array<std::string, 15> useReserved{};
    // .and reserved fields (numbers and texts as read; "0", "#FALSE#" or "\"\"" when new).
    std::array<std::string, 2> andLine2{};  // two numbers after CalAllow
    std::array<std::string, 3> andLine3{};  // three numbers
    std::array<std::string, 3> andLine4{};  // three truth values
    std::array<std::string, 2> andLine6{};  // two texts after EmpName
    std::array<std::string, 2> andLine8{};  // two numbers after NCFlag

    // A new employee's reserved fields (empty in .use; 0, #FALSE#, "" in .and).
    static EmployeeExtras newEmployee();
};

void readUseFile(const std::string& bytes, const std::string& fileName, TaxProfile& p,
                 OvertimeData& ot, StateSettings& s, EmployeeExtras& x);
// annualBox / percentBox: the overtime calculator's txtAnnual / txtApPercent texts.
std::string writeUseFile(const TaxProfile& p, const OvertimeData& ot, const StateSettings& s,
                         const EmployeeExtras& x, const std::string& annualBox,
                         const std::string& percentBox);

void readAndFile(const std::string& bytes, const std::string& fileName, TaxProfile& p,
                 StateSettings& s, EmployeeExtras& x);
std::string writeAndFile(const TaxProfile& p, const StateSettings& s, const EmployeeExtras& x);

void readCfeFile(const std::string& bytes, const std::string& fileName, TaxProfile& p);
std::string writeCfeFile(const TaxProfile& p);

// rows: 53 (.ovw) or 27 (.ovb).
void readOvertimeFile(const std::string& bytes, const std::string& fileName, int rows,
                      OvertimeData& ot);
std::string writeOvertimeFile(const OvertimeData& ot, int rows);

}  // namespace corvella
