// corvella-cli on a folder that takes each run's tax year from its week-ending date: the
// 2026 withholding of both Form W-4 versions, the tax-year and w4 commands, and the runs
// it refuses.
#include <gtest/gtest.h>

#include <string>

#include "city/city.h"
#include "common/fileio.h"
#include "employee/employee_files.h"
#include "state/state_file.h"
#include "test_support.h"

namespace corvella {
namespace {

using test::jsonField;

// An employee with no state or city tax and no deductions, so that the federal taxable
// wage is the gross pay.
struct Employee {
    bool weekly = true;
    const char* fedStatus = "Single";
    const char* allowances = "0";
    float extra = 0;  // User Info's additional federal withholding (Step 4(c))

    void write(const std::filesystem::path& dir, const std::string& name) const {
        TaxProfile p = TaxProfile::resetValues();
        p.WeeklyFlag = weekly ? -1 : 0;
        p.BiWeeklyFlag = weekly ? 0 : -1;
        p.FedStatus = fedStatus;
        p.FedExemp = allowances;
        p.FedAddl = extra;
        OvertimeData ot;
        StateSettings st = test::newYorkSettings();
        st.StateMinBS.fill(999999);
        st.StateMinBM.fill(999999);
        st.NoStateTaxFlag = 1;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        CityTable none;
        none.CityMinBS.fill(999999);
        none.CityMinBM.fill(999999);
        none.NoLocalTaxFlag = 1;
        StateSettings flags;
        writeFileAtomic(dir / (name + ".use"), writeUseFile(p, ot, flags, x, "11440", "0"));
        writeFileAtomic(dir / (name + ".and"), writeAndFile(p, flags, x));
        writeFileAtomic(dir / (name + ".cfe"), writeCfeFile(p));
        writeFileAtomic(dir / (name + ".cti"), writeCityFile(none));
        writeFileAtomic(dir / (name + ".sta"),
                        writeStateFile(st, {p.StateExemp, p.StateStatus, p.FedAddl, 0, 0}));
    }
};

class TaxYearCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    TaxYearCli() { test::copyDataFolder(dir.path()); }
    test::CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args, 60);
    }
};

