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

void readStateFile(const std::string& bytes, const std::string& fileName, StateSettings& s,
                   StateProfileFields& p) {
    FieldReader r(bytes, fileName);
    for (size_t i = 0; i < 10; ++i) {
        s.StateMinBS[i] = r.number();
        s.StateAmtBS[i] = r.number();
        s.StatePerBS[i] = r.number();
        s.StateMinBM[i] = r.number();
        s.StateAmtBM[i] = r.number();
        s.StatePerBM[i] = r.number();
    }
    s.NoStateTaxFlag = r.integer();
    for (size_t n = 0; n < 10; ++n) {
        s.StateSgExp[n] = r.number();
        s.StateMarExp[n] = r.number();
    }
    s.SdiRate = r.number();
    s.SuiRate = r.number();
    s.SdiWageBase = r.number();
    s.SuiWageBase = r.number();
    s.StateAddl = r.number();
    s.SdiBaseFlag = r.integer();
    s.SuiBaseFlag = r.integer();
    p.SSMediExempFlag = r.integer();
    s.AlabamaFlag = r.integer();
    s.ArizFlag = r.integer();
    s.LouisFlag = r.integer();
    s.IowaFlag = r.integer();
    p.StateExemp = r.integer();
    p.StateStatus = r.text();
    p.FedExempFlag = r.integer();
    p.FedAddl = r.number();
    s.MassFlag = r.integer();
    s.OregonFlag = r.integer();
    s.KentuckyFlag = r.integer();
    s.MissouriFlag = r.integer();
}

std::string writeStateFile(const StateSettings& s, const StateProfileFields& p) {
    LineWriter w;
    for (size_t i = 0; i < 10; ++i) {
        w.number(s.StateMinBS[i])
            .number(s.StateAmtBS[i])
            .number(s.StatePerBS[i])
            .number(s.StateMinBM[i])
            .number(s.StateAmtBM[i])
            .number(s.StatePerBM[i])
            .endLine();
    }
    w.integer(s.NoStateTaxFlag).endLine();
    for (size_t n = 0; n < 10; ++n) w.number(s.StateSgExp[n]).number(s.StateMarExp[n]).endLine();
    w.number(s.SdiRate)
        .number(s.SuiRate)
        .number(s.SdiWageBase)
        .number(s.SuiWageBase)
        .number(s.StateAddl)
        .integer(s.SdiBaseFlag)
        .integer(s.SuiBaseFlag)
        .integer(p.SSMediExempFlag)
        .integer(s.AlabamaFlag)
        .endLine();
    w.integer(s.ArizFlag)
        .integer(s.LouisFlag)
        .integer(s.IowaFlag)
        .integer(p.StateExemp)
        .text(p.StateStatus)
        .integer(p.FedExempFlag)
        .number(p.FedAddl)
        .integer(s.MassFlag)
        .integer(s.OregonFlag)
        .integer(s.KentuckyFlag)
        .integer(s.MissouriFlag)
        .endLine();
    return w.bytes();
}

}  // namespace corvella
