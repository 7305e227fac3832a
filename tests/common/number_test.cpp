#include "common/number.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace corvella {
namespace {

TEST(LeadingNumber, ReadsAsMuchOfANumberAsTheTextStartsWith) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},        {"0.00", 0},      {"-", 0},          {"abc", 0},      {"$1.50", 0},
        {"40", 40},     {"  12.5", 12.5}, {".5", 0.5},       {"1 234", 1234}, {"1,234.00", 1},
        {"1.2.3", 1.2}, {"4-5", 4},       {"-3.25x", -3.25}, {"1e3", 1000},   {"2e", 2},
        {"+7", 7},      {"- 4", -4},      {"12.50 ", 12.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
    EXPECT_EQ(strictNumber("-.5"), -0.5);
    EXPECT_EQ(strictNumber("+3"), 3.0);
    EXPECT_EQ(strictNumber("1e2"), 100.0);
    for (const char* bad : {"", " ", "-", ".", "1.2.3", "4-5", "1 2", "abc", "1,5", "1e", "12a"})
        EXPECT_FALSE(strictNumber(bad).has_value()) << bad;
}

TEST(StrictFloat, NamesTheBoxItRefuses) {
    try {
        strictFloat("1.2.3", "txtHourRate2");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.control, "txtHourRate2");
        EXPECT_EQ(e.text, "1.2.3");
    }
    EXPECT_THROW(strictFloat("1e39", "x"), ConversionError);
}

TEST(FloatText, IsShortestUpToSevenDigitsWithoutExponent) {
    struct Case {
        float v;
        const char* text;
    } cases[] = {
        {0.0f, "0"},
        {7.5f, "7.5"},
        {0.0645f, "0.0645"},
        {999999.0f, "999999"},
        {-12.04f, "-12.04"},
        {0.1f, "0.1"},
        {1.0f / 3, "0.3333333"},
        {1e10f, "10000000000"},
        {321.2f, "321.2"},
        {0.000123f, "0.000123"},
        {-0.0f, "0"},
        {1234.5f, "1234.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(floatText(c.v), c.text) << c.text;
    EXPECT_EQ(doubleText(9.69999998807907), "9.69999998807907");
    EXPECT_EQ(doubleText(12.5), "12.5");
}

TEST(RoundCents, HalvesGoAwayFromZeroAsTheValueReads) {
    struct Case {
        float v;
        float cents;
    } cases[] = {
        {12.346f, 12.35f}, {17.345f, 17.35f},  {3.625f, 3.63f},    {-3.625f, -3.63f},
        {0.4f, 0.4f},      {31.6482f, 31.65f}, {15.8241f, 15.82f}, {0.005f, 0.01f},
        {0.0049f, 0.0f},   {10.004f, 10.0f},
    };
    for (const auto& c : cases) EXPECT_EQ(roundCents(c.v), c.cents) << c.v;
}

TEST(RoundDollarsEven, HalvesGoToTheEvenDollar) {
    EXPECT_EQ(roundDollarsEven(12.5f), 12.0f);
    EXPECT_EQ(roundDollarsEven(13.5f), 14.0f);
    EXPECT_EQ(roundDollarsEven(13.51f), 14.0f);
    EXPECT_EQ(roundDollarsEven(13.49f), 13.0f);
}

TEST(Currency, RoundsToFourDecimalsAndAddsExactly) {
    EXPECT_EQ(Currency::fromDouble(1.23456).units(), 12346);
    EXPECT_EQ(Currency::fromDouble(-1.23456).units(), -12346);
    Currency sum;
    for (int i = 0; i < 53; ++i) sum += Currency::fromDouble(0.1f);
    EXPECT_EQ(sum.units(), 53000);
    EXPECT_EQ((Currency::fromDouble(117000) - Currency::fromDouble(116500)).toDouble(), 500.0);
}

}  // namespace
}  // namespace corvella
