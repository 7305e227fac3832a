#include "common/exact_decimal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace corvella {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(ParseScaled, ReadsPlainDecimalsExactly) {
    using P = ScaledDecimal::Problem;
    struct Case {
        const char* text;
        int decimals;
        int64_t value;
        P problem;
    } cases[] = {
        {"12900", 2, 1290000, P::None},
        {"192979.25", 2, 19297925, P::None},
        {"8077.5", 2, 807750, P::None},
        {"6.2", 4, 62000, P::None},  // a percent in millionths of the amount
        {"1.45", 4, 14500, P::None},
        {"0.9", 4, 9000, P::None},
        {"12.5000", 2, 1250, P::None},  // zeros beyond the places lose nothing
        {".5", 2, 50, P::None},
        {"5.", 2, 500, P::None},
        {"-5", 2, -500, P::None},
        {"+7", 0, 7, P::None},
        {"-0", 2, 0, P::None},
        {"92233720368547758.07", 2, kMax, P::None},
        {"12.345", 2, 0, P::TooManyDecimals},
        {"52.5", 0, 0, P::TooManyDecimals},
        {"92233720368547758.08", 2, 0, P::TooLarge},
        {"-92233720368547758.08", 2, 0, P::TooLarge},
        {"100000000000000000000000000000", 0, 0, P::TooLarge},
        {"", 2, 0, P::NotANumber},
        {".", 2, 0, P::NotANumber},
        {"-", 2, 0, P::NotANumber},
        {"1e3", 2, 0, P::NotANumber},
        {"1,000", 2, 0, P::NotANumber},
        {"1.2.3", 2, 0, P::NotANumber},
        {" 1", 2, 0, P::NotANumber},
        {"0x10", 2, 0, P::NotANumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ScaledDecimal d = parseScaled(c.text, c.decimals);
        EXPECT_EQ(d.problem, c.problem);
        EXPECT_EQ(d.value, c.value);
    }
}

TEST(ScaledText, IsShortAndReadsBack) {
    EXPECT_EQ(scaledText(62000, kPercentDecimals), "6.2");
    EXPECT_EQ(scaledText(1000000, kPercentDecimals), "100");
    EXPECT_EQ(scaledText(-5, kCentDecimals), "-0.05");
    EXPECT_EQ(centsText(807750), "8077.50");
    EXPECT_EQ(centsText(1290000), "12900");
    EXPECT_EQ(centsText(-1), "-0.01");
    EXPECT_EQ(scaledText(kMin, 2), "-92233720368547758.08");
    for (int decimals : {0, 2, 4})
        for (int64_t v : {int64_t{0}, int64_t{1}, int64_t{-1}, int64_t{10}, int64_t{19297925},
                          int64_t{-123456789}, kMax, kMin + 1}) {
            SCOPED_TRACE(std::to_string(v) + " at " + std::to_string(decimals));
            EXPECT_EQ(parseScaled(scaledText(v, decimals), decimals).value, v);
            if (decimals == kCentDecimals) {
                EXPECT_EQ(parseScaled(centsText(v), decimals).value, v);
            }
        }
}

TEST(ScaledWithin, TakesBothBoundsIn) {
    const NumberRange percent{0, 100};
    EXPECT_TRUE(scaledWithin(0, 4, percent));
    EXPECT_TRUE(scaledWithin(1000000, 4, percent));
    EXPECT_FALSE(scaledWithin(1000001, 4, percent));
    EXPECT_FALSE(scaledWithin(-1, 4, percent));
    EXPECT_FALSE(scaledWithin(kMax, 2, NumberRange{0, 1e9}));
    EXPECT_FALSE(scaledWithin(kMin, 2, NumberRange{-1e9, 1e9}));
}

TEST(DivideHalfUp, RoundsHalvesTowardPlusInfinity) {
    struct Case {
        int64_t n, d, q;
    } cases[] = {
        {5, 2, 3},           {-5, 2, -2},          {4, 2, 2},       {7, 3, 2},
        {-7, 3, -2},         {-8, 3, -3},          {1, 2, 1},       {-1, 2, 0},
        {0, 5, 0},           {29999, 2600, 12},    {kMax, kMax, 1}, {kMax, 2, kMax / 2 + 1},
        {kMin, 2, kMin / 2}, {kMin + 1, kMax, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(divideHalfUp(c.n, c.d), c.q) << c.n << " / " << c.d;
}

}  // namespace
}  // namespace corvella
