// The windows "W-2 and W-3" and "Form 941" through their models and commands: the boxes
// that choose a worksheet, what the table shows, and Print and Save as CSV.
#include <gtest/gtest.h>

#include "common/fileio.h"
#include "employee/employee_files.h"
#include "ledger/ledger.h"
#include "shell/session.h"
#include "test_support.h"
#include "yearend/yearend_pages.h"

namespace corvella {
namespace {

class Worksheets : public ::testing::Test {
  protected:
    test::TempDir dir;
    ScriptedUi ui;
    Session s{ui, dir.path()};

    // Ann, weekly, paid one week of 2026 and one of 2025.
    Worksheets() {
        std::filesystem::copy_file(test::dataDir() / "Federal15.dtt", dir / "Federal15.dtt");
        std::filesystem::copy_file(test::dataDir() / "Federal2026.txt", dir / "Federal2026.txt");
        TaxProfile p = TaxProfile::resetValues();
        p.EmpName = "Ann Smith";
        p.EmpSSN = "123-45-6789";
        OvertimeData ot;
        StateSettings flags;
        EmployeeExtras x = EmployeeExtras::newEmployee();
        writeFileAtomic(dir / "Ann.use", writeUseFile(p, ot, flags, x, "11440", "0"));
        writeFileAtomic(dir / "Ann.and", writeAndFile(p, flags, x));
        writeFileAtomic(dir / "Ann.cfe", writeCfeFile(p));
        Ledger l;
        LedgerRow& old = l.rows[0];
        old.Date = "12/26/2025";
        old.Fed = 10;
        old.Net = 90;
        old.Gross = 100;
        LedgerRow& paid = l.rows[1];
        paid.Date = "01/09/2026";
        paid.Fed = 78.08f;
        paid.SS = 62;
        paid.Medi = 14.5f;
        paid.Net = 845.42f;
        paid.Gross = 1000;
        l.RecomputeTotals(true);
        writeFileAtomic(dir / "Ann.yrw", l.write(true));
        ui.date = {2026, 2, 3};
        s.Form_Load();
        ui.messages.clear();
    }
};

TEST(WorksheetDefaults, TheFormsDueBy) {
    const struct {
        Date today;
        int w2Year;
        std::pair<int, int> quarter;
    } cases[] = {
        {{2026, 1, 31}, 2025, {2025, 4}}, {{2026, 2, 1}, 2026, {2025, 4}},
        {{2026, 3, 31}, 2026, {2025, 4}}, {{2026, 4, 1}, 2026, {2026, 1}},
        {{2026, 9, 30}, 2026, {2026, 2}}, {{2026, 12, 31}, 2026, {2026, 3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(defaultW2Year(c.today), c.w2Year) << c.today.month << "/" << c.today.day;
        EXPECT_EQ(default941Quarter(c.today), c.quarter) << c.today.month << "/" << c.today.day;
    }
}

TEST_F(Worksheets, ShowFillsTheTableAndTheCheckBoxShowsTheNumbersWhole) {
    W2Screen& w = s.w2Screen();
    EXPECT_EQ(w.txtW2Year.text, "2026");
    EXPECT_TRUE(w.rows.empty());
    ASSERT_TRUE(s.w2Show());
    ASSERT_EQ(w.rows.size(), 2u);
    const W2Row& ann = w.rows[0];
    EXPECT_EQ(ann.cells[0], "Ann Smith");
    EXPECT_EQ(ann.cells[1], "***-**-6789");
    EXPECT_EQ(ann.cells[2], "1,000.00");  // box 1: the 2025 row is not in it
    EXPECT_EQ(ann.cells[3], "78.08");
    EXPECT_EQ(ann.cells[5], "62.00");
    EXPECT_FALSE(ann.totals);
    EXPECT_TRUE(w.rows[1].totals);
    EXPECT_EQ(w.rows[1].cells[0], "W-3 totals");
    EXPECT_EQ(w.rows[1].cells[2], "1,000.00");
    EXPECT_EQ(w.lbW2Shown.caption, "Forms W-2 for 2026: 1 employee.");
    // No Company.sav: the worksheet says so.
    ASSERT_FALSE(w.warnings.empty());
    EXPECT_NE(w.warnings[0].find("Options > Company"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());

    w.ckShowSsn.set(1);
    EXPECT_EQ(w.rows[0].cells[1], "123-45-6789");
    w.ckShowSsn.set(0);
    EXPECT_EQ(w.rows[0].cells[1], "***-**-6789");

    w.txtW2Year.text = " 2025 ";
    ASSERT_FALSE(s.w2Show());  // no figures for 2025 in the folder
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("There are no federal figures for 2025: Federal2025.txt", 0), 0u)
        << ui.messages[0];
    EXPECT_EQ(ui.titles[0], "W-2 and W-3");
    EXPECT_EQ(w.rows[0].cells[2], "1,000.00");  // still 2026's
}

// A box that is refused, or a year the folder cannot make, is told in a message and
// changes nothing: the table, the folder and the box as typed stay.
TEST_F(Worksheets, RefusedBoxesChangeNothing) {
    ASSERT_TRUE(s.w2Show());
    s.form941Screen().txt941Year.text = "2026";
    s.form941Screen().txt941Quarter.text = "1";
    ASSERT_TRUE(s.form941Show());
    const auto files = test::folderFiles(dir.path());
    const auto w2Rows = s.w2Screen().rows;
    const auto lines = s.form941Screen().lines;
    const struct {
        const char* year;
        const char* quarter;  // nullptr: the W-2 window
        const char* message;
    } cases[] = {
        {"", nullptr, "Year is empty. Type the year of the forms in Year, then try again."},
        {"20x6", nullptr,
         "\"20x6\" in Year is not a year from 1900 to 2100. Type the year of the forms in Year, "
         "then try again."},
        {"1899", nullptr, "\"1899\" in Year is not a year from 1900 to 2100."},
        {"2101", "1", "\"2101\" in Year is not a year from 1900 to 2100."},
        {"-2026", "1", "\"-2026\" in Year is not a year"},
        {"2026", "5",
         "\"5\" in Quarter is not a quarter. Type 1, 2, 3 or 4 in Quarter, then try "
         "again."},
        {"2026", "0", "\"0\" in Quarter is not a quarter."},
        {"2026", " ", "Quarter is empty."},
        {"2027", "1", "There are no federal figures for 2027: Federal2027.txt is not in "},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        if (c.quarter) {
            Form941Screen& f = s.form941Screen();
            f.txt941Year.text = c.year;
            f.txt941Quarter.text = c.quarter;
            EXPECT_FALSE(s.form941Show()) << c.year << " " << c.quarter;
            EXPECT_FALSE(s.form941Print());
            EXPECT_FALSE(s.form941SaveCsv(dir / "941.csv"));
            EXPECT_EQ(f.txt941Quarter.text, c.quarter);
            EXPECT_EQ(f.lines.size(), lines.size());
            EXPECT_EQ(f.lines[0].amount, lines[0].amount);
        } else {
            W2Screen& w = s.w2Screen();
            w.txtW2Year.text = c.year;
            EXPECT_FALSE(s.w2Show()) << c.year;
            EXPECT_FALSE(s.w2Print());
            EXPECT_FALSE(s.w2SaveCsv(dir / "w2.csv"));
            EXPECT_EQ(w.txtW2Year.text, c.year);
            ASSERT_EQ(w.rows.size(), w2Rows.size());
            EXPECT_EQ(w.rows[0].cells, w2Rows[0].cells);
        }
        ASSERT_EQ(ui.messages.size(), 3u) << c.year;
        EXPECT_EQ(ui.messages[0].rfind(c.message, 0), 0u) << ui.messages[0];
        EXPECT_TRUE(ui.printed.empty());
        EXPECT_EQ(test::folderFiles(dir.path()), files);
    }
}

TEST_F(Worksheets, ADamagedLedgerMakesNoWorksheet) {
    ASSERT_TRUE(s.w2Show());
    const auto rows = s.w2Screen().rows;
    dir.write("Ann.yrw", "\"01/09/2026\",not a number\r\n");
    EXPECT_FALSE(s.w2Show());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The worksheet was not made: Ann.yrw is damaged at line 1 (", 0),
              0u)
        << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("File > Restore from Backup"), std::string::npos);
    EXPECT_EQ(s.w2Screen().rows.size(), rows.size());
    EXPECT_EQ(s.w2Screen().rows[0].cells, rows[0].cells);
}

// Print and Save as CSV make the worksheet of the boxes as they stand, and show it.
TEST_F(Worksheets, PrintAndCsvTakeTheBoxesAsTheyStand) {
    W2Screen& w = s.w2Screen();
    ui.printerAnswers = {false};
    EXPECT_FALSE(s.w2Print());  // the print dialog cancelled
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_EQ(w.rows.size(), 2u);  // shown all the same

    ui.printerAnswers = {true, true};
    ASSERT_TRUE(s.w2Print());
    w.ckShowSsn.set(1);
    ASSERT_TRUE(s.w2Print());
    ASSERT_EQ(ui.printed.size(), 2u);
    const std::string masked = plainText(ui.printed[0]), whole = plainText(ui.printed[1]);
    EXPECT_NE(masked.find("***-**-6789"), std::string::npos);
    EXPECT_EQ(masked.find("123-45-6789"), std::string::npos);
    EXPECT_NE(whole.find("123-45-6789"), std::string::npos);
    EXPECT_NE(masked.find("Wages, tips, other compensation"), std::string::npos);

    ASSERT_TRUE(s.w2SaveCsv(dir / "w2 2026.csv"));
    const std::string csv = dir.read("w2 2026.csv");
    EXPECT_EQ(csv, w2Csv(*w.worksheet(), true));
    EXPECT_NE(csv.find(",123-45-6789,"), std::string::npos);
    w.ckShowSsn.set(0);
    ASSERT_TRUE(s.w2SaveCsv(dir / "w2 2026.csv"));
    EXPECT_EQ(dir.read("w2 2026.csv").find("123-45-6789"), std::string::npos);
    EXPECT_EQ(
        std::filesystem::status(dir / "w2 2026.csv").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // Never over one of the folder's own files.
    const std::string use = dir.read("Ann.use");
    EXPECT_FALSE(s.w2SaveCsv(dir / "Ann.use"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "The CSV file was not saved: Ann.use is one of the folder's data files. Choose "
              "another name.");
    EXPECT_EQ(dir.read("Ann.use"), use);
    // Nor into a folder that is not there.
    EXPECT_FALSE(s.w2SaveCsv(dir / "gone" / "w2.csv"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].rfind("The CSV file was not saved: ", 0), 0u);

    Form941Screen& f = s.form941Screen();
    EXPECT_EQ(f.txt941Year.text, "2025");
    EXPECT_EQ(f.txt941Quarter.text, "4");
    f.txt941Year.text = "2026";
    f.txt941Quarter.text = "1";
    ASSERT_TRUE(s.form941SaveCsv(dir / "941.csv"));
    EXPECT_EQ(dir.read("941.csv"), form941Csv(*f.worksheet()));
    EXPECT_EQ(f.lb941Shown.caption,
              "Form 941 for quarter 1 of 2026 (January, February, March), a monthly depositor.");
    ui.printerAnswers = {true};
    ASSERT_TRUE(s.form941Print());
    ASSERT_EQ(ui.printed.size(), 3u);
    EXPECT_NE(plainText(ui.printed[2]).find("Form 941"), std::string::npos);
}

TEST_F(Worksheets, Form941ListsTheLinesThenLine16) {
    Form941Screen& f = s.form941Screen();
    f.txt941Year.text = "2026";
    f.txt941Quarter.text = "1";
    ASSERT_TRUE(s.form941Show());
    auto find = [&](const std::string& start) -> const WorksheetLine* {
        for (const WorksheetLine& l : f.lines)
            if (l.caption.rfind(start, 0) == 0) return &l;
        return nullptr;
    };
    const struct {
        const char* caption;
        const char* amount;
    } cases[] = {
        {"2  Wages, tips, and other compensation", "1,000.00"},
        {"3  Federal income tax withheld", "78.08"},
        {"5a  Taxable social security wages", "1,000.00"},
        {"      Social security tax on line 5a", "124.00"},
        {"5c  Taxable Medicare wages & tips", "1,000.00"},
        {"16  Monthly schedule depositor: tax liability for each month", ""},
        {"      Tax liability: Month 2 (February)", "0.00"},
    };
    for (const auto& c : cases) {
        const WorksheetLine* l = find(c.caption);
        ASSERT_TRUE(l) << c.caption;
        EXPECT_EQ(l->amount, c.amount) << c.caption;
    }
    // The one pay date is January's: all of line 12.
    ASSERT_TRUE(find("12  "));
    EXPECT_EQ(find("      Tax liability: Month 1 (January)")->amount, find("12  ")->amount);
    EXPECT_EQ(f.lines.back().caption, "      Total liability for quarter");
    EXPECT_EQ(f.lines.back().amount, find("12  ")->amount);
}

}  // namespace
}  // namespace corvella
