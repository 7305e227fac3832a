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

    // The "New York" table of the state screen, with no SDI or SUI.
    static StateSettings newYork() {
        StateSettings st;
        const float mins[10] = {0, 323, 446, 529, 813, 3062, 3675, 4085, 6129, 8173};
        const float amtS[10] = {0,       12.92f,  18.46f,  22.81f,  39.58f,
                                184.62f, 225.38f, 256.42f, 421.62f, 567.77f};
        const float amtM[10] = {0,       12.92f,  18.46f,  22.81f,  39.58f,
                                184.62f, 225.38f, 255.19f, 414.27f, 579.42f};
        const float perS[10] = {0.04f,   0.045f,  0.0525f, 0.059f,  0.0645f,
                                0.0665f, 0.0758f, 0.0808f, 0.0715f, 0.0815f};
        const float perM[10] = {0.04f,   0.045f,  0.0525f, 0.059f,  0.0645f,
                                0.0665f, 0.0728f, 0.0778f, 0.0808f, 0.0715f};
        const float sg[10] = {282.7f, 321.2f, 359.7f, 398.2f, 436.7f,
                              475.2f, 513.7f, 552.2f, 590.7f, 629.2f};
        const float mar[10] = {301.9f, 340.4f, 378.9f, 417.4f, 455.9f,
                               494.4f, 532.9f, 571.4f, 609.9f, 648.4f};
        for (int i = 0; i < 10; ++i) {
            st.StateMinBS[i] = st.StateMinBM[i] = mins[i];
            st.StateAmtBS[i] = amtS[i];
            st.StateAmtBM[i] = amtM[i];
            st.StatePerBS[i] = perS[i];
            st.StatePerBM[i] = perM[i];
            st.StateSgExp[i] = sg[i];
            st.StateMarExp[i] = mar[i];
        }
        return st;
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
