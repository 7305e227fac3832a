// corvella-cli ot, leave, period-save and period-get on a copy of the shipped data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace corvella {
namespace {

using test::CliResult;
using test::jsonField;
using test::runCli;

class ToolsCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    ToolsCli() { test::copyDataFolder(dir.path()); }
    CliResult cli(const std::string& args) {
        return runCli("-C '" + dir.path().string() + "' " + args);
    }
};

TEST_F(ToolsCli, OtTotalsSavesAndReportsWhatTheWindowShows) {
    CliResult r =
        cli("ot Sample --annual 40000 --percent 2 --amount 1=600 --amount 2=4x00 --date 1=1/2/2015 "
            "--amount 3=9 --new-week --json");
    ASSERT_EQ(r.status, 0) << r.err;
    // New Week after typing: week 1 has gone, week 2's 400 is now week 1.
    EXPECT_EQ(jsonField(r.out, "lbEarned"), "$409.00");
    EXPECT_EQ(jsonField(r.out, "lbMax"), "$800.00");
    EXPECT_EQ(jsonField(r.out, "lbAvail"), "$391.00");
    EXPECT_EQ(jsonField(r.out, "txtPercent"), "1.02%");
    EXPECT_NE(r.out.find("{\"week\": 1, \"date\": \"\", \"amount\": \"400\"}"), std::string::npos);
    EXPECT_NE(r.out.find("{\"week\": 53, \"date\": \"\", \"amount\": \"0\"}"), std::string::npos);
    EXPECT_NE(r.out.find("\"messages\": []"), std::string::npos);
    EXPECT_EQ(dir.read("Sample.use").substr(0, 25), "409,0,0\r\n40000,2,0.01\r\n15");

    CliResult again = cli("ot Sample --amount 1=1000 --amount 2=0 --json");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(jsonField(again.out, "lbAvail"), "-$200.00");
    EXPECT_EQ(jsonField(again.out, "txtPercent"), "2.5%");
}

// The plain-text tables pad their cells and never cut one, however long.
TEST_F(ToolsCli, TextTablesKeepLongCellsWhole) {
    const std::string date(200, 'd');
    CliResult r = cli("ot Sample --date 1=" + date + " --amount 1=12");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("         1  " + date + "  12\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("         2               0\n"), std::string::npos) << r.out;
}

TEST_F(ToolsCli, OtRefusalsAndUsage) {
    const std::string use = dir.read("Sample.use");
    CliResult r = cli("ot Sample --annual 0 --percent 0 --json");
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Please enter amounts in Annual Salary and Approved Percent Boxes."),
              std::string::npos);
    r = cli("ot Sample --percent 4-5");
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("\"4-5\" in Enter Your Approved Percentage is not a number"),
              std::string::npos);
    EXPECT_EQ(dir.read("Sample.use"), use);
    EXPECT_EQ(cli("ot Sample --amount 54=1").status, 1);
    EXPECT_EQ(cli("ot Sample --amount 3").status, 1);
    EXPECT_EQ(cli("ot Nobody").status, 2);
}

