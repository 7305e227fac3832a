#include "common/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

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

TEST(Numbers, TooSmallToHoldReadsAsZeroAndTooLargeIsRefused) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    for (const std::string& t : {std::string("1e-400"), tiny, std::string("-2.5e-999"),
                                 std::string("0.00000e-400"), "123" + std::string("e-500")}) {
        EXPECT_EQ(strictNumber(t), 0.0) << t;
        EXPECT_EQ(leadingNumber(t), 0.0) << t;
    }
    for (const char* big : {"1e400",
                            "1"
                            "000000000000000000000e300",
                            "0.01e311"})
        EXPECT_FALSE(strictNumber(big).has_value()) << big;
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

// Rounding works on the value as held, never on its 7- or 15-digit text: the old
// reading went up a cent just below a half cent, to the even cent on a half above
// $10,000, and to a dime above $100,000.
TEST(RoundCents, HalvesGoAwayFromZeroOnTheValueAsHeld) {
    struct Case {
        float v;
        float cents;
    } cases[] = {
        {12.346f, 12.35f},
        {3.625f, 3.63f},
        {-3.625f, -3.63f},
        {0.4f, 0.4f},
        {31.6482f, 31.65f},
        {15.8241f, 15.82f},
        {0.0049f, 0.0f},
        {10.004f, 10.0f},
        {0.135f, 0.14f},
        {17.345f, 17.34f},     // 17.3449993...
        {0.005f, 0.0f},        // 0.00499999988...
        {62.964996f, 62.96f},  // text "62.965"
        {1168.44458f, 1168.44f},
        {1018.4346f, 1018.43f},
        {1234.565f, 1234.56f},
        {10000.125f, 10000.13f},
        {-10000.125f, -10000.13f},
        {12345.675f, 12345.67f},
        {99999.995f, 99999.99f},
        {123456.78f, 123456.78f},
        {123456.79f, 123456.79f},
        {1e7f, 1e7f},
    };
    for (const auto& c : cases) EXPECT_EQ(roundCents(c.v), c.cents) << c.v;

    struct DoubleCase {
        double v, cents;
    } doubles[] = {
        {1018.4346, 1018.43}, {10000.125, 10000.13},   {-0.125, -0.13},
        {2.675, 2.67},  // 2.67499999999999982...
        {1.005, 1.0},         {123456.785, 123456.79}, {1234567.895, 1234567.9},
    };
    for (const auto& c : doubles) EXPECT_EQ(roundCents(c.v), c.cents) << c.v;
}

TEST(RoundDollarsEven, HalvesGoToTheEvenDollar) {
    EXPECT_EQ(roundDollarsEven(12.5f), 12.0f);
    EXPECT_EQ(roundDollarsEven(13.5f), 14.0f);
    EXPECT_EQ(roundDollarsEven(13.51f), 14.0f);
    EXPECT_EQ(roundDollarsEven(13.49f), 13.0f);
    EXPECT_EQ(roundDollarsEven(-12.5f), -12.0f);
    // Just below a half dollar as held, though its 7-digit text reads 29.5.
    EXPECT_EQ(roundDollarsEven(std::nextafter(29.5f, 0.0f)), 29.0f);
}

TEST(Currency, RoundsToFourDecimalsAndAddsExactly) {
    EXPECT_EQ(Currency::fromDouble(1.23456).units(), 12346);
    EXPECT_EQ(Currency::fromDouble(-1.23456).units(), -12346);
    Currency sum;
    for (int i = 0; i < 53; ++i) sum += Currency::fromDouble(0.1f);
    EXPECT_EQ(sum.units(), 53000);
    EXPECT_EQ((Currency::fromDouble(117000) - Currency::fromDouble(116500)).toDouble(), 500.0);
    EXPECT_EQ(Currency::fromDouble(0.00005).units(), 1);        // 0.0000500000000000000024
    EXPECT_EQ(Currency::fromDouble(1.00015).units(), 10002);    // 1.00015000000000009...
    EXPECT_EQ(Currency::fromDouble(-2.5e-5).units(), 0);        // below half a unit
    EXPECT_EQ(Currency::fromDouble(1e300).units(), INT64_MAX);  // saturates
    EXPECT_EQ(Currency::fromDouble(-1e300).units(), INT64_MIN);
}

TEST(Currency, SumsAndDifferencesStopAtTheRangeInsteadOfWrapping) {
    constexpr int64_t kMax = INT64_MAX, kMin = INT64_MIN;
    struct Case {
        int64_t a;
        char op;
        int64_t b;
        int64_t expected;
    } cases[] = {
        {kMax, '+', 1, kMax},
        {kMax, '+', kMax, kMax},
        {kMin, '+', -1, kMin},
        {kMin, '+', kMin, kMin},
        {kMax, '-', -1, kMax},
        {kMin, '-', 1, kMin},
        {kMin, '-', kMax, kMin},
        {0, '-', kMin, kMax},  // -kMin does not fit
        {1, '-', kMin, kMax},
        {kMin, '-', kMin, 0},
        // Up to the bounds the results are exact.
        {kMax - 1, '+', 1, kMax},
        {kMax, '+', kMin, -1},
        {-1, '-', kMin, kMax},
        {-2, '-', kMin, kMax - 1},
        {kMin + 1, '-', 1, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ' ' + c.op + ' ' + std::to_string(c.b));
        const Currency a = Currency::fromUnits(c.a), b = Currency::fromUnits(c.b);
        if (c.op == '+') {
            EXPECT_EQ((a + b).units(), c.expected);
            Currency sum = a;
            sum += b;
            EXPECT_EQ(sum.units(), c.expected);
        } else {
            EXPECT_EQ((a - b).units(), c.expected);
        }
    }
}

}  // namespace
}  // namespace corvella
