#pragma once
#include <string>

#include "federal/fed_table.h"

namespace corvella {

inline constexpr const char* kFedFileName = "Federal15.dtt";

// The message shown when the federal table file cannot be opened or read.
std::string fedFileFailureMessage();

// Reads the table file's 177 fields in order (four sections of 38 numbers, each followed
// by a separator field, then the allowance lists and the version text). Throws ReadError
// when the file ends early or holds text where a number belongs; `t` is then unchanged.
FedTable readFedTable(const std::string& bytes, const std::string& fileName);

// GetFedSingle / GetFedMarried: the federal tax of wages W by the rows of the section
// for the status and frequency (biWeeklyFlag, weeklyFlag: -1 selected). `fedTax` keeps
// its value when no row applies.
void GetFedSingle(const FedTable& t, float W, int biWeeklyFlag, int weeklyFlag, float& fedTax);
void GetFedMarried(const FedTable& t, float W, int biWeeklyFlag, int weeklyFlag, float& fedTax);

}  // namespace corvella
