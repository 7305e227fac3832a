#include "engine/main_window.h"

namespace corvella {

MainWindow::MainWindow() {
    for (auto& b : txtAmount) b.numericOnly = true;
    opt1x.value = -1;
    ckLouisPrior.visible = false;
    const char* tags[18] = {
        "Federal Tax", "Soc Sec",    "Medicare", "State Tax",  "City Tax",       "Muni Cr Union",
        "Bond",        "Union Dues", "Pension",  "Health Ins", "K Plan",         "OverTime",
        "GROSS PAY",   "NET PAY",    "SDI",      "SUI",        "Cafeteria Plan", "Tips"};
    for (int i = 0; i < 18; ++i) lbTaxTag[i].caption = tags[i];
}

void MainWindow::clearDeductionCaptions() {
    for (auto& l : lbTaxDed) l.caption.clear();
    lbSDI.caption.clear();
    lbSUI.caption.clear();
    lbCafe.caption.clear();
}

void MainWindow::clearResultCaptions() {
    for (Label* l : {&Label13, &lbNet, &lbTaxes, &lbDeduct, &lbOverT, &lbTips}) l->caption.clear();
}

void MainWindow::show(const PayResult& r) {
    for (size_t i = 0; i < lbTaxDed.size(); ++i) lbTaxDed[i].caption = r.lbTaxDed[i];
    lbSDI.caption = r.lbSDI;
    lbSUI.caption = r.lbSUI;
    lbCafe.caption = r.lbCafe;
    Label13.caption = r.Label13;
    lbTaxes.caption = r.lbTaxes;
    lbDeduct.caption = r.lbDeduct;
    lbNet.caption = r.lbNet;
    lbOverT.caption = r.lbOverT;
    lbTips.caption = r.lbTips;
    for (size_t i = 0; i < txtAmount.size(); ++i) txtAmount[i].text = r.txtAmount[i];
}

const char* amountBoxCaption(int index) {
    static const char* names[8] = {
        "STRAIGHT TIME HOURS 1",    "STRAIGHT TIME HOURS 2", "O.T.",
        "O.T. TIME AND 1/2 (1.5X)", "HOLIDAY IN HOURS",      "VACATION - SICK, IN HOURS",
        "PAY IN DOLLAR AMOUNT",     "TIPS (Hours)"};
    return index >= 0 && index < 8 ? names[index] : "";
}

}  // namespace corvella
