#include "federal/federal.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/fileio.h"
#include "test_support.h"

namespace corvella {
namespace {

FedTable shipped() {
    auto bytes = readFileBytes(test::dataDir() / "Federal15.dtt");
    EXPECT_TRUE(bytes.has_value());
    return readFedTable(*bytes, "Federal15.dtt");
}

TEST(FedTableFile, ReadsTheShippedTable) {
    FedTable t = shipped();
    EXPECT_EQ(t.FedTableVer, "2015 Pub 15");
    EXPECT_EQ(t.sections[0][0].Over, 88.0f);    // single bi-weekly, 10% row
    EXPECT_EQ(t.sections[1][1].Add, 17.8f);     // single weekly, 15% row
    EXPECT_EQ(t.sections[3][7].Over, 9105.0f);  // married weekly, top row
    EXPECT_EQ(t.sections[3][7].Rate, 0.396f);
    EXPECT_EQ(t.FedAllowSingle[1], 76.9f);
    EXPECT_EQ(t.FedAllowMarried[9], 692.1f);
}

TEST(FedTableFile, SeparatorsAndLineBreaksDoNotMatter) {
    std::string bytes = *readFileBytes(test::dataDir() / "Federal15.dtt");
    std::string other;
    for (char c : bytes) other += (c == '\r') ? ' ' : c;  // bare LF line ends
    auto pos = other.find("\"Single Bi-Weekly\"");
    other.replace(pos, 18, "Heading");
    std::string oneLine;
    for (char c : bytes)
        if (c != '\r') oneLine += c == '\n' ? ',' : c;
    oneLine.back() = '\n';  // a comma after the version would be a field more
    FedTable a = shipped();
    for (const std::string& variant : {other, oneLine}) {
        FedTable b = readFedTable(variant, "Federal15.dtt");
        EXPECT_EQ(b.sections[2][3].Add, a.sections[2][3].Add);
        EXPECT_EQ(b.FedAllowMarried[9], a.FedAllowMarried[9]);
        EXPECT_EQ(b.FedTableVer, a.FedTableVer);
    }
}

TEST(FedTableFile, ShortOrNonNumericFilesAreRefused) {
    std::string bytes = *readFileBytes(test::dataDir() / "Federal15.dtt");
    EXPECT_THROW(readFedTable(bytes.substr(0, 300), "Federal15.dtt"), ReadError);
    std::string bad = bytes;
    bad.replace(0, 5, "eight");
    EXPECT_THROW(readFedTable(bad, "Federal15.dtt"), ReadError);
}

TEST(FedTableFile, ClearingZeroesNumbersAndKeepsTheVersion) {
    FedTable t = shipped();
    t.clearNumbers();
    EXPECT_EQ(t.sections[0][0].Over, 0.0f);
    EXPECT_EQ(t.FedAllowSingle[1], 0.0f);
    EXPECT_EQ(t.FedTableVer, "2015 Pub 15");
}

TEST(FederalTax, BracketsOfTheShippedTable) {
    FedTable t = shipped();
    struct Case {
        bool single;
        bool biWeekly;
        float W;
        double tax;
    } cases[] = {
        {true, false, 44.0f, 0},                     // at Over of row 0
        {true, false, 222.0f, 17.8},                 // at NotOver: taxed by its own row
        {true, false, 223.23f, 17.8 + 1.23 * 0.15},  // next row
        {true, false, 0.0f, 0},
        {true, false, -50.0f, 0},
        {true, false, 8000.0f, 2307.52 + 10 * 0.396},  // top row with its Add
        {true, true, 300.0f, (300 - 88) * 0.10},       // bi-weekly uses its own section
        {false, false, 300.0f, (300 - 165) * 0.10},
        {false, true, 2000.0f, 70.90 + (2000 - 1040) * 0.15},
    };
    for (const auto& c : cases) {
        float tax = 0;
        int bi = c.biWeekly ? -1 : 0, wk = c.biWeekly ? 0 : -1;
        if (c.single)
            GetFedSingle(t, c.W, bi, wk, tax);
        else
            GetFedMarried(t, c.W, bi, wk, tax);
        EXPECT_NEAR(tax, c.tax, 0.001) << c.W;
    }
}

TEST(FederalTax, AnAllZeroTableWithholdsNothing) {
    FedTable t;
    for (float W : {0.0f, 100.0f, 50000.0f}) {
        float tax = 0;
        GetFedSingle(t, W, 0, -1, tax);
        EXPECT_EQ(tax, 0.0f);
    }
}

}  // namespace
}  // namespace corvella
