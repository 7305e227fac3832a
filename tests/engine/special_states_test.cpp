// The built-in state computations: each state's figures through the whole pay run (files
// written, employee opened, ADD pressed), and the unrounded results of the bare
// computations at their bounds.
#include "engine/special_states.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine/special_states_fixture.h"
#include "shell/pay_runner.h"
#include "state/dialog_state.h"
#include "state/state_presets.h"

namespace corvella {
namespace {

using test::Pay;
using test::StateEmployee;
using Outcome = Session::RunOutcome;
using St = SpecialState;

struct RunCase {
    const char* what;
    StateEmployee employee;
    const char* gross;
    const char* stateTax;  // the state tax caption lbTaxDed(3)
    bool louisPrior = false;
};

class SpecialStatesRun : public test::PayRunFixture {
  protected:
    // Opens the employee and presses ADD with `gross` dollars in "PAY IN DOLLAR AMOUNT".
    void runFor(const StateEmployee& e, const char* gross, bool louisPrior = false) {
        e.write(dir.path(), "Emp");
        ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
        s.ledger.totals.SS = e.ytdSocSecMedi;
        s.main.ckLouisPrior.set(louisPrior ? 1 : 0);
        s.main.txtAmount[6].focusAndType(gross);
        ASSERT_EQ(s.Calcu_late(), Outcome::Done);
    }

    void check(std::initializer_list<RunCase> cases) {
        for (const RunCase& c : cases) {
            runFor(c.employee, c.gross, c.louisPrior);
            EXPECT_EQ(stateCaption(), c.stateTax) << c.what;
        }
    }

