#include "state/state_tax.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace corvella {
namespace {

using test::newYorkSettings;

StateTaxInput biWeekly(float wages, float allowance = 0, std::string status = "Single") {
    StateTaxInput in;
    in.StateWages = wages;
    in.StateAllowance = allowance;
    in.StateStatus = std::move(status);
    in.biWeeklySelected = true;
    return in;
}

StateTaxInput weekly(float wages, float allowance = 0, std::string status = "Single") {
    StateTaxInput in = biWeekly(wages, allowance, std::move(status));
    in.biWeeklySelected = false;
    in.weeklySelected = true;
    return in;
}

struct Result {
    float tax;
    float taxable;
};

Result run(const StateSettings& s, const StateTaxInput& in, float startTax = 0) {
    Result r{startTax, -12345};
    GetState(s, in, r.tax, r.taxable);
    return r;
}

TEST(GetState, WorkedExamplesWithNewYorkFigures) {
    const StateSettings s = newYorkSettings();
    Result bi = run(s, biWeekly(1000, 321.2f));
    EXPECT_FLOAT_EQ(bi.taxable, 678.8f);
    EXPECT_NEAR(bi.tax, 31.6482, 2e-5);

    Result wk = run(s, weekly(500, 321.2f));
    EXPECT_FLOAT_EQ(wk.taxable, 339.4f);
    EXPECT_NEAR(wk.tax, 15.8241, 2e-5);
}

TEST(GetState, CafeteriaAmountComesOffTheWages) {
    StateTaxInput in = biWeekly(1000, 321.2f);
    in.CafeStateDeduct = 100;
    Result r = run(newYorkSettings(), in);
    EXPECT_FLOAT_EQ(r.taxable, 578.8f);
    EXPECT_NEAR(r.tax, (578.8 - 529) * 0.059 + 22.81, 2e-5);
}

struct BracketCase {
    const char* name;
    StateTaxInput in;
    double expected;
};

TEST(GetState, BracketBoundaries) {
    const BracketCase cases[] = {
        {"bi-weekly at a minimum takes that row's amount", biWeekly(529), 22.81},
        {"bi-weekly just below a minimum stays in the row before", biWeekly(528.99f),
         (528.99 - 446) * 0.0525 + 18.46},
        {"above the last minimum, no upper bound", biWeekly(9000), (9000 - 8173) * 0.0815 + 567.77},
        {"weekly at a halved minimum takes half that row's amount", weekly(264.5f), 11.405},
        {"weekly above the last halved minimum", weekly(5000), (5000 - 4086.5) * 0.0815 + 283.885},
        {"married status uses the married table", biWeekly(4000, 0, "Married"),
         (4000 - 3675) * 0.0728 + 225.38},
        {"an empty status uses the married table", biWeekly(4000, 0, ""),
         (4000 - 3675) * 0.0728 + 225.38},
        {"single status uses the single table", biWeekly(4000), (4000 - 3675) * 0.0758 + 225.38},
    };
    const StateSettings s = newYorkSettings();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FLOAT_EQ(run(s, c.in).tax, static_cast<float>(c.expected));
    }
}

TEST(GetState, WeeklyEntersRowTwoAtHalfItsMinimum) {
    // The New York rows join without a step, so make row 1 and row 2 tell apart.
    StateSettings s = newYorkSettings();
    s.StateAmtBS[0] = 100;
    s.StatePerBS[0] = 0;
    s.StateAmtBS[1] = 0;
    s.StatePerBS[1] = 1;
    EXPECT_FLOAT_EQ(run(s, weekly(161.49f)).tax, 50.0f);
    EXPECT_FLOAT_EQ(run(s, weekly(161.5f)).tax, 0.0f);
    EXPECT_FLOAT_EQ(run(s, weekly(162.5f)).tax, 1.0f);
}

TEST(GetState, BelowTheFirstMinimumOnlyTheCaliforniaAllowanceComesOff) {
    StateSettings s = newYorkSettings();
    s.CalAllow = 5;
    Result r = run(s, biWeekly(100, 321.2f));
    EXPECT_FLOAT_EQ(r.taxable, -221.2f);
    EXPECT_FLOAT_EQ(r.tax, -5.0f);
}

TEST(GetState, CaliforniaAllowanceComesOffAnAppliedRow) {
    StateSettings s = newYorkSettings();
    s.CalAllow = 5;
    EXPECT_FLOAT_EQ(run(s, biWeekly(529)).tax, 17.81f);
}

TEST(GetState, BlankedTableYieldsNothing) {
    StateSettings s;
    s.StateMinBS.fill(999999);
    s.StateMinBM.fill(999999);
    for (const auto& in : {biWeekly(5000), weekly(5000), biWeekly(5000, 0, "Married")})
        EXPECT_FLOAT_EQ(run(s, in).tax, 0.0f);
}

TEST(GetState, UnusedRowLetsTheRowBeforeReachAllWages) {
    StateSettings s = newYorkSettings();
    for (size_t i = 5; i < 10; ++i) s.StateMinBS[i] = 999999;
    EXPECT_FLOAT_EQ(run(s, biWeekly(50000)).tax,
                    static_cast<float>((50000 - 813) * 0.0645 + 39.58));
}

TEST(GetState, LastApplyingRowWinsWhenMinimaDoNotAscend) {
    StateSettings s;
    s.StateMinBS = {0, 100, 50, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    s.StateAmtBS = {1, 2, 3};
    // W = 70 lies in row 1 (0..100) and in row 3 (50..999999): row 3 wins.
    EXPECT_FLOAT_EQ(run(s, biWeekly(70)).tax, 3.0f);
    EXPECT_FLOAT_EQ(run(s, weekly(35)).tax, 1.5f);
}

TEST(GetState, NeitherFrequencyGivesTheHeldTaxLessTheAllowance) {
    StateSettings s = newYorkSettings();
    s.CalAllow = 2.5f;
    StateTaxInput in = biWeekly(1000);
    in.biWeeklySelected = false;
    Result r = run(s, in);
    EXPECT_FLOAT_EQ(r.tax, -2.5f);
    EXPECT_FLOAT_EQ(r.taxable, -12345.0f);  // untouched
    EXPECT_FLOAT_EQ(run(s, in, 4).tax, 1.5f);
}

TEST(GetState, NoRowKeepsTheTaxTheRunHeld) {
    StateSettings s = newYorkSettings();
    s.StateMinBS[0] = 100;
    EXPECT_FLOAT_EQ(run(s, biWeekly(50), 3).tax, 3.0f);
}

}  // namespace
}  // namespace corvella
