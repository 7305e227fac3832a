// The overtime calculator and the leave screen through the session: what their buttons
// compute, save and refuse, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/pay_run_fixture.h"
#include "shell/messages.h"

namespace corvella {
namespace {

class Tools : public test::PayRunFixture {
  protected:
    void open(bool weekly = true) {
        TaxProfile p = profileOf();
        p.HourRate = 15;
        if (!weekly) {
            p.WeeklyFlag = 0;
            p.BiWeeklyFlag = -1;
        }
        auto st = noStateTax();
        openEmployee(p, &st, "Emp");
    }
};

TEST_F(Tools, TotalComputesAndSavesTheEmployee) {
    open();
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{3, "2"}}), RunOutcome::Done);
    OvertimeScreen& w = s.openOvertime();
    EXPECT_EQ(w.lb_OT.caption, s.main.lbOverT.caption);
    EXPECT_EQ(w.lbWk.caption, "01/09/2015");
    EXPECT_EQ(w.txtAnnual.text, "11440");
    w.txtAnnual.focusAndType("50000");
    w.txtApPercent.focusAndType("10");
    w.txtOT[0].focusAndType("500");
    w.txtOT[1].focusAndType("250");
    w.Text1[0].focusAndType("1/2/2015");
    w.txtOT[7].text.clear();
    ASSERT_EQ(s.otTotal(), RunOutcome::Done);
    EXPECT_EQ(w.lbEarned.caption, "$750.00");
    EXPECT_EQ(w.txtPercent.text, "1.5%");
    EXPECT_EQ(w.txtOT[7].text, "0");

    const auto use = test::crlfLines(dir.read("Emp.use"));
    EXPECT_EQ(use[0], "750,0,0");
    EXPECT_EQ(use[1], "50000,10,0.01");  // 0.015 as a float is 0.0149999997: two decimals
    const auto ovw = test::crlfLines(dir.read("Emp.ovw"));
    ASSERT_EQ(ovw.size(), 106u);
    EXPECT_EQ(ovw[0], "\"1/2/2015\"");
    EXPECT_EQ(ovw[1], "500");
    EXPECT_EQ(ovw[3], "250");
    EXPECT_EQ(ovw[15], "0");

    // Reopened: the rows and figures as saved.
    ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
    OvertimeScreen& again = s.openOvertime();
    EXPECT_EQ(again.txtAnnual.text, "50000");
    EXPECT_EQ(again.Text1[0].text, "1/2/2015");
    EXPECT_EQ(again.txtOT[1].text, "250");
}

