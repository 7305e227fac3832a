#pragma once
// One employee's pay periods of a calendar year, gathered from the ledgers that may hold
// them, with what the year-end forms need to know of the employee.
#include <optional>
#include <string>
#include <vector>

#include "common/ports.h"
#include "employee/w2_facts.h"
#include "ledger/ledger.h"

namespace corvella {

struct DatedRow {
    Date date;
    std::string file;    // the ledger it came from, for warnings
    int row = 0;         // its row in that ledger, from 1
    bool weekly = true;  // a pay period of 7 days, else 14
    LedgerRow amounts;
};

struct EmployeeYear {
    std::string name;                                     // the employee's file name
    std::string profileName, address, cityStateZip, ssn;  // the profile's, as typed
    std::optional<W2Facts> w2;
    bool weekly = true;
    bool selfEmployed = false;
    bool socialSecurityMedicareExempt = false;
    // Rows dated in the year (and, for the Social Security and Additional Medicare
    // thresholds, nothing else), by date.
    std::vector<DatedRow> rows;
};

// Nine digits as "123-45-6789"; any other text as it is.
std::string ssnText(const std::string& typed);
// "***-**-6789" for nine digits; other text with all but its last four digits starred.
std::string ssnMasked(const std::string& typed);

// The W-2 name: first, middle initial, last and suffix when the employee has them, else
// the profile's name line.
std::string w2Name(const EmployeeYear& e);

}  // namespace corvella
