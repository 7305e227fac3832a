// The extras file, <name>.and.
#include "employee/employee_files.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        TaxProfile p;
        StateSettings s;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        readAndFile(b, "Ann.and", p, s, x);
        return writeAndFile(p, s, x);
    });
    return 0;
}
