// corvella-cli new-year: every employee's ledger kept as the year given and emptied, a line
// per employee; a refusal exits 4 naming the employee and file, with nothing changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ledger/ledger.h"
#include "shell/payroll_run_fixture.h"
#include "test_support.h"

namespace corvella {
namespace {

using namespace test;
namespace fs = std::filesystem;

class NewYearCli : public ::testing::Test {
  protected:
    TempDir dir;
    std::string ledger;  // Table's

    void SetUp() override {
        makeFolder(dir.path());
        Ledger l;
        l.rows[0].Date = "12/26/2026";
        l.rows[0].Gross = 730;
        l.RecomputeTotals(true);
        ledger = l.write(true);
        dir.write("Table.yrw", ledger);
    }
    CliResult newYear(const std::string& args) {
        return runCli("-C '" + dir.path().string() + "' new-year " + args, 60);
    }
};

TEST_F(NewYearCli, KeepsEveryLedgerAsTheYearAndPrintsALinePerEmployee) {
    const std::string nearBase = dir.read("NearBase.yrw");
    const CliResult r = newYear("2026");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Arizona: no ledger (Arizona.yrb); nothing kept\n"
              "NearBase: NearBase.yrw kept as NearBase.yrw.2026; the ledger starts empty\n"
              "Oregon: no ledger (Oregon.yrw); nothing kept\n"
              "Sample: no ledger (Sample.yrw); nothing kept\n"
              "Table: Table.yrw kept as Table.yrw.2026; the ledger starts empty\n");
    EXPECT_EQ(dir.read("Table.yrw.2026"), ledger);
    EXPECT_EQ(dir.read("NearBase.yrw.2026"), nearBase);
    Ledger empty;
    EXPECT_EQ(dir.read("Table.yrw"), empty.write(true));
    EXPECT_FALSE(fs::exists(dir / "Arizona.yrb"));

    // The ledger shows the new year empty.
    const CliResult shown = runCli("-C '" + dir.path().string() + "' ledger Table --json", 60);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"Gross\": \".00\""), std::string::npos);
}

TEST_F(NewYearCli, RefusalsChangeNothingAndUsageErrorsAreUsage) {
    struct Case {
        const char* args;
        const char* spoiled;  // a file written first ("" for none)
        int status;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases = {
        {"2026",
         "Table.yrw",
         4,
         {"no file was changed", "Table: its ledger Table.yrw is damaged at line 1"}},
        {"2026", "Table.yrw.2026", 4, {"Table.yrw.2026 exists already"}},
        {"20x6", "", 4, {"\"20x6\" in YEAR is not a year from 1900 to 2100"}},
        {"1899", "", 4, {"\"1899\""}},
        {"", "", 1, {"new-year needs the YEAR"}},
        {"2026 2027", "", 1, {"one YEAR"}},
        {"2026 --json", "", 1, {"unknown option --json"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.args) + " " + c.spoiled);
        TempDir d;
        makeFolder(d.path());
        d.write("Table.yrw", ledger);
        if (*c.spoiled) d.write(c.spoiled, "x\r\n");
        const Files before = everyFile(d.path());
        const CliResult r = runCli("-C '" + d.path().string() + "' new-year " + c.args, 60);
        EXPECT_EQ(r.status, c.status) << r.err;
        for (const std::string& part : c.said)
            EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(everyFile(d.path()), before);
    }
}

}  // namespace
}  // namespace corvella
