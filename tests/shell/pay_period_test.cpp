// Saved pay periods and the date pickers through the session: file names, the .prv
// round trip, damaged files, and where the calendar opens.
#include "store/pay_period.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/errors.h"
#include "engine/pay_run_fixture.h"

namespace corvella {
namespace {

class PayPeriods : public test::PayRunFixture {
  protected:
    void SetUp() override {
        TaxProfile p = profileOf();
        p.HourRate = 15;
        auto st = noStateTax();
        openEmployee(p, &st, "Sample");
    }
    size_t filesInFolder() {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                 std::filesystem::directory_iterator()));
    }
};

TEST_F(PayPeriods, TheFileIsNamedByTheWeekAndTheEmployee) {
    struct Case {
        const char* week;
        const char* file;
        const char* weekBack;  // txtWeek after Get Pay Period
    };
    const Case cases[] = {
        {"01/09/2015", "01_09_2015  Sample.prv", "01/09/2015"},
        {"1/9/2015", "1_9_2015  Sample.prv", "1/9/2015  "},
        {"", "  Sample.prv", "  Sample.p"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.week);
        s.main.txtWeek.text = c.week;
        auto saved = s.SavePayPeriod();
        ASSERT_EQ(saved.outcome, RunOutcome::Done);
        EXPECT_EQ(saved.fileName, c.file);
        EXPECT_EQ(test::crlfLines(dir.read(c.file)).size(), 26u);
        s.main.setWeek("12/31/2015");
        ui.openAnswers.push_back(dir / c.file);
        ASSERT_TRUE(s.LoadPayPeriod());
        EXPECT_EQ(s.main.txtWeek.text, c.weekBack);
    }
}

TEST_F(PayPeriods, InputsAndResultsComeBackAsSavedAndShown) {
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{0, "40"}, {3, "2.5"}}), RunOutcome::Done);
    s.main.txtAmount[1].text.clear();
    s.main.lbTaxDed[0].caption = "1,234.50";
    s.main.lbNet.caption = "$1,234.56";
    s.main.lbCafe.caption.clear();
    ASSERT_EQ(s.SavePayPeriod().outcome, RunOutcome::Done);
    // Empty boxes and captions are saved, and shown, as 0.
    EXPECT_EQ(s.main.txtAmount[1].text, "0");
    EXPECT_EQ(s.main.lbCafe.caption, "0");
    const auto saved = test::crlfLines(dir.read("01_09_2015  Sample.prv"));
    ASSERT_EQ(saved.size(), 26u);
    EXPECT_EQ(saved[0], "40");
    EXPECT_EQ(saved[1], "0");
    EXPECT_EQ(saved[3], "2.5");
    EXPECT_EQ(saved[8], "1234.5");
    EXPECT_EQ(saved[21], "0");
    EXPECT_EQ(saved[22], "656.25");  // gross: 40 x 15 + 2.5 x 22.5
    EXPECT_EQ(saved[25], "1234.56");

    s.Clear_All();
    ui.openAnswers.push_back(dir / "01_09_2015  Sample.prv");
    ASSERT_TRUE(s.LoadPayPeriod());
    EXPECT_EQ(s.main.txtAmount[0].text, "40");
    EXPECT_EQ(s.main.txtAmount[1].text, "0");
    EXPECT_EQ(s.main.txtAmount[3].text, "2.5");
    EXPECT_EQ(s.main.lbTaxDed[0].caption, "1234.50");
    EXPECT_EQ(s.main.Label13.caption, "656.25");
    EXPECT_EQ(s.main.lbCafe.caption, ".00");
    EXPECT_EQ(s.main.lbNet.caption, "1234.56");
    EXPECT_EQ(s.main.txtWeek.text, "01/09/2015");

    // Saving again under the same date replaces the file, once the operator agrees.
    s.main.txtAmount[0].text = "8";
    ui.yesNoAnswers.push_back(true);
    ASSERT_EQ(s.SavePayPeriod().outcome, RunOutcome::Done);
    EXPECT_EQ(test::crlfLines(dir.read("01_09_2015  Sample.prv"))[0], "8");
}

