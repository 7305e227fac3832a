#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "engine/pay_calc.h"
#include "engine/pay_run_fixture.h"

namespace corvella {
namespace {

using test::newYorkSettings;
using test::PayRunFixture;
using Outcome = Session::RunOutcome;

class PayRun_ : public PayRunFixture {};

TEST_F(PayRun_, AllBoxesEmptyGivesNothingAndLeavesTheBoxesEmpty) {
    auto st = noStateTax();
    openEmployee(profileOf(), &st);
    EXPECT_EQ(run({}), Outcome::Done);
    EXPECT_EQ(s.result.run.GrossPay, 0.0f);
    EXPECT_EQ(s.main.Label13.caption, "");
    for (auto& b : s.main.txtAmount) EXPECT_EQ(b.text, "");
    EXPECT_EQ(s.main.lbNet.caption, "$.00");
}

TEST_F(PayRun_, GrossPayFromEachBox) {
    struct Case {
        const char* what;
        float rate1, tipsRate;
        bool twoX;
        int box;
        const char* text;
        float gross, overtime;
    } cases[] = {
        {"40 hours at the default rate", 0, 0, false, 0, "40", 300, 0},
        {"2 O.T. hours (1X) at 10", 10, 0, false, 2, "2", 20, 20},
        {"2 O.T. hours (2X) at 10", 10, 0, true, 2, "2", 40, 40},
        {"3 hours at time and a half at 10", 10, 0, false, 3, "3", 45, 45},
        {"100 dollars whatever the rates", 12.34f, 3, false, 6, "100", 100, 0},
        {"5 tips hours at 2", 10, 2, false, 7, "5", 10, 0},
        {"holiday hours at rate 1", 10, 0, false, 4, "8", 80, 0},
        {"vacation hours at rate 1", 10, 0, false, 5, "8", 80, 0},
    };
    for (const auto& c : cases) {
        TaxProfile p = profileOf();
        p.HourRate = c.rate1;
        p.TipsRate = c.tipsRate;
        auto st = noStateTax();
        openEmployee(p, &st);
        s.main.opt1x.value = c.twoX ? 0 : -1;
        s.main.opt2x.value = c.twoX ? -1 : 0;
        EXPECT_EQ(run({{c.box, c.text}}), Outcome::Done);
        EXPECT_FLOAT_EQ(s.result.run.GrossPay, c.gross) << c.what;
        EXPECT_FLOAT_EQ(s.result.TotalOt, c.overtime) << c.what;
    }
}

TEST_F(PayRun_, TipsAreTaxedButNotPaidAgain) {
    TaxProfile p = profileOf();
    p.HourRate = 10;
    p.TipsRate = 2;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}, {7, "5"}});
    EXPECT_FLOAT_EQ(s.result.run.GrossPay, 410);
    EXPECT_EQ(s.main.lbTips.caption, "$10.00");
    const float withTips = s.result.run.NetPay;
    EXPECT_FLOAT_EQ(s.result.run.SocSecTax, 25.42f);  // 410 x 6.2%
    // Net = gross - taxes - tips.
    EXPECT_NEAR(withTips, 410 - s.result.TaxDeduct - 10, 0.005);
}

TEST_F(PayRun_, KPlanIsAPercentOrAFixedAmount) {
    for (int perFlag : {1, 0}) {
        TaxProfile p = profileOf();
        p.HourRate = 12.5f;
        p.KPlanAmt = 5;
        p.KPlanPerFlag = static_cast<int16_t>(perFlag);
        p.KPlanFixFlag = static_cast<int16_t>(1 - perFlag);
        auto st = noStateTax();
        openEmployee(p, &st);
        run({{0, "40"}});
        EXPECT_FLOAT_EQ(s.result.run.KPlanDeduct, perFlag ? 25.0f : 5.0f);
        EXPECT_FLOAT_EQ(s.result.run.StateWages, perFlag ? 475.0f : 495.0f);
    }
}

TEST_F(PayRun_, FederalTaxWeeklySingleWithOneAllowance) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    p.FedExemp = "1";
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}});
    // 600 - 76.90 = 523.10 over 222 at 15% plus 17.80: 62.965 on paper, 62.9649963
    // as held in float, which rounds down.
    EXPECT_FLOAT_EQ(s.result.run.FedWages, 523.1f);
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "62.96");
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "37.20");
    EXPECT_EQ(s.main.lbTaxDed[2].caption, "8.70");
    EXPECT_EQ(s.main.Label13.caption, "$600.00");
}

