#pragma once
// The employer's facts for year-end forms (Company.sav), one per working folder. The
// printed heading (Header.sav) stays as it is; a folder without this file starts from it.
#include <optional>
#include <string>
#include <string_view>

#include "employee/company_header.h"

namespace corvella {

inline constexpr const char* kCompanyFileName = "Company.sav";

enum class DepositSchedule { Monthly, Semiweekly };

struct CompanyFacts {
    std::string legalName{}, tradeName{}, address{}, cityStateZip{};
    std::string ein{};      // nine digits, or empty while not known
    std::string stateId{};  // the state employer account number
    DepositSchedule deposit = DepositSchedule::Monthly;

    bool operator==(const CompanyFacts&) const = default;
};

// The layout a file says it has on its first line. A later layout adds lines after the
// ones before it, so every reader takes the files of the layouts it knows; a file of a
// later layout than the reader's is refused rather than shortened at the next save.
inline constexpr int kCompanyLayout = 1;

// Line 1: the layout number. Line 2: legal name, trade name, address, city-state-zip,
// EIN (digits), state employer account number (texts), deposit schedule ("monthly" or
// "semiweekly"). Throws ReadError naming the line and field.
CompanyFacts readCompanyFile(const std::string& bytes, const std::string& fileName);
// Throws RangeError for a value the file cannot hold.
std::string writeCompanyFile(const CompanyFacts& c);

// The digits of an EIN typed with or without its hyphen ("12-3456789", "123456789"),
// or nothing for any other text.
std::optional<std::string> einDigits(std::string_view typed);
// "12-3456789" for nine digits; any other text as it is.
std::string einText(const std::string& digits);

// The schedule's word in the file and on the command line.
const char* depositScheduleWord(DepositSchedule d);
std::optional<DepositSchedule> depositScheduleOf(std::string_view word);

// A folder's first company facts, from its printed heading: the placeholder texts the
// heading window shows are no facts, and an identification number that is no EIN is left
// out.
CompanyFacts companyFromHeader(const CompanyHeader& h);

}  // namespace corvella
