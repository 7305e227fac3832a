// An employee's Form W-2 facts, <name>.w2i.
#include "fuzz_support.h"
#include "store/w2_file.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size),
                    [](const std::string& b) { return writeW2File(readW2File(b, "Sample.w2i")); });
    return 0;
}
