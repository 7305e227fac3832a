#pragma once
// Which year's figures a working folder's pay runs use. Folders made before there was a
// choice have no file and keep computing 2015 payroll as they always did, whatever today's
// date; new folders take the year of each run's week-ending date.
#include <string>

namespace corvella {

enum class TaxYearMode { Year2015, ByWeekEnding };

inline constexpr const char* kTaxYearModeFileName = "TaxYear.sav";

// The file's one line: "2015" or "by-date". Throws ReadError for anything else.
TaxYearMode readTaxYearModeFile(const std::string& bytes, const std::string& fileName);
std::string writeTaxYearModeFile(TaxYearMode mode);

// The mode's word on the command line and in the file: "2015" or "by-date".
const char* taxYearModeWord(TaxYearMode mode);

}  // namespace corvella
