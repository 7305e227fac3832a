// The hours of a payroll run, HOURS.csv. Written with its row column when a line has a
// row, so that both layouts are written and read back.
#include <algorithm>

#include "fuzz_support.h"
#include "store/hours_file.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        const std::vector<HoursLine> lines = readHoursFile(b, "HOURS.csv");
        int previous = 1;
        for (const HoursLine& h : lines) {
            FUZZ_CHECK(!h.name.empty());
            FUZZ_CHECK(!h.row || (*h.row >= 1 && *h.row <= 53));
            FUZZ_CHECK(h.line > previous);
            previous = h.line;
        }
        const bool withRow =
            std::any_of(lines.begin(), lines.end(), [](const HoursLine& h) { return h.row; });
        return writeHoursFile(lines, withRow);
    });
    return 0;
}