TEST_F(PayRun_, BiWeeklyDoublesTheAllowanceAndUsesItsSection) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    p.FedExemp = "1";
    p.WeeklyFlag = 0;
    p.BiWeeklyFlag = -1;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "80"}});
    EXPECT_FLOAT_EQ(s.result.run.FedAllowance, 153.8f);
    // 1200 - 153.80 = 1046.20: over 443 at 15% plus 35.50.
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "125.98");
}

TEST_F(PayRun_, FederalExemptWithholdsNothingEvenWithAdditional) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    p.FedExempFlag = 1;
    p.FedAddl = 5;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}});
    EXPECT_EQ(s.result.run.FedTax, 0.0f);
    EXPECT_EQ(s.main.lbTaxDed[0].caption, ".00");
}

TEST_F(PayRun_, NewYorkStateWorkedExamples) {
    struct Case {
        bool biWeekly;
        const char* hours;
        const char* tax;
    } cases[] = {
        {true, "100", "31.65"},  // 1000 - 321.2 = 678.8: (678.8 - 529) x 0.059 + 22.81
        {false, "50", "15.82"},  // 500 - 160.6 = 339.4: (339.4 - 264.5) x 0.059 + 11.405
    };
    for (const auto& c : cases) {
        TaxProfile p = profileOf();
        p.HourRate = 10;
        p.StateExemp = 1;
        p.WeeklyFlag = c.biWeekly ? 0 : -1;
        p.BiWeeklyFlag = c.biWeekly ? -1 : 0;
        auto st = newYorkSettings();
        openEmployee(p, &st);
        run({{0, c.hours}});
        EXPECT_EQ(s.main.lbTaxDed[3].caption, c.tax);
    }
}

TEST_F(PayRun_, StateAdjustmentAndRounding) {
    struct Case {
        float addl;
        int16_t roundOff;
        const char* hours;
        const char* tax;
    } cases[] = {
        {5, 0, "0", "5.00"},     // no table applies: the adjustment alone
        {-20, 0, "40", ".00"},   // a negative result is raised to 0
        {0, 1, "100", "32.00"},  // 31.6482 to whole dollars
    };
    for (const auto& c : cases) {
        TaxProfile p = profileOf();
        p.HourRate = 10;
        p.StateExemp = 1;
        p.WeeklyFlag = 0;
        p.BiWeeklyFlag = -1;
        auto st = c.addl == 5 ? noStateTax() : newYorkSettings();
        st.StateAddl = c.addl;
        st.RoundStateFlag = c.roundOff;
        openEmployee(p, &st);
        if (c.roundOff) s.stateScreen().ckRoundOff.set(1);  // kept in the extras file
        run({{0, c.hours}});
        EXPECT_EQ(s.main.lbTaxDed[3].caption, c.tax);
    }
}

TEST_F(PayRun_, CityTaxWorkedExamples) {
    withCityTax = true;  // the screen's default table
    struct Case {
        bool biWeekly;
        const char* hours;
        const char* tax;
    } cases[] = {{true, "100", "23.36"}, {false, "100", "30.65"}};
    for (const auto& c : cases) {
        TaxProfile p = profileOf();
        p.HourRate = 10;
        p.WeeklyFlag = c.biWeekly ? 0 : -1;
        p.BiWeeklyFlag = c.biWeekly ? -1 : 0;
        auto st = noStateTax();
        openEmployee(p, &st);
        run({{0, c.hours}});
        EXPECT_EQ(s.main.lbTaxDed[4].caption, c.tax);
    }
}

TEST_F(PayRun_, NonResidentCityTax) {
    withCityTax = true;
    struct Case {
        bool biWeekly;
        const char* hours;
        const char* tax;
    } cases[] = {{true, "50", "1.90"}, {false, "25", ".95"}, {true, "120", "5.40"}};
    for (const auto& c : cases) {
        TaxProfile p = profileOf();
        p.HourRate = 10;
        p.NonCityFlag = 1;
        p.WeeklyFlag = c.biWeekly ? 0 : -1;
        p.BiWeeklyFlag = c.biWeekly ? -1 : 0;
        auto st = noStateTax();
        openEmployee(p, &st);
        run({{0, c.hours}});
        EXPECT_EQ(s.main.lbTaxDed[4].caption, c.tax);
    }
}

