#pragma once
// The display patterns of screens and printouts. Each rounds the value exactly as held (a float
// widened to double, or the double) to its decimals, halves away from zero.
#include <string>

namespace corvella {

enum class Pattern {
    Comma2,   // "#,###.00": "1,234.50", ".50", ".00"
    Dollar2,  // "$#,###.00" (also "$#,###.#0"): "$1,234.50", "$.00", "-$200.00"
    Plain2,   // "#####.00" (also "###.00"): "1234.50", ".00"
    Zero6,    // "000000.00": "001234.50"
    Percent,  // "##.##%": 0.0512 -> "5.12%", 0.15 -> "15.%"
};

std::string format(float v, Pattern p);
std::string format(double v, Pattern p);

// A Social Security or account number as every screen, message, export and printout but
// its own edit box shows it: each digit but the last four as '*' ("***-**-6789"), other
// characters kept. A text without digits (the "Soc Sec #" placeholder) stays as it is.
std::string maskedSecret(const std::string& number);

}  // namespace corvella
