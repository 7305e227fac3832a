#pragma once
// The main window (Form1) as a model: its entry boxes, result captions and the work
// values of the pay run.
#include <array>
#include <string>

#include "common/controls.h"
#include "common/number.h"

namespace corvella {

struct MainWindow {
    MainWindow();

    std::string caption = "QUORVANE SOFTWARE";  // the title bar
    Label lbUser, lbTaxVer, lbTableNotice;
    TextBox txtWeek;
    std::array<TextBox, 8> txtAmount;
    OptionButton opt1x, opt2x;
    CheckBox ckLouisPrior;
    std::array<Label, 11> lbTaxDed;
    Label lbSDI, lbSUI, lbCafe, Label13, lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::array<Label, 18> lbTaxTag;

    // Work values of the last run.
    float StrHrs = 0, StrHrs2 = 0, OtVar = 0, OtHrs = 0, Avas = 0, VacDys = 0, TipsHrs = 0;
    Currency Addit;
    float PayRate = 0, chrsin = 0, DefaultPayRate = 7.5f;
    float RegPay1 = 0, RegPay2 = 0, TipsPay = 0, TotalOt = 0, TotalTips = 0;
    double TaxDeduct = 0;
    float TotDeduct = 0;

    // The week-ending box keeps at most 10 characters.
    void setWeek(const std::string& text) { txtWeek.text = text.substr(0, 10); }
    // Input boxes whose numeric value is 0 become empty.
    void CleartxtBox();
    // The eleven deduction captions, SDI, SUI and Cafeteria Plan.
    void clearDeductionCaptions();
    // Gross pay, net pay, taxes, deductions, overtime and tips.
    void clearResultCaptions();
};

// Names and captions of the eight entry boxes, for messages.
const char* amountBoxCaption(int index);

}  // namespace corvella
