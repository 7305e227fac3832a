#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city/city.h"
#include "common/errors.h"
#include "test_support.h"

namespace corvella {
namespace {

// Values as a person types them: each the float nearest a short decimal, so the
// 7-digit text form brings it back exactly.
float typed(double v) {
    return static_cast<float>(v);
}

CityTable sampleCityTable() {
    CityTable t;
    for (int i = 0; i < 10; ++i) {
        t.CityMinBS[i] = typed(100.25 * i);
        t.CityAmtBS[i] = typed(1.5 * i);
        t.CityPerBS[i] = typed(0.001 * (i + 1));
        t.CityMinBM[i] = typed(120.5 * i + 1);
        t.CityAmtBM[i] = typed(-0.75 * i);
        t.CityPerBM[i] = 0.0425f;
        t.CitySgExp[i] = typed(192.3 + i);
        t.CityMarExp[i] = typed(211.5 + i);
    }
    t.CityMinBS[9] = t.CityMinBM[9] = 999999;
    t.NoLocalTaxFlag = 1;
    return t;
}

void expectSame(const CityTable& a, const CityTable& b) {
    EXPECT_EQ(a.CityMinBS, b.CityMinBS);
    EXPECT_EQ(a.CityAmtBS, b.CityAmtBS);
    EXPECT_EQ(a.CityPerBS, b.CityPerBS);
    EXPECT_EQ(a.CityMinBM, b.CityMinBM);
    EXPECT_EQ(a.CityAmtBM, b.CityAmtBM);
    EXPECT_EQ(a.CityPerBM, b.CityPerBM);
    EXPECT_EQ(a.CitySgExp, b.CitySgExp);
    EXPECT_EQ(a.CityMarExp, b.CityMarExp);
    EXPECT_EQ(a.NoLocalTaxFlag, b.NoLocalTaxFlag);
}

TEST(CityFile, LayoutIsTwentyOneLinesInColumnOrder) {
    CityTable t;
    t.CityMinBS[3] = 557;
    t.CityAmtBS[3] = 14.08f;
    t.CityPerBS[3] = 0.037f;
    t.CityMinBM[3] = 577;
    t.CityAmtBM[3] = 14.09f;
    t.CityPerBM[3] = 0.0375f;
    t.CitySgExp[0] = 192.3f;
    t.CityMarExp[0] = 211.5f;
    t.CityMarExp[9] = 558;
    t.NoLocalTaxFlag = 1;

    auto l = test::crlfLines(writeCityFile(t));
    ASSERT_EQ(l.size(), 21u);
    EXPECT_EQ(l[0], "0,0,0,0,0,0");
    EXPECT_EQ(l[3], "557,14.08,0.037,577,14.09,0.0375");
    EXPECT_EQ(l[10], "1");
    EXPECT_EQ(l[11], "192.3,211.5");
    EXPECT_EQ(l[20], "0,558");
}

TEST(CityFile, RoundTripKeepsEveryFieldAndBytes) {
    const CityTable t = sampleCityTable();
    const std::string bytes = writeCityFile(t);
    CityTable back;
    readCityFile(bytes, "Sample.cti", back);
    expectSame(back, t);
    EXPECT_EQ(writeCityFile(back), bytes);
}

TEST(CityFile, ReadsNumbersWithoutLeadingZeroAndEmptyFields) {
    std::string bytes = writeCityFile(CityTable{});
    bytes.replace(0, bytes.find("\r\n"), "5,,.019,-1.5,,.5");
    CityTable t;
    readCityFile(bytes, "Sample.cti", t);
    EXPECT_EQ(t.CityMinBS[0], 5.0f);
    EXPECT_EQ(t.CityAmtBS[0], 0.0f);
    EXPECT_EQ(t.CityPerBS[0], 0.019f);
    EXPECT_EQ(t.CityMinBM[0], -1.5f);
    EXPECT_EQ(t.CityPerBM[0], 0.5f);
}

TEST(CityFile, BrokenFileThrowsReadErrorAndLeavesTableAlone) {
    const std::string good = writeCityFile(sampleCityTable());
    std::string shortFile = good.substr(0, good.rfind("\r\n", good.size() - 3) + 2);  // 20 lines
    std::string textInNumber = good;
    textInNumber.replace(textInNumber.find("0.003"), 5, "abc");  // line 3

    struct Case {
        const char* what;
        std::string bytes;
        int line;
    };
    for (const Case& c :
         {Case{"short", shortFile, 21}, Case{"text", textInNumber, 3}, Case{"empty", "", 1}}) {
        SCOPED_TRACE(c.what);
        CityTable t;
        t.CityMinBS[0] = 42;
        try {
            readCityFile(c.bytes, "Sample.cti", t);
            FAIL() << "no ReadError";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "Sample.cti");
            EXPECT_EQ(e.line, c.line);
        }
        EXPECT_EQ(t.CityMinBS[0], 42.0f);
        EXPECT_EQ(t.CityMinBS[1], 0.0f);
    }
}

TEST(NonCityFile, LayoutIsEightLinesAndRate) {
    NonCityTable t;
    t.NonMinBi[2] = 385;
    t.NonExpBi[2] = 77;
    t.NonMinWk[2] = 192;
    t.NonExpWk[2] = 38;
    t.NonMinBi[7] = t.NonMinWk[7] = 999999;
    t.NonRate = 0.0045f;

    auto l = test::crlfLines(writeNonCityFile(t));
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[0], "0,0,0,0");
    EXPECT_EQ(l[2], "385,77,192,38");
    EXPECT_EQ(l[7], "999999,0,999999,0");
    EXPECT_EQ(l[8], "0.0045");
}

