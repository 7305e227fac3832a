// The overtime rows, <name>.ovw (53 rows) and <name>.ovb (27 rows).
#include "employee/employee_files.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int rows : {53, 27})
        fuzz::roundTrip(fuzz::input(data, size), [rows](const std::string& b) {
            OvertimeData ot;
            readOvertimeFile(b, rows == 53 ? "Ann.ovw" : "Ann.ovb", rows, ot);
            return writeOvertimeFile(ot, rows);
        });
    return 0;
}
