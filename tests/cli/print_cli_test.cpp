// The printout commands of the real corvella-cli on a copy of the shipped sample employee.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_support.h"

namespace corvella {
namespace {

class PrintCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    PrintCli() { test::copyDataFolder(dir.path()); }
    test::CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args);
    }
    static bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

// The check carries the run it was printed with, and its stubs the year to date of the
// pay stub: the ledger's totals from its rows, whatever was printed before.
TEST_F(PrintCli, TheCheckCarriesItsRunAndThePayStubsYearToDate) {
    ASSERT_EQ(cli("post Sample --row 1 --box 0=40 --week 01/02/2015").status, 0);
    const auto ytdLine = [](const std::string& page) {
        const auto at = page.find("\n    YTD  ");
        return at == std::string::npos ? std::string("<no YTD>") : page.substr(at, 90);
    };
    const auto figure = [](const std::string& page, const std::string& label) {
        const auto at = page.find(label);
        if (at == std::string::npos) return std::string("<no ") + label + ">";
        const std::string line = page.substr(at, page.find('\n', at + 1) - at);
        return line.substr(line.find_last_of(' ') + 1);
    };
    test::CliResult check = cli("check Sample --box 0=10 --text");
    ASSERT_EQ(check.status, 0) << check.err;
    test::CliResult stub = cli("stub Sample --box 0=10 --text");
    ASSERT_EQ(stub.status, 0) << stub.err;
    EXPECT_EQ(ytdLine(check.out), ytdLine(stub.out));
    for (const char* label : {"Federal Tax", "Social Security Tax", "Medicare Tax", "State Tax"})
        EXPECT_EQ(figure(check.out, label), figure(stub.out, label)) << label;
    // The check's amount is the net pay its stubs show.
    const std::string net = figure(stub.out, "\n    Current ");
    EXPECT_TRUE(has(check.out, "***" + net)) << net << "\n" << check.out;
}

TEST_F(PrintCli, WordsAndTheirRefusals) {
    const struct {
        const char* args;
        int status;
        const char* out;
    } cases[] = {
        {"words 123.45", 0, "\" One Hundred Twenty Three and 45/100\"\n"},
        {"words 0.05", 0, "\"Zero and 05/100\"\n"},
        {"words 999999.99", 0, "\"Dollar amount is too large\"\n"},
        {"words 1e300", 4, ""},
        {"words 12a", 4, ""},
        {"words -20", 4, ""},
        {"words", 1, ""},
    };
    for (const auto& c : cases) {
        auto r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST_F(PrintCli, StubAndCheckAsText) {
    auto stub = cli("stub Sample --box 0=40 --week 01/09/2015 --text");
    ASSERT_EQ(stub.status, 0) << stub.err;
    EXPECT_TRUE(has(stub.out,
                    "\n    Regular1 Earning         15.00               40.00          "
                    "600.00\n"));
    EXPECT_TRUE(has(stub.out,
                    "\n    Current                  600.00              145.67         "
                    ".00                 454.33\n"));
    EXPECT_EQ(stub.out.back(), '\f');

    auto check =
        cli("check Sample --box 0=40 --week 01/09/2015 --memo Bonus --offset +3,-4 "
            "--text");
    ASSERT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.out.substr(0, 120), std::string(109, ' ') + "01/09/2015\n");
    EXPECT_TRUE(has(check.out, "\n       ***** Four Hundred Fifty Four and 33/100*****\n"));
    EXPECT_TRUE(has(check.out, "\n            Bonus\n"));
    // Kept with the employee.
    EXPECT_EQ(dir.read("Sample.and").substr(0, 7), "3,-4,0\r");
}

TEST_F(PrintCli, CheckFieldsAsJson) {
    auto r = cli("check Sample --box 0=40 --week 01/09/2015 --memo Bonus --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"txtCheckDate\": \"01/09/2015\", \"txtPayTo\": \"Sample Employee********\", "
              "\"txtCheckAmt\": \"***454.33\", \"txtDollars\": \" Four Hundred Fifty Four and "
              "33/100\", \"txtMemo\": \"Bonus\", \"txtUserName\": \"Sample Employee\", "
              "\"txtUserAddress\": \"12 Main Street\", \"txtUserState\": \"Albany, NY 12207\", "
              "\"txtUserSSnum\": \"***-**-0000\", \"tax_year\": 2015, \"messages\": []}\n");
}

TEST_F(PrintCli, RefusalsAndUsage) {
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"stub Sample --box 0=40", 1},                 // no output chosen
        {"stub Sample --text --pdf x.pdf", 1},         // two
        {"stub Sample --text --json", 1},              // not the stub's
        {"check Sample --offset 3 --text", 1},         // H,V needed
        {"check Sample --offset x,0 --text", 4},       // not a number
        {"stub Sample --box 0=1.2.3 --text", 4},       // the run refused
        {"stub Nobody --text", 2},                     // no such employee
        {"print-ledger Sample --box 0=40 --text", 1},  // no inputs here
    };
    for (const auto& c : cases) {
        auto r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
    }
    auto refused = cli("check Sample --offset x,0 --text");
    EXPECT_TRUE(has(refused.err, "Horizontal")) << refused.err;
    EXPECT_EQ(refused.out, "");
}

TEST_F(PrintCli, LedgerPrintout) {
    ASSERT_EQ(cli("post Sample --row 1 --box 0=40 --week 01/09/2015").status, 0);
    auto r = cli("print-ledger Sample --text");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "\n    01/09/2015   62.96        37.2         8.7          21.91  "));
    EXPECT_TRUE(has(r.out, "\n    TOTALS      62.96        37.20        8.70         21.91  "));
}

}  // namespace
}  // namespace corvella
