// The ledger commands of the real corvella-cli on a copy of the shipped sample employee.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace corvella {
namespace {

class LedgerCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    LedgerCli() { test::copyDataFolder(dir.path()); }
    test::CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args);
    }
    // The object of week `week` in the rows array.
    static std::string row(const std::string& json, int week) {
        const auto at = json.find("{\"week\": " + std::to_string(week) + ",");
        return at == std::string::npos ? "" : json.substr(at, json.find('}', at) - at + 1);
    }
    static std::string totals(const std::string& json) {
        const auto at = json.find("\"totals\": {");
        return json.substr(at, json.find('}', at) - at + 1);
    }
};

TEST_F(LedgerCli, PostSavesTheRunIntoItsWeekAndTheNextRunSeesTheTotal) {
    auto r = cli("post Sample --row 1 --box 0=40 --week 01/09/2015 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"weekly\": true"), std::string::npos);
    EXPECT_NE(r.out.find("\"headings\": {\"Muni\": \"CrUnion\", \"Bond\": \"Bond\""),
              std::string::npos);
    EXPECT_EQ(row(r.out, 1),
              "{\"week\": 1, \"Date\": \"01/09/2015\", \"Fed\": \"62.96\", \"SS\": \"37.20\", "
              "\"Medi\": \"8.70\", \"State\": \"21.91\", \"City\": \"14.30\", \"Muni\": \".00\", "
              "\"Bond\": \".00\", \"Dues\": \".00\", \"Pension\": \".00\", \"Misc\": \".00\", "
              "\"Kplan\": \".00\", \"Tips\": \".00\", \"OT\": \".00\", \"Net\": \"454.33\", "
              "\"Gross\": \"600.00\"}");
    EXPECT_NE(row(r.out, 53), "");  // a weekly ledger lists all 53 weeks
    EXPECT_EQ(test::jsonField(totals(r.out), "Gross"), "600.00");
    EXPECT_TRUE(std::filesystem::exists(dir / "Sample.yrw"));

    // The ledger as it reads back, and the next run's wage base.
    auto shown = cli("ledger Sample --json");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(row(shown.out, 1), row(r.out, 1));
    auto next = cli("calc Sample --box 0=40 --json");
    EXPECT_EQ(test::jsonField(next.out, "SdiYtdWages"), "1200");

    auto undone = cli("unpost Sample --row 1 --json");
    ASSERT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(test::jsonField(row(undone.out, 1), "Date"), "");
    EXPECT_EQ(test::jsonField(totals(undone.out), "Gross"), ".00");
}

TEST_F(LedgerCli, RefusalsAndUsage) {
    struct Case {
        const char* args;
        int status;
    } cases[] = {
        {"post Sample --row 54 --box 0=40", 1},
        {"post Sample --row 0", 1},
        {"post Sample --box 0=40", 1},
        {"ledger Sample --row 3", 1},
        {"ledger Nobody", 2},
        {"post Sample --row 1 --box 0=1.2.3", 4},  // the run is refused
    };
    for (const auto& c : cases) {
        auto r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "Sample.yrw"));
}

// The run and its posting are one change: when the run's files cannot be written, the
// ledger is not written either (it used to be, with the run's files left old).
TEST_F(LedgerCli, AFailedRunSaveSavesNoPostingAndSaysSo) {
    std::filesystem::create_directory(dir / "Sample.hol");  // the run's save cannot finish
    const auto before = test::folderFiles(dir.path());
    auto r = cli("post Sample --row 1 --box 0=40 --json");
    EXPECT_EQ(r.status, 5) << r.err;
    EXPECT_NE(r.err.find("Neither the pay run nor the ledger was saved"), std::string::npos)
        << r.err;
    EXPECT_EQ(test::jsonField(row(r.out, 1), "Gross"), "600.00");  // shown, not saved
    EXPECT_FALSE(std::filesystem::exists(dir / "Sample.yrw"));
    EXPECT_EQ(test::folderFiles(dir.path()), before);
}

// An export never replaces the folder's own data with a workbook.
TEST_F(LedgerCli, ExportRefusesTheFoldersOwnDataFiles) {
    for (const char* target : {"Sample.use", "Sample.yrw", "Header.sav", "Federal15.dtt"}) {
        SCOPED_TRACE(target);
        const auto before = test::folderFiles(dir.path());
        const auto r = cli(std::string("export Sample '") + (dir / target).string() + "'");
        EXPECT_EQ(r.status, 5);
        EXPECT_NE(r.err.find("holds the payroll's own data"), std::string::npos) << r.err;
        EXPECT_EQ(test::folderFiles(dir.path()), before);
    }
}

// After "--" every word is an operand: a name may start with '-'.
TEST_F(LedgerCli, ANameStartingWithADashFollowsTwoDashes) {
    for (const char* file : {"Sample.use", "Sample.and", "Sample.cfe"})
        dir.write(std::string("-dash") + (file + 6), dir.read(file));
    EXPECT_EQ(cli("ledger -dash").status, 1);  // an unknown option
    const auto r = cli("ledger --json -- -dash");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"weekly\": true"), std::string::npos);
}

TEST_F(LedgerCli, ABiWeeklyEmployeeHasTwentySevenWeeks) {
    ASSERT_EQ(cli("post Sample --row 1 --box 0=40").status, 0);  // a weekly ledger first
    const std::string weeklyLedger = dir.read("Sample.yrw");
    // The sample switched to bi-weekly: the frequency flags open .use line 7.
    std::string use = dir.read("Sample.use");
    const auto weekly = use.find("#TRUE#,#FALSE#");
    ASSERT_NE(weekly, std::string::npos);
    use.replace(weekly, 14, "#FALSE#,#TRUE#");
    dir.write("Sample.use", use);
    const auto before = test::folderFiles(dir.path());
    auto r = cli("post Sample --row 28 --box 0=40");
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("Week 28 is not a pay period"), std::string::npos);
    // Refused before the run: not even the run's files are written.
    EXPECT_EQ(test::folderFiles(dir.path()), before);
    r = cli("post Sample --row 27 --box 0=40 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"weekly\": false"), std::string::npos);
    EXPECT_EQ(row(r.out, 28), "");
    EXPECT_EQ(test::jsonField(row(r.out, 1), "Date"), "");  // the weekly ledger is not read
    EXPECT_TRUE(std::filesystem::exists(dir / "Sample.yrb"));
    EXPECT_EQ(dir.read("Sample.yrw"), weeklyLedger);
}

}  // namespace
}  // namespace corvella
