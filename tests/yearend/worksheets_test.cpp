// The W-2, W-3 and Form 941 worksheets of a year of postings, against figures worked out
// by hand from the ledgers.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "engine/form_wages.h"
#include "shell/yearend_commands.h"
#include "store/employee_store.h"
#include "year_folder.h"

namespace corvella {
namespace {

using test::TempDir;

TEST(FormWages, EachDeductionReducesTheWagesThePayRunTakesItFrom) {
    struct Case {
        const char* what;
        PeriodPay pay;
        PeriodWages want;
    };
    const Case cases[] = {
        {"plain", {100000, 0, 0, 0, 0, 0, false, false}, {100000, 100000, 100000, 100000}},
        // Health before every tax; K plan before income taxes; pension before federal;
        // cafeteria before federal, Social Security and Medicare, not state.
        {"deductions",
         {150000, 0, 5000, 7500, 3000, 2500, false, false},
         {132000, 137500, 142500, 142500}},
        {"self-employed: Social Security before the health insurance",
         {80000, 0, 2000, 0, 0, 1000, true, false},
         {77000, 78000, 79000, 77000}},
        {"exempt", {80000, 0, 0, 0, 0, 0, false, true}, {80000, 80000, 0, 0}},
    };
    for (const Case& c : cases) {
        const PeriodWages w = periodWages(c.pay);
        EXPECT_EQ(w.federal, c.want.federal) << c.what;
        EXPECT_EQ(w.state, c.want.state) << c.what;
        EXPECT_EQ(w.socialSecurity, c.want.socialSecurity) << c.what;
        EXPECT_EQ(w.medicare, c.want.medicare) << c.what;
    }
}

class YearEnd : public ::testing::Test {
  protected:
    void SetUp() override { test::makeYearFolder(dir.path()); }
    YearEndInputs read(int year = 2026) { return readYearEnd(EmployeeStore(dir.path()), year); }
    TempDir dir;
};

struct W2Want {
    const char* name;
    int64_t box1, box2, box3, box4, box5, box6, box7, box16, box17, box18, box19;
};

TEST_F(YearEnd, W2AndW3MatchTheHandWorkedYear) {
    const W2Worksheet w = w2Worksheet(read());
    const W2Want want[] = {
        {"Able", 5200000, 416000, 5200000, 322400, 5200000, 75400, 0, 5200000, 156000, 5200000,
         52000},
        {"Baker", 20800000, 3900000, 18450000, 1143900, 20800000, 308800, 0, 20800000, 1040000, 0,
         0},
        {"Charlie", 6864000, 624000, 7410000, 459420, 7410000, 107432, 0, 7150000, 260000, 0, 0},
        {"Delta", 4056000, 312000, 4160000, 515840, 4056000, 117624, 0, 4056000, 0, 0, 0},
        {"Echo", 2340000, 156000, 1560000, 145080, 2340000, 33930, 780000, 2340000, 46800, 0, 0},
    };
    // The sample employee has no posting: no W-2.
    ASSERT_EQ(w.forms.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        const W2Form& f = w.forms[i];
        const W2Want& x = want[i];
        SCOPED_TRACE(x.name);
        EXPECT_EQ(f.name, x.name);
        EXPECT_EQ(f.box1, x.box1);
        EXPECT_EQ(f.box2, x.box2);
        EXPECT_EQ(f.box3, x.box3);
        EXPECT_EQ(f.box4, x.box4);
        EXPECT_EQ(f.box5, x.box5);
        EXPECT_EQ(f.box6, x.box6);
        EXPECT_EQ(f.box7, x.box7);
        EXPECT_EQ(f.box16, x.box16);
        EXPECT_EQ(f.box17, x.box17);
        EXPECT_EQ(f.box18, x.box18);
        EXPECT_EQ(f.box19, x.box19);
    }
    const W2Form& able = w.forms[0];
    EXPECT_EQ(able.employeeName, "Ann B Able");
    EXPECT_EQ(able.box15, "OH");
    EXPECT_EQ(able.box20, "Columbus");
    ASSERT_EQ(able.box14.size(), 1u);
    EXPECT_EQ(able.box14[0].code, "SDI");
    EXPECT_EQ(able.box14[0].cents, 26000);
    const W2Form& charlie = w.forms[2];
    ASSERT_EQ(charlie.box12.size(), 1u);
    EXPECT_EQ(charlie.box12[0].code, "D");
    EXPECT_EQ(charlie.box12[0].cents, 390000);
    EXPECT_TRUE(charlie.retirementPlan);
    EXPECT_EQ(w.forms[1].employeeName, "Baker Employee");

    const W3Totals& t = w.w3;
    EXPECT_EQ(t.count, 5);
    EXPECT_EQ(t.box1, 39260000);
    EXPECT_EQ(t.box2, 5408000);
    EXPECT_EQ(t.box3, 36780000);
    EXPECT_EQ(t.box4, 2586640);
    EXPECT_EQ(t.box5, 39806000);
    EXPECT_EQ(t.box6, 643186);
    EXPECT_EQ(t.box7, 780000);
    EXPECT_EQ(t.box16, 39546000);
    EXPECT_EQ(t.box17, 1502800);
    EXPECT_EQ(t.box18, 5200000);
    EXPECT_EQ(t.box19, 52000);

    // The row whose date is no date is named, not guessed.
    ASSERT_EQ(w.warnings.size(), 1u);
    EXPECT_NE(w.warnings[0].find("Echo: week 40 of Echo.yrw"), std::string::npos) << w.warnings[0];
    EXPECT_NE(w.warnings[0].find("13/45/2026"), std::string::npos);
}

struct QuarterWant {
    int line1;
    int64_t line2, line3, w5a, t5a, w5b, t5b, w5c, t5c, w5d, t5d, line5e, line6, line7, line12;
    std::array<int64_t, 3> months;
};

TEST_F(YearEnd, Form941OfEachQuarterMatchesTheHandWorkedYear) {
    const QuarterWant want[] = {
        {4,
         8830000,
         1238000,
         8992500,
         1115070,
         0,
         0,
         8966500,
         260029,
         0,
         0,
         1375099,
         2613099,
         -4,
         2613095,
         {921221, 845937, 845937}},
        {5,
         10410000,
         1440000,
         10312500,
         1278750,
         260000,
         32240,
         10546500,
         305849,
         0,
         0,
         1616839,
         3056839,
         -4,
         3056835,
         {898657, 1259521, 898657}},
        {5,
         9610000,
         1290000,
         9512500,
         1179550,
         260000,
         32240,
         9746500,
         282649,
         0,
         0,
         1494439,
         2784439,
         -4,
         2784435,
         {987121, 898657, 898657}},
        {5,
         10410000,
         1440000,
         7962500,
         987350,
         260000,
         32240,
         10546500,
         305849,
         800000,
         7200,
         1332639,
         2772639,
         -4,
         2772635,
         {1259521, 805657, 707457}},
    };
    const YearEndInputs in = read();
    for (int q = 1; q <= 4; ++q) {
        SCOPED_TRACE("quarter " + std::to_string(q));
        const Form941 f = form941Worksheet(in, q);
        const QuarterWant& x = want[q - 1];
        EXPECT_EQ(f.line1, x.line1);  // Echo, hired in April, is not paid for March 12
        EXPECT_EQ(f.line2, x.line2);
        EXPECT_EQ(f.line3, x.line3);
        EXPECT_EQ(f.line5a.wages, x.w5a);
        EXPECT_EQ(f.line5a.tax, x.t5a);
        EXPECT_EQ(f.line5b.wages, x.w5b);
        EXPECT_EQ(f.line5b.tax, x.t5b);
        EXPECT_EQ(f.line5c.wages, x.w5c);
        EXPECT_EQ(f.line5c.tax, x.t5c);
        EXPECT_EQ(f.line5d.wages, x.w5d);
        EXPECT_EQ(f.line5d.tax, x.t5d);
        EXPECT_EQ(f.line5e, x.line5e);
        EXPECT_EQ(f.line6, x.line6);
        EXPECT_EQ(f.line7, x.line7);
        EXPECT_EQ(f.line10, x.line12);
        EXPECT_EQ(f.line12, x.line12);
        EXPECT_EQ(f.months, x.months);
        EXPECT_EQ(f.monthsTotal, x.line12);
    }
}

TEST_F(YearEnd, ScheduleBGivesEachPayDateItsLiabilityAddingUpToLine12) {
    const Form941 f = form941Worksheet(read(), 4);
    // Weekly dates of the quarter, Baker's falling on every other one.
    ASSERT_EQ(f.daily.size(), 13u);
    EXPECT_EQ(f.daily.front().date.month, 10);
    EXPECT_EQ(f.daily.front().date.day, 2);
    EXPECT_EQ(f.daily[0].cents, 360864);
    EXPECT_EQ(f.daily[1].cents, 88464);
    EXPECT_EQ(f.daily[2].cents, 360865);  // the employer's share rounds as the quarter's does
    EXPECT_EQ(f.daily.back().cents, 268864);
    int64_t sum = 0;
    for (const auto& d : f.daily) sum += d.cents;
    EXPECT_EQ(sum, f.line12);
}

TEST_F(YearEnd, RefusesWhatWouldMakeAWorksheetFromPartOfTheYear) {
    // No figures for 2025 in the folder: the wage base is never guessed.
    try {
        read(2025);
        FAIL() << "a year without figures was read";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Federal2025.txt"), std::string::npos) << e.what();
    }
    dir.write("Charlie.yrw", "not a ledger\r\n");
    EXPECT_THROW(read(), ReadError);
    EXPECT_THROW(form941Worksheet(2026, 5, TaxYear{}, CompanyFacts{}, {}), Error);
}

// Corrections and odd rows: a negative row, tips beyond the Social Security wages.
TEST(YearEndRows, CorrectionsAreTakenBackOnlyWhereTheyWereCounted) {
    TaxYear y;
    y.socialSecurityRateMillionths = 62000;
    y.medicareRateMillionths = 14500;
    y.socialSecurityWageBaseCents = 18450000;
    y.additionalMedicareThresholdCents = 20000000;
    y.additionalMedicareRateMillionths = 9000;
    auto row = [](int day, float gross, float tips = 0, float cafe = 0) {
        DatedRow r;
        r.date = Date{2026, 3, day};
        r.amounts.Date = "3/" + std::to_string(day) + "/2026";
        r.amounts.Gross = gross;
        r.amounts.Tips = tips;
        r.amounts.Cafe = cafe;
        return r;
    };
    struct Case {
        const char* what;
        std::vector<DatedRow> rows;
        int64_t box3, box7, line5d;
    };
    const Case cases[] = {
        // 190,000 then -5,000: 185,000 in all, still over the base.
        {"a correction past the base", {row(6, 190000), row(13, -5000)}, 18450000, 0, 0},
        {"a correction across the base", {row(6, 190000), row(13, -10000)}, 18000000, 0, 0},
        // 250,000 then -50,000: exactly the threshold, nothing above it.
        {"a correction of Additional Medicare wages",
         {row(6, 250000), row(13, -50000)},
         18450000,
         0,
         0},
        {"Additional Medicare wages", {row(6, 250000)}, 18450000, 0, 5000000},
        // 100 of pay, all of it tips, 50 of it before tax: 50 of tips, no wages.
        {"tips beyond the wages", {row(6, 100, 100, 50)}, 0, 5000, 0},
        {"tips within the base's last room",
         {row(6, 184400), row(13, 300, 200)},
         18440000,
         10000,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmployeeYear e;
        e.name = "E";
        e.rows = c.rows;
        const W2Worksheet w = w2Worksheet(2026, y, CompanyFacts{}, {e});
        ASSERT_EQ(w.forms.size(), 1u);
        EXPECT_EQ(w.forms[0].box3, c.box3);
        EXPECT_EQ(w.forms[0].box7, c.box7);
        EXPECT_GE(w.forms[0].box3, 0);
        EXPECT_EQ(form941Worksheet(2026, 1, y, CompanyFacts{}, {e}).line5d.wages, c.line5d);
    }
}

TEST_F(YearEnd, ARowInAKeptYearAndTheCurrentLedgerIsCountedOnce) {
    const W2Worksheet before = w2Worksheet(read());
    // A restore from before the new year brings the year's ledger back beside the kept one.
    dir.write("Able.yrw", dir.read("Able.yrw.2026"));
    const W2Worksheet after = w2Worksheet(read());
    EXPECT_EQ(after.forms[0].box1, before.forms[0].box1);
    EXPECT_EQ(after.w3.box1, before.w3.box1);
    ASSERT_EQ(after.warnings.size(), 2u);
    EXPECT_NE(after.warnings[0].find("Able: Able.yrw holds rows that a kept year holds too"),
              std::string::npos)
        << after.warnings[0];
}

TEST_F(YearEnd, BothLedgersOfAnEmployeeWhoseFrequencyChangedAreRead) {
    // Baker was paid weekly in the first weeks of January, then bi-weekly.
    test::writeLedgerRows(dir / "Baker.yrw", true, {"1/2/2026"},
                          {10, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0});
    const W2Worksheet w = w2Worksheet(read());
    EXPECT_EQ(w.forms[1].name, "Baker");
    EXPECT_EQ(w.forms[1].box1, 20800000 + 10000);
    EXPECT_EQ(w.forms[1].box2, 3900000 + 1000);
}

TEST(YearEndFormat, AmountsAndNumbers) {
    EXPECT_EQ(plainCents(0), "0.00");
    EXPECT_EQ(plainCents(-4), "-0.04");
    EXPECT_EQ(plainCents(123456789), "1234567.89");
    EXPECT_EQ(ssnMasked("123-45-6789"), "***-**-6789");
    EXPECT_EQ(ssnMasked("123456789"), "***-**-6789");
    EXPECT_EQ(ssnText("123456789"), "123-45-6789");
}

}  // namespace
}  // namespace corvella
