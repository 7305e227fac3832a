// A saved pay period, "<week>  <name>.prv".
#include "fuzz_support.h"
#include "store/pay_period.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        return writePayPeriodFile(readPayPeriodFile(b, "01_09_2015  Ann.prv"));
    });
    return 0;
}
