#pragma once
// The main window (Form1) as a model: its entry boxes, result captions and the work
// values of the pay run.
#include <array>
#include <string>

#include "common/controls.h"
#include "common/number.h"
#include "engine/pay_result.h"

namespace corvella {

struct MainWindow {
    MainWindow();

    std::string caption = "QUORVANE SOFTWARE";  // the title bar
    Label lbUser, lbTaxVer, lbTableNotice;
    Label lbTaxYear;  // the tax year whose figures the runs use
    TextBox txtWeek;
    std::array<TextBox, 8> txtAmount;
    OptionButton opt1x, opt2x;
    CheckBox ckLouisPrior;
    std::array<Label, 11> lbTaxDed;
    Label lbSDI, lbSUI, lbCafe, Label13, lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::array<Label, 18> lbTaxTag;

    float DefaultPayRate = 7.5f;

    // The week-ending box keeps at most 10 characters.
    void setWeek(const std::string& text) { txtWeek.text = text.substr(0, 10); }
    // The eleven deduction captions, SDI, SUI and Cafeteria Plan.
    void clearDeductionCaptions();
    // Gross pay, net pay, taxes, deductions, overtime and tips.
    void clearResultCaptions();
    // A run's captions and entry boxes.
    void show(const PayResult& r);
};

// Names and captions of the eight entry boxes, for messages.
const char* amountBoxCaption(int index);

}  // namespace corvella