TEST_F(TaxYearCli, The2026WithholdingOfBothFormsIsThePublishedOne) {
    ASSERT_EQ(cli("tax-year by-date").status, 0);
    struct Case {
        const char* what;
        Employee employee;
        const char* w4;  // the w4 command's options; empty: the older form
        const char* gross;
        const char* fedTax;
    } cases[] = {
        {"weekly 1,000, Single, nothing else", {}, "--form 2020", "1000", "78.08"},
        {"bi-weekly 3,000, married jointly, Step 2, Step 3 2,000",
         {.weekly = false},
         "--form 2020 --status married --step2 1 --step3 2000",
         "3000",
         "243.46"},
        {"the same with 50.00 extra",
         {.weekly = false, .extra = 50},
         "--form 2020 --status married --step2 1 --step3 2000",
         "3000",
         "293.46"},
        {"weekly 800, older form, Single, 2 allowances", {.allowances = "2"}, "", "800", "54.08"},
        {"bi-weekly 1,500, Single, Step 3 2,200 (rounded once)",
         {.weekly = false},
         "--form 2020 --step3 2200",
         "1500",
         "11.54"},
        {"weekly 150, Step 3 above the tax", {}, "--form 2020 --step3 500", "150", ".00"},
        {"weekly 1,000, head of household, 4(a) 6,000, 4(b) 10,000",
         {},
         "--form 2020 --status hoh --step4a 6000 --step4b 10000",
         "1000",
         "48.23"},
        // A new form with nothing entered withholds as the older one with 2 allowances.
        {"weekly 1,234.56, Single, nothing else", {}, "--form 2020", "1234.56", "106.22"},
        {"weekly 1,234.56, older form, 2 allowances", {.allowances = "2"}, "", "1234.56", "106.22"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "Emp" + std::to_string(n++);
        c.employee.write(dir.path(), name);
        if (*c.w4) {
            ASSERT_EQ(cli("w4 " + name + " " + c.w4).status, 0);
        }
        const auto r = cli("calc " + name + " --week 01/09/2026 --box 6=" + c.gross + " --json");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(jsonField(r.out, "tax_year"), "2026");
        EXPECT_EQ(jsonField(r.out, "lbTaxDed(0)"), c.fedTax);
        EXPECT_EQ(jsonField(r.out, "AddlMediTax"), "0");
    }
}

TEST_F(TaxYearCli, TheFolderModeChoosesTheYearAndRefusesWhatItCannotCompute) {
    // Without the setting the folder stays in 2015, whatever the date.
    auto r = cli("tax-year --json");
    EXPECT_EQ(r.out, "{\"mode\": \"2015\", \"installed\": [2015, 2026]}\n");
    r = cli("calc Sample --box 0=40 --week 01/09/2026 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "tax_year"), "2015");
    EXPECT_EQ(jsonField(r.out, "lbTaxDed(0)"), "62.96");

    ASSERT_EQ(cli("tax-year by-date").status, 0);
    EXPECT_EQ(cli("tax-year --json").out, "{\"mode\": \"by-date\", \"installed\": [2015, 2026]}\n");
    r = cli("calc Sample --box 0=40 --week 01/09/2015 --json");
    EXPECT_EQ(jsonField(r.out, "tax_year"), "2015");
    EXPECT_EQ(jsonField(r.out, "lbTaxDed(0)"), "62.96");
    r = cli("calc Sample --box 0=40 --week 01/09/2026 --json");
    EXPECT_EQ(jsonField(r.out, "tax_year"), "2026");
    EXPECT_EQ(jsonField(r.out, "lbTaxDed(0)"), "40.00");  // the older form, 1 allowance

    const auto before = test::folderFiles(dir.path());
    const struct {
        const char* week;
        const char* said;
    } refused[] = {
        {"01/09/2027", "tax year 2027 are not installed: Federal2027.txt was not found"},
        {"next friday", "Type it as MM/DD/YYYY"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.week);
        r = cli(std::string("calc Sample --box 0=40 --week '") + c.week + "'");
        EXPECT_EQ(r.status, 4);
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(test::folderFiles(dir.path()), before);
    }
    EXPECT_EQ(cli("tax-year 2016").status, 1);
}

TEST_F(TaxYearCli, TheFormIsShownSetAndRefusedNamingTheField) {
    auto r = cli("w4 Sample --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"name\": \"Sample\", \"form\": \"2019\", \"status\": \"single\", \"step2\": 0, "
              "\"step3\": \"0.00\", \"step4a\": \"0.00\", \"step4b\": \"0.00\", \"extra\": "
              "\"0.00\"}\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Sample.w4"));  // an older form has no file

    r = cli("w4 Sample --form 2020 --status hoh --step2 1 --step3 1500.5 --step4b 12000 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"name\": \"Sample\", \"form\": \"2020\", \"status\": \"hoh\", \"step2\": 1, "
              "\"step3\": \"1500.50\", \"step4a\": \"0.00\", \"step4b\": \"12000.00\", "
              "\"extra\": \"0.00\"}\n");
    EXPECT_EQ(cli("w4 Sample --json").out, r.out);

    const auto before = test::folderFiles(dir.path());
    const struct {
        const char* option;
        const char* said;
    } refused[] = {
        {"--step3 -5", "Step 3 (credits a year) is below zero"},
        {"--step4a lots", "Step 4(a) (other income a year) is not an amount"},
        {"--step4b 1.005", "Step 4(b) (deductions a year) has more than two decimals"},
        {"--status widowed", "the filing status \"widowed\""},
        {"--form 2018", "the Form W-4 version \"2018\""},
        {"--step2 yes", "the Step 2 box \"yes\""},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.option);
        r = cli(std::string("w4 Sample ") + c.option);
        EXPECT_EQ(r.status, 4);
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(test::folderFiles(dir.path()), before);
    }
}

}  // namespace
}  // namespace corvella
