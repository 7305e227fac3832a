// The ledger, <name>.yrw (53 rows) and <name>.yrb (27 rows).
#include "fuzz_support.h"
#include "ledger/ledger.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (bool weekly : {true, false})
        fuzz::roundTrip(fuzz::input(data, size), [weekly](const std::string& b) {
            Ledger l;
            l.read(b, weekly ? "Ann.yrw" : "Ann.yrb", weekly);
            return l.write(weekly);
        });
    return 0;
}
