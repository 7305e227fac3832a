#include "ledger/ledger.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/number.h"
#include "ledger/ledger_window.h"
#include "test_support.h"

namespace corvella {
namespace {

// Every amount of a row distinct, so a swapped field shows.
LedgerRow sampleRow(int i) {
    LedgerRow r;
    r.Date = "Week " + std::to_string(i + 1) + ", 2015";
    float* f[] = {&r.Fed,  &r.SS,   &r.Medi,    &r.State, &r.City,  &r.Muni,
                  &r.Bond, &r.Dues, &r.Pension, &r.Misc,  &r.Kplan, &r.Tips,
                  &r.OT,   &r.Net,  &r.Gross,   &r.SDI,   &r.SUI,   &r.Cafe};
    for (int k = 0; k < 18; ++k) *f[k] = static_cast<float>(i * 100 + k + 1) + 0.25f;
    return r;
}

void expectSameRow(const LedgerRow& a, const LedgerRow& b, int i) {
    SCOPED_TRACE("row " + std::to_string(i));
    EXPECT_EQ(a.Date, b.Date);
    EXPECT_EQ(a.Fed, b.Fed);
    EXPECT_EQ(a.SS, b.SS);
    EXPECT_EQ(a.Medi, b.Medi);
    EXPECT_EQ(a.State, b.State);
    EXPECT_EQ(a.City, b.City);
    EXPECT_EQ(a.Muni, b.Muni);
    EXPECT_EQ(a.Bond, b.Bond);
    EXPECT_EQ(a.Dues, b.Dues);
    EXPECT_EQ(a.Pension, b.Pension);
    EXPECT_EQ(a.Misc, b.Misc);
    EXPECT_EQ(a.Kplan, b.Kplan);
    EXPECT_EQ(a.Tips, b.Tips);
    EXPECT_EQ(a.OT, b.OT);
    EXPECT_EQ(a.Net, b.Net);
    EXPECT_EQ(a.Gross, b.Gross);
    EXPECT_EQ(a.SDI, b.SDI);
    EXPECT_EQ(a.SUI, b.SUI);
    EXPECT_EQ(a.Cafe, b.Cafe);
}

bool rowIsEmpty(const LedgerRow& r) {
    return r.Date.empty() && r.Fed == 0 && r.SS == 0 && r.Medi == 0 && r.State == 0 &&
           r.City == 0 && r.Muni == 0 && r.Bond == 0 && r.Dues == 0 && r.Pension == 0 &&
           r.Misc == 0 && r.Kplan == 0 && r.Tips == 0 && r.OT == 0 && r.Net == 0 && r.Gross == 0 &&
           r.SDI == 0 && r.SUI == 0 && r.Cafe == 0;
}

Ledger filledLedger() {
    Ledger l;
    for (int i = 0; i < 53; ++i) l.rows[i] = sampleRow(i);
    return l;
}

struct Frequency {
    bool weekly;
    int rows;
    size_t fileLines;
};

// Parameters print in test listings; without these gtest dumps their bytes.
void PrintTo(const Frequency& f, std::ostream* os) {
    *os << (f.weekly ? "weekly" : "bi-weekly") << ", " << f.rows << " rows";
}

class LedgerFileTest : public ::testing::TestWithParam<Frequency> {};

TEST_P(LedgerFileTest, RoundTripsTheUsedRowsAndTotals) {
    const Frequency f = GetParam();
    Ledger src = filledLedger();
    src.RecomputeTotals(f.weekly);
    const std::string bytes = src.write(f.weekly);
    ASSERT_EQ(test::crlfLines(bytes).size(), f.fileLines);

    Ledger back;
    back.read(bytes, "Sample.yr", f.weekly);
    for (int i = 0; i < f.rows; ++i) expectSameRow(back.rows[i], src.rows[i], i);
    for (int i = f.rows; i < 53; ++i) EXPECT_TRUE(rowIsEmpty(back.rows[i])) << "row " << i;
    EXPECT_EQ(back.totals.Fed, src.totals.Fed);
    EXPECT_EQ(back.totals.Misc, src.totals.Misc);
    EXPECT_EQ(back.totals.Kplan, src.totals.Kplan);
    EXPECT_EQ(back.totals.OT, src.totals.OT);
    EXPECT_EQ(back.totals.Gross, src.totals.Gross);
    EXPECT_EQ(back.totals.Net, src.totals.Net);
    EXPECT_EQ(back.totals.Tips, src.totals.Tips);
    EXPECT_EQ(back.write(f.weekly), bytes);
}

TEST_P(LedgerFileTest, TotalsCountOnlyTheUsedRowsButSdiSuiCafeCountAll53) {
    const Frequency f = GetParam();
    Ledger l;
    for (int i : {0, 26, 27, 52}) {
        l.rows[i].Fed = 1;
        l.rows[i].Gross = 100;
        l.rows[i].Tips = 2;
        l.rows[i].SDI = 0.5f;
        l.rows[i].SUI = 0.25f;
        l.rows[i].Cafe = 10;
    }
    l.RecomputeTotals(f.weekly);
    const int used = f.weekly ? 4 : 2;  // rows 27 and 52 lie beyond a bi-weekly year
    EXPECT_EQ(l.totals.Fed, static_cast<float>(used));
    EXPECT_EQ(l.totals.Gross, Currency::fromDouble(100.0 * used));
    EXPECT_EQ(l.totals.Tips, Currency::fromDouble(2.0 * used));
    EXPECT_EQ(l.totals.SDI, 2.0f);
    EXPECT_EQ(l.totals.SUI, 1.0f);
    EXPECT_EQ(l.totals.Cafe, 40.0f);
    EXPECT_EQ(l.YtdWages(), l.totals.Gross);

    // Row 52 (week 53) reaches the file only for a weekly employee.
    l.rows[52].Date = "12/31/2015";
    EXPECT_EQ(l.write(f.weekly).find("12/31/2015") != std::string::npos, f.weekly);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, LedgerFileTest,
                         ::testing::Values(Frequency{true, 53, 215}, Frequency{false, 27, 111}),
                         [](const auto& info) {
                             return std::string(info.param.weekly ? "Weekly" : "BiWeekly");
                         });

TEST(LedgerFile, LayoutOfARowAndTheTotals) {
    Ledger l;
    LedgerRow& r = l.rows[0];
    r.Date = "01/09/2015";
    r.Fed = 12.5f;
    r.SS = 24.8f;
    r.Medi = 5.8f;
    r.State = 8;
    r.City = 0;
    r.Muni = 1;
    r.Bond = 2;
    r.Dues = 3;
    r.Pension = 4;
    r.Misc = 5;
    r.Kplan = 6;
    r.OT = 45.25f;
    r.Gross = 400;
    r.Net = 283.65f;
    r.SDI = 1.2f;
    r.SUI = 0.5f;
    r.Cafe = 7;
    r.Tips = 0.1f;
    l.totals.Fed = 12.5f;
    l.totals.Misc = 5;
    l.totals.Kplan = 6;
    l.totals.OT = Currency::fromDouble(45.25);
    l.totals.Gross = Currency::fromDouble(400);
    l.totals.Net = Currency::fromDouble(283.65);
    l.totals.Tips = Currency::fromDouble(0.1);

    const auto out = test::crlfLines(l.write(false));
    ASSERT_EQ(out.size(), 111u);
    EXPECT_EQ(out[0], "\"01/09/2015\",12.5,24.8,5.8,8");
    EXPECT_EQ(out[1], "0,1,2,3,4");
    EXPECT_EQ(out[2], "5,6,45.25,400,283.65");
    EXPECT_EQ(out[3], "1.2,0.5,7,0.1");
    EXPECT_EQ(out[4], "\"\",0,0,0,0");
    EXPECT_EQ(out[108], "12.5,0,0,0,0");
    EXPECT_EQ(out[109], "0,0,0,0,5");
    EXPECT_EQ(out[110], "6,45.25,400,283.65,0.1");
}

TEST(LedgerFile, ReadsFieldsAsTheLineFormatWritesThem) {
    // A leading period, an empty number field and a comma inside the quoted date.
    Ledger l;
    l.read(test::fixture("ledger/odd-fields.yrb"), "Sample.yrb", false);
    EXPECT_EQ(l.rows[0].Date, "Jan 9, 2015");
    EXPECT_EQ(l.rows[0].Fed, 0.5f);
    EXPECT_EQ(l.rows[0].SS, 0.0f);
    EXPECT_EQ(l.rows[0].Medi, 100.0f);
    EXPECT_EQ(l.rows[0].State, -3.0f);
    EXPECT_EQ(l.rows[0].Gross, 1234.5678f);
    EXPECT_EQ(l.rows[0].Tips, 9.0f);
    EXPECT_EQ(l.totals.Medi, 100.0f);
    // Currency totals keep all four decimals, which a float would not.
    EXPECT_EQ(l.totals.OT.units(), 987654321);
    EXPECT_EQ(l.totals.Gross.units(), 12345678);
    EXPECT_EQ(l.totals.Tips.units(), 90000);
}

TEST(LedgerTotals, FloatTotalsGoThroughTheirTextAfterEveryRowCurrencyTotalsAreExact) {
    Ledger l;
    float plain = 0;
    for (auto& r : l.rows) {
        r.Fed = r.Kplan = r.OT = r.Tips = r.Gross = r.Net = r.SDI = 0.1f;
        plain += 0.1f;
    }
    ASSERT_NE(plain, 5.3f);  // a plain float sum drifts
    l.RecomputeTotals(true);
    EXPECT_EQ(l.totals.Fed, 5.3f);
    EXPECT_EQ(l.totals.Kplan, 5.3f);
    for (Currency c : {l.totals.OT, l.totals.Tips, l.totals.Gross, l.totals.Net})
        EXPECT_EQ(c.units(), 53000);
    EXPECT_EQ(l.totals.SDI, plain);  // SDI, SUI and Cafe are plain sums

    const auto out = test::crlfLines(l.write(true));
    EXPECT_EQ(out[212], "5.3,0,0,0,0");
    EXPECT_EQ(out[214], "5.3,5.3,5.3,5.3,5.3");
}

TEST(LedgerTotals, CurrencyTotalsRoundEachRowToFourDecimals) {
    Ledger l;
    l.rows[0].Gross = 1234.5678f;  // stored as 1234.5677490234375
    l.rows[1].Gross = 0.03125f;    // exact half units, rounded away from zero
    l.rows[2].Gross = 0.15625f;
    l.rows[3].Gross = 0.1f;  // 0.100000001490116
    l.rows[1].Net = -0.03125f;
    l.RecomputeTotals(false);
    EXPECT_EQ(l.totals.Gross.units(), 12345677 + 313 + 1563 + 1000);
    EXPECT_EQ(l.totals.Net.units(), -313);
    EXPECT_EQ(l.YtdWages(), l.totals.Gross);
}

TEST(LedgerTotals, StaleTotalsAreReplaced) {
    Ledger l;
    l.totals.Fed = 99;
    l.totals.Gross = Currency::fromDouble(99);
    l.totals.SDI = 99;
    l.rows[3].Fed = 2;
    l.rows[3].Gross = 3;
    l.RecomputeTotals(false);
    EXPECT_EQ(l.totals.Fed, 2.0f);
    EXPECT_EQ(l.totals.Gross, Currency::fromDouble(3));
    EXPECT_EQ(l.totals.SDI, 0.0f);
}

struct OverflowCase {
    const char* name;
    void (*fill)(Ledger&);
    void (*check)(const Ledger&);  // what the totals hold when the overflow stopped them
};

const OverflowCase kOverflows[] = {
    {"FloatTotal",
     [](Ledger& l) {
         l.rows[0].Fed = 3e38f;
         l.rows[0].Gross = 10;
         l.rows[1].Fed = 3e38f;
         l.rows[1].Gross = 10;
     },
     [](const Ledger& l) {
         EXPECT_EQ(l.totals.Fed, 3e38f);
         EXPECT_EQ(l.totals.Gross, Currency::fromDouble(10));  // row 1 never reached Gross
         EXPECT_EQ(l.totals.SDI, 7.0f);                        // SDI, SUI and Cafe were not started
     }},
    {"NegativeFloatTotal",
     [](Ledger& l) {
         l.rows[5].Kplan = -3e38f;
         l.rows[6].Kplan = -3e38f;
     },
     [](const Ledger& l) { EXPECT_EQ(l.totals.Kplan, -3e38f); }},
    {"FloatBeyondCurrency",
     [](Ledger& l) {
         l.rows[0].Net = 3e38f;
         l.rows[0].Fed = 1;
     },
     [](const Ledger& l) {
         EXPECT_EQ(l.totals.Fed, 1.0f);
         EXPECT_EQ(l.totals.Net, Currency());
     }},
    {"CurrencySum",
     [](Ledger& l) {
         for (int i = 0; i < 20; ++i) l.rows[i].Gross = 5e14f;
     },
     [](const Ledger& l) { EXPECT_EQ(l.totals.Gross, Currency::fromDouble(5e14f)); }},
    {"SdiOfARowBeyondTheBiWeeklyYear",
     [](Ledger& l) {
         l.rows[0].SDI = 3e38f;
         l.rows[40].SDI = 3e38f;
         l.rows[1].Fed = 4;
     },
     [](const Ledger& l) {
         EXPECT_EQ(l.totals.Fed, 4.0f);
         EXPECT_EQ(l.totals.SDI, 3e38f);
     }},
};

void PrintTo(const OverflowCase& c, std::ostream* os) {
    *os << c.name;
}

class LedgerOverflowTest : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(LedgerOverflowTest, StopsWithTheMessageAndKeepsTheTotalsSoFar) {
    Ledger l;
    l.totals.SDI = 7;
    GetParam().fill(l);
    try {
        l.RecomputeTotals(false);
        FAIL() << "no error";
    } catch (const ReadError&) {
        FAIL() << "not a file error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "CHECK YOUR ENTRY FOR NON NUMBER TYPE");
    }
    GetParam().check(l);
}

INSTANTIATE_TEST_SUITE_P(Cases, LedgerOverflowTest, ::testing::ValuesIn(kOverflows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LedgerTotals, LargestFloatStillAdds) {
    Ledger l;
    l.rows[0].Fed = FLT_MAX;
    l.rows[0].SDI = FLT_MAX;
    EXPECT_NO_THROW(l.RecomputeTotals(true));
    EXPECT_EQ(l.totals.Fed, 3.402823e38f);  // its 7-digit text
    EXPECT_EQ(l.totals.SDI, FLT_MAX);
}

struct BadFile {
    const char* name;
    int cutAt;          // the good file cut to this many bytes (-1: whole file)
    const char* patch;  // replaces the field text "5.25" of row 5 when set
    int rowsKept;       // rows read whole before the error
    int line;
};

void PrintTo(const BadFile& b, std::ostream* os) {
    *os << b.name << ", error on line " << b.line;
}

class LedgerReadErrorTest : public ::testing::TestWithParam<BadFile> {
  protected:
    static std::string goodFile() {
        Ledger src;
        for (int i = 0; i < 27; ++i) src.rows[i] = sampleRow(i);
        src.rows[5].SS = 5.25f;
        return src.write(false);
    }
};

TEST_P(LedgerReadErrorTest, NamesTheFileAndKeepsEarlierRows) {
    const BadFile b = GetParam();
    std::string bytes = goodFile();
    if (b.cutAt >= 0) bytes.resize(static_cast<size_t>(b.cutAt));
    if (b.patch) {
        auto at = bytes.find(",5.25,");
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at + 1, 4, b.patch);
    }
    Ledger l;
    l.rows[20].Date = "before";
    l.totals.Fed = 42;
    try {
        l.read(bytes, "Sample.yrb", false);
        FAIL() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Sample.yrb");
        EXPECT_NE(std::string(e.what()).find("Sample.yrb"), std::string::npos);
        EXPECT_EQ(e.line, b.line);
    }
    for (int i = 0; i < b.rowsKept; ++i) {
        LedgerRow expected = sampleRow(i);
        if (i == 5) expected.SS = 5.25f;
        expectSameRow(l.rows[i], expected, i);
    }
    EXPECT_EQ(l.rows[20].Date, "before");  // never reached
    EXPECT_EQ(l.totals.Fed, 42.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, LedgerReadErrorTest,
                         ::testing::Values(BadFile{"EmptyFile", 0, nullptr, 0, 1},
                                           BadFile{"UnclosedDate", 1, nullptr, 0, 1},
                                           BadFile{"TextForANumber", -1, "abc", 5, 21},
                                           BadFile{"DollarAmount", -1, "$5", 5, 21},
                                           BadFile{"TooLargeForFloat", -1, "1e39", 5, 21},
                                           BadFile{"BeyondAPayPeriod", -1, "9e18", 5, 21},
                                           BadFile{"NegativeBeyondAPayPeriod", -1, "-5e20", 5, 21},
                                           BadFile{"LargestFloat", -1, "3.4e38", 5, 21}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LedgerFile, ShortFileStopsWhereTheDataEnds) {
    Ledger src = filledLedger();
    const auto all = test::crlfLines(src.write(true));
    std::string bytes;
    for (size_t i = 0; i < 13; ++i) bytes += all[i] + "\r\n";  // rows 0 to 2 and a line of row 3

    Ledger l;
    EXPECT_THROW(l.read(bytes, "Sample.yrw", true), ReadError);
    for (int i = 0; i < 3; ++i) expectSameRow(l.rows[i], src.rows[i], i);
    EXPECT_EQ(l.rows[3].Date, src.rows[3].Date);
    EXPECT_EQ(l.rows[3].State, src.rows[3].State);
    EXPECT_EQ(l.rows[3].City, 0.0f);
}

TEST(LedgerFile, MissingOrHugeTotalsAreReadErrors) {
    Ledger src = filledLedger();
    const std::string good = src.write(true);
    const auto all = test::crlfLines(good);

    std::string noTotals;
    for (size_t i = 0; i < 214; ++i) noTotals += all[i] + "\r\n";
    Ledger l;
    EXPECT_THROW(l.read(noTotals, "Sample.yrw", true), ReadError);
    expectSameRow(l.rows[52], src.rows[52], 52);

    // A currency total beyond the currency's range.
    std::string huge = good.substr(0, good.size() - all[214].size() - 2) + "0,1e300,0,0,0\r\n";
    Ledger h;
    try {
        h.read(huge, "Sample.yrw", true);
        FAIL() << "no error";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Sample.yrw");
        EXPECT_EQ(e.line, 215);
    }
}

// A currency total the reader takes must be written in a form it takes again, or a saved
// ledger locks its employee out for good.
TEST(LedgerFile, CurrencyTotalsShareOneRangeForReadingWritingAndSums) {
    Ledger src = filledLedger();
    src.RecomputeTotals(true);
    const std::string good = src.write(true);
    const auto all = test::crlfLines(good);
    const std::string head = good.substr(0, good.size() - all[214].size() - 2);
    struct Case {
        const char* gross;
        bool reads;
    } cases[] = {
        {"900000000000000", true},    {"-900000000000000", true}, {"899999999999999.99", true},
        {"900000000000000.1", false}, {"922337203685477", false},  // once read, then written as
                                                                   // ...478 and refused
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gross);
        Ledger l;
        const std::string bytes = head + "0," + c.gross + ",0,0,0\r\n";
        if (!c.reads) {
            EXPECT_THROW(l.read(bytes, "Sample.yrw", true), ReadError);
            continue;
        }
        l.read(bytes, "Sample.yrw", true);
        Ledger again;
        again.read(l.write(true), "Sample.yrw", true);
        EXPECT_EQ(again.totals.Gross, l.totals.Gross);
    }
    Ledger beyond = src;
    beyond.totals.Gross = Currency::fromDouble(922337203685477.0);
    EXPECT_THROW(beyond.write(true), RangeError);

    Ledger sums;
    sums.rows[0].Gross = 5e14f;
    sums.rows[1].Gross = 5e14f;
    EXPECT_THROW(sums.RecomputeTotals(true), Error);
}

// A row is one pay period's amounts: a field beyond that is damage naming its line and
// field, with the rows before it still read; a total is a year's.
TEST(LedgerFile, AFieldBeyondItsRangeIsDamageNamingTheField) {
    struct Case {
        size_t line;  // 0-based line of the weekly file
        size_t field;
        const char* text;
        const char* name;
        int rowsKept;
    } cases[] = {
        {0, 1, "9e18", "federal tax", 0},
        {9, 4, "-5e20", "pension deduction", 2},
        {14, 3, "3.4e38", "gross pay", 3},
        {15, 3, "10000000.5", "tips", 3},
        {207, 0, "-10000001", "SDI", 51},
        {212, 0, "1e10", "federal tax total", 53},
        {213, 4, "-2e9", "misc. deduction total", 53},
    };
    Ledger src = filledLedger();
    src.RecomputeTotals(true);
    const auto all = test::crlfLines(src.write(true));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto lines = all;
        std::vector<std::string> fields(1);
        bool quoted = false;  // the date holds a comma
        for (char ch : lines[c.line]) {
            if (ch == '"') quoted = !quoted;
            if (ch == ',' && !quoted)
                fields.emplace_back();
            else
                fields.back() += ch;
        }
        ASSERT_LT(c.field, fields.size());
        fields[c.field] = c.text;
        lines[c.line].clear();
        for (size_t k = 0; k < fields.size(); ++k) lines[c.line] += (k ? "," : "") + fields[k];
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";

        Ledger l;
        try {
            l.read(bytes, "Sample.yrw", true);
            FAIL() << "no error";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "Sample.yrw");
            EXPECT_EQ(e.line, static_cast<int>(c.line) + 1);
            EXPECT_NE(e.problem.find(std::string("the ") + c.name + " " + c.text + " is outside"),
                      std::string::npos)
                << e.problem;
        }
        for (int i = 0; i < c.rowsKept; ++i) expectSameRow(l.rows[i], src.rows[i], i);
    }
}

// Nothing is written that the reader would refuse: not by the ledger, not by its window.
TEST(LedgerFile, WritersRefuseAFieldBeyondItsRange) {
    Ledger rows;
    rows.rows[3].Gross = 9e18f;
    EXPECT_THROW(rows.write(true), RangeError);
    Ledger sdi;
    sdi.rows[0].SDI = -5e20f;
    EXPECT_THROW(sdi.write(false), RangeError);
    Ledger total;
    total.totals.Fed = 3.4e38f;
    EXPECT_THROW(total.write(false), RangeError);

    Ledger l;
    LedgerWindow w;
    EXPECT_NO_THROW(w.fileBytes(l, false));
    w.rows[2].cell(LedgerColumn::Net).text = "9e18";
    EXPECT_THROW(w.fileBytes(l, false), RangeError);
}

// The largest amounts a pay period may hold, every week of a year: the totals stay within
// what the totals lines hold, and the file reads back as written.
TEST(LedgerTotals, AYearOfTheLargestRowsTotalsAndSaves) {
    for (float amount : {1e7f, -1e7f}) {
        SCOPED_TRACE(amount);
        Ledger l;
        for (auto& r : l.rows)
            for (float* f :
                 {&r.Fed, &r.SS, &r.Medi, &r.State, &r.City, &r.Muni, &r.Bond, &r.Dues, &r.Pension,
                  &r.Misc, &r.Kplan, &r.Tips, &r.OT, &r.Net, &r.Gross, &r.SDI, &r.SUI, &r.Cafe})
                *f = amount;
        ASSERT_NO_THROW(l.RecomputeTotals(true));
        EXPECT_EQ(l.totals.Fed, 53 * amount);
        EXPECT_EQ(l.totals.Gross, Currency::fromDouble(53.0 * amount));
        const std::string bytes = l.write(true);
        Ledger back;
        back.read(bytes, "Sample.yrw", true);
        EXPECT_EQ(back.write(true), bytes);
    }
}

TEST(LedgerClear, EmptiesEveryRowAndTotal) {
    Ledger l = filledLedger();
    l.RecomputeTotals(true);
    l.ClearLedger();
    for (int i = 0; i < 53; ++i) EXPECT_TRUE(rowIsEmpty(l.rows[i])) << "row " << i;
    EXPECT_EQ(l.totals.Fed, 0.0f);
    EXPECT_EQ(l.totals.Kplan, 0.0f);
    EXPECT_EQ(l.totals.SDI, 0.0f);
    EXPECT_EQ(l.totals.Cafe, 0.0f);
    EXPECT_EQ(l.totals.Gross, Currency());
    EXPECT_EQ(l.totals.Tips, Currency());
    EXPECT_EQ(l.YtdWages(), Currency());
    EXPECT_EQ(test::crlfLines(l.write(false))[0], "\"\",0,0,0,0");
}

}  // namespace
}  // namespace corvella

