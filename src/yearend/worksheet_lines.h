#pragma once
// The worksheets' captions and amounts as texts, shared by their printouts, their CSV
// and the windows that show them, so that all of them say the same.
#include <cstdint>
#include <string>
#include <vector>

#include "yearend/worksheets.h"

namespace corvella {

// Cents with the thousands separated: "1,234.50", "0.50", "-0.03".
std::string groupedCents(int64_t cents);

// The IRS caption of a W-2 box, 1 to 20 ("Wages, tips, other compensation"); "" for
// another number.
const char* w2BoxCaption(int box);

// The months of a quarter, 1 to 4: "January, February, March".
std::string quarterMonths(int quarter);

// One amount of Form 941 as the worksheets list it.
struct Form941Line {
    std::string line;     // "1", "5a col 1", "16 month 2", "Schedule B"
    std::string caption;  // the form's caption
    int64_t value = 0;    // cents, or line 1's count of employees
    bool count = false;   // `value` is a count

    // `grouped`: "1,234.50" as the pages show money, else "1234.50".
    std::string amount(bool grouped) const;
};

// Lines 1 to 12 in the form's order; 5a to 5d each as column 1 (the wages) then column 2
// (the tax).
std::vector<Form941Line> form941Lines(const Form941& f);
// Line 16's heading for the employer's deposit schedule.
std::string form941LiabilityHeading(const Form941& f);
// Line 16: each month's liability and their total for a monthly depositor, or one line
// per pay date (Schedule B) for a semiweekly one.
std::vector<Form941Line> form941Liability(const Form941& f);

}  // namespace corvella
