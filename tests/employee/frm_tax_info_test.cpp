#include "employee/frm_tax_info.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/errors.h"

namespace corvella {
namespace {

auto fields(const TaxProfile& p) {
    return std::tie(p.EmpName, p.EmpAddress, p.EmpCityStateZip, p.EmpSSN, p.FedExemp, p.FedStatus,
                    p.StateExemp, p.StateStatus, p.WeeklyFlag, p.BiWeeklyFlag, p.HourRate,
                    p.HourRate2, p.TipsRate, p.FedAddl, p.FedExempFlag, p.SSMediExempFlag,
                    p.SelfEmpFlag, p.NonCityFlag, p.PensionPct, p.KPlanAmt, p.KPlanPerFlag,
                    p.KPlanFixFlag, p.DuesDeduct, p.BondDeduct, p.MiscDeduct, p.MuniDeduct,
                    p.CafeAmt, p.CafeStateFlag, p.DedCaption5, p.DedCaption6, p.DedCaption7,
                    p.DedCaption8, p.DedCaption9);
}

// Every field with a value of its own, so a box wired to the wrong field shows.
TaxProfile filledProfile() {
    TaxProfile p;
    p.EmpName = "Ann Example";
    p.EmpAddress = "1 Main St";
    p.EmpCityStateZip = "Town, ST 12345";
    p.EmpSSN = "123-45-6789";
    p.FedExemp = "2";
    p.FedStatus = "Married";
    p.StateExemp = 3;
    p.StateStatus = "Married";
    p.WeeklyFlag = 0;
    p.BiWeeklyFlag = -1;
    p.HourRate = 12.5f;
    p.HourRate2 = 18.75f;
    p.TipsRate = 2.13f;
    p.FedAddl = 10;
    p.FedExempFlag = 1;
    p.SSMediExempFlag = 1;
    p.SelfEmpFlag = 1;
    p.NonCityFlag = 1;
    p.PensionPct = 0.062f;
    p.KPlanAmt = 4;
    p.KPlanFixFlag = 1;
    p.DuesDeduct = 5;
    p.BondDeduct = 6;
    p.MiscDeduct = 7;
    p.MuniDeduct = 8;
    p.CafeAmt = 9;
    p.CafeStateFlag = 1;
    p.DedCaption5 = "C5";
    p.DedCaption6 = "C6";
    p.DedCaption7 = "C7";
    p.DedCaption8 = "C8";
    p.DedCaption9 = "Dental";
    return p;
}

TEST(FrmTaxInfo, LoadShowsEveryFieldAndStoreGivesItBack) {
    TaxProfile p = filledProfile();
    FrmTaxInfo f;
    f.load(p);
    EXPECT_EQ(f.txtHourRate.text, "12.5");
    EXPECT_EQ(f.txtPension.text, "0.062");
    EXPECT_EQ(f.txtTipsRate.text, "2.13");
    EXPECT_EQ(f.cboDepend2.text, "3");
    EXPECT_EQ(f.txtStateCityZip.text, "Town, ST 12345");
    EXPECT_TRUE(f.optBiWeek.selected());
    EXPECT_FALSE(f.optWeek.selected());
    EXPECT_TRUE(f.ckKpFix.checked());
    EXPECT_FALSE(f.ckKpPer.checked());
    EXPECT_EQ(f.txtTax9.text, "Dental");

    TaxProfile stored;
    f.store(stored);
    EXPECT_EQ(fields(stored), fields(filledProfile()));
}

TEST(FrmTaxInfo, EmptyProfileLoadsWithDefaults) {
    TaxProfile p;  // as at program start
    p.StateStatus = "0";
    FrmTaxInfo f;
    f.load(p);
    EXPECT_EQ(f.cboStatus.text, "Single");
    EXPECT_EQ(f.cboStatus2.text, "Single");
    EXPECT_EQ(f.cboDepend.text, "0");
    EXPECT_EQ(f.cboDepend2.text, "0");
    EXPECT_EQ(p.FedStatus, "Single");
    EXPECT_EQ(p.StateStatus, "Single");
    EXPECT_EQ(p.FedExemp, "0");
    EXPECT_EQ(f.txtName.text, "Employee's Name");
    EXPECT_EQ(f.txtAddress.text, "Employee's Address for Check");
    EXPECT_EQ(f.txtStateCityZip.text, "City, State Zip Code");
    EXPECT_EQ(f.txtSSnum.text, "Soc Sec #");
    EXPECT_EQ(p.WeeklyFlag, -1);
    EXPECT_TRUE(f.optWeek.selected());
    EXPECT_FALSE(f.optBiWeek.selected());
    EXPECT_EQ(f.txtHourRate.text, "7.5");
    EXPECT_EQ(f.txtTax5.text, "CrUnion");
    EXPECT_EQ(f.txtTax6.text, "Bond");
    EXPECT_EQ(f.txtTax7.text, "Dues");
    EXPECT_EQ(f.txtTax8.text, "Pension");
    EXPECT_EQ(f.txtTax9.text, "Health Ins");

    f.store(p);
    EXPECT_EQ(p.HourRate, 7.5f);
    EXPECT_EQ(p.DedCaption9, "Health Ins");
    EXPECT_EQ(p.KPlanPerFlag, 1);
}

TEST(FrmTaxInfo, KPlanUnitOnLoad) {
    struct Case {
        int16_t per, fix;
        int16_t ckPer, ckFix;
    } cases[] = {{0, 0, 1, 0}, {1, 0, 1, 0}, {1, 1, 1, 0}, {0, 1, 0, 1}, {-1, 0, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.per) + "," + std::to_string(c.fix));
        TaxProfile p;
        p.KPlanPerFlag = c.per;
        p.KPlanFixFlag = c.fix;
        FrmTaxInfo f;
        f.load(p);
        EXPECT_EQ(f.ckKpPer.value, c.ckPer);
        EXPECT_EQ(f.ckKpFix.value, c.ckFix);
        EXPECT_EQ(p.KPlanPerFlag, c.ckPer);
        EXPECT_EQ(p.KPlanFixFlag, c.ckFix);
    }
}

TEST(FrmTaxInfo, KPlanUnitBoxesExcludeEachOther) {
    TaxProfile p;
    FrmTaxInfo f;
    f.load(p);
    ASSERT_TRUE(f.ckKpPer.checked());

    f.ckKpFix.set(1);
    f.ckKpFix_Click();
    EXPECT_TRUE(f.ckKpFix.checked());
    EXPECT_FALSE(f.ckKpPer.checked());

    f.ckKpPer.set(1);
    f.ckKpPer_Click();
    EXPECT_TRUE(f.ckKpPer.checked());
    EXPECT_FALSE(f.ckKpFix.checked());
}

// An older form's figures are FEDERAL STATUS: the newer form's controls are off for it,
// whether the form comes from the files or is chosen.
TEST(FrmTaxInfo, OlderFormDisablesTheNewerFormsControls) {
    auto newerOnes = [](const FrmTaxInfo& f) {
        return std::vector<bool>{f.cboW4Status.enabled, f.ckW4Step2.enabled, f.txtW4Step3.enabled,
                                 f.txtW4Step4a.enabled, f.txtW4Step4b.enabled};
    };
    const std::vector<bool> on(5, true), off(5, false);
    FrmTaxInfo f;
    f.showW4(std::nullopt);
    EXPECT_EQ(newerOnes(f), off);
    f.showW4(W4Form{});
    EXPECT_EQ(newerOnes(f), on);
    f.showW4(W4Form{.version = W4Form::Version::Before2020});
    EXPECT_EQ(newerOnes(f), off);

    f.cboW4Version.text = "2020 or later";
    f.cboW4Version_Click();
    EXPECT_EQ(newerOnes(f), on);
    f.cboW4Version.text = "2019 or earlier";
    f.cboW4Version_Click();
    EXPECT_EQ(newerOnes(f), off);
    EXPECT_TRUE(f.cboW4Version.enabled);
}

TEST(FrmTaxInfo, ClearAllResetsProfileAndScreen) {
    TaxProfile p = filledProfile();
    FrmTaxInfo f;
    f.load(p);
    f.ClearAll(p);

    EXPECT_EQ(fields(p), fields(TaxProfile::resetValues()));
    EXPECT_EQ(f.cboDepend.text, "0");
    EXPECT_EQ(f.cboDepend2.text, "0");
    EXPECT_EQ(f.cboStatus.text, "Single");
    EXPECT_EQ(f.cboStatus2.text, "Single");
    EXPECT_TRUE(f.optWeek.selected());
    EXPECT_FALSE(f.optBiWeek.selected());
    EXPECT_TRUE(f.ckKpPer.checked());
    for (const CheckBox* b :
         {&f.ckKpFix, &f.ckSelfEmp, &f.ckFedExemp, &f.ckSSMediExemp, &f.ckNonCity, &f.ckCafeState})
        EXPECT_FALSE(b->checked());
    for (const TextBox* b :
         {&f.txtPension, &f.txtKplan, &f.txtDues, &f.txtBond, &f.txtMisc, &f.txtMuni, &f.txtCafe,
          &f.txtHourRate2, &f.txtTipsRate, &f.txtFedAddL})
        EXPECT_EQ(b->text, "0");
    EXPECT_EQ(f.txtHourRate.text, "7.5");
    EXPECT_EQ(p.HourRate, 0.0f);
    EXPECT_EQ(f.txtName.text, "Employee's Name");
    EXPECT_EQ(f.txtSSnum.text, "Soc Sec #");
    EXPECT_EQ(f.txtTax5.text, "CrUnion");
    EXPECT_EQ(f.txtTax8.text, "Pension");
    EXPECT_EQ(f.txtTax9.text, "Misc.");
    EXPECT_EQ(p.DedCaption9, "Misc.");
}

TEST(FrmTaxInfo, RateOneWithoutANumberBecomesSevenAndAHalf) {
    for (const char* text : {"0", "", " 0 ", "-", ".", "0.00"}) {
        SCOPED_TRACE(text);
        TaxProfile p = filledProfile();
        FrmTaxInfo f;
        f.load(p);
        f.txtHourRate.text = text;
        f.store(p);
        EXPECT_EQ(f.txtHourRate.text, "7.5");
        EXPECT_EQ(p.HourRate, 7.5f);
    }
}

TEST(FrmTaxInfo, AmountBoxesAreLenient) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {{"", 0},    {"abc", 0},      {"$5", 0},     {" 12 .5", 12.5f},
                 {"3-4", 3}, {"-2.5", -2.5f}, {".75", 0.75f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TaxProfile p = filledProfile();
        FrmTaxInfo f;
        f.load(p);
        f.txtMuni.text = c.text;
        f.txtCafe.text = c.text;
        f.store(p);
        EXPECT_EQ(p.MuniDeduct, c.value);
        EXPECT_EQ(p.CafeAmt, c.value);
    }
}

TEST(FrmTaxInfo, StateCountAcceptsWholeNumbersZeroToNine) {
    for (auto [text, value] : {std::pair{"0", 0}, {"9", 9}, {" 4 ", 4}, {"3.0", 3}}) {
        SCOPED_TRACE(text);
        TaxProfile p = filledProfile();
        FrmTaxInfo f;
        f.load(p);
        f.cboDepend2.text = text;
        f.store(p);
        EXPECT_EQ(p.StateExemp, value);
    }
}

TEST(FrmTaxInfo, RefusedStoreLeavesProfileUnchanged) {
    struct Case {
        TextBox FrmTaxInfo::*box;
        const char* text;
        const char* control;
    } cases[] = {
        {&FrmTaxInfo::txtHourRate2, "1.2.3", "txtHourRate2"},
        {&FrmTaxInfo::txtHourRate2, "", "txtHourRate2"},
        {&FrmTaxInfo::txtTipsRate, "-", "txtTipsRate"},
        {&FrmTaxInfo::txtTipsRate, "1 2", "txtTipsRate"},
        {&FrmTaxInfo::txtHourRate, "7.5.1", "txtHourRate"},
        {&FrmTaxInfo::cboDepend2, "10", "cboDepend2"},
        {&FrmTaxInfo::cboDepend2, "-1", "cboDepend2"},
        {&FrmTaxInfo::cboDepend2, "2.5", "cboDepend2"},
        {&FrmTaxInfo::cboDepend2, "", "cboDepend2"},
        {&FrmTaxInfo::cboDepend, "12", "cboDepend"},
        {&FrmTaxInfo::cboDepend, "", "cboDepend"},
        {&FrmTaxInfo::cboStatus, "Divorced", "cboStatus"},
        {&FrmTaxInfo::cboStatus2, "single", "cboStatus2"},
        {&FrmTaxInfo::txtDues, "1e39", "txtDues"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " \"" + c.text + "\"");
        TaxProfile p = filledProfile();
        p.HourRate = 0;  // the rate 1 box shows "7.5" but the profile has not been stored
        FrmTaxInfo f;
        f.load(p);
        const TaxProfile before = p;
        f.txtHourRate.text = "0";
        f.txtName.text = "Changed";
        f.txtMuni.text = "99";
        f.ckNonCity.set(0);
        (f.*c.box).text = c.text;
        try {
            f.store(p);
            ADD_FAILURE() << "stored";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.control, c.control);
            EXPECT_EQ(e.text, c.text);
        }
        EXPECT_EQ(fields(p), fields(before));
        if (c.box != &FrmTaxInfo::txtHourRate) {
            EXPECT_EQ(f.txtHourRate.text, "0");
        }
    }
}

TEST(FrmTaxInfo, AmountAndRateBoxesTakeOnlyNumericKeys) {
    FrmTaxInfo f;
    for (TextBox FrmTaxInfo::*box :
         {&FrmTaxInfo::txtHourRate, &FrmTaxInfo::txtHourRate2, &FrmTaxInfo::txtTipsRate,
          &FrmTaxInfo::txtFedAddL, &FrmTaxInfo::txtPension, &FrmTaxInfo::txtKplan,
          &FrmTaxInfo::txtDues, &FrmTaxInfo::txtBond, &FrmTaxInfo::txtMisc, &FrmTaxInfo::txtMuni,
          &FrmTaxInfo::txtCafe}) {
        (f.*box).focusAndType("1a2.5$x");
        EXPECT_EQ((f.*box).text, "12.5");
        (f.*box).focusAndType("- 3\b4");
        EXPECT_EQ((f.*box).text, "- 4");
    }
    f.txtName.focusAndType("José 2");
    EXPECT_EQ(f.txtName.text, "José 2");
    f.txtTax9.focusAndType("Dental");
    EXPECT_EQ(f.txtTax9.text, "Dental");
}

}  // namespace
}  // namespace corvella
