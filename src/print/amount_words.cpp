#include "print/amount_words.h"

#include <cmath>

#include "common/format.h"

namespace corvella {

namespace {

const char* const OnesWords[20] = {"",        "One",     "Two",       "Three",    "Four",
                                   "Five",    "Six",     "Seven",     "Eight",    "Nine",
                                   "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                                   "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const char* const TensWords[10] = {"",      "Ten",   "Twenty",  "Thirty", "Forty",
                                   "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// Appends the words of three digits, each word after a blank.
void SpellGroup(const std::string& GroupText, std::string& AmountWords) {
    const int h = GroupText[0] - '0', t = GroupText[1] - '0', o = GroupText[2] - '0';
    if (h > 0) AmountWords.append(" ").append(OnesWords[h]).append(" Hundred");
    const int n = t * 10 + o;
    if (n >= 1 && n <= 19) {
        AmountWords.append(" ").append(OnesWords[n]);
    } else if (n >= 20) {
        AmountWords.append(" ").append(TensWords[t]);
        if (o > 0) AmountWords.append(" ").append(OnesWords[o]);
    }
}

bool tooLarge(float amount) {
    return !std::isfinite(amount) || format(amount, Pattern::Zero6).size() > 9;
}

}  // namespace

std::string SpellAmount(float amount) {
    if (amount < 0) amount = 0;
    if (tooLarge(amount)) return kAmountTooLarge;
    const std::string s = format(amount, Pattern::Zero6);  // "001234.50"
    const std::string DollarsText = s.substr(0, 6);
    std::string CentsText = s.substr(7, 2);
    std::string AmountWords;
    if (DollarsText != "000000") {
        if (DollarsText.substr(0, 3) != "000") {
            SpellGroup(DollarsText.substr(0, 3), AmountWords);
            AmountWords += " Thousand";
        }
        if (DollarsText.substr(3, 3) != "000") SpellGroup(DollarsText.substr(3, 3), AmountWords);
    } else {
        AmountWords = "Zero";
    }
    if (CentsText == "00") CentsText = "No";
    return AmountWords + " and " + CentsText + "/100";
}

std::string checkFigure(float amount) {
    if (amount < 0) amount = 0;
    const std::string s = format(amount, Pattern::Zero6);
    if (s.size() != 9) return s;  // a million or more: the figure in full
    size_t k = 0;
    while (k < 6 && s[k] == '0') ++k;
    if (k == 0 || k == 6) return s;
    return std::string(k, '*') + s.substr(k);
}

}  // namespace corvella
