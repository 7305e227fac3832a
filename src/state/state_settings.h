#pragma once
// The state tax settings of the open employee (the record the state screen edits).
#include <array>
#include <cstdint>

namespace corvella {

struct StateSettings {
    std::array<float, 10> StateMinBS{}, StateAmtBS{}, StatePerBS{};
    std::array<float, 10> StateMinBM{}, StateAmtBM{}, StatePerBM{};
    std::array<float, 10> StateSgExp{}, StateMarExp{};
    int16_t NoStateTaxFlag = 0;
    float SdiRate = 0, SdiWageBase = 0;
    int16_t SdiBaseFlag = 0;
    float SuiRate = 0, SuiWageBase = 0;
    int16_t SuiBaseFlag = 0;
    float StateAddl = 0, CalAllow = 0;
    int16_t RoundStateFlag = 0, SpouseFlag = 0;
    int16_t ArizFlag = 0, LouisFlag = 0, IowaFlag = 0, MissouriFlag = 0, MassFlag = 0,
            OregonFlag = 0, UtahFlag = 0, KentuckyFlag = 0, WisconFlag = 0, WisconAprilFlag = 0,
            NCFlag = 0, AlabamaFlag = 0;
};

}  // namespace corvella
