// The leave balances, <name>.hol.
#include "employee/leave_file.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        return writeLeaveFile(readLeaveFile(b, "Ann.hol"));
    });
    return 0;
}