namespace corvella {
namespace {

// The totals are each row added and put through the 7-digit text, row by row, whatever
// rows of zeros they skip: checked bit for bit on ledgers with zeros between amounts of
// every size, the float's 7-digit edges (8,388,608, and past 2^33 where a 7-digit text can
// name another float) included.
TEST(LedgerTotalsSkippingZeros, EqualTheRowByRowSumThroughText) {
    std::mt19937 random(7);
    const float sizes[] = {0.01f,     1.5f,      123.45f,   99999.99f,
                           8388607.f, 8388609.f, 9999999.f, 9.5e9f};
    for (int trial = 0; trial < 300; ++trial) {
        Ledger l;
        for (LedgerRow& r : l.rows) {
            if (random() % 3 == 0) continue;  // a row of zeros
            const float size = sizes[random() % std::size(sizes)];
            const float v = size * static_cast<float>(random() % 1000) / 997.f;
            r.Fed = random() % 2 ? v : -v;
            r.Kplan = v / 3;
        }
        l.RecomputeTotals(true);
        float fed = 0, kplan = 0;
        for (const LedgerRow& r : l.rows) {
            fed = static_cast<float>(*strictNumber(floatText(fed + r.Fed)));
            kplan = static_cast<float>(*strictNumber(floatText(kplan + r.Kplan)));
        }
        ASSERT_EQ(std::bit_cast<uint32_t>(l.totals.Fed), std::bit_cast<uint32_t>(fed)) << trial;
        ASSERT_EQ(std::bit_cast<uint32_t>(l.totals.Kplan), std::bit_cast<uint32_t>(kplan)) << trial;
    }
}

}  // namespace
}  // namespace corvella
