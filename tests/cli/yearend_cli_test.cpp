// corvella-cli w2 and form941 on a year of postings: the same figures as the worksheets'
// tests, in the command line's JSON, CSV, text and PDF.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/fileio.h"
#include "store/company_file.h"
#include "test_support.h"
#include "yearend/year_folder.h"

namespace corvella {
namespace {

using test::jsonField;

class YearEndCli : public ::testing::Test {
  protected:
    void SetUp() override { test::makeYearFolder(dir.path()); }
    test::CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args, 60);
    }
    test::TempDir dir;
};

// What a program prints, run through the shell.
std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// The part of `json` from the object whose "name" is `name` on.
std::string from(const std::string& json, const std::string& name) {
    const auto at = json.find("\"name\": \"" + name + "\"");
    return at == std::string::npos ? std::string() : json.substr(at);
}

TEST_F(YearEndCli, W2JsonHoldsTheYearsFiguresWithTheNumberMasked) {
    const auto r = cli("w2 2026 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "year"), "2026");
    EXPECT_EQ(jsonField(r.out, "ein"), "12-3456789");
    const std::string baker = from(r.out, "Baker");
    EXPECT_EQ(jsonField(baker, "ssn"), "***-**-4444");
    EXPECT_EQ(jsonField(baker, "box3"), "184500.00");  // the wage base
    EXPECT_EQ(jsonField(baker, "box4"), "11439.00");
    EXPECT_EQ(jsonField(baker, "box6"), "3088.00");
    const std::string charlie = from(r.out, "Charlie");
    EXPECT_EQ(jsonField(charlie, "box1"), "68640.00");
    EXPECT_NE(charlie.find("\"box12\": [{\"code\": \"D\", \"amount\": \"3900.00\"}]"),
              std::string::npos);
    EXPECT_EQ(jsonField(charlie, "retirement_plan"), "true");
    EXPECT_EQ(jsonField(from(r.out, "Echo"), "box7"), "7800.00");
    const std::string w3 = r.out.substr(r.out.find("\"w3\""));
    EXPECT_EQ(jsonField(w3, "count"), "5");
    EXPECT_EQ(jsonField(w3, "box1"), "392600.00");
    EXPECT_EQ(jsonField(w3, "box6"), "6431.86");
    EXPECT_NE(r.out.find("13/45/2026"), std::string::npos);  // the warning
    for (const char* whole : {"111-22-3333", "222334444", "333-44-5555"})
        EXPECT_EQ(r.out.find(whole), std::string::npos) << whole;

    const auto shown = cli("w2 2026 --json --show-ssn");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(jsonField(from(shown.out, "Baker"), "ssn"), "222-33-4444");
}

TEST_F(YearEndCli, Form941JsonForMonthlyAndSemiweeklyDepositors) {
    auto r = cli("form941 2026 1 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "quarter"), "1");
    EXPECT_EQ(jsonField(r.out, "line1"), "4");
    EXPECT_EQ(jsonField(r.out, "line2"), "88300.00");
    EXPECT_NE(r.out.find("\"line5a\": {\"wages\": \"89925.00\", \"tax\": \"11150.70\"}"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(jsonField(r.out, "line7"), "-0.04");
    EXPECT_EQ(jsonField(r.out, "line12"), "26130.95");
    EXPECT_NE(r.out.find("\"line16\": {\"month1\": \"9212.21\", \"month2\": \"8459.37\", "
                         "\"month3\": \"8459.37\", \"total\": \"26130.95\"}"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("schedule_b"), std::string::npos);

    CompanyFacts c = readCompanyFile(dir.read(kCompanyFileName), kCompanyFileName);
    c.deposit = DepositSchedule::Semiweekly;
    dir.write(kCompanyFileName, writeCompanyFile(c));
    r = cli("form941 2026 4 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"line5d\": {\"wages\": \"8000.00\", \"tax\": \"72.00\"}"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"schedule_b\": [{\"date\": \"2026-10-02\", \"liability\": \"3608.64\"}"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("line16"), std::string::npos);
}

TEST_F(YearEndCli, TextCsvAndPdfGiveTheSameFigures) {
    auto r = cli("w2 2026");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("184,500.00"), std::string::npos) << r.out;  // Baker's box 3
    EXPECT_NE(r.out.find("6,431.86"), std::string::npos);             // the W-3's box 6
    EXPECT_EQ(r.out.find("222-33-4444"), std::string::npos);
    EXPECT_NE(r.err.find("warning: Echo: week 40"), std::string::npos) << r.err;

    r = cli("w2 2026 --csv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("184500.00"), std::string::npos);
    EXPECT_NE(r.out.find("***-**-4444"), std::string::npos);
    EXPECT_EQ(r.out.find("222-33-4444"), std::string::npos);
    r = cli("form941 2026 1 --csv");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("-0.04"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("26130.95"), std::string::npos);

    const std::string pdf = (dir / "w2.pdf").string();
    r = cli("w2 2026 --pdf '" + pdf + "'");
    if (r.status == 1 && r.err.find("no PDF output") != std::string::npos)
        GTEST_SKIP() << "this build has no PDF output (built without Qt)";
    ASSERT_EQ(r.status, 0) << r.err;
    if (output("command -v pdftotext").empty()) GTEST_SKIP() << "pdftotext is missing";
    const std::string text = output("pdftotext -layout '" + pdf + "' -");
    EXPECT_NE(text.find("184,500.00"), std::string::npos) << text;
    EXPECT_NE(text.find("***-**-4444"), std::string::npos);
    EXPECT_EQ(text.find("222-33-4444"), std::string::npos);
    const std::string q4 = (dir / "q4.pdf").string();
    ASSERT_EQ(cli("form941 2026 4 --pdf '" + q4 + "'").status, 0);
    EXPECT_NE(output("pdftotext -layout '" + q4 + "' -").find("27,726.35"), std::string::npos);
}

TEST_F(YearEndCli, RefusedInputsAndAYearWithoutFigures) {
    struct Case {
        const char* args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"w2", 1, "YEAR"},
        {"w2 twenty", 1, "not a year"},
        {"w2 2026 --json --csv", 1, "one of"},
        {"form941 2026", 1, "QUARTER"},
        {"form941 2026 5", 1, "not a quarter"},
        {"w2 2025", 4, "Federal2025.txt"},
        {"form941 2025 1 --json", 4, "Federal2025.txt"},
    };
    for (const Case& c : cases) {
        const auto r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
    dir.write("Delta.yrw", "damaged\r\n");
    const auto r = cli("w2 2026 --json");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Delta.yrw"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

}  // namespace
}  // namespace corvella