// A period of the open employee brought back is a whole row to post (its taxes, gross
// and net, and the overtime and tips its hours come to); another employee's period is
// shown only after asking, and is never posted here.
TEST_F(PayPeriods, OnlyTheOpenEmployeesOwnPeriodIsPosted) {
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{0, "40"}, {3, "2"}}), RunOutcome::Done);
    const std::string tax = s.main.lbTaxDed[0].caption;
    ASSERT_EQ(s.SavePayPeriod().outcome, RunOutcome::Done);
    TaxProfile other = profileOf();
    other.HourRate = 20;
    auto st = noStateTax();
    openEmployee(other, &st, "Other");
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{0, "10"}}), RunOutcome::Done);
    ASSERT_EQ(s.SavePayPeriod().outcome, RunOutcome::Done);
    ASSERT_TRUE(s.openEmployee(dir / "Sample.use"));

    // Another employee's period: asked first; No changes nothing.
    const MainWindow before = s.main;
    ui.openAnswers.push_back(dir / "01_09_2015  Other.prv");
    EXPECT_FALSE(s.LoadPayPeriod());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("saved for Other, not for Sample"), std::string::npos);
    EXPECT_EQ(s.main.txtAmount[0].text, before.txtAmount[0].text);
    ui.openAnswers.push_back(dir / "01_09_2015  Other.prv");
    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.LoadPayPeriod());
    EXPECT_EQ(s.main.txtAmount[0].text, "10");
    s.openLedger();
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerPost(1));
    EXPECT_EQ(ui.messages.size(), 1u);

    // Its own period: posted whole, asking nothing.
    ui.openAnswers.push_back(dir / "01_09_2015  Sample.prv");
    ASSERT_TRUE(s.LoadPayPeriod());
    EXPECT_EQ(ui.questions.size(), 2u);
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    const LedgerWindowRow& row = s.ledgerWindow()->rows[0];
    EXPECT_EQ(row.Date.text, "01/09/2015");
    EXPECT_EQ(row.cell(LedgerColumn::Gross).text, "645.00");  // 40 x 15 + 2 x 22.5
    EXPECT_EQ(row.cell(LedgerColumn::OT).text, "45.00");
    EXPECT_EQ(row.cells[0].text, tax);
    EXPECT_NE(row.cell(LedgerColumn::Net).text, "0");
}

TEST_F(PayPeriods, AWeekThatCannotBePartOfAFileNameIsRefused) {
    const size_t before = filesInFolder();
    for (const char* week : {"a\\b", "..", "1/9/15\t", "x..y"}) {
        SCOPED_TRACE(week);
        s.main.txtWeek.text = week;
        ui.messages.clear();
        EXPECT_EQ(s.SavePayPeriod().outcome, RunOutcome::Refused);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find("cannot be part of a file name"), std::string::npos);
    }
    // "/" becomes "_", so a week with slashes stays in the folder.
    s.main.txtWeek.text = "../../x";
    EXPECT_EQ(s.SavePayPeriod().outcome, RunOutcome::Refused);
    EXPECT_EQ(filesInFolder(), before);
}

TEST_F(PayPeriods, AnEntryThatIsNotANumberRefusesTheSaveAndChangesNothing) {
    s.main.setWeek("01/09/2015");
    s.main.txtAmount[2].text = "4-5";
    s.main.txtAmount[0].text.clear();
    EXPECT_EQ(s.SavePayPeriod().outcome, RunOutcome::Refused);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("\"4-5\" in O.T."), std::string::npos);
    EXPECT_EQ(s.main.txtAmount[0].text, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "01_09_2015  Sample.prv"));
}

// A figure no pay run holds is refused rather than written into a file that could not
// be read back.
TEST_F(PayPeriods, AFigureBeyondAnyPayIsRefusedAndNothingWritten) {
    s.main.setWeek("01/09/2015");
    s.main.txtAmount[6].text = "20000000";
    EXPECT_EQ(s.SavePayPeriod().outcome, RunOutcome::Refused);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("20000000"), std::string::npos) << ui.messages.back();
    EXPECT_FALSE(std::filesystem::exists(dir / "01_09_2015  Sample.prv"));
}

TEST_F(PayPeriods, ADamagedOrMissingFileIsReportedAndNothingChanges) {
    std::string good;
    for (int i = 0; i < 26; ++i) good += std::to_string(i + 1) + "\r\n";
    std::string shortFile, textForNumber = good, tooLarge = good;
    for (int i = 0; i < 25; ++i) shortFile += "1\r\n";
    textForNumber.replace(textForNumber.find("12\r\n"), 2, "1x");
    tooLarge.replace(tooLarge.find("20\r\n"), 2, "3.4e38");
    struct Case {
        const char* name;
        std::string bytes;
        const char* said;
    };
    const Case cases[] = {
        {"Short.prv", shortFile, "The file Short.prv is damaged at line 26 (the file ends early)."},
        {"Text.prv", textForNumber,
         "The file Text.prv is damaged at line 12 (\"1x\" is not a number)."},
        {"Huge.prv", tooLarge,
         "The file Huge.prv is damaged at line 20 (the pay period figure 3.4e38 is outside "
         "-10000000 to 10000000)."},
    };
    s.main.setWeek("01/09/2015");
    s.main.txtAmount[0].text = "7";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write(c.name, c.bytes);
        ui.messages.clear();
        ui.openAnswers.push_back(dir / c.name);
        EXPECT_FALSE(s.LoadPayPeriod());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind(c.said, 0), 0u) << ui.messages[0];
        EXPECT_EQ(s.main.txtAmount[0].text, "7");
        EXPECT_EQ(s.main.txtWeek.text, "01/09/2015");
    }
    ui.messages.clear();
    ui.openAnswers.push_back(dir / "Gone.prv");
    EXPECT_FALSE(s.LoadPayPeriod());
    EXPECT_EQ(ui.messages.size(), 1u);
    // A cancelled dialog says nothing.
    ui.messages.clear();
    EXPECT_FALSE(s.LoadPayPeriod());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(s.main.txtAmount[0].text, "7");
}

