#pragma once

namespace corvella {

// The pay-run record: every run overwrites it.
struct PayRun {
    float GrossPay = 0, StateWages = 0, FedWages = 0;
    float FedAllowance = 0, StateAllowance = 0, CityAllowance = 0;
    float KPlanDeduct = 0, PensionDeduct = 0, CafeDeduct = 0, CafeStateDeduct = 0;
    float FedTax = 0, SocSecTax = 0, MediTax = 0, StateTax = 0, CityTax = 0;
    // The Additional Medicare Tax withheld, a part of MediTax (a year after 2019 only).
    float AddlMediTax = 0;
    float SdiTax = 0, SuiTax = 0, SdiYtdWages = 0, SuiYtdWages = 0;
    float NetPay = 0;
    // Work value of the generic state computation.
    float StateTaxable = 0;
};

}  // namespace corvella
