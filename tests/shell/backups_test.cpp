#include "store/backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "engine/pay_run_fixture.h"

namespace corvella {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

class Backups : public test::PayRunFixture {
  protected:
    // The employee's set in `folder` (the working folder or a day of the backups); what a
    // restore kept beside it is not part of it.
    Files filesIn(const fs::path& folder) {
        Files out;
        for (auto& e : fs::directory_iterator(folder))
            if (e.is_regular_file() && e.path().filename().string().rfind("Emp.", 0) == 0 &&
                e.path().filename().string().find(".replaced-") == std::string::npos)
                out[e.path().filename().string()] = *readFileBytes(e.path());
        return out;
    }
    fs::path day(const std::string& name) const { return dir.path() / "backup" / name; }
    void saveWithName(const std::string& printedName) {
        s.profile.EmpName = printedName;
        s.saveAllFiles();
    }
};

TEST_F(Backups, TheFirstSaveOfADayKeepsTheSetAsItWasAndLaterOnesLeaveIt) {
    openEmployee(profileOf());
    saveWithName("Morning");
    const Files morning = filesIn(dir.path());
    ui.date = {2015, 1, 10};
    saveWithName("Noon");  // the first write of the 10th: the morning's set is kept
    EXPECT_EQ(filesIn(day("2015-01-10")), morning);
    saveWithName("Evening");  // later writes of the day leave that backup alone
    EXPECT_EQ(filesIn(day("2015-01-10")), morning);
    EXPECT_NE(filesIn(dir.path()), morning);

    // Every kind of write counts, the ledger's too, and another day gets its own folder.
    const Files evening = filesIn(dir.path());
    ui.date = {2015, 1, 11};
    s.openLedger();
    s.ledgerPost(1);
    ui.answers.push_back(Answer::Yes);  // save the ledger
    ASSERT_TRUE(s.ledgerClose());
    EXPECT_EQ(filesIn(day("2015-01-11")), evening);
    EXPECT_EQ(s.backupDays(), (std::vector<std::string>{"2015-01-11", "2015-01-10", "2015-01-09"}));
}

// The leave balances are the employee's too: the day's first change of them keeps the
// old ones, like any other write of the set.
TEST_F(Backups, TheLeaveBalancesAreKeptBeforeTheDaysFirstChange) {
    openEmployee(profileOf());
    s.openLeave().vac.startBalance.focusAndType("40");
    ASSERT_EQ(s.leaveSave(), RunOutcome::Done);
    const Files before = filesIn(dir.path());
    ui.date = {2015, 1, 10};
    s.openLeave().vac.startBalance.focusAndType("8");
    ASSERT_EQ(s.leaveSave(), RunOutcome::Done);
    EXPECT_EQ(filesIn(day("2015-01-10")), before);
    EXPECT_NE(filesIn(dir.path()).at("Emp.hol"), before.at("Emp.hol"));
}

// A saved pay period is the employee's record of what was paid: the day's backup keeps it
// with the set, and saving the same week again asks before replacing it.
TEST_F(Backups, ASavedPayPeriodIsKeptWithTheSetAndReplacedOnlyWhenAsked) {
    openEmployee(profileOf());
    s.main.setWeek("01/09/2015");
    ASSERT_EQ(run({{0, "40"}}), RunOutcome::Done);
    const auto first = s.SavePayPeriod();
    ASSERT_EQ(first.outcome, RunOutcome::Done);
    const std::string period = dir.read(first.fileName);

    ASSERT_EQ(run({{0, "30"}}), RunOutcome::Done);
    ui.yesNoAnswers.push_back(false);
    EXPECT_EQ(s.SavePayPeriod().outcome, RunOutcome::Refused);
    EXPECT_NE(ui.questions.back().find("saved already as " + first.fileName), std::string::npos);
    EXPECT_EQ(dir.read(first.fileName), period);

    ui.date = {2015, 1, 10};
    ui.yesNoAnswers.push_back(true);
    ASSERT_EQ(s.SavePayPeriod().outcome, RunOutcome::Done);
    EXPECT_NE(dir.read(first.fileName), period);
    EXPECT_EQ(*readFileBytes(day("2015-01-10") / first.fileName), period);
    EXPECT_EQ(employeeOfFile(first.fileName), "Emp");
}

TEST_F(Backups, SixtyDaysAreKept) {
    openEmployee(profileOf());
    for (const char* old : {"2014-11-10", "2014-11-11", "2014-11-12"}) {
        fs::create_directories(day(old));
        dir.write(std::string("backup/") + old + "/Emp.use", "x");
    }
    fs::create_directories(day("not a day"));
    ui.date = {2015, 1, 10};
    saveWithName("Today");
    EXPECT_FALSE(fs::exists(day("2014-11-10")));  // 61 days before
    EXPECT_FALSE(fs::exists(day("2014-11-11")));  // 60 days before
    EXPECT_TRUE(fs::exists(day("2014-11-12")));   // 59 days before
    EXPECT_TRUE(fs::exists(day("not a day")));    // not ours to remove
}

// Restoring today's own backup replaces files that backup cannot keep a second time: the
// files as they were before the restore are kept beside them, and the operator is told.
TEST_F(Backups, RestoringTodaysBackupKeepsTheReplacedFilesBesideThem) {
    openEmployee(profileOf());
    ui.date = {2015, 1, 10};
    saveWithName("Morning");  // the day's backup keeps the set as it was opened
    saveWithName("Evening");
    const Files evening = filesIn(dir.path());
    ui.messages.clear();
    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.restoreBackup("2015-01-10"));
    EXPECT_NE(filesIn(dir.path()).at("Emp.and"), evening.at("Emp.and"));
    std::string kept;
    for (auto& e : fs::directory_iterator(dir.path()))
        if (e.path().filename().string().rfind("Emp.and.replaced-", 0) == 0)
            kept = e.path().filename().string();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(*readFileBytes(dir.path() / kept), evening.at("Emp.and"));
    bool told = false;
    for (const auto& m : ui.messages) told = told || m.find(kept) != std::string::npos;
    EXPECT_TRUE(told);
}

