// The tax year through the desktop program's screens: User Info's "Tax year" list, the
// Form W-4 group, and a 2026 run posted to the ledger.
#include <gtest/gtest.h>

#include "engine/pay_run_fixture.h"
#include "ledger/ledger_window.h"

namespace corvella {
namespace {

class TaxYearScreens : public test::PayRunFixture {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(test::dataDir() / "Federal2026.txt", dir / "Federal2026.txt");
        TaxProfile p = profileOf();
        p.HourRate = 25;
        auto st = noStateTax();
        openEmployee(p, &st);
    }
};

TEST_F(TaxYearScreens, UserInfoChoosesTheYearAndTheFormAndTheRunFollows) {
    FrmTaxInfo& f = s.taxInfo();
    EXPECT_EQ(f.cboTaxYear.text, "2015");
    EXPECT_EQ(f.cboW4Version.text, "2019 or earlier");
    s.main.setWeek("01/09/2026");
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    EXPECT_EQ(s.main.lbTaxYear.caption, "Tax year 2015");
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "158.10");  // the 2015 table, whatever the date

    f.cboTaxYear.text = "By the week-ending date";
    f.cboW4Version.text = "2020 or later";
    f.cboW4Status.text = "Single or Married filing separately";
    ASSERT_TRUE(s.taxInfoSave());
    EXPECT_EQ(s.taxYearMode(), TaxYearMode::ByWeekEnding);
    EXPECT_EQ(test::crlfLines(dir.read("Emp.w4"))[0], "\"2020\",\"single\",0,0,0,0");

    // Weekly 1,000.00, Single, nothing else entered: the published 78.08.
    s.main.setWeek("01/09/2026");
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    EXPECT_EQ(s.main.lbTaxYear.caption, "Tax year 2026 (by week ending)");
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "78.08");
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "62.00");
    // A year not installed refuses the run; the run shown stays 2026's.
    s.main.setWeek("01/08/2027");
    EXPECT_EQ(run({{0, "40"}}), Session::RunOutcome::Refused);
    EXPECT_EQ(s.runTaxYear(), 2026);
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "78.08");
    s.main.setWeek("01/09/2026");
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_EQ(test::crlfLines(dir.read("Emp.yrw"))[0].substr(0, 26),
              "\"01/09/2026\",78.08,62,14.5");

    // A bad amount names its caption and saves nothing.
    const auto before = test::folderFiles(dir.path());
    s.taxInfo().txtW4Step3.text = "-100";
    ui.messages.clear();
    EXPECT_FALSE(s.taxInfoSave());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "\"-100\" in User Info, Form W-4, Step 3 (credits a year) is below zero; enter 0 "
              "or more. Correct it and save again.");
    EXPECT_EQ(test::folderFiles(dir.path()), before);
}

// A new employee files today's form; one made in a folder that stays in 2015 keeps the
// older form, so that folder's figures never change.
TEST_F(TaxYearScreens, ANewEmployeeHasTheFormOfTheFoldersYear) {
    const struct {
        TaxYearMode mode;
        const char* name;
        const char* version;
        bool w4File;
    } cases[] = {
        {TaxYearMode::Year2015, "Old", "2019 or earlier", false},
        {TaxYearMode::ByWeekEnding, "New", "2020 or later", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(s.setTaxYearMode(c.mode));
        ui.inputAnswers.push_back(c.name);
        s.mnuNew_Click();
        ASSERT_EQ(s.CurrentUser, c.name);
        EXPECT_EQ(s.taxInfo().cboW4Version.text, c.version);
        EXPECT_EQ(s.taxInfo().cboW4Status.text, "Single or Married filing separately");
        ui.saveAnswers.push_back({SaveWindowButton::Save, std::nullopt});
        s.mnuSave_Click();
        ASSERT_TRUE(std::filesystem::exists(dir / (std::string(c.name) + ".use")));
        EXPECT_EQ(std::filesystem::exists(dir / (std::string(c.name) + ".w4")), c.w4File);
    }
}

}  // namespace
}  // namespace corvella
