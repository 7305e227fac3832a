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

}  // namespace
}  // namespace corvella
