#pragma once
// An employee's Form W-4 (<name>.w4): which form the employee filed and, for a form from
// 2020 on, its filing status, Step 2 box and Step 3 and 4 amounts. An employee without
// the file filed an older form, whose allowances and status are the profile's.
#include <string>

#include "federal/w4.h"

namespace corvella {

// One line: the form's year ("2019" for any older form, "2020"), the status ("single",
// "married", "hoh"), the Step 2 box (0 or 1), Step 3, Step 4(a) and Step 4(b) in dollars
// and cents. Throws ReadError naming the line and field; nothing is read from a damaged
// file.
W4Form readW4File(const std::string& bytes, const std::string& fileName);
// Throws RangeError for an amount no file may hold.
std::string writeW4File(const W4Form& w4);

// The status's word in the file and on the command line.
const char* w4StatusWord(W4Form::Status s);

}  // namespace corvella
