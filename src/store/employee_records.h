#pragma once
// The open employee's records as one value, so that a snapshot is a copy and putting
// it back is an assignment.
#include <optional>
#include <string>

#include "city/city_table.h"
#include "employee/employee_files.h"
#include "employee/overtime_data.h"
#include "employee/tax_profile.h"
#include "employee/w2_facts.h"
#include "federal/w4.h"
#include "ledger/ledger.h"
#include "state/state_settings.h"

namespace corvella {

struct EmployeeRecords {
    std::string CurrentUser;  // the stem of every file name; empty until New or Open
    TaxProfile profile;
    StateSettings state;
    CityTable city;
    NonCityTable nonCity;
    Ledger ledger;
    OvertimeData ot;
    EmployeeExtras extras = EmployeeExtras::newEmployee();
    // The Form W-4 of its own file; without one, the older form the profile describes.
    std::optional<W4Form> w4;
    // The Form W-2 facts of their own file, for an employee who has any.
    std::optional<W2Facts> w2;
};

}  // namespace corvella