TEST(NonCityFile, RoundTripKeepsEveryFieldAndBytes) {
    NonCityTable t;
    for (int i = 0; i < 8; ++i) {
        t.NonMinBi[i] = typed(145.5 * i);
        t.NonExpBi[i] = typed(115.3 - i);
        t.NonMinWk[i] = typed(78.125 * i);
        t.NonExpWk[i] = typed(-0.5 * i);
    }
    t.NonRate = 0.0123f;
    const std::string bytes = writeNonCityFile(t);
    NonCityTable back;
    readNonCityFile(bytes, "Sample.nci", back);
    EXPECT_EQ(back.NonMinBi, t.NonMinBi);
    EXPECT_EQ(back.NonExpBi, t.NonExpBi);
    EXPECT_EQ(back.NonMinWk, t.NonMinWk);
    EXPECT_EQ(back.NonExpWk, t.NonExpWk);
    EXPECT_EQ(back.NonRate, t.NonRate);
    EXPECT_EQ(writeNonCityFile(back), bytes);
}

TEST(NonCityFile, BrokenFileThrowsReadErrorAndLeavesTableAlone) {
    NonCityTable full;
    full.NonRate = 0.0045f;
    const std::string good = writeNonCityFile(full);
    std::string noRate = good.substr(0, good.size() - std::string("0.0045\r\n").size());
    std::string textInNumber = good;
    textInNumber.replace(0, 1, "x1");

    for (const auto& [bytes, line] : {std::pair{noRate, 9}, std::pair{textInNumber, 1}}) {
        NonCityTable t;
        t.NonRate = 0.5f;
        try {
            readNonCityFile(bytes, "Sample.nci", t);
            ADD_FAILURE() << "no ReadError";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "Sample.nci");
            EXPECT_EQ(e.line, line);
        }
        EXPECT_EQ(t.NonRate, 0.5f);
    }
}

// A rate is a decimal fraction of the wages; a file holding one outside 0 to 1 is damage,
// and none is written. The screens' defaults lie inside.
TEST(CityFile, RatesOutsideZeroToOneAreDamageAndNotWritten) {
    struct Case {
        const char* rate;
        bool reads;
    } cases[] = {{"54", false}, {"1.0001", false}, {"-0.0045", false}, {"-100", false},
                 {"0", true},   {"0.0425", true},  {"1", true}};
    const auto cityLines = test::crlfLines(writeCityFile(sampleCityTable()));
    NonCityTable nonCity;
    nonCity.NonRate = 0.0045f;
    const auto nonLines = test::crlfLines(writeNonCityFile(nonCity));
    auto join = [](const std::vector<std::string>& lines) {
        std::string b;
        for (const auto& l : lines) b += l + "\r\n";
        return b;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        auto city = cityLines;
        city[3] = city[3].substr(0, city[3].rfind(',') + 1) + c.rate;  // the married rate
        auto non = nonLines;
        non[8] = c.rate;
        const std::pair<std::string, int> files[] = {{join(city), 4}, {join(non), 9}};
        for (size_t k = 0; k < 2; ++k) {
            CityTable t;
            NonCityTable n;
            auto read = [&] {
                if (k == 0)
                    readCityFile(files[k].first, "Sample.cti", t);
                else
                    readNonCityFile(files[k].first, "Sample.nci", n);
            };
            if (c.reads) {
                EXPECT_NO_THROW(read());
                continue;
            }
            try {
                read();
                ADD_FAILURE() << "no ReadError";
            } catch (const ReadError& e) {
                EXPECT_EQ(e.line, files[k].second);
                EXPECT_NE(e.problem.find(" rate " + std::string(c.rate) + " is outside 0 to 1"),
                          std::string::npos)
                    << e.problem;
            }
        }
    }
    for (float rate : {54.0f, -0.01f, 1.5f}) {
        CityTable t = sampleCityTable();
        t.CityPerBS[2] = rate;
        EXPECT_THROW(writeCityFile(t), RangeError) << rate;
        NonCityTable n;
        n.NonRate = rate;
        EXPECT_THROW(writeNonCityFile(n), RangeError) << rate;
    }
}

}  // namespace
}  // namespace corvella
