// The profile file, <name>.use.
#include "common/number.h"
#include "employee/employee_files.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        TaxProfile p;
        OvertimeData ot;
        StateSettings s;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        readUseFile(b, "Ann.use", p, ot, s, x);
        return writeUseFile(p, ot, s, x, floatText(ot.AnnualSalary), floatText(ot.ApprovedPercent));
    });
    return 0;
}