TEST_F(PayRun_, DeductionsAndNetPay) {
    TaxProfile p = profileOf();
    p.HourRate = 20;
    p.MiscDeduct = 50;  // health insurance: pre-tax
    p.DuesDeduct = 12.345f;
    p.BondDeduct = 25;
    p.MuniDeduct = 10;
    p.PensionPct = 3;
    p.CafeAmt = 20;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}});
    EXPECT_FLOAT_EQ(s.result.run.StateWages, 750);   // 800 - 50
    EXPECT_FLOAT_EQ(s.result.run.FedWages, 706);     // 750 - 24 pension - 20 cafeteria
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "45.26");  // (800 - 20 - 50) x 6.2%
    EXPECT_EQ(s.main.lbTaxDed[2].caption, "10.59");  // 730 x 1.45% = 10.585
    EXPECT_EQ(s.main.lbTaxDed[7].caption, "12.35");  // dues rounded
    EXPECT_EQ(s.main.lbTaxDed[8].caption, "24.00");  // pension
    EXPECT_EQ(s.main.lbCafe.caption, "20.00");
    EXPECT_EQ(s.main.lbDeduct.caption, "$141.35");  // 25+10+50+12.35+0+24+20
    const double taxes = s.result.TaxDeduct;
    EXPECT_NEAR(s.result.run.NetPay, 800 - 141.35 - taxes, 0.001);
}

TEST_F(PayRun_, OnlyTheBoxesThatHoldNumbersKeepTheirText) {
    auto st = noStateTax();
    openEmployee(profileOf(), &st);
    run({{0, "40"}, {1, "0.00"}, {2, "-"}});
    EXPECT_EQ(s.main.txtAmount[0].text, "40");
    for (int i = 1; i < 8; ++i) EXPECT_EQ(s.main.txtAmount[i].text, "") << i;
}

TEST_F(PayRun_, TextThatIsNotANumberRefusesTheRunAndChangesNothing) {
    auto st = noStateTax();
    openEmployee(profileOf(), &st);
    run({{0, "40"}});
    const std::string net = s.main.lbNet.caption;
    const std::string useBefore = dir.read("Emp.use");
    for (const char* bad : {"1.2.3", "4-5", "1 2"}) {
        s.main.txtAmount[0].focusAndType(bad);
        ui.messages.clear();
        EXPECT_EQ(s.Calcu_late(), Outcome::Refused) << bad;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find("txtAmount(0)"), std::string::npos);
        EXPECT_EQ(s.main.lbNet.caption, net);
        EXPECT_EQ(s.main.txtAmount[0].text, bad);
    }
    EXPECT_EQ(dir.read("Emp.use"), useBefore);
}

TEST_F(PayRun_, TheRunSavesTheEmployeeAndAFailedSaveIsReported) {
    auto st = noStateTax();
    openEmployee(profileOf(), &st);
    std::filesystem::remove(dir / "Emp.hol");
    EXPECT_EQ(run({{0, "40"}}), Outcome::Done);
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.hol"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.nci"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Emp.ovw"));

    s.writeFaults().failAfterBytes = 0;
    ui.messages.clear();
    EXPECT_EQ(run({{0, "40"}}), Outcome::SaveFailed);
    s.writeFaults().failAfterBytes.reset();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("not saved"), std::string::npos);
    EXPECT_EQ(s.main.Label13.caption, "$300.00");  // the results still stand
}

// A run after another loads the state screen again, and that load reads the employee's
// files: User Info's values that a failed save did not write are back as the files hold
// them. Only the cafeteria amount is taken as it stood when ADD was pressed.
TEST_F(PayRun_, TheNextRunReadsTheEmployeeAgainButKeepsTheCafeteriaAmountAsTyped) {
    auto st = noStateTax();
    TaxProfile p = profileOf();
    p.HourRate = 10;
    openEmployee(p, &st);
    ASSERT_EQ(run({{0, "40"}}), Outcome::Done);

    s.taxInfo().txtHourRate.text = "20";
    s.taxInfo().txtCafe.text = "15";
    s.writeFaults().failAfterBytes = 0;
    ASSERT_FALSE(s.taxInfoSave());
    s.writeFaults().failAfterBytes.reset();
    ASSERT_FLOAT_EQ(s.profile.HourRate, 20);

    const int readsBefore = s.diskReads().at("Emp.use");
    ASSERT_EQ(run({{0, "40"}}), Outcome::Done);
    EXPECT_EQ(s.diskReads().at("Emp.use"), readsBefore + 1);
    EXPECT_FLOAT_EQ(s.result.run.GrossPay, 400);  // the rate as the file holds it
    EXPECT_EQ(s.taxInfo().txtHourRate.text, "10");
    EXPECT_EQ(s.main.lbCafe.caption, "15.00");
    EXPECT_FLOAT_EQ(s.profile.CafeAmt, 0);
}

