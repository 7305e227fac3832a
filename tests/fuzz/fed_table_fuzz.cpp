// The federal table, Federal15.dtt. The program only reads it: every number read must be
// finite, and a run on it must compute finite withholding.
#include <cmath>

#include "federal/federal.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FedTable t;
    try {
        t = readFedTable(fuzz::input(data, size), "Federal15.dtt");
    } catch (const ReadError&) {
        return 0;
    }
    for (const auto& section : t.sections)
        for (const FedRow& r : section)
            for (float v : {r.Over, r.NotOver, r.Subtract, r.Rate, r.Add})
                FUZZ_CHECK(std::isfinite(v));
    for (float v : t.FedAllowSingle) FUZZ_CHECK(std::isfinite(v));
    for (float v : t.FedAllowMarried) FUZZ_CHECK(std::isfinite(v));
    return 0;
}
