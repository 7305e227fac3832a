#pragma once
// The states whose withholding is a built-in computation rather than the bracket table,
// one check box each on the state tax screen: one row each in kSpecialStates, which the
// screen, the files, the employee list and the desktop program's boxes go through. A new
// state is a row here, its preset (state_presets.cpp), its computation in the run's table
// (engine/special_states.cpp) and its flag in StateSettings and in the file that keeps it.
#include <array>
#include <cstdint>
#include <string>

#include "state/state_settings.h"

namespace corvella {

enum class SpecialState {
    Ariz,
    Louis,
    Iowa,
    Missouri,
    Mass,
    Oregon,
    Utah,
    Kentucky,
    Wiscon,
    WisconApril,
    NC,
    Alabama
};

inline constexpr int kSpecialStateCount = 12;

// The year whose state withholding rules every built-in state's formula follows; a later
// year's state figures go in the screen's table.
inline constexpr int kBuiltInRulesYear = 2015;

// "Arizona: its 2015 withholding formula": the rules a built-in state's box computes by.
std::string rulesOf(SpecialState s);

struct SpecialStateRow {
    SpecialState id;
    const char* boxName;   // the screen's check box, e.g. "ckAriz"
    const char* caption;   // the check box's text
    const char* listName;  // the employee list's State column
    int16_t StateSettings::*flag;
    // The state file keeps the flag; else the employee's own files (.use and .and) do.
    bool inStateFile;
    // With the box checked, its preset runs as the screen loads and its computation in the
    // run's state step, both in this order (0 first); -1: neither (the bracket table).
    int order;
};

// In the order of the enum, which is the order of the screen's boxes.
inline constexpr std::array<SpecialStateRow, kSpecialStateCount> kSpecialStates = {{
    {SpecialState::Ariz, "ckAriz", "Arizona", "Arizona", &StateSettings::ArizFlag, true, -1},
    {SpecialState::Louis, "ckLouis", "Louisiana", "Louisiana", &StateSettings::LouisFlag, true, 0},
    {SpecialState::Iowa, "ckIowa", "Iowa", "Iowa", &StateSettings::IowaFlag, true, 1},
    {SpecialState::Missouri, "ckMissouri", "Missouri", "Missouri", &StateSettings::MissouriFlag,
     true, 2},
    {SpecialState::Mass, "ckMass", "Mass", "Massachusetts", &StateSettings::MassFlag, true, 3},
    {SpecialState::Oregon, "ckOregon", "Oregon", "Oregon", &StateSettings::OregonFlag, true, 4},
    {SpecialState::Utah, "ckUtah", "Utah", "Utah", &StateSettings::UtahFlag, false, 5},
    {SpecialState::Kentucky, "ckKentucky", "Kentucky", "Kentucky", &StateSettings::KentuckyFlag,
     true, 7},
    {SpecialState::Wiscon, "ckWiscon", "Wisconsin Prior to 4/1/14", "Wisconsin",
     &StateSettings::WisconFlag, false, 8},
    {SpecialState::WisconApril, "ckWisconApril", "Wisconsin", "Wisconsin",
     &StateSettings::WisconAprilFlag, false, 9},
    {SpecialState::NC, "ckNC", "N.C.", "North Carolina", &StateSettings::NCFlag, false, 10},
    {SpecialState::Alabama, "ckAlabama", "Alabama", "Alabama", &StateSettings::AlabamaFlag, false,
     6},
}};

constexpr const SpecialStateRow& specialState(SpecialState s) {
    return kSpecialStates[static_cast<size_t>(s)];
}

// The special states with a preset and a computation, in their order.
inline constexpr int kOrderedSpecialStates = 11;
inline constexpr std::array<SpecialState, kOrderedSpecialStates> kSpecialStateOrder = [] {
    std::array<SpecialState, kOrderedSpecialStates> out{};
    for (const SpecialStateRow& row : kSpecialStates)
        if (row.order >= 0) out[static_cast<size_t>(row.order)] = row.id;
    return out;
}();

static_assert(
    [] {
        for (size_t i = 0; i < kSpecialStates.size(); ++i)
            if (static_cast<size_t>(kSpecialStates[i].id) != i) return false;
        int ordered = 0;
        for (const SpecialStateRow& row : kSpecialStates) {
            if (row.order < 0) continue;
            if (row.order >= kOrderedSpecialStates) return false;
            for (const SpecialStateRow& other : kSpecialStates)
                if (&other != &row && other.order == row.order) return false;
            ++ordered;
        }
        return ordered == kOrderedSpecialStates;
    }(),
    "kSpecialStates is in the order of SpecialState, each place of the order taken once");

// The special states that the state file keeps, unchecked.
inline void clearStateFileFlags(StateSettings& s) {
    for (const SpecialStateRow& row : kSpecialStates)
        if (row.inStateFile) s.*row.flag = 0;
}

// The check boxes that the table boxes do not carry: the special states, Round State
// and Spouse Works, all unchecked.
inline void clearStateFlags(StateSettings& s) {
    for (const SpecialStateRow& row : kSpecialStates) s.*row.flag = 0;
    s.RoundStateFlag = s.SpouseFlag = 0;
}

}  // namespace corvella
