#pragma once
// A working folder with the shipped federal table and one employee, opened in a session
// driven by scripted answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "city/city.h"
#include "common/fileio.h"
#include "common/ports.h"
#include "employee/employee_files.h"
#include "shell/session.h"
#include "state/state_file.h"
#include "test_support.h"

namespace corvella::test {

class PayRunFixture : public ::testing::Test {
  protected:
    TempDir dir;
    ScriptedUi ui;
    Session s{ui, dir.path()};

    PayRunFixture() {
        std::filesystem::copy_file(dataDir() / "Federal15.dtt", dir / "Federal15.dtt");
        s.Form_Load();
    }

    // A new employee's profile: weekly, single, no allowances, rate 1 0 (so 7.5).
    static TaxProfile profileOf() { return TaxProfile::resetValues(); }

    // Without a city file an employee gets the screen's default city table; the tests
    // leave the city out unless they ask for it.
    bool withCityTax = false;

    // Writes the employee's profile (and state settings, when given) and opens it.
    void openEmployee(const TaxProfile& p, const StateSettings* st = nullptr,
                      const std::string& name = "Emp") {
        if (!withCityTax) {
            CityTable none;
            none.CityMinBS.fill(999999);
            none.CityMinBM.fill(999999);
            none.NoLocalTaxFlag = 1;
            writeFileAtomic(dir / (name + ".cti"), writeCityFile(none));
        }
        OvertimeData ot;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        StateSettings flags;
        writeFileAtomic(dir / (name + ".use"), writeUseFile(p, ot, flags, x, "11440", "0"));
        writeFileAtomic(dir / (name + ".and"), writeAndFile(p, flags, x));
        writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
        if (st) {
            StateProfileFields pf{p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag,
                                  p.SSMediExempFlag};
            writeFileAtomic(dir / (name + ".sta"), writeStateFile(*st, pf));
        }
        ASSERT_TRUE(s.openEmployee(dir / (name + ".use")));
    }

    // Types into the entry boxes and presses ADD.
    Session::RunOutcome run(std::initializer_list<std::pair<int, const char*>> boxes) {
        for (auto [i, text] : boxes) s.main.txtAmount[i].focusAndType(text);
        return s.Calcu_late();
    }

    // A state table that never applies: no state tax.
    static StateSettings noStateTax() {
        StateSettings st;
        st.StateMinBS.fill(999999);
        st.StateMinBM.fill(999999);
        st.NoStateTaxFlag = 1;
        return st;
    }
};

}  // namespace corvella::test
