#include "common/format.h"

#include <gtest/gtest.h>

namespace corvella {
namespace {

TEST(Format, DisplayPatterns) {
    struct Case {
        double v;
        Pattern p;
        const char* text;
    } cases[] = {
        {1234.5, Pattern::Comma2, "1,234.50"}, {0.5, Pattern::Comma2, ".50"},
        {0, Pattern::Comma2, ".00"},           {1234567.891, Pattern::Comma2, "1,234,567.89"},
        {-12.5, Pattern::Comma2, "-12.50"},    {1234.5, Pattern::Dollar2, "$1,234.50"},
        {0, Pattern::Dollar2, "$.00"},         {-200, Pattern::Dollar2, "-$200.00"},
        {1234.5, Pattern::Plain2, "1234.50"},  {0, Pattern::Plain2, ".00"},
        {1234.5, Pattern::Zero6, "001234.50"}, {0.0512, Pattern::Percent, "5.12%"},
        {0.15, Pattern::Percent, "15.%"},      {0.015, Pattern::Percent, "1.5%"},
        {0.125, Pattern::Comma2, ".13"},       {-0.001, Pattern::Comma2, ".00"},
    };
    for (const auto& c : cases) EXPECT_EQ(format(c.v, c.p), c.text) << c.v;
}

TEST(Format, AFloatIsSeenWithSevenDigits) {
    // 17.345f is 17.3449993... in binary; the system sees "17.345" and rounds up.
    EXPECT_EQ(format(17.345f, Pattern::Comma2), "17.35");
    EXPECT_EQ(format(12.346f, Pattern::Comma2), "12.35");
}

}  // namespace
}  // namespace corvella
