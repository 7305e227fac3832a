#include "employee/tax_profile.h"

namespace corvella {

TaxProfile TaxProfile::resetValues() {
    TaxProfile p;
    p.EmpName = "Employee's Name";
    p.EmpAddress = "Employee's Address for Check";
    p.EmpCityStateZip = "City, State Zip Code";
    p.EmpSSN = "Soc Sec #";
    p.FedExemp = "0";
    p.FedStatus = "Single";
    p.StateStatus = "Single";
    p.WeeklyFlag = -1;
    p.KPlanPerFlag = 1;
    p.DedCaption5 = "CrUnion";
    p.DedCaption6 = "Bond";
    p.DedCaption7 = "Dues";
    p.DedCaption8 = "Pension";
    p.DedCaption9 = "Misc.";
    return p;
}

}  // namespace corvella
