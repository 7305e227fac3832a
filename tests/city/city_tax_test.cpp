#include <gtest/gtest.h>

#include <string>

#include "city/city.h"
#include "common/number.h"

namespace corvella {
namespace {

CityTable defaultCityTable() {
    CityTable t;
    DialogCity d(t);
    d.CheckFor();
    d.fillVar();
    return t;
}

NonCityTable defaultNonCityTable() {
    NonCityTable t;
    DialogNonCity d(t);
    d.fillEmptyWithDefaults();
    d.fillVar();
    return t;
}

enum Pay { BiWeekly, Weekly };

CityTaxInput input(float stateWages, const char* status, Pay pay, bool nonResident = false) {
    CityTaxInput in;
    in.StateWages = stateWages;
    in.StateStatus = status;
    in.biWeekly = pay == BiWeekly;
    in.weekly = pay == Weekly;
    in.nonResident = nonResident;
    return in;
}

// Runs the computation as the pay run does: the tax starts at 0.
float cityTax(const CityTable& city, const NonCityTable& non, const CityTaxInput& in,
              float allowance) {
    float tax = 0;
    GetCityTax(city, non, in, allowance, tax);
    return tax;
}

TEST(CityTax, DefaultTableCases) {
    struct Case {
        const char* what;
        const char* status;
        Pay pay;
        float stateWages, allowance, expected;  // expected after rounding to cents
    };
    const Case cases[] = {
        {"bi-weekly single, line 4", "Single", BiWeekly, 1000, 192.3f, 23.36f},
        {"weekly single, line 5 of the halved table", "Single", Weekly, 1000, 192.3f, 30.65f},
        {"bi-weekly married, line 4 from 577", "Married", BiWeekly, 1000, 211.5f, 21.91f},
        {"single table's line 4 starts at 557", "Single", BiWeekly, 772, 211.5f, 14.21f},
        {"married table's line 3 runs to 577", "Married", BiWeekly, 772, 211.5f, 13.60f},
        {"any status but Single is married", "", BiWeekly, 772, 211.5f, 13.60f},
        {"bi-weekly, exactly on a minimum", "Single", BiWeekly, 308, 0, 5.85f},
        {"weekly, exactly on a halved minimum", "Single", Weekly, 278.5f, 0, 7.04f},
        {"weekly, just below a halved minimum", "Single", Weekly, 278.49f, 0, 6.75f},
        {"allowance above the wages: no line", "Single", BiWeekly, 150, 192.3f, 0},
        {"open-ended line 8 of 999999 adds nothing", "Single", BiWeekly, 2000000, 0, 0},
    };
    const CityTable city = defaultCityTable();
    const NonCityTable non = defaultNonCityTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(roundCents(cityTax(city, non, input(c.stateWages, c.status, c.pay), c.allowance)),
                  c.expected);
    }
}

TEST(CityTax, ResidentLeavesAllowanceAndNonResidentTableAlone) {
    NonCityTable odd;
    odd.NonMinBi.fill(0);
    odd.NonExpBi.fill(900);
    odd.NonRate = 0.5f;
    float allowance = 192.3f, tax = 0;
    GetCityTax(defaultCityTable(), odd, input(1000, "Single", BiWeekly), allowance, tax);
    EXPECT_EQ(roundCents(tax), 23.36f);
    EXPECT_EQ(allowance, 192.3f);
}

TEST(CityTax, NoLocalTaxGivesNothing) {
    CityTable cleared;
    DialogCity d(cleared);
    d.CheckFor();
    d.ckNoLocalTax.set(1);
    d.fillVar();
    ASSERT_EQ(cleared.NoLocalTaxFlag, 1);
    const NonCityTable non = defaultNonCityTable();
    for (float wages : {0.0f, 1000.0f, 999999.0f, 5000000.0f})
        for (Pay pay : {BiWeekly, Weekly})
            for (const char* status : {"Single", "Married"})
                EXPECT_EQ(cityTax(cleared, non, input(wages, status, pay), 0), 0.0f)
                    << wages << " " << status;
}

TEST(CityTax, OnlyLinesOneToEightTakePartAndLineEightIsOpenEnded) {
    CityTable t;
    for (int k = 0; k < 8; ++k) {
        t.CityMinBS[k] = 100.0f * k;
        t.CityAmtBS[k] = 10.0f * k;
        t.CityPerBS[k] = 0.01f;
    }
    // Lines 9 and 10 would apply to every wage if they were looked at.
    t.CityMinBS[8] = t.CityMinBS[9] = 0;
    t.CityAmtBS[8] = t.CityAmtBS[9] = 5000;
    t.CityPerBS[8] = t.CityPerBS[9] = 0.5f;
    const NonCityTable non;

    EXPECT_EQ(roundCents(cityTax(t, non, input(50, "Single", BiWeekly), 0)), 0.5f);
    EXPECT_EQ(roundCents(cityTax(t, non, input(650, "Single", BiWeekly), 0)), 60.5f);
    // (100700 - 700) x 0.01 + 70
    EXPECT_EQ(roundCents(cityTax(t, non, input(100700, "Single", BiWeekly), 0)), 1070.0f);
    // Weekly: line 8 from 350, amount 35.
    EXPECT_EQ(roundCents(cityTax(t, non, input(1350, "Single", Weekly), 0)), 45.0f);
}

TEST(CityTax, LaterApplicableLineWins) {
    CityTable t;
    t.CityMinBS = {0, 100, 50, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    t.CityAmtBS = {1, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    t.CityPerBS = {0.1f, 0, 0.2f, 0, 0, 0, 0, 0, 0, 0};
    // Both line 1 (0..100) and line 3 (50..999999) hold 75: (75 - 50) x 0.2 + 2.
    EXPECT_EQ(roundCents(cityTax(t, NonCityTable{}, input(75, "Single", BiWeekly), 0)), 7.0f);
}

TEST(CityTax, NoPayFrequencyLeavesTaxAsItWas) {
    CityTaxInput in = input(1000, "Single", BiWeekly);
    in.biWeekly = false;
    float allowance = 192.3f, tax = 0;
    GetCityTax(defaultCityTable(), defaultNonCityTable(), in, allowance, tax);
    EXPECT_EQ(tax, 0.0f);
}

TEST(NonCityTax, DefaultTableCases) {
    struct Case {
        const char* what;
        Pay pay;
        float wages, allowanceAfter, expected;
    };
    const Case cases[] = {
        {"bi-weekly line 3", BiWeekly, 500, 77, 1.90f},
        {"weekly line 3 of its own table", Weekly, 250, 38, 0.95f},
        {"bi-weekly line 5 subtracts nothing", BiWeekly, 1200, 0, 5.40f},
        // 30 x 0.0045 is held as 0.13499999 and rounds down.
        {"bi-weekly exactly on line 2", BiWeekly, 145, 115, 0.13f},
        {"bi-weekly open-ended line 8", BiWeekly, 1000000, 0, 4500.0f},
        {"below line 1 keeps the resident allowance", BiWeekly, -10, 192.3f, -0.91f},
    };
    const CityTable city = defaultCityTable();
    const NonCityTable non = defaultNonCityTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        float allowance = 192.3f, tax = 0;
        GetCityTax(city, non, input(c.wages, "Single", c.pay, true), allowance, tax);
        EXPECT_EQ(allowance, c.allowanceAfter);
        EXPECT_EQ(roundCents(tax), c.expected);
    }
}

TEST(NonCityTax, ResidentTableHasNoPart) {
    CityTable huge;
    huge.CityPerBS.fill(0.5f);
    huge.CityAmtBS.fill(1000);
    float allowance = 0, tax = 0;
    GetCityTax(huge, defaultNonCityTable(), input(500, "Single", BiWeekly, true), allowance, tax);
    EXPECT_EQ(roundCents(tax), 1.90f);
}

}  // namespace
}  // namespace corvella
