#include "state/state_file.h"

#include "common/linefile.h"

namespace corvella {

// Layout, one line each:
//   1-10  StateMinBS, StateAmtBS, StatePerBS, StateMinBM, StateAmtBM, StatePerBM of row line-1
//   11    NoStateTaxFlag
//   12-21 StateSgExp, StateMarExp of exemption count line-12
//   22    SdiRate, SuiRate, SdiWageBase, SuiWageBase, StateAddl,
//         SdiBaseFlag, SuiBaseFlag, SSMediExempFlag, AlabamaFlag
//   23    ArizFlag, LouisFlag, IowaFlag, StateExemp, StateStatus, FedExempFlag, FedAddl,
//         MassFlag, OregonFlag, KentuckyFlag, MissouriFlag

namespace {

using namespace ranges;
constexpr NumberField kMinimum{"table minimum", kAmount};
constexpr NumberField kTableAmount{"table amount", kAmount};
constexpr NumberField kRowRate{"table rate", ranges::kTableRate};
constexpr NumberField kExemption{"exemption amount", kAmount};
constexpr NumberField kSdiRate{"SDI percent", kPercent};
constexpr NumberField kSuiRate{"SUI percent", kPercent};
// The wage base, or the flat amount when "Use Base" is off.
constexpr NumberField kSdiWageBase{"SDI wage base", kPositiveAmount};
constexpr NumberField kSuiWageBase{"SUI wage base", kPositiveAmount};
constexpr NumberField kStateAddl{"state adjustment", kAmount};
constexpr NumberField kFedAddl{"additional federal amount", kAmount};
constexpr NumberField kStateExemp{"state exemptions", kCount};
constexpr NumberField kFlagField{"state option flag", kFlag};
// "0" stands for a status not chosen yet, as the profile screen reads it.
constexpr std::string_view kStatusTexts[] = {"Single", "Married", "", "0"};
constexpr ChoiceField kStateStatus{"state status", kStatusTexts};

}  // namespace

void readStateFile(const std::string& bytes, const std::string& fileName, StateSettings& s,
                   StateProfileFields& p) {
    FieldReader r(bytes, fileName);
    for (size_t i = 0; i < 10; ++i) {
        s.StateMinBS[i] = r.number(kMinimum);
        s.StateAmtBS[i] = r.number(kTableAmount);
        s.StatePerBS[i] = r.number(kRowRate);
        s.StateMinBM[i] = r.number(kMinimum);
        s.StateAmtBM[i] = r.number(kTableAmount);
        s.StatePerBM[i] = r.number(kRowRate);
        r.endLine();
    }
    s.NoStateTaxFlag = r.integer(kFlagField);
    r.endLine();
    for (size_t n = 0; n < 10; ++n) {
        s.StateSgExp[n] = r.number(kExemption);
        s.StateMarExp[n] = r.number(kExemption);
        r.endLine();
    }
    s.SdiRate = r.number(kSdiRate);
    s.SuiRate = r.number(kSuiRate);
    s.SdiWageBase = r.number(kSdiWageBase);
    s.SuiWageBase = r.number(kSuiWageBase);
    s.StateAddl = r.number(kStateAddl);
    s.SdiBaseFlag = r.integer(kFlagField);
    s.SuiBaseFlag = r.integer(kFlagField);
    p.SSMediExempFlag = r.integer(kFlagField);
    s.AlabamaFlag = r.integer(kFlagField);
    r.endLine();
    s.ArizFlag = r.integer(kFlagField);
    s.LouisFlag = r.integer(kFlagField);
    s.IowaFlag = r.integer(kFlagField);
    p.StateExemp = r.integer(kStateExemp);
    p.StateStatus = r.text(kStateStatus);
    p.FedExempFlag = r.integer(kFlagField);
    p.FedAddl = r.number(kFedAddl);
    s.MassFlag = r.integer(kFlagField);
    s.OregonFlag = r.integer(kFlagField);
    s.KentuckyFlag = r.integer(kFlagField);
    s.MissouriFlag = r.integer(kFlagField);
    r.endLine();
    r.expectEnd();
}

std::string writeStateFile(const StateSettings& s, const StateProfileFields& p) {
    LineWriter w;
    for (size_t i = 0; i < 10; ++i) {
        w.number(s.StateMinBS[i], kMinimum)
            .number(s.StateAmtBS[i], kTableAmount)
            .number(s.StatePerBS[i], kRowRate)
            .number(s.StateMinBM[i], kMinimum)
            .number(s.StateAmtBM[i], kTableAmount)
            .number(s.StatePerBM[i], kRowRate)
            .endLine();
    }
    w.integer(s.NoStateTaxFlag, kFlagField).endLine();
    for (size_t n = 0; n < 10; ++n)
        w.number(s.StateSgExp[n], kExemption).number(s.StateMarExp[n], kExemption).endLine();
    w.number(s.SdiRate, kSdiRate)
        .number(s.SuiRate, kSuiRate)
        .number(s.SdiWageBase, kSdiWageBase)
        .number(s.SuiWageBase, kSuiWageBase)
        .number(s.StateAddl, kStateAddl)
        .integer(s.SdiBaseFlag, kFlagField)
        .integer(s.SuiBaseFlag, kFlagField)
        .integer(p.SSMediExempFlag, kFlagField)
        .integer(s.AlabamaFlag, kFlagField)
        .endLine();
    w.integer(s.ArizFlag, kFlagField)
        .integer(s.LouisFlag, kFlagField)
        .integer(s.IowaFlag, kFlagField)
        .integer(p.StateExemp, kStateExemp)
        .text(p.StateStatus, kStateStatus)
        .integer(p.FedExempFlag, kFlagField)
        .number(p.FedAddl, kFedAddl)
        .integer(s.MassFlag, kFlagField)
        .integer(s.OregonFlag, kFlagField)
        .integer(s.KentuckyFlag, kFlagField)
        .integer(s.MissouriFlag, kFlagField)
        .endLine();
    return w.bytes();
}

}  // namespace corvella