TEST(PayPeriodDates, ShortDatesAreReadAsTheFieldHoldsThem) {
    struct Case {
        const char* text;
        std::optional<Date> date;
    };
    const Case cases[] = {
        {"1/9/2015", Date{2015, 1, 9}},
        {"01/09/2015", Date{2015, 1, 9}},
        {"1/9/2015  ", Date{2015, 1, 9}},
        {"12-31-2015", Date{2015, 12, 31}},
        {"2/29/2016", Date{2016, 2, 29}},
        {"1/9/15", Date{2015, 1, 9}},
        {"2/29/2015", std::nullopt},
        {"13/1/2015", std::nullopt},
        {"1/32/2015", std::nullopt},
        {"0/1/2015", std::nullopt},
        {"1/9", std::nullopt},
        {"May 5", std::nullopt},
        {"1/9/2015x", std::nullopt},
        {"1/9-2015", std::nullopt},
        {"", std::nullopt},
        {"1/9/201", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto d = readShortDate(c.text);
        ASSERT_EQ(d.has_value(), c.date.has_value());
        if (d) {
            EXPECT_EQ(shortDate(*d), shortDate(*c.date));
        }
    }
    EXPECT_EQ(shortDate(Date{2015, 1, 9}), "1/9/2015");
}

TEST(PayPeriodDates, ThePickerOpensWithinTheCalendarsRange) {
    const Date inRange{2015, 6, 30}, later{2026, 12, 10};
    struct Case {
        const char* field;
        Date today;
        const char* opensOn;
        const char* fieldAfter;
    };
    const Case cases[] = {
        {"1/9/2015", later, "1/9/2015", "1/9/2015"},
        {"12/1/2014", later, "12/1/2014", "12/1/2014"},
        {"1/31/2016", later, "1/31/2016", "1/31/2016"},
        {"", inRange, "6/30/2015", ""},
        {"", later, "1/1/2015", ""},
        // Not a date, or a date the calendar does not hold: the field becomes today.
        {"May 5", inRange, "6/30/2015", "6/30/2015"},
        {"11/30/2014", inRange, "6/30/2015", "6/30/2015"},
        {"2/1/2016", later, "1/1/2015", "12/10/2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        std::string field = c.field;
        const CalendarRange of2015 = calendarOf({2015});
        const Date d = pickerStart(field, c.today, of2015);
        EXPECT_EQ(shortDate(d), c.opensOn);
        EXPECT_TRUE(inCalendarRange(d, of2015));
        EXPECT_EQ(field, c.fieldAfter);
    }
}

TEST_F(PayPeriods, ThePickersWriteTheShortDateIntoTheirField) {
    s.main.setWeek("not a date");
    ui.date = Date{2026, 12, 10};
    EXPECT_EQ(shortDate(s.openWeekPicker()), "1/1/2015");
    EXPECT_EQ(s.main.txtWeek.text, "12/10/2026");
    s.pickWeek(Date{2015, 3, 6});
    EXPECT_EQ(s.main.txtWeek.text, "3/6/2015");

    s.otCloseBox();
    EXPECT_FALSE(s.openCellPicker(4));  // the calculator is closed
    s.openOvertime();
    s.overtimeWindow()->Text1[4].text = "2/13/2015";
    EXPECT_EQ(shortDate(*s.openCellPicker(4)), "2/13/2015");
    s.pickCell(Date{2015, 2, 20});
    EXPECT_EQ(s.overtimeWindow()->Text1[4].text, "2/20/2015");
    EXPECT_EQ(s.overtimeWindow()->Text1[3].text, "");
}

TEST_F(PayPeriods, AFolderThatGoesByDateHasTheCalendarOfEveryInstalledYear) {
    std::filesystem::copy_file(test::dataDir() / "Federal2026.txt", dir / "Federal2026.txt");
    ui.date = Date{2026, 12, 10};
    // Installed, but unused while the folder computes 2015's payroll.
    EXPECT_EQ(shortDate(s.calendar().last), "1/31/2016");
    ASSERT_TRUE(s.setTaxYearMode(TaxYearMode::ByWeekEnding));
    const CalendarRange range = s.calendar();
    EXPECT_EQ(shortDate(range.first), "12/1/2014");
    EXPECT_EQ(shortDate(range.last), "1/31/2027");
    s.main.setWeek("");
    EXPECT_EQ(shortDate(s.openWeekPicker()), "12/10/2026");
    s.main.setWeek("2/1/2027");
    EXPECT_EQ(shortDate(s.openWeekPicker()), "12/10/2026");
    EXPECT_EQ(s.main.txtWeek.text, "12/10/2026");
}

}  // namespace
}  // namespace corvella
