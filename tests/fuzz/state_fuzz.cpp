// The state file, <name>.sta.
#include "fuzz_support.h"
#include "state/state_file.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        StateSettings s;
        StateProfileFields p;
        readStateFile(b, "Ann.sta", s, p);
        return writeStateFile(s, p);
    });
    return 0;
}
