#include "federal/tax_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/fileio.h"
#include "test_support.h"

namespace corvella {
namespace {

const char* const kName = "Federal2026.txt";

std::string shippedBytes() {
    auto bytes = readFileBytes(test::dataDir() / kName);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

TaxYear shipped() {
    return readTaxYearFile(shippedBytes(), kName);
}

std::vector<ScheduleRow>& rowsOf(TaxYear& t, Schedule s) {
    return t.schedules[static_cast<size_t>(s)];
}

TEST(TaxYearFile, TheShippedFileHoldsThe2026Figures) {
    const TaxYear t = shipped();
    EXPECT_EQ(t.year, 2026);
    EXPECT_EQ(t.line1gMarriedJointlyCents, 1290000);
    EXPECT_EQ(t.line1gOtherCents, 860000);
    EXPECT_EQ(t.allowanceCents, 430000);
    EXPECT_EQ(t.socialSecurityRateMillionths, 62000);
    EXPECT_EQ(t.socialSecurityWageBaseCents, 18450000);
    EXPECT_EQ(t.medicareRateMillionths, 14500);
    EXPECT_EQ(t.additionalMedicareThresholdCents, 20000000);
    EXPECT_EQ(t.additionalMedicareRateMillionths, 9000);
    EXPECT_EQ(t.periodsWeekly, 52);
    EXPECT_EQ(t.periodsBiWeekly, 26);
}

// The tables as Publication 15-T prints them: over, tentative amount (both in dollars),
// rate (percent).
struct PublishedRow {
    double over, tentative, percent;
};

TEST(TaxYearFile, TheShippedSchedulesAreThePublishedTables) {
    const std::vector<PublishedRow> published[kScheduleCount] = {
        // Single or Married filing separately, standard
        {{0, 0, 0},
         {7500, 0, 10},
         {19900, 1240, 12},
         {57900, 5800, 22},
         {113200, 17966, 24},
         {209275, 41024, 32},
         {263725, 58448, 35},
         {648100, 192979.25, 37}},
        // Single, Step 2 (its tax jumps at 108,938 and 328,350, as published)
        {{0, 0, 0},
         {8050, 0, 10},
         {14250, 620, 12},
         {33250, 2900, 22},
         {60900, 8983, 24},
         {108938, 20512, 32},
         {136163, 29224, 35},
         {328350, 96489.63, 37}},
        // Married filing jointly, standard
        {{0, 0, 0},
         {19300, 0, 10},
         {44100, 2480, 12},
         {120100, 11600, 22},
         {230700, 35932, 24},
         {422850, 82048, 32},
         {531750, 116896, 35},
         {788000, 206583.50, 37}},
        // Married filing jointly, Step 2
        {{0, 0, 0},
         {16100, 0, 10},
         {28500, 1240, 12},
         {66500, 5800, 22},
         {121800, 17966, 24},
         {217875, 41024, 32},
         {272325, 58448, 35},
         {400450, 103291.75, 37}},
        // Head of household, standard
        {{0, 0, 0},
         {15550, 0, 10},
         {33250, 1770, 12},
         {83000, 7740, 22},
         {121250, 16155, 24},
         {217300, 39207, 32},
         {271750, 56631, 35},
         {656150, 191171, 37}},
        // Head of household, Step 2
        {{0, 0, 0},
         {12075, 0, 10},
         {20925, 885, 12},
         {45800, 3870, 22},
         {64925, 8077.50, 24},
         {112950, 19603.50, 32},
         {140175, 28315.50, 35},
         {332375, 95585.50, 37}},
    };
    const TaxYear t = shipped();
    for (size_t s = 0; s < kScheduleCount; ++s) {
        SCOPED_TRACE("schedule " + std::to_string(s));
        const auto& rows = t.schedules[s];
        ASSERT_EQ(rows.size(), published[s].size());
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            // Every published figure is exact in a double, cents and percent alike.
            EXPECT_EQ(rows[i].overCents, static_cast<int64_t>(published[s][i].over * 100));
            EXPECT_EQ(rows[i].tentativeCents,
                      static_cast<int64_t>(published[s][i].tentative * 100 + 0.5));
            EXPECT_EQ(rows[i].rateMillionths,
                      static_cast<int64_t>(published[s][i].percent * 10000));
        }
    }
}

TEST(TaxYearFile, EachStatusAndStep2HasItsSchedule) {
    using S = W4Form::Status;
    EXPECT_EQ(scheduleFor(S::SingleOrSeparate, false), Schedule::SingleStandard);
    EXPECT_EQ(scheduleFor(S::SingleOrSeparate, true), Schedule::SingleStep2);
    EXPECT_EQ(scheduleFor(S::MarriedJointly, false), Schedule::MarriedJointlyStandard);
    EXPECT_EQ(scheduleFor(S::MarriedJointly, true), Schedule::MarriedJointlyStep2);
    EXPECT_EQ(scheduleFor(S::HeadOfHousehold, false), Schedule::HeadOfHouseholdStandard);
    EXPECT_EQ(scheduleFor(S::HeadOfHousehold, true), Schedule::HeadOfHouseholdStep2);
}

// What an operator's editor may do to the file: CR LF line ends, tabs, a byte order mark,
// comments after a value, lines in another order, no line end after the last line.
TEST(TaxYearFile, LayoutThatChangesNothingIsRead) {
    std::string edited = "\xEF\xBB\xBF";
    for (char c : shippedBytes()) {
        if (c == '\n')
            edited += "\r\n";
        else
            edited += c == ' ' ? '\t' : c;
    }
    edited.replace(edited.find("medicare-rate\t1.45"), 18, "medicare-rate 1.450  # employee");
    edited.replace(edited.find("year\t2026\r\n"), 11, "");
    edited += "\r\n\r\n  \r\nyear 2026";
    EXPECT_EQ(readTaxYearFile(edited, kName), shipped());
}

// The line of the last occurrence of `text`, or the line after the last when it is empty.
int lineOf(const std::string& bytes, const std::string& text) {
    const size_t at = text.empty() ? bytes.size() : bytes.rfind(text);
    EXPECT_NE(at, std::string::npos) << text;
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

TEST(TaxYearFile, DamageIsRefusedNamingTheLineAndTheField) {
    struct Case {
        const char* what;
        std::string from, to;
        std::string lineText;  // in the damaged file; empty for the line after the last
        std::string problem;
    } cases[] = {
        {"a figure missing", "medicare-rate 1.45\n", "", "",
         "no \"medicare-rate\" line (the Medicare rate)"},
        {"a figure given twice", "periods-biweekly 26\n", "periods-biweekly 26\nyear 2027\n",
         "year 2027", "the year is given again (first on line"},
        {"text for a number", "social-security-rate 6.2", "social-security-rate 6,2",
         "social-security-rate 6,2", "the Social Security rate \"6,2\" is not a number"},
        {"a rate above 100 %", "additional-medicare-rate 0.9", "additional-medicare-rate 100.01",
         "additional-medicare-rate", "the Additional Medicare rate 100.01 is outside 0 to 100"},
        {"an amount below 0", "social-security-wage-base 184500",
         "social-security-wage-base -184500", "social-security-wage-base",
         "the Social Security wage base -184500 is outside 0 to 1000000000"},
        {"an exponent", "row 648100 192979.25 37", "row 648100 1e12 37", "row 648100",
         "the row's tentative amount \"1e12\" is not a number"},
        {"an amount far beyond any", "row 648100 192979.25 37",
         "row 648100 99999999999999999999999 37", "row 648100",
         "the row's tentative amount 99999999999999999999999 is outside 0 to 1000000000"},
        {"no pay periods", "periods-weekly 52", "periods-weekly 0", "periods-weekly",
         "the number of weekly pay periods 0 is outside 1 to 366"},
        {"a year before 2020", "\nyear 2026", "\nyear 2019", "year 2019",
         "the year 2019 is outside 2020 to 2100"},
        {"a fraction of a period", "periods-weekly 52", "periods-weekly 52.5", "periods-weekly",
         "the number of weekly pay periods 52.5 is not whole"},
        {"a fraction of a cent", "allowance 4300", "allowance 4300.005", "allowance 4300",
         "the allowance amount 4300.005 has more than 2 decimals"},
        {"rows not ascending", "row 19900 1240 12", "row 7500 1240 12", "row 7500 1240 12",
         "the row's over amount 7500 is not above the row before's 7500"},
        {"a first row above 0", "schedule married-jointly-step2\nrow 0 0 0",
         "schedule married-jointly-step2\nrow 1 0 0", "row 1 0 0",
         "the first row's over amount 1 is not 0"},
        {"a field more on a figure's line", "medicare-rate 1.45", "medicare-rate 1.45 1.45",
         "medicare-rate 1.45 1.45", "the line has more than its 2 fields"},
        {"a field more on a row", "row 57900 5800 22", "row 57900 5800 22 22", "row 57900",
         "the line has more than its 4 fields"},
        {"a field less on a row", "row 57900 5800 22", "row 57900 22", "row 57900 22",
         "the line has only 3 fields"},
        {"a figure without its value", "medicare-rate 1.45", "medicare-rate", "medicare-rate\n",
         "the line has only 1 field"},
        {"an unknown figure", "medicare-rate 1.45", "medicare-rat 1.45", "medicare-rat 1.45",
         "\"medicare-rat\" is not a line of this file"},
        {"an unknown schedule", "schedule single-step2", "schedule single-2", "schedule single-2",
         "\"single-2\" is not a schedule"},
        {"a schedule given twice", "schedule head-of-household-step2",
         "schedule head-of-household-standard", "schedule head-of-household-standard",
         "the schedule head-of-household-standard is given again"},
        {"rows before any schedule", "schedule single-standard\n", "", "row 0 0 0\nrow 7500",
         "a row stands outside a schedule"},
        // Blank and comment lines do not end a schedule: its rows run on into the next one's.
        {"a schedule line commented out", "schedule head-of-household-step2", "# schedule",
         "row 0 0 0\nrow 12075", "the row's over amount 0 is not above the row before's 656150"},
    };
    const std::string good = shippedBytes();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bad = good;
        const size_t at = bad.find(c.from);
        ASSERT_NE(at, std::string::npos);
        bad.replace(at, c.from.size(), c.to);
        try {
            readTaxYearFile(bad, kName);
            ADD_FAILURE() << "read";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, kName);
            EXPECT_EQ(e.line, lineOf(bad, c.lineText)) << e.what();
            EXPECT_NE(e.problem.find(c.problem), std::string::npos) << e.what();
        }
    }
}

// Cases the table above cannot make by one replacement of the shipped file.
TEST(TaxYearFile, MissingOrEmptySchedulesAreRefused) {
    const std::string good = shippedBytes();
    const std::string lastSchedule = "schedule head-of-household-step2";
    const std::string withoutLast = good.substr(0, good.find(lastSchedule));
    try {
        readTaxYearFile(withoutLast, kName);
        ADD_FAILURE();
    } catch (const ReadError& e) {
        EXPECT_EQ(e.line, lineOf(withoutLast, ""));
        EXPECT_EQ(e.problem, "the file has no schedule head-of-household-step2");
    }
    // A figure's line ends the rows of the schedule above it.
    const std::string empty = withoutLast + lastSchedule + "\n\nperiods-weekly 52\n";
    try {
        readTaxYearFile(empty, kName);
        ADD_FAILURE();
    } catch (const ReadError& e) {
        EXPECT_EQ(e.line, lineOf(empty, lastSchedule));
        EXPECT_EQ(e.problem, "the schedule head-of-household-step2 has no rows");
    }
    EXPECT_THROW(readTaxYearFile("", kName), ReadError);
}

TEST(TaxYearFile, WhatIsWrittenReadsBackTheSame) {
    TaxYear t = shipped();
    EXPECT_EQ(readTaxYearFile(writeTaxYearFile(t), kName), t);
    // Figures at the edges of their fields and of what the file's places hold.
    t.year = 2100;
    t.socialSecurityRateMillionths = 123456;  // 12.3456 %
    t.medicareRateMillionths = 0;
    t.additionalMedicareRateMillionths = 1000000;
    t.allowanceCents = 1;
    t.socialSecurityWageBaseCents = 100000000000;
    t.periodsWeekly = 366;
    t.periodsBiWeekly = 1;
    rowsOf(t, Schedule::HeadOfHouseholdStep2) = {{0, 5, 1}, {1, 100000000000, 999999}};
    const std::string written = writeTaxYearFile(t);
    EXPECT_EQ(readTaxYearFile(written, kName), t);
    EXPECT_EQ(writeTaxYearFile(readTaxYearFile(written, kName)), written);
}

TEST(TaxYearFile, WhatCouldNotBeReadBackIsNotWritten) {
    const TaxYear good = shipped();
    auto refused = [](TaxYear t) { EXPECT_THROW(writeTaxYearFile(t), RangeError); };
    TaxYear t = good;
    t.year = 2019;
    refused(t);
    t = good;
    t.medicareRateMillionths = 1000001;
    refused(t);
    t = good;
    t.periodsBiWeekly = 0;
    refused(t);
    t = good;
    rowsOf(t, Schedule::MarriedJointlyStep2)[2].tentativeCents = -1;
    refused(t);
    t = good;
    rowsOf(t, Schedule::SingleStep2)[3].overCents = rowsOf(t, Schedule::SingleStep2)[2].overCents;
    refused(t);
    t = good;
    rowsOf(t, Schedule::SingleStep2)[0].overCents = 100;
    refused(t);
    t = good;
    rowsOf(t, Schedule::HeadOfHouseholdStandard).clear();
    refused(t);
}

TEST(TaxYearFile, NamesAndInstalledYears) {
    EXPECT_EQ(taxYearFileName(2026), "Federal2026.txt");
    EXPECT_EQ(taxYearFileName(2031), "Federal2031.txt");

    test::TempDir dir;
    for (const char* name :
         {"Federal2031.txt", "Federal2026.txt", "Federal15.dtt", "Federal2027.txt.bak",
          "federal2028.txt", "Federal202.txt", "Federal20299.txt", "Federal1999.txt",
          "Federal+202.txt", "Federal2029.TXT", "Notes.txt"})
        dir.write(name, "");
    std::filesystem::create_directory(dir / "Federal2030.txt");
    EXPECT_EQ(installedTaxYears(dir.path()), (std::vector<int>{2026, 2031}));
    EXPECT_TRUE(installedTaxYears(dir / "missing").empty());
    EXPECT_EQ(installedTaxYears(test::dataDir()), std::vector<int>{2026});
}

}  // namespace
}  // namespace corvella
