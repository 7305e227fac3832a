// Runs the real corvella-cli on a copy of the shipped data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace corvella {
namespace {

using test::CliResult;
using test::jsonField;
using test::runCli;

class Cli : public ::testing::Test {
  protected:
    test::TempDir dir;
    Cli() { test::copyDataFolder(dir.path()); }
    CliResult calc(const std::string& args) {
        return runCli("-C '" + dir.path().string() + "' calc " + args);
    }
};

TEST_F(Cli, TheSampleEmployeesWeekToTheCent) {
    CliResult r = calc("Sample --box 0=40 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string& j = r.out;
    // (600 - 76.90 - 222) x 15% + 17.80 is held as 62.9649963 and rounds down.
    EXPECT_EQ(jsonField(j, "lbTaxDed(0)"), "62.96");
    EXPECT_EQ(jsonField(j, "lbTaxDed(1)"), "37.20");
    EXPECT_EQ(jsonField(j, "lbTaxDed(2)"), "8.70");
    EXPECT_EQ(jsonField(j, "lbTaxDed(3)"), "21.91");  // New York, weekly, one exemption
    EXPECT_EQ(jsonField(j, "lbTaxDed(4)"), "14.30");  // the default city table
    EXPECT_EQ(jsonField(j, "lbSDI"), ".60");
    EXPECT_EQ(jsonField(j, "Label13"), "$600.00");
    EXPECT_EQ(jsonField(j, "lbNet"), "$454.33");
    EXPECT_EQ(jsonField(j, "txtAmount(0)"), "40");
    EXPECT_EQ(jsonField(j, "txtAmount(1)"), "");
    EXPECT_EQ(jsonField(j, "GrossPay"), "600");
    EXPECT_EQ(jsonField(j, "FedAllowance"), "76.9000015");
    EXPECT_NE(j.find("\"messages\": []"), std::string::npos);
}

TEST_F(Cli, BoxesAreTypedThroughTheKeyFilterAndOptionsApply) {
    CliResult r = calc("Sample --box 0=4x0 --box 2=2 --ot2x --week 01/09/2015extra --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "txtAmount(0)"), "40");
    EXPECT_EQ(jsonField(r.out, "lbOverT"), "$60.00");  // 2 hours doubled at 15
    EXPECT_EQ(jsonField(r.out, "Label13"), "$660.00");
}

TEST_F(Cli, AMissingEmployeeIsRefusedWithStatus2AndNothingWritten) {
    auto before = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    CliResult r = calc("Nobody --box 0=40");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), before);
}

TEST_F(Cli, RefusalsHaveTheirOwnStatus) {
    struct Case {
        const char* args;
        int status;
    } cases[] = {
        {"Sample --box 0=1.2.3", 4},
        {"Sample --box 9=1", 1},
        {"Sample --frobnicate", 1},
        {"../Sample", 2},
        {"", 1},
    };
    for (const auto& c : cases) {
        CliResult r = calc(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.args << ": " << r.err;
    }
}

// Issue 7: cents were rounded from the 7-digit text of the amount, not the amount.
TEST(CliRounding, CentsComeFromTheAmountAsHeldInEveryBand) {
    const std::string use = test::fixture("use/rate-19.97.use");
    struct Case {
        const char* box;
        const char* caption;
        const char* text;
    } cases[] = {
        {"0=58.51", "Label13", "$1,168.44"},        // 58.51 x 19.97 held as 1168.44458
        {"6=4085.62", "lbTaxDed(0)", "1,018.43"},   // 886.23 + 0.33 x 400.62 = 1018.4346
        {"6=10000.125", "Label13", "$10,000.13"},   // an exact half goes away from zero
        {"6=123456.78", "Label13", "$123,456.78"},  // held as 123456.78125
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        test::TempDir dir;  // calc saves: each case on a fresh folder
        std::filesystem::copy_file(test::dataDir() / "Federal15.dtt", dir / "Federal15.dtt");
        dir.write("Rep.use", use);
        CliResult r =
            runCli("-C '" + dir.path().string() + "' calc Rep --box " + c.box + " --json");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(jsonField(r.out, c.caption), c.text);
    }
}

TEST_F(Cli, TheReadableFormShowsTheCaptions) {
    CliResult r = calc("Sample --box 0=40");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("$454.33"), std::string::npos);
    EXPECT_NE(r.out.find("NET PAY"), std::string::npos);
}

}  // namespace
}  // namespace corvella
