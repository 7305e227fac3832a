#pragma once
// Employees of the built-in states: their files written as the program writes them, a
// federal table that withholds a fixed amount, and the pay run pressed through the
// session.
#include <functional>
#include <string>

#include "common/number.h"
#include "engine/pay_run_fixture.h"
#include "state/dialog_state.h"

namespace corvella::test {

// A federal table that withholds `tax` from any wage, with no allowances, so that the
// state computations that deduct the federal tax see a known figure.
inline std::string flatFedTable(float tax) {
    std::string out;
    const std::string amount = floatText(tax);
    for (const char* heading : {"\"Single Bi-Weekly\"", "\"Single Weekly\"",
                                "\"Married Bi-Weekly\"", "\"Married Weekly\""}) {
        out += "999999,999999,0,0\r\n";
        out += "-999999,999999,0,0," + amount + "\r\n";
        for (int i = 2; i < 7; ++i) out += "999999,999999,0,0,0\r\n";
        out += "999999,0,0,0\r\n";
        out += std::string(heading) + "\r\n";
    }
    for (int i = 0; i < 20; ++i) out += i == 19 ? "0\r\n" : "0,";
    out += "\"Flat\"\r\n";
    return out;
}

inline int16_t& flagOf(StateSettings& st, SpecialState s) {
    switch (s) {
        case SpecialState::Ariz:
            return st.ArizFlag;
        case SpecialState::Louis:
            return st.LouisFlag;
        case SpecialState::Iowa:
            return st.IowaFlag;
        case SpecialState::Missouri:
            return st.MissouriFlag;
        case SpecialState::Mass:
            return st.MassFlag;
        case SpecialState::Oregon:
            return st.OregonFlag;
        case SpecialState::Utah:
            return st.UtahFlag;
        case SpecialState::Kentucky:
            return st.KentuckyFlag;
        case SpecialState::Wiscon:
            return st.WisconFlag;
        case SpecialState::WisconApril:
            return st.WisconAprilFlag;
        case SpecialState::NC:
            return st.NCFlag;
        case SpecialState::Alabama:
            return st.AlabamaFlag;
    }
    return st.ArizFlag;
}

enum class Pay { BiWeekly, Weekly };

// One employee of a special state and the pay of one period.
struct StateEmployee {
    SpecialState state = SpecialState::Ariz;
    Pay pay = Pay::BiWeekly;
    const char* fedStatus = "Single";
    const char* stateStatus = "Single";
    int exemp = 1;
    float fedTax = 0;         // what the federal table withholds
    float louisA = 1;         // Louisiana: personal exemptions (StateSgExp at 0)
    float louisB = 0;         // Louisiana: dependents (StateMarExp at 0)
    float calAllow = 0;       // "California Exempt Allowance"
    int16_t spouse = 0;       // "Spouse Works"
    int16_t roundState = 0;   // "Round State" as saved
    float stateAddl = 0;      // the state adjustment
    float ytdSocSecMedi = 0;  // the ledger's Social Security total before this period
    // Figures typed and saved on the state screen besides the state's own.
    std::function<void(StateSettings&)> saved = {};

    TaxProfile profile() const {
        TaxProfile p = TaxProfile::resetValues();
        p.FedStatus = fedStatus;
        p.StateStatus = stateStatus;
        p.StateExemp = static_cast<int16_t>(exemp);
        p.WeeklyFlag = pay == Pay::Weekly ? -1 : 0;
        p.BiWeeklyFlag = pay == Pay::BiWeekly ? -1 : 0;
        return p;
    }

    // The settings as the state screen saved them after the state's box was pressed:
    // the "New York" figures underneath, the state's flag set.
    StateSettings settings() const {
        StateSettings st = newYorkSettings();
        if (state == SpecialState::Louis) {
            st.StateSgExp[0] = louisA;
            st.StateMarExp[0] = louisB;
        }
        flagOf(st, state) = 1;
        st.CalAllow = calAllow;
        st.SpouseFlag = spouse;
        st.RoundStateFlag = roundState;
        st.StateAddl = stateAddl;
        if (saved) saved(st);
        return st;
    }

    // Writes the employee's files into `dir` with the program's writers, the state flags
    // in the files that keep them.
    void write(const std::filesystem::path& dir, const std::string& name) const {
        const TaxProfile p = profile();
        const StateSettings st = settings();
        OvertimeData ot;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        CityTable none;
        none.CityMinBS.fill(999999);
        none.CityMinBM.fill(999999);
        none.NoLocalTaxFlag = 1;
        writeFileAtomic(dir / (name + ".cti"), writeCityFile(none));
        writeFileAtomic(dir / (name + ".use"), writeUseFile(p, ot, st, x, "11440", "0"));
        writeFileAtomic(dir / (name + ".and"), writeAndFile(p, st, x));
        writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
        StateProfileFields pf{p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag,
                              p.SSMediExempFlag};
        writeFileAtomic(dir / (name + ".sta"), writeStateFile(st, pf));
        writeFileAtomic(dir / "Federal15.dtt", flatFedTable(fedTax));
    }
};

}  // namespace corvella::test
