#pragma once
// The outcome of one pay run: the pay-run record, the main window's work values and
// every result caption, as one value. The main window, the command line and everything
// printed or posted from a run read it.
#include <array>
#include <string>

#include "common/number.h"
#include "engine/pay_run.h"

namespace corvella {

struct PayResult {
    PayRun run;

    // Work values of the main window.
    float StrHrs = 0, StrHrs2 = 0, OtVar = 0, OtHrs = 0, Avas = 0, VacDys = 0, TipsHrs = 0;
    Currency Addit;
    float PayRate = 0, chrsin = 0;
    float RegPay1 = 0, RegPay2 = 0, TipsPay = 0, TotalOt = 0, TotalTips = 0;
    double TaxDeduct = 0;
    float TotDeduct = 0;

    // The profile's standing deductions as the run rounded them (the profile keeps them).
    float MuniDeduct = 0, BondDeduct = 0, DuesDeduct = 0, MiscDeduct = 0;

    // Captions: the eleven deductions, SDI, SUI, cafeteria plan, and the totals.
    std::array<std::string, 11> lbTaxDed{};
    std::string lbSDI, lbSUI, lbCafe, Label13, lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    // The entry boxes after the run: boxes that held 0 are emptied.
    std::array<std::string, 8> txtAmount{};

    // Handed back to the state record and screen: the adjustment and California
    // allowance boxes as numbers, and "Round State" (Missouri checks it).
    float StateAddl = 0, CalAllow = 0;
    bool roundState = false;
};

}  // namespace corvella