// File > "Restore from Backup…" chooses the day through the Ui: none kept is said, a
// cancelled choice writes nothing, a chosen day goes on to the question and the restore.
TEST_F(Backups, TheMenuChoosesADayOfTheKeptOnes) {
    openEmployee(profileOf());
    ui.messages.clear();
    EXPECT_FALSE(s.mnuRestoreBackup_Click());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("no backup of Emp"), std::string::npos);

    saveWithName("Right");
    const Files right = filesIn(dir.path());
    ui.date = {2015, 1, 10};
    saveWithName("Wrong week");
    const Files wrong = filesIn(dir.path());
    ui.questions.clear();
    EXPECT_FALSE(s.mnuRestoreBackup_Click());  // cancelled
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Day of the backup:"});
    EXPECT_EQ(filesIn(dir.path()), wrong);

    ui.choiceAnswers.push_back("2015-01-10");
    ui.yesNoAnswers.push_back(true);
    EXPECT_TRUE(s.mnuRestoreBackup_Click());
    EXPECT_EQ(filesIn(dir.path()).at("Emp.and"), right.at("Emp.and"));
    EXPECT_EQ(s.profile.EmpName, "Right");
}

TEST_F(Backups, ADayIsRestoredAfterAskingAndTheEmployeeOpenedFromIt) {
    openEmployee(profileOf());
    saveWithName("Right");
    const Files right = filesIn(dir.path());
    ui.date = {2015, 1, 10};
    saveWithName("Wrong week");
    const Files wrong = filesIn(dir.path());

    ui.yesNoAnswers.push_back(false);
    EXPECT_FALSE(s.restoreBackup("2015-01-10"));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("Emp"), std::string::npos);
    EXPECT_EQ(filesIn(dir.path()), wrong);

    ui.yesNoAnswers.push_back(true);
    EXPECT_TRUE(s.restoreBackup("2015-01-10"));
    EXPECT_EQ(filesIn(dir.path()), right);
    EXPECT_EQ(s.profile.EmpName, "Right");
    EXPECT_EQ(filesIn(day("2015-01-10")), right);

    ui.messages.clear();
    const auto questions = ui.questions.size();
    for (const char* bad : {"2015-01-01", "../..", ""}) {
        EXPECT_FALSE(s.restoreBackup(bad)) << bad;
        EXPECT_EQ(filesIn(dir.path()), right);
    }
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.questions.size(), questions);  // nothing to ask about
}

