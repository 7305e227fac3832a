// The ledger frame "Year To Date" through the session: posting, deleting, Add, Clear All,
// the close rules and the ledger file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

#include "common/errors.h"
#include "engine/pay_run_fixture.h"
#include "ledger/ledger_window.h"

namespace corvella {
namespace {

using C = LedgerColumn;

class LedgerFrame : public test::PayRunFixture {
  protected:
    // A weekly employee at 15.00 an hour, no state or city tax.
    void openWeekly(const std::string& name = "Emp") {
        TaxProfile p = profileOf();
        p.HourRate = 15;
        p.FedExemp = "1";
        auto st = noStateTax();
        openEmployee(p, &st, name);
    }
    LedgerWindow& w() { return *s.ledgerWindow(); }
    std::string cell(int week, C c) { return w().rows[static_cast<size_t>(week - 1)].cell(c).text; }
    std::string total(C c) { return w().total(c).text; }
    bool saidAnything(const std::string& part) {
        return std::any_of(ui.messages.begin(), ui.messages.end(),
                           [&](const std::string& m) { return m.find(part) != std::string::npos; });
    }
};

TEST_F(LedgerFrame, APostedRunIsSavedShownAgainAndFeedsTheNextRun) {
    openWeekly();
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    EXPECT_EQ(w().rows[0].Date.text, "01/09/2015");
    EXPECT_EQ(cell(1, C::Fed), "62.96");
    EXPECT_EQ(cell(1, C::SS), "37.20");
    EXPECT_EQ(cell(1, C::City), ".00");  // no city tax
    EXPECT_EQ(cell(1, C::Gross), "600.00");
    EXPECT_EQ(cell(1, C::Net), "491.14");
    EXPECT_EQ(total(C::Gross), "600.00");
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.yrw"));  // posting writes nothing

    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_EQ(s.ledgerWindow(), nullptr);
    const std::string saved = dir.read("Emp.yrw");
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")), "\"01/09/2015\",62.96,37.2,8.7,0");

    // Reopened from the file: the same row, through the formatted fill.
    s.openLedger();
    EXPECT_EQ(cell(1, C::Fed), "62.96");
    EXPECT_EQ(cell(1, C::City), ".00");
    EXPECT_EQ(total(C::Net), "491.14");