// Issue 12: a run without the federal table withheld only the additional amount and
// saved it; now every such run is refused with one message and changes nothing.
TEST_F(PayRun_, ARunWithoutTheFederalTableIsRefusedAndSavesNothing) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    p.FedAddl = 2;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}});  // the table read at Open is forgotten after a run
    const std::string fed = s.main.lbTaxDed[0].caption;
    for (const char* damage : {"missing", "cut short"}) {
        SCOPED_TRACE(damage);
        if (std::string(damage) == "missing")
            std::filesystem::remove(dir / "Federal15.dtt");
        else
            dir.write("Federal15.dtt", "1,2,3\r\n");
        const std::string use = dir.read("Emp.use");
        ui.messages.clear();
        EXPECT_EQ(run({{0, "38"}}), Outcome::Refused);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(
            ui.messages[0].find("Federal15.dtt is missing or damaged in " + dir.path().string()),
            std::string::npos);
        EXPECT_EQ(s.main.lbTaxDed[0].caption, fed);  // the last run still shows
        EXPECT_EQ(dir.read("Emp.use"), use);
    }
}

TEST_F(PayRun_, AReplacedFederalTableTakesEffectAtTheNextRun) {
    TaxProfile p = profileOf();
    p.HourRate = 15;
    auto st = noStateTax();
    openEmployee(p, &st);
    run({{0, "40"}});
    EXPECT_EQ(s.fed.sections[1][1].Add, 0.0f);  // forgotten after the run
    const std::string before = s.main.lbTaxDed[0].caption;
    std::string bytes = dir.read("Federal15.dtt");
    auto pos = bytes.find("222.00,764.00,222.00,0.15,17.80");
    bytes.replace(pos, 31, "222.00,764.00,222.00,0.15,27.80");
    dir.write("Federal15.dtt", bytes);
    run({{0, "40"}});
    EXPECT_NE(s.main.lbTaxDed[0].caption, before);
}

TEST_F(PayRun_, ClearEmptiesEveryBoxAndCaption) {
    auto st = noStateTax();
    openEmployee(profileOf(), &st);
    run({{0, "40"}});
    s.main.setWeek("01/01/2000");
    s.Clear_All();
    for (auto& b : s.main.txtAmount) EXPECT_EQ(b.text, "");
    for (auto& l : s.main.lbTaxDed) EXPECT_EQ(l.caption, "");
    EXPECT_EQ(s.main.Label13.caption, "");
    EXPECT_EQ(s.main.lbNet.caption, "");
    EXPECT_EQ(s.main.txtWeek.text, "1/9/2015");  // the scripted today
    EXPECT_EQ(s.result.run.GrossPay, 0.0f);
}

}  // namespace
}  // namespace corvella

namespace corvella {
namespace {

// The last guard before a run is shown or saved: no amount may be a non-number, a sum
// that saturated, or beyond what the ledger can hold.
TEST(UnsoundAmount, NamesTheFirstAmountNoPayCanHave) {
    PayResult sound;
    sound.run.GrossPay = 600;
    sound.run.NetPay = 454.33f;
    sound.Addit = Currency::fromDouble(1e6);
    sound.TaxDeduct = 8.9e14;
    EXPECT_EQ(unsoundAmount(sound), std::nullopt);

    struct Case {
        void (*spoil)(PayResult&);
        const char* name;
    } cases[] = {
        {[](PayResult& r) { r.run.GrossPay = INFINITY; }, "gross pay"},
        {[](PayResult& r) { r.run.NetPay = NAN; }, "net pay"},
        {[](PayResult& r) { r.run.FedTax = -3.4e38f; }, "federal tax"},
        {[](PayResult& r) { r.Addit = Currency::fromUnits(INT64_MAX); }, "dollar amount"},
        {[](PayResult& r) { r.TaxDeduct = 9.2e14; }, "total taxes"},
        {[](PayResult& r) { r.run.SuiYtdWages = 1e15f; }, "SUI wages to date"},
    };
    for (const auto& c : cases) {
        PayResult r = sound;
        c.spoil(r);
        EXPECT_EQ(unsoundAmount(r), std::optional<std::string>(c.name)) << c.name;
    }
}

}  // namespace
}  // namespace corvella
