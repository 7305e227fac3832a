// The company header, Header.sav.
#include "employee/company_header.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        CompanyHeader h;
        readHeaderFile(b, "Header.sav", h);
        return writeHeaderFile(h);
    });
    return 0;
}