TEST_F(ToolsCli, LeaveShowsTheBalancesAndSavesThem) {
    CliResult r = cli(
        "leave Sample --start vac=10 --count vac,1=0.1 --count vac,2=0.2 --date 'hol,20=May 5-7' "
        "--start sick=3 --count sick,4=x1 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "lbVacBal"), "9.69999998807907");
    EXPECT_EQ(jsonField(r.out, "txtHolBal"), "0");
    EXPECT_EQ(jsonField(r.out, "lbSickBal"), "2");
    EXPECT_NE(r.out.find("{\"count\": \"0\", \"date\": \"May 5-7\"}], \"sick\""),
              std::string::npos);
    const std::string hol = dir.read("Sample.hol");
    EXPECT_EQ(hol.substr(0, hol.find("\r\n")), "9.7,10,0,0,2,3");

    r = cli("leave Sample --clear --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "lbVacBal"), "0");
    EXPECT_EQ(dir.read("Sample.hol").substr(0, 13), "0,0,0,0,0,0\r\n");
    EXPECT_EQ(cli("leave Sample --count vac,21=1").status, 1);
    EXPECT_EQ(cli("leave Sample --start pto=1").status, 1);
}

TEST_F(ToolsCli, APeriodSavedIsGotBack) {
    CliResult saved = cli("period-save Sample --box 0=40 --week 01/09/2015");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "01_09_2015  Sample.prv\n");

    CliResult got = cli("period-get '01_09_2015  Sample.prv' --json");
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(jsonField(got.out, "txtWeek"), "01/09/2015");
    EXPECT_EQ(jsonField(got.out, "txtAmount(0)"), "40");
    EXPECT_EQ(jsonField(got.out, "txtAmount(1)"), "0");
    EXPECT_EQ(jsonField(got.out, "lbTaxDed(0)"), "62.96");
    EXPECT_EQ(jsonField(got.out, "Label13"), "600.00");
    EXPECT_EQ(jsonField(got.out, "lbNet"), "454.33");

    // The same week again: refused before the run, unless --replace.
    const auto before = test::folderFiles(dir.path());
    CliResult again = cli("period-save Sample --box 0=30 --week 01/09/2015");
    EXPECT_EQ(again.status, 4);
    EXPECT_NE(again.err.find("give --replace"), std::string::npos) << again.err;
    EXPECT_EQ(test::folderFiles(dir.path()), before);
    again = cli("period-save Sample --box 0=30 --week 01/09/2015 --replace");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(dir.read("01_09_2015  Sample.prv"), before.at("01_09_2015  Sample.prv"));

    EXPECT_EQ(cli("period-save Sample --box 0=40 --week 'a\\b'").status, 4);
    EXPECT_EQ(cli("period-get 'Nothing.prv'").status, 2);
    dir.write("Bad.prv", test::fixture("period/cut-after-two-lines.prv"));
    CliResult bad = cli("period-get Bad.prv");
    EXPECT_EQ(bad.status, 3);
    EXPECT_NE(bad.err.find("Bad.prv is damaged at line 3"), std::string::npos);
}

// restore lists the days kept and puts one back, also for an employee too damaged to
// open; a day not kept or a name that would leave the folder changes nothing.
TEST_F(ToolsCli, RestoreListsTheDaysAndPutsOneBackEvenOverADamagedSet) {
    CliResult r = cli("restore Sample");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no backup of \"Sample\""), std::string::npos) << r.err;

    const std::string original = dir.read("Sample.use");
    ASSERT_EQ(cli("calc Sample --box 0=40").status, 0);  // the day's first save keeps a backup
    r = cli("restore Sample");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string day = r.out.substr(0, r.out.find('\n'));
    ASSERT_EQ(day.size(), 10u) << r.out;

    dir.write("Sample.use", "garbage\n");
    ASSERT_EQ(cli("calc Sample --box 0=40").status, 3);
    const struct {
        std::string args;
        int status;
    } refused[] = {{"restore Sample --day 2001-01-01", 2},
                   {"restore ../Sample --day " + day, 2},
                   {"restore Sample --day", 1},
                   {"restore Sample Other --day " + day, 1}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(cli(c.args).status, c.status);
        EXPECT_EQ(dir.read("Sample.use"), "garbage\n");
    }
    r = cli("restore Sample --day " + day);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Restored Sample as of " + day + "\n");
    EXPECT_EQ(dir.read("Sample.use"), original);
    EXPECT_EQ(cli("calc Sample --box 0=40").status, 0);

    // A member that is no file at all (a FIFO) is replaced too, not read or kept.
    const std::string cafeteria = dir.read("Sample.cfe");
    std::filesystem::remove(dir / "Sample.cfe");
    ASSERT_EQ(::mkfifo((dir / "Sample.cfe").c_str(), 0600), 0);
    r = test::runCli("-C '" + dir.path().string() + "' restore Sample --day " + day, 30);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(std::filesystem::is_regular_file(dir / "Sample.cfe"));
    EXPECT_EQ(dir.read("Sample.cfe"), cafeteria);
}

}  // namespace
}  // namespace corvella
