// corvella-cli company and w2-info: what they set and print, and the values they refuse
// without writing anything.
#include <gtest/gtest.h>

#include <string>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "test_support.h"

namespace corvella {
namespace {

class FactsCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    FactsCli() { test::copyDataFolder(dir.path()); }
    test::CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args, 60);
    }
};

TEST_F(FactsCli, CompanySetsTheFactsGivenAndPrintsThemAll) {
    writeFileAtomic(dir / "Header.sav", "\"Acme Tools\",\"12 Main St.\",\"Albany, NY\",\"ID\"\r\n");
    auto r = cli("company --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"legal_name\": \"Acme Tools\", \"trade_name\": \"\", \"address\": \"12 Main "
              "St.\", \"city_state_zip\": \"Albany, NY\", \"ein\": \"\", \"state_id\": \"\", "
              "\"deposit_schedule\": \"monthly\"}\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Company.sav"));  // shown, not written

    r =
        cli("company --trade-name Acme --ein 123456789 --state-id 'NY 0042' "
            "--deposit-schedule semiweekly --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"legal_name\": \"Acme Tools\", \"trade_name\": \"Acme\", \"address\": \"12 Main "
              "St.\", \"city_state_zip\": \"Albany, NY\", \"ein\": \"12-3456789\", \"state_id\": "
              "\"NY 0042\", \"deposit_schedule\": \"semiweekly\"}\n");
    EXPECT_EQ(cli("company --json").out, r.out);
    EXPECT_EQ(dir.read("Company.sav"),
              "1\r\n\"Acme Tools\",\"Acme\",\"12 Main St.\",\"Albany, NY\",\"123456789\","
              "\"NY 0042\",\"semiweekly\"\r\n");
    r = cli("company --legal-name 'Acme Tools, Inc.' --ein 98-7654321");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Legal name: Acme Tools, Inc.\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("EIN: 98-7654321\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Deposit schedule: semiweekly\n"), std::string::npos) << r.out;

    const auto before = test::folderFiles(dir.path());
    const struct {
        const char* options;
        const char* said;
    } refused[] = {
        {"--ein 12-345678", "Company, EIN is not 9 digits"},
        {"--ein 123-45-6789", "Company, EIN is not 9 digits"},
        {"--trade-name Bob --ein x", "Company, EIN"},
        {"--deposit-schedule weekly", "deposit schedule \"weekly\""},
        {"--legal-name 'Acme \"Tools\"'", "Company, Legal name holds a double quote"},
        {"--address \"$(printf '1 Main\\nSuite 2')\"", "Company, Address holds a line break"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.options);
        r = cli(std::string("company ") + c.options);
        EXPECT_EQ(r.status, 4);
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(test::folderFiles(dir.path()), before);
    }
    EXPECT_EQ(cli("company Acme").status, 1);
    EXPECT_EQ(cli("company --ein").status, 1);
}

TEST_F(FactsCli, W2InfoSetsTheFactsGivenAndShowsTheNumberMasked) {
    TaxProfile p = TaxProfile::resetValues();
    p.EmpSSN = "123-45-6789";
    OvertimeData ot;
    StateSettings flags;
    EmployeeExtras x = EmployeeExtras::newEmployee();
    writeFileAtomic(dir / "Mary.use", writeUseFile(p, ot, flags, x, "11440", "0"));
    writeFileAtomic(dir / "Mary.and", writeAndFile(p, flags, x));
    writeFileAtomic(dir / "Mary.cfe", writeCfeFile(p));

    auto r = cli("w2-info Mary --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"name\": \"Mary\", \"first\": \"\", \"middle\": \"\", \"last\": \"\", "
              "\"suffix\": \"\", \"statutory\": 0, \"retirement_plan\": 0, "
              "\"third_party_sick\": 0, \"state\": \"\", \"locality\": \"\", "
              "\"ssn\": \"***-**-6789\"}\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Mary.w2i"));

    r =
        cli("w2-info Mary --first Mary --middle J --last 'Smith-Jones' --suffix Jr. "
            "--statutory 1 --third-party-sick 1 --state oh --locality 'Ada Township' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"name\": \"Mary\", \"first\": \"Mary\", \"middle\": \"J\", \"last\": "
              "\"Smith-Jones\", \"suffix\": \"Jr.\", \"statutory\": 1, \"retirement_plan\": 0, "
              "\"third_party_sick\": 1, \"state\": \"OH\", \"locality\": \"Ada Township\", "
              "\"ssn\": \"***-**-6789\"}\n");
    EXPECT_EQ(cli("w2-info Mary --json").out, r.out);
    EXPECT_EQ(dir.read("Mary.w2i"),
              "\"Mary\",\"J\",\"Smith-Jones\",\"Jr.\",1,0,1\r\n\"OH\",\"Ada Township\"\r\n");
    r = cli("w2-info Mary --statutory 0");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("SSN: ***-**-6789\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("123-45"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Statutory employee: no\n"), std::string::npos) << r.out;

    const auto before = test::folderFiles(dir.path());
    const struct {
        const char* options;
        const char* said;
    } refused[] = {
        {"--middle JK", "Form W-2, Middle initial is not one letter"},
        {"--first Ann --middle J.", "Middle initial"},
        {"--statutory 2", "the statutory box \"2\" is not 0 or 1"},
        {"--retirement-plan yes", "the retirement-plan box"},
        {"--third-party-sick ''", "the third-party-sick box"},
        {"--last 'O\"Brien'", "Form W-2, Last name holds a double quote"},
        {"--suffix \"$(printf 'Jr\\nSr')\"", "Form W-2, Suffix holds a line break"},
        {"--state Ohio", "Form W-2, State is not a state's two capital letters"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.options);
        r = cli(std::string("w2-info Mary ") + c.options);
        EXPECT_EQ(r.status, 4);
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(test::folderFiles(dir.path()), before);
    }
    EXPECT_EQ(cli("w2-info").status, 1);
    EXPECT_EQ(cli("w2-info Nobody").status, 2);
}

}  // namespace
}  // namespace corvella
