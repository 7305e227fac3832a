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

// A pattern rounds the value as held, in every magnitude band where the 7-digit text
// of a float would round differently.
TEST(Format, APatternRoundsTheFloatAsHeld) {
    struct Case {
        float v;
        Pattern p;
        const char* text;
    } cases[] = {
        {17.345f, Pattern::Comma2, "17.34"},  // 17.3449993...
        {12.346f, Pattern::Comma2, "12.35"},
        {62.964996f, Pattern::Comma2, "62.96"},        // text "62.965"
        {1168.44458f, Pattern::Dollar2, "$1,168.44"},  // text "1168.445"
        {1018.4346f, Pattern::Comma2, "1,018.43"},     // 1018.43457...
        {10000.125f, Pattern::Dollar2, "$10,000.13"},  // text "10000.12"
        {-10000.125f, Pattern::Dollar2, "-$10,000.13"},
        {123456.78f, Pattern::Dollar2, "$123,456.78"},  // text "123456.8"
        {123456.78f, Pattern::Plain2, "123456.78"},
        {4294.965f, Pattern::Zero6, "004294.96"},  // 4294.96484...
        {0.0512f, Pattern::Percent, "5.12%"},
    };
    for (const auto& c : cases) EXPECT_EQ(format(c.v, c.p), c.text) << c.text;
}

TEST(Format, APatternRoundsTheDoubleAsHeld) {
    EXPECT_EQ(format(2.675, Pattern::Comma2), "2.67");  // 2.67499999999999982...
    EXPECT_EQ(format(1018.4346, Pattern::Comma2), "1,018.43");
    EXPECT_EQ(format(10000.125, Pattern::Dollar2), "$10,000.13");
    EXPECT_EQ(format(123456789012.345, Pattern::Comma2), "123,456,789,012.35");  // ...345001...
}

TEST(Format, ASecretNumberShowsOnlyItsLastFourDigits) {
    const struct {
        const char* number;
        const char* shown;
    } cases[] = {
        {"123-45-6789", "***-**-6789"},
        {"123456789", "*****6789"},
        {"12-34", "12-34"},          // four digits or fewer: nothing to hide
        {"Soc Sec #", "Soc Sec #"},  // the placeholder
        {"", ""},
        {"0001234567890123", "************0123"},
    };
    for (const auto& c : cases) EXPECT_EQ(maskedSecret(c.number), c.shown) << c.number;
}

}  // namespace
}  // namespace corvella