    // The ledger's Gross total is the next run's year-to-date wage.
    EXPECT_EQ(s.ledger.YtdWages(), Currency::fromDouble(600));
    ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
    EXPECT_EQ(s.ledger.YtdWages(), Currency::fromDouble(600));
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    EXPECT_FLOAT_EQ(s.result.run.SdiYtdWages, 1200.0f);
}

TEST_F(LedgerFrame, WeekFiftyThreeIsWeeklyOnly) {
    openWeekly();
    ASSERT_EQ(run({{0, "1"}}), Session::RunOutcome::Done);
    s.openLedger();
    EXPECT_EQ(w().heightTwips, 12075);
    EXPECT_TRUE(s.ledgerPost(53));
    EXPECT_EQ(total(C::Gross), "15.00");

    TaxProfile bi = profileOf();
    bi.WeeklyFlag = 0;
    bi.BiWeeklyFlag = -1;
    auto st = noStateTax();
    openEmployee(bi, &st, "Bi");
    ASSERT_EQ(run({{0, "1"}}), Session::RunOutcome::Done);
    s.openLedger();
    EXPECT_EQ(w().heightTwips, 6550);
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerPost(28));
    EXPECT_TRUE(saidAnything("Week 28 is not a pay period"));
    EXPECT_EQ(w().rows[27].Date.text, "");
    EXPECT_TRUE(s.ledgerPost(27));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_TRUE(std::filesystem::exists(dir / "Bi.yrb"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Bi.yrw"));
}

TEST_F(LedgerFrame, AddReadsTheTypedCellsAsTheNumbersTheyStartWith) {
    openWeekly();
    s.openLedger();
    struct Case {
        const char* typed;
        const char* tipsTotal;
    } cases[] = {{"1,234.00", "1.00"}, {"1 234", "1234.00"}, {"abc", ".00"}, {"-2.5", "-2.50"}};
    for (const auto& c : cases) {
        w().rows[0].cell(C::Tips).focusAndType(c.typed);
        s.ledgerAdd();
        EXPECT_EQ(total(C::Tips), c.tipsTotal) << c.typed;
    }
    // Net and Gross take only "0123456789 -.".
    w().rows[0].cell(C::Net).focusAndType("12a.5");
    w().rows[0].cell(C::Gross).focusAndType("- 7");
    EXPECT_EQ(cell(1, C::Net), "12.5");
    EXPECT_EQ(cell(1, C::Gross), "- 7");
    w().total(C::Net).focusAndType("x9");
    EXPECT_EQ(total(C::Net), "9");
}

TEST_F(LedgerFrame, TotalsOfFiftyThreeTenthsGoThroughTheirText) {
    openWeekly();
    s.openLedger();
    for (auto& row : w().rows) {
        row.cell(C::Fed).focusAndType("0.1");
        row.cell(C::Gross).focusAndType("0.1");
    }
    s.ledgerAdd();
    EXPECT_EQ(total(C::Fed), "5.30");
    EXPECT_EQ(s.ledger.totals.Gross, Currency::fromDouble(5.3));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    const std::string saved = dir.read("Emp.yrw");
    // Fed summed as float through its 7-digit text after every row; Gross exactly.
    EXPECT_NE(saved.find("\r\n5.3,0,0,0,0\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n0,0,5.3,0,0\r\n"), std::string::npos);
}

TEST_F(LedgerFrame, CloseRulesAndNoLeavesTheFileUnchanged) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    s.ledgerPost(1);
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    const std::string before = dir.read("Emp.yrw");

    // Until a Close, a pay run or an employee command has let it, the close box refuses.
    ScriptedUi otherUi;
    Session other(otherUi, dir.path());
    other.Form_Load();
    ASSERT_TRUE(other.openEmployee(dir / "Emp.use"));
    ASSERT_FALSE(other.ledgerCloseOK());
    other.openLedger();
    otherUi.messages.clear();
    EXPECT_FALSE(other.ledgerCloseBox());
    EXPECT_EQ(otherUi.messages, std::vector<std::string>{"USE CLOSE INSTEAD"});
    EXPECT_NE(other.ledgerWindow(), nullptr);

    // Clear All, then Close answered No: the file stays as it was.
    s.openLedger();
    s.ledgerClearAll();
    EXPECT_EQ(cell(1, C::Fed), "0");
    EXPECT_EQ(total(C::Gross), ".00");
    ui.answers.push_back(Answer::No);
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_EQ(dir.read("Emp.yrw"), before);
    EXPECT_TRUE(s.ledgerCloseOK());
    s.openLedger();
    EXPECT_TRUE(s.ledgerCloseBox());  // after Close, the close box closes without asking
    EXPECT_EQ(s.ledgerWindow(), nullptr);
}

// A run, New, Open and Exit close the frame too: unsaved postings are asked about first,
// and Cancel stops the command with nothing changed.
TEST_F(LedgerFrame, WhateverClosesTheFrameAsksBeforeUnsavedRowsGo) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    ui.answers = {Answer::Yes};
    ASSERT_TRUE(s.ledgerClose());
    const std::string empty = dir.read("Emp.yrw");
    const std::vector<std::string> asked{"Save the changes made in Year To Date before it closes?"};

    // Save writes the posting before the run goes on.
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    ui.answers = {Answer::Yes};
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    EXPECT_EQ(s.ledgerWindow(), nullptr);
    const std::string posted = dir.read("Emp.yrw");
    EXPECT_NE(posted, empty);

