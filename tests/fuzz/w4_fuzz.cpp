// An employee's Form W-4 file, <name>.w4.
#include "fuzz_support.h"
#include "store/w4_file.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size),
                    [](const std::string& b) { return writeW4File(readW4File(b, "Sample.w4")); });
    return 0;
}