// A day's set comes back as it was: a member first saved after that day (the ledger) is
// removed, after the question names it, and today's backup keeps it.
TEST_F(Backups, ARestoredDayRemovesWhatTheDayDidNotHold) {
    openEmployee(profileOf());
    saveWithName("Before the ledger");
    const Files before = filesIn(dir.path());
    ASSERT_EQ(before.count("Emp.yrw"), 0u);
    ui.date = {2015, 1, 10};
    saveWithName("Monday");
    ASSERT_EQ(run({{0, "40"}}), RunOutcome::Done);
    s.openLedger();
    ASSERT_TRUE(s.ledgerPost(1));
    ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ledgerClose());
    const Files today = filesIn(dir.path());
    ASSERT_EQ(today.count("Emp.yrw"), 1u);

    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.restoreBackup("2015-01-10"));
    EXPECT_NE(ui.questions.back().find("did not have Emp.yrw"), std::string::npos)
        << ui.questions.back();
    EXPECT_EQ(filesIn(dir.path()), before);
    EXPECT_EQ(filesIn(day("2015-01-10")).at("Emp.yrw"), today.at("Emp.yrw"));
}

// A year kept aside is the employee's record for its forms: later days' backups hold it,
// and a restore brings it back when it is gone but never removes or replaces it.
TEST_F(Backups, AKeptYearIsBackedUpAndARestoreNeitherRemovesNorReplacesIt) {
    openEmployee(profileOf());
    const Files original = filesIn(dir.path());
    saveWithName("Before the year was kept");
    const std::string year = "the year 2014's ledger";
    ui.date = {2015, 1, 10};
    dir.write("Emp.yrw.2014", year);
    saveWithName("Monday");
    EXPECT_EQ(filesIn(day("2015-01-10")).at("Emp.yrw.2014"), year);
    EXPECT_TRUE(s.store().isDataFile(dir / "Emp.yrw.2014"));  // no export goes over it

    // A day before the year was kept: the rest of the set comes back, the year stays.
    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.restoreBackup("2015-01-09"));
    EXPECT_EQ(ui.questions.back().find("Emp.yrw.2014"), std::string::npos) << ui.questions.back();
    Files now = filesIn(dir.path());
    EXPECT_EQ(now.at("Emp.yrw.2014"), year);
    now.erase("Emp.yrw.2014");
    EXPECT_EQ(now, original);

    fs::remove(dir / "Emp.yrw.2014");
    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.restoreBackup("2015-01-10"));
    EXPECT_EQ(dir.read("Emp.yrw.2014"), year);

    dir.write("Emp.yrw.2014", "kept by hand");
    ui.yesNoAnswers.push_back(true);
    ASSERT_TRUE(s.restoreBackup("2015-01-10"));
    EXPECT_EQ(dir.read("Emp.yrw.2014"), "kept by hand");
}

TEST(BackupNames, FilesOfAnEmployeeAndTheDaysFolderNames) {
    EXPECT_EQ(employeeOfFile("Ann.use"), "Ann");
    EXPECT_EQ(employeeOfFile("J. Smith.yrw"), "J. Smith");
    EXPECT_EQ(employeeOfFile("J. Smith.yrb.2026"), "J. Smith");
    EXPECT_EQ(employeeOfFile(".sta"), "");  // the defaults belong to no one
    EXPECT_EQ(employeeOfFile("Header.sav"), "");
    EXPECT_EQ(backupDayName({2026, 12, 10}), "2026-12-10");
}

}  // namespace
}  // namespace corvella