    struct Closer {
        const char* what;
        std::function<bool()> close;  // true when the command went on
    };
    const Closer closers[] = {
        {"ADD",
         [&] {
             return run({{0, "40"}}) != Session::RunOutcome::Refused;
         }},
        {"New",
         [&] {
             ui.inputAnswers = {"Fresh"};
             s.mnuNew_Click();
             return s.CurrentUser == "Fresh";
         }},
        {"the employee list", [&] { return s.openListed("Emp"); }},
        {"Exit", [&] { return s.mnuExit_Click(); }},
    };
    for (const Closer& c : closers) {
        SCOPED_TRACE(c.what);
        if (s.CurrentUser != "Emp") {
            ASSERT_TRUE(s.openEmployee(dir.path() / "Emp.use"));
        }
        ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
        s.openLedger();
        ASSERT_TRUE(s.ledgerPost(2));
        const std::string user = s.CurrentUser;
        const MainWindow main = s.main;
        ui.questions.clear();
        ui.answers = {Answer::Cancel};
        EXPECT_FALSE(c.close());
        EXPECT_EQ(ui.questions, asked);
        ASSERT_NE(s.ledgerWindow(), nullptr);
        EXPECT_EQ(cell(2, C::Gross), "600.00");
        EXPECT_EQ(s.CurrentUser, user);
        EXPECT_EQ(s.main.lbNet.caption, main.lbNet.caption);
        EXPECT_EQ(dir.read("Emp.yrw"), posted);
        ui.answers = {Answer::No, Answer::No, Answer::No};  // Discard; then the command's own
        ui.saveAnswers = {{SaveWindowButton::No, std::nullopt}};
        EXPECT_TRUE(c.close());
        if (std::string(c.what) != "Exit") {  // the program ends with its windows
            EXPECT_EQ(s.ledgerWindow(), nullptr);
        }
        EXPECT_EQ(dir.read("Emp.yrw"), posted);
        ui.answers.clear();
        ui.saveAnswers.clear();
    }
}

// A pay run lets the close box (and Esc) close the frame, but not over rows changed and
// not saved: it asks Save, Discard or Cancel. Close's own question can be cancelled too.
TEST_F(LedgerFrame, AfterAPayRunTheCloseBoxAsksBeforeUnsavedRowsGo) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    ASSERT_TRUE(s.ledgerCloseOK());
    const std::vector<std::string> asked{"Save the changes made in Year To Date before it closes?"};
    s.openLedger();
    ui.answers = {Answer::Yes};
    ASSERT_TRUE(s.ledgerClose());  // an empty ledger file, for the next openings to read
    const std::string empty = dir.read("Emp.yrw");

    // Unchanged, or changed back: closes unasked.
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    ASSERT_TRUE(s.ledgerUnpost(1));
    ui.questions.clear();
    EXPECT_TRUE(s.ledgerCloseBox());
    EXPECT_TRUE(ui.questions.empty());

    // A posting: Cancel keeps the frame and the row, Discard drops them.
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(s.ledgerCloseBox());
    EXPECT_EQ(ui.questions, asked);
    ASSERT_NE(s.ledgerWindow(), nullptr);
    EXPECT_EQ(cell(1, C::Gross), "600.00");
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(s.ledgerClose());
    EXPECT_EQ(ui.questions.back(), "     Do you want to save YTD");
    ASSERT_NE(s.ledgerWindow(), nullptr);
    ui.answers = {Answer::No};
    EXPECT_TRUE(s.ledgerCloseBox());
    EXPECT_EQ(s.ledgerWindow(), nullptr);
    EXPECT_EQ(dir.read("Emp.yrw"), empty);

    // A typed cell, Save: a write that fails keeps the frame; one that works closes it.
    s.openLedger();
    EXPECT_EQ(cell(1, C::Gross), ".00");
    w().rows[1].cell(C::Tips).text = "5";
    s.writeFaults().failAfterBytes = 10;
    ui.answers = {Answer::Yes};
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerCloseBox());
    s.writeFaults() = {};
    EXPECT_EQ(ui.messages.size(), 1u);
    ASSERT_NE(s.ledgerWindow(), nullptr);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(s.ledgerCloseBox());
    EXPECT_EQ(s.ledgerWindow(), nullptr);
    s.openLedger();
    EXPECT_EQ(cell(2, C::Tips), "5.00");
}

TEST_F(LedgerFrame, DeletingARowEmptiesItAndItsHiddenAmounts) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    s.ledgerPost(2);
    s.ledger.rows[1].SDI = 3;
    s.ledgerUnpost(2);
    EXPECT_EQ(w().rows[1].Date.text, "");
    EXPECT_EQ(cell(2, C::Gross), "0");
    EXPECT_EQ(s.ledger.rows[1].SDI, 0.0f);
    EXPECT_EQ(total(C::Gross), ".00");
}

