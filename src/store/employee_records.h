#pragma once
// The open employee's records as one value, so that a snapshot is a copy and putting
// it back is an assignment.
#include <string>

#include "city/city_table.h"
#include "employee/employee_files.h"
#include "employee/overtime_data.h"
#include "employee/tax_profile.h"
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
};

}  // namespace corvella
