#pragma once
// The year-end worksheets of the working folder: what they read, and the commands of
// their windows.
#include <string>
#include <vector>

#include "federal/tax_year.h"
#include "store/company_file.h"
#include "yearend/worksheets.h"

namespace corvella {

class EmployeeStore;

struct YearEndInputs {
    int year = 0;
    TaxYear figures;
    CompanyFacts employer;
    std::vector<EmployeeYear> employees;  // the folder's, in the employee list's order
    std::vector<std::string> warnings;    // rows whose date is no date, facts missing
};

// Every employee's rows of `year`, from the current ledger and the ledgers kept as the
// year before, the year and the year after. Throws Error, with the operator's message, when
// the year has no figures or a file the worksheets need cannot be read: a W-2 is never
// made from part of a year.
YearEndInputs readYearEnd(const EmployeeStore& store, int year);

W2Worksheet w2Worksheet(const YearEndInputs& in);
Form941 form941Worksheet(const YearEndInputs& in, int quarter);

}  // namespace corvella