TEST_F(LedgerFrame, ADamagedFileIsNamedAndTheRowsBeforeItAreShown) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    s.ledgerPost(1);
    s.ledgerPost(2);
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    const std::string good = dir.read("Emp.yrw");
    // The message names the field, so the operator knows what to look for on the line.
    const struct {
        const char* from;
        const char* to;
        const char* said;
    } cases[] = {
        {"37.2", "oops", "Emp.yrw is damaged at line 5 (\"oops\" is not a number)"},
        {"62.96", "9e18",
         "Emp.yrw is damaged at line 5 (the federal tax 9e18 is outside -10000000 to 10000000)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        std::string bytes = good;
        // Week 2's figure, on line 5.
        bytes.replace(bytes.find(c.from, bytes.find(c.from) + 1), std::string(c.from).size(), c.to);
        dir.write("Emp.yrw", bytes);
        ui.messages.clear();
        s.openLedger();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].find(c.said), std::string::npos) << ui.messages[0];
        EXPECT_EQ(cell(1, C::Fed), "62.96");
        ui.answers.push_back(Answer::No);
        ASSERT_TRUE(s.ledgerClose());
        EXPECT_EQ(dir.read("Emp.yrw"), bytes);  // nothing written
    }
}

TEST_F(LedgerFrame, OverflowingTotalsAreReportedAndTheProgramGoesOn) {
    openWeekly();
    s.openLedger();
    w().rows[0].cell(C::Fed).text = "3e38";
    w().rows[1].cell(C::Fed).text = "3e38";
    ui.messages.clear();
    s.ledgerAdd();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"CHECK YOUR ENTRY FOR NON NUMBER TYPE"});
}

TEST_F(LedgerFrame, ASaveThatCannotWriteNamesTheFileAndKeepsTheOldOne) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openLedger();
    s.ledgerPost(1);
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    const std::string before = dir.read("Emp.yrw");
    s.openLedger();
    s.ledgerPost(2);
    s.writeFaults().failAfterBytes = 10;
    ui.answers.push_back(Answer::Yes);
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerClose());
    s.writeFaults() = {};
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Emp.yrw"), std::string::npos);
    EXPECT_NE(s.ledgerWindow(), nullptr);  // the frame stays, with the posting
    EXPECT_EQ(dir.read("Emp.yrw"), before);
}

// After CLEAR there is no run to post: a half row of stale figures is refused.
TEST_F(LedgerFrame, APostingAfterClearIsRefused) {
    openWeekly();
    ASSERT_EQ(run({{0, "40"}, {7, "3"}}), Session::RunOutcome::Done);
    s.Clear_All();
    s.openLedger();
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerPost(1));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Press ADD"), std::string::npos);
    EXPECT_EQ(s.ledgerWindow()->rows[0].Date.text, "");
    EXPECT_EQ(total(C::Tips), ".00");
    EXPECT_EQ(total(C::Fed), ".00");
}

TEST_F(LedgerFrame, APayRunClosesTheFrame) {
    openWeekly();
    s.openLedger();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    EXPECT_EQ(s.ledgerWindow(), nullptr);
}

TEST_F(LedgerFrame, TheSpreadsheetIsTheUsersAlone) {
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", dir.path().c_str(), 1);
    openWeekly();
    s.openLedger();
    auto path = s.ledgerExportForSpreadsheet();
    ASSERT_TRUE(path.has_value());
    struct stat file {
    }, folder{};
    ASSERT_EQ(::stat(path->c_str(), &file), 0);
    ASSERT_EQ(::stat(path->parent_path().c_str(), &folder), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    // A folder that others may look into is refused, and nothing is written there.
    ::chmod(path->parent_path().c_str(), 0755);
    std::filesystem::remove(*path);
    ui.messages.clear();
    EXPECT_FALSE(s.ledgerExportForSpreadsheet().has_value());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(*path));
    if (old)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

TEST_F(LedgerFrame, OpeningAnotherEmployeeClosesTheFrame) {
    openWeekly();
    s.openLedger();
    ASSERT_NE(s.ledgerWindow(), nullptr);
    openWeekly("Other");
    EXPECT_EQ(s.ledgerWindow(), nullptr);
}

}  // namespace
}  // namespace corvella
