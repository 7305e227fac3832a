// The check's amount in words and its figure.
#include "print/amount_words.h"

#include <gtest/gtest.h>

namespace corvella {
namespace {

TEST(AmountWords, SpellsTheAmountAsHeld) {
    const struct {
        float amount;
        const char* words;
    } cases[] = {
        {0, "Zero and No/100"},
        {0.05f, "Zero and 05/100"},
        {0.75f, "Zero and 75/100"},
        {5, " Five and No/100"},
        {12.34f, " Twelve and 34/100"},
        {100, " One Hundred and No/100"},
        {123.45f, " One Hundred Twenty Three and 45/100"},
        {1005, " One Thousand Five and No/100"},
        {1234.56f, " One Thousand Two Hundred Thirty Four and 56/100"},
        {20000.10f, " Twenty Thousand and 10/100"},
        {120000.50f, " One Hundred Twenty Thousand and 50/100"},
        {999999.5f, " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 50/100"},
        {19.999f, " Twenty and No/100"},
        {999999.99f, "Dollar amount is too large"},  // held as 1,000,000
        {1000000, "Dollar amount is too large"},
        {3e38f, "Dollar amount is too large"},
    };
    for (const auto& c : cases) EXPECT_EQ(SpellAmount(c.amount), c.words) << c.amount;
}

TEST(AmountWords, CheckFigureFillsTheLeadingZerosWithAsterisks) {
    const struct {
        float amount;
        const char* figure;
    } cases[] = {
        {123.45f, "***123.45"}, {4500, "**4500.00"},       {150000, "150000.00"},
        {0.75f, "000000.75"},   {0, "000000.00"},          {-20, "000000.00"},
        {5, "*****5.00"},       {12345.678f, "*12345.68"}, {1234567.5f, "1234567.50"},
    };
    for (const auto& c : cases) EXPECT_EQ(checkFigure(c.amount), c.figure) << c.amount;
}

}  // namespace
}  // namespace corvella
