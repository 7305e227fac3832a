#pragma once
// The check screen "Check Printing" (frmChecks) as a working copy, the "Printer Offset"
// dialog (dlgPrintSet), and the check page with its two stub copies.
#include <optional>
#include <string>

#include "common/controls.h"
#include "common/text_page.h"
#include "print/stub.h"

namespace corvella {

struct CheckScreen {
    TextBox txtCheckDate, txtPayTo, txtCheckAmt, txtDollars, txtMemo;
    TextBox txtUserName, txtUserAddress, txtUserState, txtUserSSnum, txtCheckCompany;

    // FillCheckForm: the employee's lines from the profile and the words of `netPay`
    // into txtDollars; returns the words (AmountWords).
    std::string FillCheckForm(const TaxProfile& p, float netPay);
};

// The offsets as the check uses them: the horizontal box's value made whole (a), and the
// vertical one plus 3 made whole (T), halves to the even number.
struct CheckOffsets {
    int a = 0, T = 3;
};

struct PrinterOffsetDialog {
    TextBox cboHorz, cboVert;  // "Horizontal ", "Vertical"; a value may be typed
    Label lbWeek;

    // The list both boxes offer.
    static const char* const kChoices[11];
    // The stored offsets shown as whole numbers without a "+" sign.
    void show(float horz, float vert, const std::string& week);
};

// The value of an offset box ("+3", "-2", "7"); nothing when it is not a number or lies
// outside -100 to 100.
std::optional<float> offsetValue(const std::string& text);
CheckOffsets checkOffsets(float horz, float vert);
// A stored offset as its box shows it: whole, halves to even, "0" for nothing.
std::string offsetText(float v);

TextPage buildCheckPage(const StubSource& s, const StubValues& v, const CheckScreen& c,
                        const std::string& amountWords, CheckOffsets o);

}  // namespace corvella
