#include "federal/withholding.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "common/errors.h"
#include "common/fileio.h"
#include "test_support.h"

namespace corvella {
namespace {

using Status = W4Form::Status;

const TaxYear& year2026() {
    static const TaxYear t = [] {
        auto bytes = readFileBytes(test::dataDir() / "Federal2026.txt");
        if (!bytes) throw std::runtime_error("data/Federal2026.txt is missing");
        return readTaxYearFile(*bytes, "Federal2026.txt");
    }();
    return t;
}

W4Form form2020(Status status, bool step2 = false, int64_t step3 = 0, int64_t step4a = 0,
                int64_t step4b = 0) {
    W4Form f;
    f.version = W4Form::Version::From2020;
    f.status = status;
    f.step2 = step2;
    f.step3Cents = step3;
    f.step4aCents = step4a;
    f.step4bCents = step4b;
    return f;
}

// With the newer form's fields set, which the older form must not read.
W4Form formBefore2020(bool married, int allowances) {
    W4Form f = form2020(Status::HeadOfHousehold, true, 100000, 200000, 300000);
    f.version = W4Form::Version::Before2020;
    f.married = married;
    f.allowances = allowances;
    return f;
}

struct Case {
    const char* what;
    int64_t wageCents;
    int periods;
    W4Form form;
    int64_t extraCents;
    int64_t expectedCents;
};

void expectCases(const TaxYear& t, std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(withholdingCents(t, c.wageCents, c.periods, c.form, c.extraCents),
                  c.expectedCents)
            << c.what;
}

TEST(Withholding2026, TheWorkedExamples) {
    expectCases(
        year2026(),
        {
            {"weekly 1,000 Single", 100000, 52, form2020(Status::SingleOrSeparate), 0, 7808},
            {"bi-weekly 3,000 jointly, Step 2, Step 3 2,000", 300000, 26,
             form2020(Status::MarriedJointly, true, 200000), 0, 24346},
            {"the same with Step 4(c) 50", 300000, 26,
             form2020(Status::MarriedJointly, true, 200000), 5000, 29346},
            {"weekly 800, older form, Single, 2 allowances", 80000, 52, formBefore2020(false, 2), 0,
             5408},
            {"semimonthly 2,500 head of household, 4(a) 6,000, 4(b) 10,000, 4(c) 25", 250000, 24,
             form2020(Status::HeadOfHousehold, false, 0, 600000, 1000000), 2500, 16950},
            // 2,500/26 - 2,200/26 = 11.538...; rounding each quotient first gives 11.53.
            {"bi-weekly 1,500 Single, Step 3 2,200", 150000, 26,
             form2020(Status::SingleOrSeparate, false, 220000), 0, 1154},
            {"weekly 150 Single, Step 3 500", 15000, 52,
             form2020(Status::SingleOrSeparate, false, 50000), 0, 0},
        });
}

TEST(Withholding2026, EachStatusWithAndWithoutStep2) {
    expectCases(
        year2026(),
        {
            {"Single", 200000, 52, form2020(Status::SingleOrSeparate), 0, 27019},
            {"Single, Step 2", 200000, 52, form2020(Status::SingleOrSeparate, true), 0, 37167},
            {"jointly", 200000, 52, form2020(Status::MarriedJointly), 0, 15615},
            // The jointly Step 2 table is Single's shifted by the Single line 1g amount.
            {"jointly, Step 2", 200000, 52, form2020(Status::MarriedJointly, true), 0, 27019},
            {"head of household", 200000, 52, form2020(Status::HeadOfHousehold), 0, 20131},
            {"head of household, Step 2", 200000, 52, form2020(Status::HeadOfHousehold, true), 0,
             33568},
            {"jointly bi-weekly", 400000, 26, form2020(Status::MarriedJointly), 0, 31231},
            {"jointly bi-weekly, Step 2", 400000, 26, form2020(Status::MarriedJointly, true), 0,
             54038},
            {"older form, Married, 0 allowances", 400000, 26, formBefore2020(true, 0), 0, 37185},
        });
}

TEST(Withholding2026, CreditsAboveTheTaxLeaveTheExtraWhole) {
    expectCases(
        year2026(),
        {
            {"credits above the tax", 100000, 52,
             form2020(Status::SingleOrSeparate, false, 1000000), 0, 0},
            {"and Step 4(c)", 100000, 52, form2020(Status::SingleOrSeparate, false, 1000000), 2000,
             2000},
            {"no wage, only the extra", 0, 26, form2020(Status::MarriedJointly), 1234, 1234},
            {"a wage below zero counts as none", -50000, 52, form2020(Status::HeadOfHousehold), 0,
             0},
            {"older form, allowances above the wage", 50000, 52, formBefore2020(true, 9), 500, 500},
        });
}

// Where a row starts its tax applies: the Step 2 rows whose published tax jumps show it.
TEST(Withholding2026, AWageAtARowStartIsTaxedByThatRow) {
    const W4Form step2 = form2020(Status::SingleOrSeparate, true);
    expectCases(year2026(), {
                                {"at 108,938", 10893800, 1, step2, 0, 2051200},
                                {"a cent below", 10893799, 1, step2, 0, 2051212},
                                {"at 328,350", 32835000, 1, step2, 0, 9648963},
                                {"a cent below", 32834999, 1, step2, 0, 9648945},
                                // 19,900 - 8,600: the 12 % row starts where the 10 % one ends.
                                {"Single at 19,900", 1990000 + 860000, 1,
                                 form2020(Status::SingleOrSeparate), 0, 124000},
                            });
}

// The 2020 form's line 1g amounts are whole allowances: 8,600 = 2 x 4,300, 12,900 = 3.
TEST(Withholding2026, ANewFormWithNothingEnteredWithholdsAsTheOldOneDid) {
    for (int periods : {52, 26, 24, 12})
        for (int64_t wage = 0; wage <= 2500000; wage += 9973) {
            SCOPED_TRACE(std::to_string(wage) + " cents, " + std::to_string(periods) + " periods");
            EXPECT_EQ(
                withholdingCents(year2026(), wage, periods, form2020(Status::SingleOrSeparate), 0),
                withholdingCents(year2026(), wage, periods, formBefore2020(false, 2), 0));
            EXPECT_EQ(
                withholdingCents(year2026(), wage, periods, form2020(Status::MarriedJointly), 0),
                withholdingCents(year2026(), wage, periods, formBefore2020(true, 3), 0));
        }
}

TEST(Withholding2026, InputsOutsideTheirFieldsAreRefused) {
    const TaxYear& t = year2026();
    const W4Form single = form2020(Status::SingleOrSeparate);
    EXPECT_THROW(withholdingCents(t, 100000, 0, single, 0), RangeError);
    EXPECT_THROW(withholdingCents(t, 100000, 367, single, 0), RangeError);
    EXPECT_THROW(withholdingCents(t, 1000000001, 52, single, 0), RangeError);
    EXPECT_THROW(withholdingCents(t, 100000, 52, single, -1), RangeError);
    EXPECT_THROW(withholdingCents(t, 100000, 52, form2020(Status::SingleOrSeparate, false, -1), 0),
                 RangeError);
    EXPECT_THROW(
        withholdingCents(t, 100000, 52, form2020(Status::SingleOrSeparate, false, 0, 0, -1), 0),
        RangeError);
    EXPECT_THROW(withholdingCents(t, 100000, 52, formBefore2020(false, 100), 0), RangeError);
    EXPECT_THROW(withholdingCents(t, 100000, 52, formBefore2020(false, -1), 0), RangeError);

    TaxYear bad = t;  // a record made by hand rather than read
    bad.schedules[static_cast<size_t>(Schedule::SingleStandard)][3].rateMillionths = 1000001;
    EXPECT_THROW(withholdingCents(bad, 100000, 52, single, 0), RangeError);
    bad.schedules[static_cast<size_t>(Schedule::SingleStandard)].clear();
    EXPECT_THROW(withholdingCents(bad, 100000, 52, single, 0), RangeError);
}

// Every input at the top of its range, on a schedule taxing everything at 100 %.
TEST(Withholding2026, TheLargestInputsDoNotOverflow) {
    TaxYear t = year2026();
    t.schedules[static_cast<size_t>(Schedule::SingleStep2)] = {{0, 100000000000, 1000000}};
    const int64_t wage = 1000000000, step4a = 100000000000, extra = 1000000000;
    const int64_t annualTax = 100000000000 + wage * 366 + step4a;
    EXPECT_EQ(
        withholdingCents(t, wage, 366, form2020(Status::SingleOrSeparate, true, 0, step4a), extra),
        (annualTax + 183) / 366 + extra);
}

TEST(AdditionalMedicare2026, OnlyWagesAboveTheThresholdAreTaxed) {
    struct Case {
        const char* what;
        int64_t thisPeriod, before, expected;
    } cases[] = {
        {"well below", 500000, 10000000, 0},
        {"reaching the threshold exactly", 500000, 19500000, 0},
        {"crossing within the period", 500000, 19800000, 2700},  // 0.9 % of 3,000
        {"a half cent rounds up", 1000, 19999500, 5},            // 0.9 % of 5.00
        {"starting at the threshold", 100000, 20000000, 900},    // all of it
        {"already above", 400000, 25000000, 3600},               // all of it
        {"a correction below zero", -100000, 25000000, 0},       // nothing is given back
        {"nothing paid", 0, 25000000, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(additionalMedicareCents(year2026(), c.thisPeriod, c.before), c.expected)
            << c.what;
    EXPECT_THROW(additionalMedicareCents(year2026(), 1000000001, 0), RangeError);
    EXPECT_THROW(additionalMedicareCents(year2026(), 0, 100000000001), RangeError);
}

}  // namespace
}  // namespace corvella
