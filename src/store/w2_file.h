#pragma once
// An employee's Form W-2 facts (<name>.w2i), for an employee who has any.
#include <string>

#include "employee/w2_facts.h"

namespace corvella {

// One line: first name, middle initial, last name, suffix (texts), then the statutory
// employee, retirement plan and third-party sick pay boxes (0 or 1). A second line, when
// either is set: the state's two letters and the locality's name. Throws ReadError
// naming the line and field; nothing is read from a damaged file.
W2Facts readW2File(const std::string& bytes, const std::string& fileName);
// Throws RangeError for a value the file cannot hold.
std::string writeW2File(const W2Facts& w2);

}  // namespace corvella
