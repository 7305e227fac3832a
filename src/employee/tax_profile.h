#pragma once
// The open employee's tax profile. Fields start empty/zero, as at program start;
// resetValues() gives the values of a new employee.
#include <cstdint>
#include <string>

namespace corvella {

struct TaxProfile {
    std::string EmpName, EmpAddress, EmpCityStateZip, EmpSSN;
    std::string FedExemp;    // "0" to "9"
    std::string FedStatus;   // "Single" or "Married"
    int16_t StateExemp = 0;  // 0 to 9, state and city
    std::string StateStatus;
    int16_t WeeklyFlag = 0;    // -1 selected
    int16_t BiWeeklyFlag = 0;  // -1 selected
    float HourRate = 0, HourRate2 = 0, TipsRate = 0, FedAddl = 0;
    int16_t FedExempFlag = 0, SSMediExempFlag = 0, SelfEmpFlag = 0, NonCityFlag = 0;
    float PensionPct = 0, KPlanAmt = 0;
    int16_t KPlanPerFlag = 0, KPlanFixFlag = 0;
    float DuesDeduct = 0, BondDeduct = 0, MiscDeduct = 0, MuniDeduct = 0, CafeAmt = 0;
    int16_t CafeStateFlag = 0;
    std::string DedCaption5, DedCaption6, DedCaption7, DedCaption8, DedCaption9;

    bool weekly() const { return WeeklyFlag == -1; }
    bool biWeekly() const { return BiWeeklyFlag == -1; }

    // The reset values of a new employee (the profile screen's ClearAll).
    static TaxProfile resetValues();
};

}  // namespace corvella
