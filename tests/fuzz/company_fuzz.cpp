// The employer's facts, Company.sav.
#include "fuzz_support.h"
#include "store/company_file.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip(fuzz::input(data, size), [](const std::string& b) {
        return writeCompanyFile(readCompanyFile(b, "Company.sav"));
    });
    return 0;
}
