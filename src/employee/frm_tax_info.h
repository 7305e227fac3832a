#pragma once
// The profile screen "User Info" (frmTaxInfo) as a working copy of TaxProfile. Effects
// on other screens and the file writes of its store step are run by the session.
#include <optional>
#include <string_view>

#include "common/controls.h"
#include "employee/tax_profile.h"
#include "employee/w2_facts.h"
#include "federal/w4.h"

namespace corvella {

// The texts of the Form W-4 group's lists, in the order of W4Form's enums.
inline constexpr std::string_view kW4Versions[] = {"2019 or earlier", "2020 or later"};
inline constexpr std::string_view kW4Statuses[] = {"Single or Married filing separately",
                                                   "Married filing jointly", "Head of household"};

// The "Tax year" list: the year every run of the folder computes, or the year of each
// run's week-ending date.
inline constexpr std::string_view kTaxYearChoices[] = {"2015", "By the week-ending date"};

class FrmTaxInfo {
  public:
    FrmTaxInfo();
    FrmTaxInfo(const FrmTaxInfo&) = delete;  // the check boxes' handlers point at this screen
    FrmTaxInfo& operator=(const FrmTaxInfo&) = delete;
    TextBox txtName, txtAddress, txtStateCityZip, txtSSnum;
    TextBox cboDepend, cboStatus, cboDepend2, cboStatus2;  // lists "0".."9", "Single"/"Married"
    OptionButton optWeek, optBiWeek;
    TextBox txtHourRate, txtHourRate2, txtTipsRate, txtFedAddL;  // numeric filter
    CheckBox ckFedExemp, ckSSMediExemp, ckSelfEmp, ckNonCity;
    TextBox txtPension, txtKplan, txtDues, txtBond, txtMisc, txtMuni, txtCafe;  // numeric
    CheckBox ckKpPer, ckKpFix, ckCafeState;
    TextBox txtTax5, txtTax6, txtTax7, txtTax8, txtTax9;
    // The "Form W-4" group. The extra withholding of either form is txtFedAddL, and an
    // older form's allowances and status are the FEDERAL STATUS lists.
    TextBox cboW4Version;  // kW4Versions
    TextBox cboW4Status;   // kW4Statuses
    CheckBox ckW4Step2;
    TextBox txtW4Step3, txtW4Step4a, txtW4Step4b;  // dollars a year
    // The "Form W-2" group: the name in its parts and the boxes of box 13.
    TextBox txtW2First, txtW2Middle, txtW2Last, txtW2Suffix, txtW2State, txtW2Locality;
    CheckBox ckW2Statutory, ckW2Retirement, ckW2ThirdPartySick;
    // "Tax year": the working folder's setting (kTaxYearChoices), saved with the screen.
    TextBox cboTaxYear;

    // Loading: defaults into empty profile values, frequency, K plan unit, every control
    // from its field, empty captions, rate 1 "7.5" when 0. (The store that follows is
    // the session's.)
    void load(TaxProfile& p);
    // The store of the screen into the profile (fillVar_). Strict
    // conversions (state count, rates) throw ConversionError naming the box; nothing
    // is stored then.
    void store(TaxProfile& p);
    // The profile's values after its files were read (every control from its field; the
    // three check boxes that filter their flag are read back).
    void show(TaxProfile& p);
    // The fields the state file keeps: state exemptions and status, additional federal
    // withholding, the two exemption boxes.
    void showStateFields(const TaxProfile& p);
    // What a save takes from the screen before writing: the three rates (strict: throws
    // ConversionError naming the box), one frequency, and a K plan unit when none is.
    void takeForSave(TaxProfile& p);
    // After the write: one K plan unit, as the check boxes allow.
    void settleKPlanUnit(TaxProfile& p);
    // The employee's form into the group; without a file of its own, an older form.
    void showW4(const std::optional<W4Form>& w4);
    // An older form's figures are the FEDERAL STATUS lists: the newer form's boxes are
    // disabled while the version is "2019 or earlier".
    void cboW4Version_Click();
    // The group as the employee's form: nothing for an older form the employee has no
    // file for (the profile says it all). Throws ConversionError naming the box of an
    // amount that is not dollars and cents, is below zero or is beyond any real one.
    std::optional<W4Form> takeW4(const std::optional<W4Form>& before) const;
    // The employee's Form W-2 facts into the group; empty boxes without any.
    void showW2(const std::optional<W2Facts>& w2);
    // The group as the employee's facts: nothing while the employee has none and the
    // group is empty. Throws ConversionError naming the box of a middle initial that is
    // not one letter, or of a text with a line break or a double quote.
    std::optional<W2Facts> takeW2(const std::optional<W2Facts>& before) const;
    // ClearAll: profile and controls to the reset values.
    void ClearAll(TaxProfile& p);
    void ckKpFix_Click();  // clears ckKpPer
    void ckKpPer_Click();  // clears ckKpFix
};

}  // namespace corvella