    std::string stateCaption() const { return s.main.lbTaxDed[3].caption; }
};

// A state screen loaded afresh by opening the employee: the session's own load sequence
// must give the presets the profile screen's frequency and status.
TEST_F(SpecialStatesRun, TheSessionHandsThePresetsTheProfileScreen) {
    s.discardStateScreen();
    const StateEmployee iowa{.state = St::Iowa, .exemp = 2, .fedTax = 100};
    iowa.write(dir.path(), "Emp");
    ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
    s.main.txtAmount[6].focusAndType("1000");
    ASSERT_EQ(s.Calcu_late(), Outcome::Done);
    EXPECT_EQ(stateCaption(), "29.00");
}

TEST_F(SpecialStatesRun, Louisiana) {
    const StateEmployee one{.state = St::Louis};
    const StateEmployee two{.state = St::Louis, .louisA = 2, .louisB = 1};
    const StateEmployee three{.state = St::Louis, .louisA = 3};
    check({
        {"one exemption: 21 + 8.30768 - 3.63468", one, "1000", "25.67"},
        {"prior to July 1: 21 + 7.0096 + 0.5192 - 3.63468", one, "1000", "24.89", true},
        {"two exemptions, one dependent", two, "1000", "13.56"},
        // The load shows "2" for a saved 3 and copies the box into the record.
        {"three exemptions saved count as 2", three, "1000", "14.37"},
        {"the same before July 1", three, "1000", "14.25", true},
        {"1.5 exemptions count as 2", {.state = St::Louis, .louisA = 1.5f}, "1000", "14.37"},
        {"2.5 exemptions count as 2", {.state = St::Louis, .louisA = 2.5f}, "1000", "14.37"},
        {"one dependent less lowers the credit",
         {.state = St::Louis, .louisB = -1},
         "1000",
         "26.48"},
        {"a credit below 0 counts 0", {.state = St::Louis, .louisB = -10}, "1000", "29.31"},
        {"before July 1 a negative credit raises the tax",
         {.state = St::Louis, .louisB = -10},
         "1000",
         "32.97",
         true},
        {"pay exactly at the lower bound", one, "480.77", "6.46"},
        {"above the upper bound", one, "2000", "63.71"},
        {"weekly", {.state = St::Louis, .pay = Pay::Weekly}, "500", "12.84"},
        {"no pay", one, "0", ".00"},
    });
}

TEST_F(SpecialStatesRun, LouisianaPriorWithoutLouisianaIsTheGenericTax) {
    const StateEmployee ny{.state = St::Ariz};
    runFor(ny, "1000", false);
    const std::string generic = stateCaption();
    runFor(ny, "1000", true);
    EXPECT_EQ(stateCaption(), generic);
    EXPECT_EQ(generic, "31.65");
}

TEST_F(SpecialStatesRun, ArizonaIsTheGenericComputationOnTheTableAsTyped) {
    check({
        {"New York figures, one exemption, bi-weekly", {.state = St::Ariz}, "1000", "31.65"},
        {"weekly", {.state = St::Ariz, .pay = Pay::Weekly}, "500", "15.82"},
    });
}

TEST_F(SpecialStatesRun, Iowa) {
    const StateEmployee two{.state = St::Iowa, .exemp = 2, .fedTax = 100};
    check({
        {"worked example, 29.12362 rounded to dollars", two, "1000", "29.00"},
        {"weekly, band 6", {.state = St::Iowa, .pay = Pay::Weekly, .fedTax = 50}, "500", "18.00"},
        {"wages below the deductions", {.state = St::Iowa, .exemp = 2}, "100", ".00"},
        {"the adjustment lifts a negative result",
         {.state = St::Iowa, .exemp = 2, .stateAddl = 5},
         "100",
         "2.00"},
        {"top band", {.state = St::Iowa, .exemp = 0}, "3000", "204.00"},
    });
}

TEST_F(SpecialStatesRun, Missouri) {
    const StateEmployee single{.state = St::Missouri, .exemp = 2, .fedTax = 100};
    check({
        {"worked example, 23.1837", single, "1000", "23.00"},
        {"federal tax at the limit is deducted",
         {.state = St::Missouri, .exemp = 2, .fedTax = 384.61f},
         "2000",
         "66.00"},
        {"one cent above the limit it is not",
         {.state = St::Missouri, .exemp = 2, .fedTax = 384.62f},
         "2000",
         "89.00"},
        {"married, spouse works",
         {.state = St::Missouri, .stateStatus = "Married", .exemp = 2, .fedTax = 100, .spouse = 1},
         "1000",
         "23.00"},
        {"married, spouse at home: twice the standard deduction",
         {.state = St::Missouri, .stateStatus = "Married", .exemp = 2, .fedTax = 100},
         "1000",
         "9.00"},
        {"weekly", {.state = St::Missouri, .pay = Pay::Weekly, .fedTax = 50}, "500", "13.00"},
        {"wages below the deductions", single, "200", ".00"},
    });
}

TEST_F(SpecialStatesRun, Massachusetts) {
    const StateEmployee one{.state = St::Mass};
    check({
        {"worked example, 754.5 x 5.15%", one, "1000", "38.86"},
        {"year to date exactly 2000 still deducts",
         {.state = St::Mass, .ytdSocSecMedi = 2000},
         "1000",
         "38.86"},
        {"past 2000 this period's Social Security and Medicare stay",
         {.state = St::Mass, .ytdSocSecMedi = 2000.01f},
         "1000",
         "42.80"},
        {"weekly halves the exemption", {.state = St::Mass, .pay = Pay::Weekly}, "1000", "43.21"},
    });
}

TEST_F(SpecialStatesRun, Oregon) {
    const StateEmployee one{.state = St::Oregon, .fedTax = 80};
    check({
        {"worked example, 66.4478", one, "1000", "66.45"},
        {"federal tax above the limit deducts the limit",
         {.state = St::Oregon, .fedTax = 300},
         "1000",
         "51.32"},
        {"single with three exemptions: married table and credit",
         {.state = St::Oregon, .exemp = 3, .fedTax = 80},
         "1000",
         "42.40"},
        {"between the first two minimums nothing, whatever the credit", one, "200", ".00"},
        {"weekly", {.state = St::Oregon, .pay = Pay::Weekly, .fedTax = 40}, "500", "33.17"},
    });
}

TEST_F(SpecialStatesRun, Utah) {
    const StateEmployee two{.state = St::Utah, .exemp = 2};
    check({
        {"worked example: 1000 x 5% - 10", two, "1000", "40.00"},
        {"top row, no credit", two, "1531", "76.55"},
        {"one cent below the top row", two, "1530.99", "66.55"},
        {"weekly: half the bounds, the weekly credit",
         {.state = St::Utah, .pay = Pay::Weekly, .exemp = 2},
         "500",
         "21.00"},
    });
}

TEST_F(SpecialStatesRun, Kentucky) {
    const StateEmployee one{.state = St::Kentucky};
    check({
        {"worked example, 45.0951", one, "1000", "45.10"},
        {"pay below the standard deduction", one, "90", ".00"},
        {"D exactly on a bracket top", one, "401.53", "10.38"},
        {"above the last top", one, "7000", "401.14"},
        {"weekly", {.state = St::Kentucky, .pay = Pay::Weekly}, "500", "22.55"},
    });
}

TEST_F(SpecialStatesRun, NorthCarolina) {
    const StateEmployee one{.state = St::NC, .roundState = 1};
    check({
        {"worked example, 50.2895 rounded to dollars", one, "1000", "50.00"},
        {"without Round State", {.state = St::NC}, "1000", "50.29"},
        {"wage exactly a row's minimum", {.state = St::NC, .exemp = 0}, "605.77", "29.42"},
        {"one cent below it", {.state = St::NC, .exemp = 0}, "605.76", "29.43"},
        {"weekly: half the bounds and amounts",
         {.state = St::NC, .pay = Pay::Weekly, .exemp = 2},
         "500",
         "21.78"},
        {"the California allowance is not halved",
         {.state = St::NC, .pay = Pay::Weekly, .exemp = 2, .calAllow = 50},
         "500",
         "18.28"},
    });
}

TEST_F(SpecialStatesRun, Wisconsin) {
    const StateEmployee april{.state = St::WisconApril, .exemp = 2};
    check({
        {"bi-weekly, row 3", april, "1000", "39.02"},
        {"weekly, row 4 of the halved table",
         {.state = St::WisconApril, .pay = Pay::Weekly, .exemp = 2},
         "1000",
         "54.60"},
        {"California allowance",
         {.state = St::WisconApril, .exemp = 2, .calAllow = 50},
         "1000",
         "35.75"},
        {"below row 1", april, "100", ".00"},
        {"married",
         {.state = St::WisconApril, .stateStatus = "Married", .exemp = 2},
         "1000",
         "33.37"},
        {"prior to 4/1/14", {.state = St::Wiscon, .exemp = 2}, "1000", "51.09"},
    });
}

TEST_F(SpecialStatesRun, Alabama) {
    check({
        {"worked example", {.state = St::Alabama, .fedTax = 100}, "1000", "35.34"},
        {"federal single, state married: no standard deduction",
         {.state = St::Alabama, .stateStatus = "Married", .fedTax = 100},
         "1000",
         "35.19"},
        {"taxable exactly 115.38 is in the 4 percent band",
         {.state = St::Alabama, .exemp = 0},
         "269.22",
         "4.23"},
        {"gross at the dependent bound", {.state = St::Alabama}, "769.23", "27.31"},
        {"one cent above it", {.state = St::Alabama}, "769.24", "28.27"},
        {"weekly single", {.state = St::Alabama, .pay = Pay::Weekly, .exemp = 0}, "500", "20.65"},
        {"bi-weekly single row 2 ends at 826.99",
         {.state = St::Alabama, .exemp = 0},
         "826.95",
         "32.21"},
        {"weekly joint row 1 deducts 140.77",
         {.state = St::Alabama,
          .pay = Pay::Weekly,
          .fedStatus = "Married",
          .stateStatus = "Married",
          .exemp = 0},
         "400",
         "8.54"},
        {"taxable below zero", {.state = St::Alabama, .fedTax = 500}, "300", ".00"},
    });
}

// ---------------------------------------------------------------- bare computations

// One state computation around a state screen with the preset of `which` applied; the
// run's inputs are taken from the screen each time, as the pay run takes them.
struct Bare {
    TaxProfile profile = TaxProfile::resetValues();
    StateSettings st = test::newYorkSettings();
    DialogState screen{st};
    CityTable city;
    NonCityTable nonCity;
    FedTable fed;
    MainWindow main;
    PayRun run;
    bool optBiWeek = false, optWeek = false;  // the profile screen's frequency options

