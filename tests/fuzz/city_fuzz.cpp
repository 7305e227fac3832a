// The city file <name>.cti and the non-resident city file <name>.nci.
#include "city/city.h"
#include "fuzz_support.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::input(data, size);
    fuzz::roundTrip(bytes, [](const std::string& b) {
        CityTable t;
        readCityFile(b, "Ann.cti", t);
        return writeCityFile(t);
    });
    fuzz::roundTrip(bytes, [](const std::string& b) {
        NonCityTable t;
        readNonCityFile(b, "Ann.nci", t);
        return writeNonCityFile(t);
    });
    return 0;
}
