#include "tools/leave.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "test_support.h"

namespace corvella {
namespace {

// A screen with something in every account, so that a cleared or misplaced value shows.
LeaveScreen filledScreen() {
    LeaveScreen s;
    int n = 0;
    for (LeaveAccount* a : {&s.vac, &s.hol, &s.sick}) {
        a->startBalance.text = std::to_string(10 + n);
        a->balance = static_cast<float>(5 + n);
        for (int i = 0; i < 20; ++i) {
            a->counts[i].text = std::to_string(n * 100 + i) + ".5";
            a->dates[i].text = "d" + std::to_string(n) + "-" + std::to_string(i);
        }
        ++n;
    }
    return s;
}

TEST(LeaveFile, ClearAllThenSaveWritesZerosAndEmptyDates) {
    LeaveScreen s = filledScreen();
    s.clearVac();
    const auto out = test::crlfLines(writeLeaveFile(s.values()));
    ASSERT_EQ(out.size(), 41u);
    EXPECT_EQ(out[0], "0,0,0,0,0,0");
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(out[i], "0,0,0") << "line " << i + 1;
    for (int i = 21; i <= 40; ++i) EXPECT_EQ(out[i], "\"\",\"\",\"\"") << "line " << i + 1;
}

TEST(LeaveFile, LayoutByAccount) {
    LeaveScreen s;
    s.clearVac();
    s.vac.balance = 6;
    s.vac.startBalance.text = "10";
    s.hol.balance = 9.7f;
    s.hol.startBalance.text = "10";
    s.sick.balance = -1.5f;
    s.sick.startBalance.text = "0";
    s.vac.counts[0].text = "1";
    s.hol.counts[0].text = "2.5";
    s.sick.counts[0].text = ".5";
    s.sick.counts[19].text = "3";
    s.vac.dates[0].text = "May 5-7";
    s.sick.dates[19].text = "Dec 24";
    const auto out = test::crlfLines(writeLeaveFile(s.values()));
    ASSERT_EQ(out.size(), 41u);
    EXPECT_EQ(out[0], "6,10,9.7,10,-1.5,0");
    EXPECT_EQ(out[1], "1,2.5,0.5");
    EXPECT_EQ(out[20], "0,0,3");
    EXPECT_EQ(out[21], "\"May 5-7\",\"\",\"\"");
    EXPECT_EQ(out[40], "\"\",\"\",\"Dec 24\"");
}

TEST(LeaveFile, RoundTripsDatesAsTypedAndNumbersInTheirShortestForm) {
    LeaveScreen s = filledScreen();
    s.vac.dates[3].text = "May 5-7";
    s.hol.dates[0].text = "Jan 1, 2015";  // a comma inside the quotes
    s.sick.dates[19].text = "";
    s.hol.counts[7].text = ".25";
    s.sick.startBalance.text = "7.50";
    const std::string bytes = writeLeaveFile(s.values());

    LeaveScreen back;
    back.show(readLeaveFile(bytes, "Sample.hol"));
    EXPECT_EQ(back.vac.dates[3].text, "May 5-7");
    EXPECT_EQ(back.hol.dates[0].text, "Jan 1, 2015");
    EXPECT_EQ(back.sick.dates[19].text, "");
    EXPECT_EQ(back.hol.counts[7].text, "0.25");
    EXPECT_EQ(back.sick.startBalance.text, "7.5");
    EXPECT_EQ(back.vac.startBalance.text, "10");
    EXPECT_EQ(back.hol.balance, 6.0f);
    EXPECT_EQ(back.sick.counts[19].text, "219.5");
    EXPECT_EQ(back.vac.dates[19].text, "d0-19");
    EXPECT_EQ(writeLeaveFile(back.values()), bytes);
}

TEST(LeaveFile, QuoteInADateDoesNotBreakTheFile) {
    LeaveScreen s;
    s.clearVac();
    s.vac.dates[0].text = "5\" of snow";
    s.sick.dates[19].text = "last";
    LeaveScreen back;
    back.show(readLeaveFile(writeLeaveFile(s.values()), "Sample.hol"));
    EXPECT_EQ(back.vac.dates[0].text, "5' of snow");
    EXPECT_EQ(back.sick.dates[19].text, "last");
}

struct Lenient {
    const char* name;
    const char* typed;
    const char* written;
};

void PrintTo(const Lenient& c, std::ostream* os) {
    *os << "typed '" << c.typed << "' is written " << c.written;
}

class LeaveLenientTest : public ::testing::TestWithParam<Lenient> {};

// Counts and start balances that do not begin with a number count 0.
TEST_P(LeaveLenientTest, CountsAndStartBalancesAreReadLeniently) {
    LeaveScreen s;
    s.clearVac();
    s.hol.counts[2].text = GetParam().typed;
    s.sick.startBalance.text = GetParam().typed;
    const auto out = test::crlfLines(writeLeaveFile(s.values()));
    EXPECT_EQ(out[3], std::string("0,") + GetParam().written + ",0");
    EXPECT_EQ(out[0], std::string("0,0,0,0,0,") + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Cases, LeaveLenientTest,
                         ::testing::Values(Lenient{"Empty", "", "0"},
                                           Lenient{"Letters", "abc", "0"},
                                           Lenient{"DollarSign", "$5", "0"},
                                           Lenient{"SpacesBetweenDigits", " 1 2", "12"},
                                           Lenient{"TrailingLetter", "3.5x", "3.5"},
                                           Lenient{"Negative", "-2", "-2"},
                                           Lenient{"ThousandsComma", "1,234", "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LeaveFile, NumberBeyondFloatRangeIsRefusedNotWrittenAsSomethingElse) {
    const std::string tooLarge(41, '9');
    LeaveScreen s;
    s.clearVac();
    s.hol.counts[4].text = tooLarge;
    try {
        (void)writeLeaveFile(s.values());
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.control, "txtHcnt(4)");
        EXPECT_EQ(e.text, tooLarge);
    }

    s.hol.counts[4].text = "1";
    s.sick.startBalance.text = "-" + tooLarge;
    try {
        (void)writeLeaveFile(s.values());
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.control, "txtSickBal");
    }
}

TEST(LeaveFile, ShortOrBadFileThrowsReadErrorNamingTheFile) {
    const std::string good = writeLeaveFile(filledScreen().values());
    const auto all = test::crlfLines(good);

    struct Case {
        const char* name;
        std::string bytes;
        int line;
    };
    std::string noLastLine;
    for (size_t i = 0; i < 40; ++i) noLastLine += all[i] + "\r\n";
    std::string textForCount = good;
    textForCount.replace(textForCount.find("\r\n0.5,") + 2, 3, "abc");
    const Case cases[] = {
        {"empty", "", 1},
        {"first line only", all[0] + "\r\n", 2},
        {"no last line", noLastLine, 41},
        {"text where a count belongs", textForCount, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LeaveScreen s;
        try {
            s.show(readLeaveFile(c.bytes, "Sample.hol"));
            ADD_FAILURE() << "no error";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "Sample.hol");
            EXPECT_NE(std::string(e.what()).find("Sample.hol"), std::string::npos);
            EXPECT_EQ(e.line, c.line);
        }
    }
}

}  // namespace
}  // namespace corvella
