#pragma once
// The check's amount written out in words, and its figure.
#include <string>

namespace corvella {

inline constexpr const char* kAmountTooLarge = "Dollar amount is too large";

// SpellAmount: " One Hundred Twenty Three and 45/100" for 123.45, "Zero and No/100" for 0,
// kAmountTooLarge from one million up. The amount is 0 or more (the check makes it so).
std::string SpellAmount(float amount);

// The check figure: "***123.45", "**4500.00", "150000.00", "000000.75".
std::string checkFigure(float amount);

}  // namespace corvella
