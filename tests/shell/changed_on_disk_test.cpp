// An employee open in the desktop program while another program (the command line, or a
// second desktop program) saves the same employee: the later save never silently undoes
// the earlier one, it asks first.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/ports.h"
#include "shell/session.h"
#include "test_support.h"

namespace corvella {
namespace {

namespace fs = std::filesystem;

class ChangedOnDisk : public ::testing::Test {
  protected:
    test::TempDir dir;
    ScriptedUi ui;
    Session s{ui, dir.path()};

    ChangedOnDisk() {
        test::copyDataFolder(dir.path());
        s.Form_Load();
    }
    void SetUp() override { ASSERT_TRUE(s.openEmployee(dir / "Sample.use")); }

    // The command line, run as a process of its own on the same folder.
    void otherProgram(const std::string& args) {
        const auto r = test::runCli("-C '" + dir.path().string() + "' " + args, 60);
        ASSERT_EQ(r.status, 0) << r.err;
    }
    std::string vacationStart() {
        const auto r = test::runCli("-C '" + dir.path().string() + "' leave Sample --json", 60);
        return test::jsonField(r.out, "txtVacBal");
    }
    int questionsAboutChanges() const {
        return static_cast<int>(
            std::count_if(ui.questions.begin(), ui.questions.end(), [](const std::string& q) {
                return q.find("changed by another program") != std::string::npos;
            }));
    }
    // Types the hours and presses ADD, which saves the employee's whole set.
    Session::RunOutcome runWeek(const char* hours) {
        s.main.txtAmount[0].focusAndType(hours);
        return s.Calcu_late();
    }
};

TEST_F(ChangedOnDisk, ASaveOverAnotherProgramsChangeAsksAndDoesWhatIsChosen) {
    struct Case {
        Answer answer;
        Session::RunOutcome outcome;
        const char* vacationAfter;  // the other program's 77, or the set's own figure
        bool writtenHere;           // whether this program's pay run reached the disk
    } cases[] = {
        {Answer::Cancel, Session::RunOutcome::SaveFailed, "77", false},
        {Answer::No /* Overwrite */, Session::RunOutcome::Done, "", true},
        {Answer::Yes /* Reload */, Session::RunOutcome::SaveFailed, "77", false},
    };
    const std::string ownVacation = vacationStart();
    ASSERT_NE(ownVacation, "77");
    const auto original = test::folderFiles(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        for (const auto& [name, bytes] : original) dir.write(name, bytes);
        fs::remove_all(dir / "Backup");
        ASSERT_TRUE(s.openEmployee(dir / "Sample.use"));
        ui.questions.clear();
        ui.messages.clear();

        otherProgram("leave Sample --start vac=77");
        const auto afterOther = test::folderFiles(dir.path());
        ui.answers.push_back(c.answer);
        EXPECT_EQ(runWeek("41"), c.outcome);
        ASSERT_EQ(questionsAboutChanges(), 1);
        EXPECT_NE(ui.questions.back().find("Sample.hol was changed"), std::string::npos);

        EXPECT_EQ(vacationStart(), *c.vacationAfter ? c.vacationAfter : ownVacation);
        EXPECT_EQ(test::folderFiles(dir.path()) != afterOther, c.writtenHere);
        if (!c.writtenHere) {
            ASSERT_FALSE(ui.messages.empty());
            EXPECT_NE(ui.messages.back().find("Sample.hol"), std::string::npos);
        }
    }
    // Reloaded: the employee is the disk's now, the run that was not saved is gone, and
    // the next save asks nothing and keeps the other program's change.
    EXPECT_EQ(s.leaveScreen().vac.startBalance.text, "77");
    EXPECT_EQ(s.main.lbNet.caption, "");
    ui.questions.clear();
    EXPECT_EQ(runWeek("41"), Session::RunOutcome::Done);
    EXPECT_EQ(questionsAboutChanges(), 0);
    EXPECT_EQ(vacationStart(), "77");
}

TEST_F(ChangedOnDisk, SavesOfThisProgramAloneAskNothing) {
    ASSERT_EQ(runWeek("40"), Session::RunOutcome::Done);
    ASSERT_EQ(runWeek("41"), Session::RunOutcome::Done);
    s.openLeave().vac.startBalance.text = "12";
    ASSERT_EQ(s.leaveSave(), Session::RunOutcome::Done);
    ASSERT_EQ(runWeek("42"), Session::RunOutcome::Done);
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(3));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    ASSERT_TRUE(s.openEmployee(dir / "Sample.use"));
    ASSERT_EQ(runWeek("43"), Session::RunOutcome::Done);
    EXPECT_EQ(questionsAboutChanges(), 0);
    EXPECT_EQ(vacationStart(), "12");
}

TEST_F(ChangedOnDisk, TwoDesktopProgramsPostingTheSameEmployeeKeepBothRows) {
    ScriptedUi ui2;
    Session other(ui2, dir.path());
    other.Form_Load();
    ASSERT_TRUE(other.openEmployee(dir / "Sample.use"));

    // Both have the ledger open; the other posts week 10 and saves first.
    ASSERT_EQ(runWeek("30"), Session::RunOutcome::Done);
    s.openLedger();
    other.main.txtAmount[0].focusAndType("40");
    ASSERT_EQ(other.Calcu_late(), Session::RunOutcome::Done);
    other.openLedger();
    ASSERT_TRUE(other.ledgerPost(10));
    ui2.answers.push_back(Answer::Yes);
    ASSERT_TRUE(other.ledgerClose());

    // This one posts week 11 over its older view: asked, it reloads and posts again.
    ASSERT_TRUE(s.ledgerPost(11));
    ui.answers.push_back(Answer::Yes);  // save the ledger
    ui.answers.push_back(Answer::Yes);  // reload
    EXPECT_FALSE(s.ledgerClose());
    EXPECT_EQ(questionsAboutChanges(), 1);
    EXPECT_EQ(s.ledgerWindow(), nullptr);  // it showed the old ledger: closed

    ASSERT_EQ(runWeek("30"), Session::RunOutcome::Done);
    s.openLedger();
    EXPECT_EQ(s.ledgerWindow()->rows[9].Date.text, other.main.txtWeek.text);
    ASSERT_TRUE(s.ledgerPost(11));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_EQ(questionsAboutChanges(), 1);

    const auto rows = test::runCli("-C '" + dir.path().string() + "' ledger Sample --json").out;
    EXPECT_EQ(rows.find("\"week\": 10, \"Date\": \"\""), std::string::npos) << rows;
    EXPECT_EQ(rows.find("\"week\": 11, \"Date\": \"\""), std::string::npos) << rows;
}

}  // namespace
}  // namespace corvella
