#pragma once
#include <array>
#include <cstdint>

namespace corvella {

// The city (local) tax table of the open employee; bi-weekly figures.
struct CityTable {
    std::array<float, 10> CityMinBS{}, CityAmtBS{}, CityPerBS{};
    std::array<float, 10> CityMinBM{}, CityAmtBM{}, CityPerBM{};
    std::array<float, 10> CitySgExp{}, CityMarExp{};
    int16_t NoLocalTaxFlag = 0;
};

// The non-resident city tax table of the open employee.
struct NonCityTable {
    std::array<float, 8> NonMinBi{}, NonExpBi{}, NonMinWk{}, NonExpWk{};
    float NonRate = 0;
};

}  // namespace corvella