    Bare(SpecialState which, Pay pay, const char* status = "Single", int exemp = 1) {
        profile.StateStatus = status;
        profile.StateExemp = static_cast<int16_t>(exemp);
        profile.WeeklyFlag = pay == Pay::Weekly ? -1 : 0;
        profile.BiWeeklyFlag = pay == Pay::BiWeekly ? -1 : 0;
        optBiWeek = pay == Pay::BiWeekly;
        optWeek = pay == Pay::Weekly;
        screen.profileScreen = [this] {
            return DialogState::ProfileScreenView{optBiWeek, optWeek, profile.StateStatus};
        };
        screen.box(which).set(1);
        runStatePreset(screen, which);
        screen.fillVari();
        if (exemp >= 0 && exemp <= 9)
            run.StateAllowance =
                status == std::string("Single") ? st.StateSgExp[exemp] : st.StateMarExp[exemp];
    }
    // Sets the wages of the period: gross pay and state wages alike.
    Bare& pay(float gross, float fedTax = 0) {
        run.GrossPay = run.StateWages = gross;
        run.FedTax = fedTax;
        run.StateTax = 0;
        return *this;
    }
    float tax(SpecialState which) {
        PayRunInputs in = payRunInputs(main, screen);
        in.optBiWeek = optBiWeek;
        in.optWeek = optWeek;
        PayRunContext c(in, profile, st, city, nonCity, fed);
        c.run = run;
        runSpecialStateTax(which, c);
        run = c.run;
        if (c.result.roundState) screen.ckRoundOff.set(1);
        return run.StateTax;
    }
};

struct BareCase {
    const char* what;
    float gross, fedTax;
    double expected;
};

TEST(SpecialStatesBare, LouisianaBands) {
    for (auto [what, gross, fedTax, expected] : {
             BareCase{"worked example", 1000, 0, 25.673},
             BareCase{"exactly at L: first band", 480.77f, 0, 480.77 * 0.021 - 3.63468},
             BareCase{"one cent above L: second band", 480.78f, 0,
                      480.78 * 0.021 + 0.01 * 0.016 - 3.63468},
             BareCase{"exactly at U: second band", 1923.08f, 0,
                      1923.08 * 0.021 + (1923.08 - 480.77) * 0.016 - 3.63468},
             BareCase{"one cent above U: third band", 1923.09f, 0,
                      1923.09 * 0.021 + (1923.09 - 480.77) * 0.016 + 0.01 * 0.0135 - 3.63468},
             BareCase{"below the credit gives 0", 100, 0, 0},
         }) {
        Bare b(St::Louis, Pay::BiWeekly);
        b.st.StateSgExp[0] = 1;
        b.st.StateMarExp[0] = 0;
        EXPECT_NEAR(b.pay(gross, fedTax).tax(St::Louis), expected, 2e-5) << what;
    }
    Bare prior(St::Louis, Pay::BiWeekly);
    prior.st.StateSgExp[0] = 1;
    prior.st.StateMarExp[0] = 0;
    prior.main.ckLouisPrior.set(1);
    EXPECT_NEAR(prior.pay(1000).tax(St::Louis), 24.8941, 5e-5);
    Bare two(St::Louis, Pay::BiWeekly);
    two.st.StateSgExp[0] = 2;
    two.st.StateMarExp[0] = 1;
    EXPECT_NEAR(two.pay(1000).tax(St::Louis), 13.5576, 5e-5);
}

TEST(SpecialStatesBare, LouisianaThreeExemptionsAsStored) {
    Bare b(St::Louis, Pay::BiWeekly);
    b.st.StateSgExp[0] = 3;
    b.st.StateMarExp[0] = 0;
    EXPECT_EQ(b.pay(1000).tax(St::Louis), 0.0f);
    b.main.ckLouisPrior.set(1);
    // 3 x P with the one-exemption bounds.
    EXPECT_NEAR(b.pay(1000).tax(St::Louis),
                21 + 7.009605 + 0.51921 - 519.24 * 0.021 - (519.24 - 480.77) * 0.0135, 2e-5);
}

TEST(SpecialStatesBare, LouisianaWithNeitherFrequencyWithholdsNothing) {
    Bare b(St::Louis, Pay::BiWeekly);
    b.st.StateSgExp[0] = 1;
    b.optBiWeek = false;
    EXPECT_EQ(b.pay(1000).tax(St::Louis), 0.0f);
}

TEST(SpecialStatesBare, IowaScheduleIsContinuousAtItsBounds) {
    // Two exemptions: the standard deduction 156.15 and the credit 3.08.
    for (auto [what, W, expected] : {
             std::tuple{"worked example", 743.85f, 29.12362},
             std::tuple{"W exactly 100", 100.0f, 0.54 - 3.08},
             std::tuple{"one cent above 100", 100.01f, 0.54 + 0.01 * 0.0243 - 3.08},
             std::tuple{"W exactly 2250", 2250.0f, 142.18 - 3.08},
             std::tuple{"W 2300", 2300.0f, 146.67 - 3.08},
             std::tuple{"W below zero", -50.0f, -50 * 0.0036 - 3.08},
         }) {
        Bare b(St::Iowa, Pay::BiWeekly, "Single", 2);
        EXPECT_NEAR(b.pay(W + 156.15f).tax(St::Iowa), expected, 5e-5) << what;
        EXPECT_TRUE(b.screen.ckRoundOff.checked());
    }
}

TEST(SpecialStatesBare, MissouriLimitFrequencyAndRoundState) {
    Bare b(St::Missouri, Pay::BiWeekly, "Single", 2);
    b.screen.ckRoundOff.set(0);
    EXPECT_NEAR(b.pay(1000, 100).tax(St::Missouri), 23.1837, 2e-5);
    EXPECT_TRUE(b.screen.ckRoundOff.checked());
    // X exactly on a bound: 308 gives the base of band 9.
    EXPECT_NEAR(b.pay(308 + 242.31f + 126.92f).tax(St::Missouri), 10.01, 2e-5);
    // Neither frequency: the limit by 26 periods, the weekly schedule.
    Bare n(St::Missouri, Pay::Weekly, "Single", 2);
    n.optWeek = false;
    const float X = 500;
    n.st.StateSgExp[2] = 0;
    n.st.StateMarExp[2] = 0;
    EXPECT_NEAR(n.pay(X + 384.61f, 384.61f).tax(St::Missouri), (500 - 180) * 0.06 + 6.3, 2e-5);
    // "Spouse Works" neither checked nor unchecked: no wages at all.
    b.screen.ckSpouse.value = 2;
    EXPECT_NEAR(b.pay(1000, 100).tax(St::Missouri), -369.23 * 0.015, 2e-5);
}

TEST(SpecialStatesBare, OregonUtahMassKentuckyNcWisconsinWorkedExamples) {
    EXPECT_NEAR(Bare(St::Oregon, Pay::BiWeekly).pay(1000, 80).tax(St::Oregon), 66.4478, 2e-5);
    EXPECT_NEAR(Bare(St::Utah, Pay::BiWeekly, "Single", 2).pay(1000).tax(St::Utah), 40, 2e-5);
    {
        Bare b(St::Mass, Pay::BiWeekly);
        b.pay(1000);
        b.run.SocSecTax = 62;
        b.run.MediTax = 14.5f;
        EXPECT_NEAR(b.tax(St::Mass), 38.85675, 2e-5);
        EXPECT_FLOAT_EQ(b.run.StateTaxable, 754.5f);
    }
    EXPECT_NEAR(Bare(St::Kentucky, Pay::BiWeekly).pay(1000).tax(St::Kentucky), 45.0951, 5e-5);
    EXPECT_NEAR(Bare(St::NC, Pay::BiWeekly).pay(1000).tax(St::NC), 50.2895, 2e-5);
    EXPECT_NEAR(Bare(St::WisconApril, Pay::BiWeekly, "Single", 2).pay(1000).tax(St::WisconApril),
                (1000 - 634.08) * 0.065408 + 16.79 - 1.7, 2e-5);
    EXPECT_NEAR(Bare(St::WisconApril, Pay::Weekly, "Single", 2).pay(1000).tax(St::WisconApril),
                (1000 - 504.365) * 0.070224 + 20.645 - 0.85, 2e-5);
}

TEST(SpecialStatesBare, RowsStartAtTheirMinimum) {
    // Oregon single, one exemption: W = gross - 82.5 on the row 3 minimum 323.08.
    EXPECT_NEAR(Bare(St::Oregon, Pay::BiWeekly).pay(405.58f).tax(St::Oregon), 27.5 - 7.35, 2e-5);
    EXPECT_NEAR(Bare(St::Oregon, Pay::BiWeekly).pay(405.57f).tax(St::Oregon),
                (323.07 - 128.85) * 0.07 + 13.92 - 7.35, 2e-5);
    // Wisconsin single, two exemptions, on the row 3 minimum 634.08 and one cent below.
    EXPECT_NEAR(Bare(St::WisconApril, Pay::BiWeekly, "Single", 2).pay(634.08f).tax(St::WisconApril),
                16.79 - 1.7, 2e-5);
    EXPECT_NEAR(Bare(St::WisconApril, Pay::BiWeekly, "Single", 2).pay(634.07f).tax(St::WisconApril),
                (634.07 - 584.62) * 0.0448 + 14.57 - 1.7, 2e-5);
    // N.C. one cent above a minimum stays in its row.
    EXPECT_NEAR(Bare(St::NC, Pay::BiWeekly, "Single", 0).pay(605.78f).tax(St::NC),
                605.78 * 0.07 - 12.98, 2e-5);
}

TEST(SpecialStatesBare, UtahTopRowDropsTheCredit) {
    Bare b(St::Utah, Pay::BiWeekly, "Single", 2);
    EXPECT_NEAR(b.pay(1531).tax(St::Utah), 76.55, 2e-5);
    EXPECT_EQ(b.run.StateAllowance, 0.0f);
    Bare below(St::Utah, Pay::BiWeekly, "Single", 2);
    EXPECT_NEAR(below.pay(1530.99f).tax(St::Utah), 1530.99 * 0.05 - 10, 2e-5);
}

TEST(SpecialStatesBare, KentuckyTopsAreInclusive) {
    // D = gross - 93.85 on the bracket top 192.3: band 3, not band 4.
    Bare b(St::Kentucky, Pay::BiWeekly);
    const float onTop = 192.3f + 93.85f;
    EXPECT_NEAR(b.pay(onTop).tax(St::Kentucky), 2.3076 + 1.1538 + 1.5384 - 0.385, 5e-5);
    // Min[5] plays no part.
    Bare c(St::Kentucky, Pay::BiWeekly);
    c.st.StateMinBS[5] = 1;
    Bare d(St::Kentucky, Pay::BiWeekly);
    EXPECT_EQ(c.pay(7000).tax(St::Kentucky), d.pay(7000).tax(St::Kentucky));
}

TEST(SpecialStatesBare, NcWithNeitherFrequencyLeavesTheTax) {
    Bare b(St::NC, Pay::BiWeekly);
    b.optBiWeek = false;
    EXPECT_EQ(b.pay(1000).tax(St::NC), 0.0f);
}

TEST(SpecialStatesBare, WisconsinAnyStatusButSingleIsMarried) {
    Bare b(St::WisconApril, Pay::BiWeekly, "Head", 2);
    EXPECT_NEAR(b.pay(1000).tax(St::WisconApril), (1000 - 823.08) * 0.07008 + 22.67 - 1.7, 2e-5);
}

TEST(SpecialStatesBare, WisconsinCreditComesOffEvenWhenNoRowApplies) {
    Bare b(St::WisconApril, Pay::BiWeekly, "Single", 2);
    EXPECT_NEAR(b.pay(100).tax(St::WisconApril), -1.7, 1e-6);
    Bare w(St::WisconApril, Pay::Weekly, "Single", 2);
    EXPECT_NEAR(w.pay(100).tax(St::WisconApril), -0.85, 1e-6);
}

TEST(SpecialStatesBare, AlabamaWorkedExampleAndBands) {
    Bare b(St::Alabama, Pay::BiWeekly);
    b.profile.FedStatus = "Single";
    EXPECT_NEAR(b.pay(1000, 100).tax(St::Alabama), 35.3366, 2e-5);
    // Both statuses single, no dependents, no federal tax: taxable = G - deduction - 57.69.
    b.profile.StateExemp = 0;
    EXPECT_NEAR(b.pay(269.22f).tax(St::Alabama), 4.2306, 5e-5);
    // Another filing combination gets no standard deduction.
    b.profile.FedStatus = "Head";
    EXPECT_NEAR(b.pay(1000).tax(St::Alabama), (1000 - 57.69 - 115.38) * 0.05 + 0.3846 + 3.846,
                5e-5);
}

TEST(SpecialStatesBare, AlabamaStandardDeductionTables) {
    // The deduction seen through the tax: both single, no dependents, no federal tax.
    struct Case {
        const char* what;
        Pay pay;
        const char* fedStatus;
        const char* stateStatus;
        float gross;
        double deduction;
    } cases[] = {
        {"bi-weekly single row 0", Pay::BiWeekly, "Single", "Single", 788.46f, 96.15},
        {"one cent above B0", Pay::BiWeekly, "Single", "Single", 788.47f, 95.19},
        {"B2 is 826.99", Pay::BiWeekly, "Single", "Single", 826.99f, 94.23},
        {"above 826.99", Pay::BiWeekly, "Single", "Single", 827.0f, 93.27},
        {"bi-weekly single last row", Pay::BiWeekly, "Single", "Single", 1153.86f, 76.92},
        {"weekly separate first row", Pay::Weekly, "Married", "Single", 197.12f, 72.12},
        {"weekly separate last row", Pay::Weekly, "Married", "Single", 288.47f, 38.46},
        {"bi-weekly joint B2 is 826.99", Pay::BiWeekly, "Married", "Married", 826.99f,
         (7500 - 350) / 26.0},
        {"weekly joint V1 is 140.77", Pay::Weekly, "Married", "Married", 400.0f, 140.77},
        {"weekly joint V2 follows the rule", Pay::Weekly, "Married", "Married", 410.0f, 137.5},
    };
    for (const Case& c : cases) {
        Bare b(St::Alabama, c.pay, c.stateStatus, 0);
        b.profile.FedStatus = c.fedStatus;
        const bool single = std::string(c.stateStatus) == "Single";
        const bool bi = c.pay == Pay::BiWeekly;
        const double E = single ? (bi ? 57.69 : 28.85) : (bi ? 115.38 : 57.69);
        const double L2 = single ? (bi ? 115.38 : 57.69) : (bi ? 230.77 : 115.38);
        const double C = single ? (bi ? 0.3846 + 3.846 : 0.1924 + 1.9232)
                                : (bi ? 0.7692 + 7.6924 : 0.3846 + 3.846);
        const double d = std::round(c.deduction * 100) / 100;
        const double expected = (c.gross - d - E - L2) * 0.05 + C;
        EXPECT_NEAR(b.pay(c.gross).tax(St::Alabama), expected, 5e-5) << c.what;
    }
}

TEST(SpecialStatesBare, ACountOutsideTheListWithholdsNothing) {
    for (SpecialState which : {St::Iowa, St::Missouri, St::Mass, St::Oregon, St::Kentucky}) {
        Bare b(which, Pay::BiWeekly, "Single", 1);
        b.profile.StateExemp = 12;
        EXPECT_EQ(b.pay(1000, 50).tax(which), 0.0f) << DialogState::boxName(which);
    }
}

}  // namespace
}  // namespace corvella
