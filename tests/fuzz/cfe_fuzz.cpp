// The cafeteria plan file, <name>.cfe.
#include "employee/employee_files.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        TaxProfile p;
        readCfeFile(b, "Ann.cfe", p);
        return writeCfeFile(p);
    });
    return 0;
}