TEST_F(Tools, ARefusedTotalSaysWhyAndWritesNothing) {
    open();
    OvertimeScreen& w = s.openOvertime();
    w.txtAnnual.text = "0";
    w.txtApPercent.text = "0";
    ui.messages.clear();
    ui.titles.clear();
    EXPECT_EQ(s.otTotal(), RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "Please enter amounts in\nAnnual Salary and\nApproved Percent Boxes.");
    EXPECT_EQ(ui.titles[0], "Attention");
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.ovw"));

    w.txtAnnual.text = "0";
    w.txtApPercent.text = "5";
    EXPECT_EQ(s.otTotal(), RunOutcome::Refused);
    EXPECT_NE(ui.messages.back().find("Annual Salary is 0"), std::string::npos);
    w.txtAnnual.text = "50000";
    w.txtOT[2].text = "1.2.3";
    EXPECT_EQ(s.otTotal(), RunOutcome::Refused);
    EXPECT_EQ(ui.messages.back(),
              "\"1.2.3\" in O.T. Only, week 3 is not a number. Correct it and press TOTAL again.");
    EXPECT_EQ(s.otBack(), RunOutcome::Refused);  // Back does not save it either
    EXPECT_NE(s.overtimeWindow(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.ovw"));
}

TEST_F(Tools, UndoGoesBackToTheLastSaveAndTheCloseBoxSavesNothing) {
    open();
    OvertimeScreen& w = s.openOvertime();
    w.txtOT[0].text = "100";
    w.txtApPercent.text = "3";
    ASSERT_EQ(s.otTotal(), RunOutcome::Done);
    w.txtOT[0].text = "999";
    w.Text1[5].text = "x";
    w.txtApPercent.text = "8";
    s.otNewWeek();
    ASSERT_TRUE(s.otUndo());
    EXPECT_EQ(w.txtOT[0].text, "100");
    EXPECT_EQ(w.Text1[5].text, "");
    EXPECT_EQ(w.txtApPercent.text, "3");

    w.txtOT[0].text = "5";
    const std::string saved = dir.read("Emp.ovw");
    ui.answers.push_back(Answer::No);  // Discard
    EXPECT_TRUE(s.otCloseBox());
    EXPECT_EQ(s.overtimeWindow(), nullptr);
    EXPECT_EQ(dir.read("Emp.ovw"), saved);
    EXPECT_EQ(s.openOvertime().txtOT[0].text, "100");

    s.overtimeWindow()->txtOT[0].text = "";
    ASSERT_EQ(s.otBack(), RunOutcome::Done);
    EXPECT_EQ(s.overtimeWindow(), nullptr);
    EXPECT_EQ(test::crlfLines(dir.read("Emp.ovw"))[1], "0");
}

// Esc or the close box asks only when a box differs from what the window opened with (or
// last saved): Cancel keeps the window, Discard drops the changes, Save saves as the
// window's own save does, and a refused save keeps the window.
TEST_F(Tools, TheCloseBoxAsksToSaveChangesFirst) {
    open();
    struct Tool {
        std::string window, file;
        std::function<void()> open;  // as the main window opens and shows it
        std::function<std::string&()> box;
        std::string refused;  // a text its save refuses
        std::function<bool()> closeBox;
        std::function<bool()> isOpen;
    };
    const Tool tools[] = {
        {"Vacation / Holiday / Sick", "Emp.hol", [&] { s.openLeave(); },
         [&]() -> std::string& { return s.leaveWindow()->vac.startBalance.text; },
         std::string(41, '9'), [&] { return s.leaveCloseBox(); },
         [&] { return s.leaveWindow() != nullptr; }},
        {"OverTime Percentage", "Emp.ovw",
         [&] {
             s.openOvertime();
             s.otTotal();
         },
         [&]() -> std::string& { return s.overtimeWindow()->txtOT[0].text; }, "1-2",
         [&] { return s.otCloseBox(); }, [&] { return s.overtimeWindow() != nullptr; }},
    };
    for (const Tool& t : tools) {
        SCOPED_TRACE(t.window);
        const std::vector<std::string> asked{"Save the changes made in " + t.window +
                                             " before it closes?"};
        ui.questions.clear();
        t.open();
        EXPECT_TRUE(t.closeBox());
        t.open();
        t.box() = "7";
        t.box() = "0";  // as it was
        EXPECT_TRUE(t.closeBox());
        EXPECT_FALSE(t.isOpen());
        EXPECT_TRUE(ui.questions.empty());

        t.open();
        const auto before = readFileBytes(dir / t.file);
        t.box() = "7";
        ui.answers = {Answer::Cancel};
        EXPECT_FALSE(t.closeBox());
        EXPECT_EQ(ui.questions, asked);
        ASSERT_TRUE(t.isOpen());
        EXPECT_EQ(t.box(), "7");
        ui.answers = {Answer::No};
        EXPECT_TRUE(t.closeBox());
        EXPECT_FALSE(t.isOpen());
        EXPECT_EQ(readFileBytes(dir / t.file), before);

        t.open();
        t.box() = t.refused;
        ui.messages.clear();
        ui.answers = {Answer::Yes};
        EXPECT_FALSE(t.closeBox());
        EXPECT_EQ(ui.messages.size(), 1u);
        ASSERT_TRUE(t.isOpen());
        t.box() = "7";
        ui.answers = {Answer::Yes};
        EXPECT_TRUE(t.closeBox());
        EXPECT_FALSE(t.isOpen());
        EXPECT_NE(readFileBytes(dir / t.file), before);
        t.open();
        EXPECT_EQ(t.box(), "7");
        EXPECT_TRUE(t.closeBox());
    }

    // New Week is a change too; Undo goes back to what the files hold.
    s.openOvertime();
    s.otNewWeek();
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(s.otCloseBox());
    ASSERT_TRUE(s.otUndo());
    ui.questions.clear();
    EXPECT_TRUE(s.otCloseBox());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(Tools, BiWeeklyRowsAreSavedAsTwentySeven) {
    open(false);
    OvertimeScreen& w = s.openOvertime();
    w.txtOT[26].text = "7";  // the hidden row
    w.txtApPercent.text = "1";
    s.otNewWeek();
    EXPECT_EQ(w.txtOT[25].text, "7");
    ASSERT_EQ(s.otTotal(), RunOutcome::Done);
    EXPECT_EQ(test::crlfLines(dir.read("Emp.ovb")).size(), 54u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.ovw"));
}

TEST_F(Tools, ADamagedOvertimeFileIsNamedWithItsLine) {
    open();
    std::string ovw;
    for (int i = 0; i < 53; ++i) ovw += "\"\"\r\n" + std::string(i == 4 ? "4-5" : "1") + "\r\n";
    dir.write("Emp.ovw", ovw);
    ui.messages.clear();
    // Undo reads the files again: the calculator keeps its figures.
    OvertimeScreen& w = s.openOvertime();
    w.txtOT[0].text = "3";
    EXPECT_FALSE(s.otUndo());
    EXPECT_EQ(w.txtOT[0].text, "3");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The file Emp.ovw is damaged at line 10 (", 0), 0u);
    // Opening the employee stops, naming the file and line; the employee stays as it was.
    dir.write("Emp.ovw", ovw.substr(0, 50));
    EXPECT_FALSE(s.openEmployee(dir / "Emp.use"));
    EXPECT_NE(ui.messages.back().find("Emp.ovw is damaged at line"), std::string::npos);
}

TEST_F(Tools, LeaveBalancesFollowTheCountsAndAreSaved) {
    open();
    LeaveScreen& l = s.openLeave();
    EXPECT_EQ(l.vac.balanceCaption.caption, "0");
    EXPECT_EQ(l.vac.counts[0].text, "0");
    struct Case {
        LeaveAccount* account;
        const char* start;
        std::vector<const char*> counts;
        const char* balance;
    };
    const Case cases[] = {
        {&l.vac, "10", {"1", "2.5", "0.5"}, "6"},
        {&l.hol, "10", {"0.1", "0.2"}, "9.69999998807907"},  // the float sum, less in double
        {&l.sick, "x", {"abc", "1"}, "-1"},
    };
    for (const Case& c : cases) {
        c.account->startBalance.focusAndType(c.start);
        for (size_t i = 0; i < c.counts.size(); ++i) c.account->counts[i].text = c.counts[i];
        c.account->recompute();
        EXPECT_EQ(c.account->balanceCaption.caption, c.balance);
    }
    l.vac.dates[0].text = "May 5-7";
    l.hol.counts[4].text = std::string(41, '9');  // beyond a float: refused, naming the box
    ui.messages.clear();
    EXPECT_EQ(s.leaveSave(), RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The number in Holiday/Personel #Taken, line 5 is too large", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.hol"));
    l.hol.counts[4].text = "0";
    // Each box within range, the balance beyond what the file holds: refused, as a typing
    // mistake, not reported as a failed disk.
    l.sick.startBalance.text = "1000000";
    l.sick.counts[1].text = "-1";
    l.sick.recompute();
    ui.messages.clear();
    EXPECT_EQ(s.leaveSave(), RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.hol"));
    l.sick.startBalance.text = "x";
    l.sick.counts[1].text = "1";
    l.sick.recompute();
    ASSERT_EQ(s.leaveSave(), RunOutcome::Done);
    EXPECT_EQ(s.leaveWindow(), nullptr);
    const auto hol = test::crlfLines(dir.read("Emp.hol"));
    ASSERT_EQ(hol.size(), 41u);
    EXPECT_EQ(hol[0], "6,10,9.7,10,-1,0");
    EXPECT_EQ(hol[21], "\"May 5-7\",\"\",\"\"");

    LeaveScreen& back = s.openLeave();
    EXPECT_EQ(back.vac.dates[0].text, "May 5-7");
    EXPECT_EQ(back.hol.balanceCaption.caption, "9.69999998807907");
    s.leaveClearAll();
    EXPECT_EQ(back.vac.balanceCaption.caption, "0");
    ASSERT_EQ(s.leaveSave(), RunOutcome::Done);
    EXPECT_EQ(test::crlfLines(dir.read("Emp.hol"))[0], "0,0,0,0,0,0");
}

TEST_F(Tools, LeaveWithAPayRunAndDamagedOrMissingFiles) {
    open();
    // Holiday hours and a run leave the balances as they are.
    LeaveAccount& vac = s.openLeave().vac;
    vac.startBalance.text = "5";
    vac.recompute();
    ASSERT_EQ(s.leaveSave(), RunOutcome::Done);
    ASSERT_EQ(run({{4, "8"}}), RunOutcome::Done);
    EXPECT_EQ(test::crlfLines(dir.read("Emp.hol"))[0], "5,5,0,0,0,0");

    dir.write("Emp.hol", test::fixture("leave/text-for-a-number.hol"));
    ui.messages.clear();
    LeaveScreen& l = s.openLeave();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The file Emp.hol is damaged at line 2 (", 0), 0u);
    EXPECT_EQ(l.vac.startBalance.text, "0");  // nothing half-read
    s.leaveCloseBox();
    EXPECT_FALSE(s.openEmployee(dir / "Emp.use"));  // the open names it too

    // No employee named: the empty name's file holds the defaults and is not written here.
    test::TempDir empty;
    ScriptedUi ui2;
    Session fresh(ui2, empty.path());
    fresh.openLeave();
    EXPECT_EQ(fresh.leaveSave(), RunOutcome::Refused);
    EXPECT_FALSE(std::filesystem::exists(empty / ".hol"));
}

}  // namespace
}  // namespace corvella
