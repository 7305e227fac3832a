// A new year for the whole folder: every ledger kept byte for byte as its year, every
// ledger emptied, all read before anything is written and written as one commit.
#include "store/new_year.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/fileio.h"
#include "common/ports.h"
#include "ledger/ledger.h"
#include "shell/messages.h"
#include "shell/payroll_run_fixture.h"
#include "shell/session.h"
#include "test_support.h"

namespace corvella {
namespace {

using namespace test;
namespace fs = std::filesystem;
using Outcome = NewYearReport::Outcome;

// A ledger of `weeks` rows dated in December 2026.
std::string ledgerOf(int weeks, bool weekly, float gross = 500) {
    Ledger l;
    for (int i = 0; i < weeks; ++i) {
        LedgerRow& r = l.rows[static_cast<size_t>(i)];
        r.Date = "12/" + std::to_string(i + 1) + "/2026";
        r.Gross = gross;
        r.SS = gross * 0.062f;
        r.Net = gross * 0.8f;
    }
    l.RecomputeTotals(weekly);
    return l.write(weekly);
}

std::string emptyLedger(bool weekly) {
    Ledger l;
    l.ClearLedger();
    return l.write(weekly);
}

// Every file but the backups.
Files workingFiles(const fs::path& folder) {
    Files out = everyFile(folder);
    std::erase_if(out, [](const auto& f) { return f.first.starts_with("backup/"); });
    return out;
}

// The payroll run's folder (Sample, Table, Arizona bi-weekly, Oregon, NearBase), with
// ledgers for three of them; Sample and Oregon have none.
void makeYearFolder(const fs::path& d) {
    makeFolder(d);
    writeFileAtomic(d / "Table.yrw", ledgerOf(3, true));
    writeFileAtomic(d / "Arizona.yrb", ledgerOf(2, false, 1200));
}

class NewYear : public ::testing::Test {
  protected:
    TempDir dir;
    ScriptedUi ui;
    std::optional<Session> s;

    void SetUp() override {
        makeYearFolder(dir.path());
        ui.date = {2027, 1, 4};
        s.emplace(ui, dir.path());
        s->Form_Load();
    }
};

TEST_F(NewYear, EveryLedgerIsKeptByteForByteAndStartsEmpty) {
    const Files before = workingFiles(dir.path());
    const NewYearReport r = s->startNewYear(2026);
    ASSERT_EQ(r.outcome, Outcome::Done) << r.problem;
    ASSERT_EQ(r.lines.size(), 5u);
    EXPECT_EQ(r.kept(), 3u);

    Files expected = before;
    for (const auto& [ledger, weekly] :
         {std::pair{"Table.yrw", true}, {"Arizona.yrb", false}, {"NearBase.yrw", true}}) {
        expected[std::string(ledger) + ".2026"] = before.at(ledger);
        expected[ledger] = emptyLedger(weekly);
    }
    EXPECT_EQ(workingFiles(dir.path()), expected);
    for (const NewYearLine& l : r.lines) {
        const bool had = l.name == "Table" || l.name == "Arizona" || l.name == "NearBase";
        EXPECT_EQ(l.kept.empty(), !had) << l.name;
        EXPECT_TRUE(l.reason.empty()) << l.reason;
    }
    // The empty ledger reads back as a ledger with no posting and no totals.
    Ledger after;
    after.read(dir.read("Arizona.yrb"), "Arizona.yrb", false);
    for (const LedgerRow& row : after.rows) EXPECT_FALSE(holdsPosting(row));
    EXPECT_EQ(after.totals.Gross, Currency());
    // The day's backup holds each old ledger, as before any write of a day.
    EXPECT_EQ(dir.read("backup/2027-01-04/NearBase.yrw"), before.at("NearBase.yrw"));
    EXPECT_EQ(r.year, 2026);
}

// An employee whose frequency changed in the year has a ledger of each; both are the
// year's, so both are kept and emptied.
TEST_F(NewYear, ALedgerOfTheOtherFrequencyIsKeptToo) {
    writeFileAtomic(dir / "Table.yrb", ledgerOf(2, false, 900));
    const Files before = workingFiles(dir.path());
    const NewYearReport r = s->startNewYear(2026);
    ASSERT_EQ(r.outcome, Outcome::Done) << r.problem;
    EXPECT_EQ(dir.read("Table.yrw.2026"), before.at("Table.yrw"));
    EXPECT_EQ(dir.read("Table.yrb.2026"), before.at("Table.yrb"));
    EXPECT_EQ(dir.read("Table.yrw"), emptyLedger(true));
    EXPECT_EQ(dir.read("Table.yrb"), emptyLedger(false));
}

// The empty ledger is the one Clear All and a Close saving it write.
TEST_F(NewYear, TheEmptyLedgerIsTheOneClearAllSaves) {
    ASSERT_TRUE(s->openListed("Table"));
    s->openLedger();
    ui.answers = {Answer::No};  // Clear, not Keep
    s->ledgerClearAll();
    ui.answers = {Answer::Yes};
    ASSERT_TRUE(s->ledgerClose());
    EXPECT_EQ(dir.read("Table.yrw"), emptyLedger(true));
}

// Whatever stops one employee stops all: each is named with its file, nothing is
// written, not even a backup.
TEST_F(NewYear, ARefusalNamesEachEmployeeAndItsFileAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> spoil;
        int year;
        std::vector<std::string> named;
    };
    const std::vector<Case> cases = {
        {"a damaged ledger",
         [](const fs::path& d) { writeFileAtomic(d / "Table.yrw", "x\r\n"); },
         2026,
         {"Table: its ledger Table.yrw is damaged at line 1"}},
        {"a ledger that is not a file to read",
         [](const fs::path& d) {
             fs::remove(d / "Table.yrw");
             ASSERT_EQ(::mkfifo((d / "Table.yrw").c_str(), 0600), 0);
         },
         2026,
         {"Table: its ledger Table.yrw cannot be read"}},
        {"a damaged profile, so no frequency",
         [](const fs::path& d) { writeFileAtomic(d / "Arizona.use", "\"x\r\n"); },
         2026,
         {"Arizona: its profile Arizona.use", "weekly or bi-weekly"}},
        {"the year kept already",
         [](const fs::path& d) { writeFileAtomic(d / "NearBase.yrw.2026", "kept before"); },
         2026,
         {"NearBase: NearBase.yrw.2026 exists already"}},
        {"two employees at once",
         [](const fs::path& d) {
             writeFileAtomic(d / "Table.yrw", "x\r\n");
             writeFileAtomic(d / "Arizona.yrb.2026", "kept before");
         },
         2026,
         {"Table: its ledger Table.yrw", "Arizona: Arizona.yrb.2026 exists already"}},
        {"a year before 1900", [](const fs::path&) {}, 1899, {"\"1899\"", "1900 to 2100"}},
        {"a year after 2100", [](const fs::path&) {}, 2101, {"\"2101\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir d;
        makeYearFolder(d.path());
        c.spoil(d.path());
        const Files before = everyFile(d.path());
        ScriptedUi u;
        Session run(u, d.path());
        const NewYearReport r = run.startNewYear(c.year);
        EXPECT_EQ(r.outcome, Outcome::Refused);
        for (const std::string& part : c.named)
            EXPECT_NE(r.problem.find(part), std::string::npos) << r.problem;
        EXPECT_EQ(everyFile(d.path()), before);
    }
}

TEST_F(NewYear, AWriteThatFailsChangesNoEmployee) {
    const Files before = workingFiles(dir.path());
    s->writeFaults().failAfterBytes = 2000;
    const NewYearReport r = s->startNewYear(2026);
    EXPECT_EQ(r.outcome, Outcome::CommitFailed);
    EXPECT_NE(r.problem.find("No employee's files were changed"), std::string::npos) << r.problem;
    EXPECT_EQ(workingFiles(dir.path()), before);
}

// Cut short after any of its renames, the commit is finished by the next start: every
// employee is wholly in the new year.
TEST_F(NewYear, ACommitCutShortAnywhereIsFinishedByTheNextStart) {
    ASSERT_EQ(s->startNewYear(2026).outcome, Outcome::Done);
    const Files whole = workingFiles(dir.path());
    for (int renames = 0; renames < 6; ++renames) {
        SCOPED_TRACE(renames);
        TempDir d;
        makeYearFolder(d.path());
        {
            ScriptedUi u;
            u.date = ui.date;
            Session cut(u, d.path());
            cut.writeFaults().stopAfterRenames = renames;
            EXPECT_THROW(cut.startNewYear(2026), SimulatedCrash);
        }
        ScriptedUi u;
        Session next(u, d.path());
        next.Form_Load();
        EXPECT_EQ(workingFiles(d.path()), whole);
    }
}

// The open employee's unsaved Year To Date rows are asked about first; afterwards its
// ledger, the frame and the main window's next run are the new year's.
TEST_F(NewYear, TheOpenEmployeeIsAskedFirstAndThenSeesTheEmptyLedger) {
    ASSERT_TRUE(s->openListed("NearBase"));
    ASSERT_GT(s->ledger.totals.Gross.toDouble(), 100000);
    s->main.setWeek("12/31/2026");
    s->main.txtAmount[0].focusAndType("40");
    ASSERT_EQ(s->Calcu_late(), Session::RunOutcome::Done);
    const std::vector<std::string> nearTheBase = captions(s->result);
    LedgerWindow& w = s->openLedger();
    ASSERT_TRUE(s->ledgerPost(25));
    const Files before = workingFiles(dir.path());

    ui.answers = {Answer::Cancel};
    EXPECT_EQ(s->startNewYear(2026).outcome, Outcome::Cancelled);
    EXPECT_EQ(workingFiles(dir.path()), before);
    EXPECT_EQ(ui.questions.back(), messages::saveChangesBeforeKeeping());

    ui.answers = {Answer::Yes};  // the posting saved, then kept with the year
    ASSERT_EQ(s->startNewYear(2026).outcome, Outcome::Done);
    EXPECT_NE(dir.read("NearBase.yrw.2026").find("12/31/2026"), std::string::npos);
    EXPECT_EQ(dir.read("NearBase.yrw"), emptyLedger(true));
    EXPECT_EQ(s->ledger.totals.Gross, Currency());
    ASSERT_EQ(s->ledgerWindow(), &w);  // the same frame, showing the empty ledger
    EXPECT_EQ(w.rows[24].Date.text, "");
    EXPECT_FALSE(w.changed(s->ledger, true));

    // The run on the main window used the old year's totals: it is not posted. The next
    // run starts below the wage bases again.
    ui.messages.clear();
    EXPECT_FALSE(s->ledgerPost(1));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Press ADD"), std::string::npos);
    ASSERT_EQ(s->Calcu_late(), Session::RunOutcome::Done);
    EXPECT_NE(captions(s->result), nearTheBase);
    s->openLedger();
    EXPECT_TRUE(s->ledgerPost(1));
}

// Clear All asks Keep, Clear or Cancel. Keep keeps the open employee's year alone,
// offering the year of its latest row; Cancel changes nothing.
TEST_F(NewYear, ClearAllOffersToKeepTheOpenEmployeesYearFirst) {
    ASSERT_TRUE(s->openListed("Arizona"));
    LedgerWindow& w = s->openLedger();
    const Files before = workingFiles(dir.path());

    ui.answers = {Answer::Cancel};
    s->ledgerClearAll();
    EXPECT_EQ(w.rows[0].Date.text, "12/1/2026");
    EXPECT_EQ(workingFiles(dir.path()), before);
    EXPECT_NE(ui.questions.back().find("Arizona.yrb"), std::string::npos) << ui.questions.back();

    ui.answers = {Answer::Yes};
    ui.inputAnswers = {std::nullopt};  // the year's box cancelled
    s->ledgerClearAll();
    EXPECT_EQ(ui.inputDefaults.back(), "2026");
    EXPECT_EQ(workingFiles(dir.path()), before);

    ui.answers = {Answer::Yes};
    ui.inputAnswers = {"20260"};
    ui.messages.clear();
    s->ledgerClearAll();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(
        ui.messages[0].find("\"20260\" in the box \"Keep the ledger of Arizona as the year\""),
        std::string::npos)
        << ui.messages[0];
    EXPECT_EQ(workingFiles(dir.path()), before);

    ui.answers = {Answer::Yes};
    ui.inputAnswers = {"2026"};
    ui.messages.clear();
    s->ledgerClearAll();
    EXPECT_EQ(dir.read("Arizona.yrb.2026"), before.at("Arizona.yrb"));
    EXPECT_EQ(dir.read("Arizona.yrb"), emptyLedger(false));
    EXPECT_FALSE(fs::exists(dir / "Table.yrw.2026"));  // the others stay in their year
    EXPECT_EQ(w.rows[0].Date.text, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Arizona.yrb was kept as Arizona.yrb.2026"), std::string::npos);

    // Nothing dated left: today's year is offered.
    ui.answers = {Answer::Yes};
    ui.inputAnswers = {std::nullopt};
    s->ledgerClearAll();
    EXPECT_EQ(ui.inputDefaults.back(), "2027");
}

// The ledger frame's command: the year asked (the open ledger's latest), the count of
// ledgers kept in the question, and what was done in the message after.
TEST_F(NewYear, TheCommandAsksTheYearAndHowManyAndSaysWhatItDid) {
    ASSERT_TRUE(s->openListed("Table"));
    s->openLedger();
    const Files before = workingFiles(dir.path());

    ui.inputAnswers = {"2026"};
    ui.yesNoAnswers = {false};
    EXPECT_FALSE(s->ledgerNewYear());
    EXPECT_EQ(ui.inputDefaults.back(), "2026");
    EXPECT_NE(ui.questions.back().find("the ledgers of 3 employees as the year 2026"),
              std::string::npos)
        << ui.questions.back();
    EXPECT_NE(ui.questions.back().find("2 employees without a ledger"), std::string::npos);
    EXPECT_EQ(workingFiles(dir.path()), before);

    writeFileAtomic(dir / "Oregon.yrw.2026", "kept before");  // no ledger: no matter
    writeFileAtomic(dir / "Table.yrw.2026", "kept before");
    const size_t asked = ui.questions.size();
    ui.inputAnswers = {"2026"};
    ui.messages.clear();
    EXPECT_FALSE(s->ledgerNewYear());
    EXPECT_EQ(ui.questions.size(), asked + 1);  // the year only: refused before the question
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Table.yrw.2026 exists already"), std::string::npos);
    fs::remove(dir / "Table.yrw.2026");

    ui.inputAnswers = {"2026"};
    ui.yesNoAnswers = {true};
    ui.messages.clear();
    EXPECT_TRUE(s->ledgerNewYear());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("The ledgers of 3 employees were kept as the year 2026"),
              std::string::npos)
        << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("Oregon and Sample"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(dir.read("Table.yrw"), emptyLedger(true));
    EXPECT_EQ(s->ledgerWindow()->rows[0].Date.text, "");
}

TEST(KeptYear, TheYearTypedAndTheYearOffered) {
    struct Typed {
        const char* text;
        std::optional<int> year;
    };
    for (const Typed& t : std::vector<Typed>{{"2026", 2026},
                                             {" 1900 ", 1900},
                                             {"2100", 2100},
                                             {"1899", std::nullopt},
                                             {"2101", std::nullopt},
                                             {"20x6", std::nullopt},
                                             {"02026", std::nullopt},
                                             {"+202", std::nullopt},
                                             {"", std::nullopt}})
        EXPECT_EQ(readKeptYear(t.text), t.year) << t.text;

    Ledger l;
    const Date today{2027, 1, 4};
    EXPECT_EQ(defaultKeptYear(l, 53, today), 2027);
    l.rows[0].Date = "12/30/2026";
    l.rows[1].Date = "not a date";
    l.rows[2].Date = "01/02/2025";  // an earlier date in a later row
    EXPECT_EQ(defaultKeptYear(l, 53, today), 2026);
    l.rows[30].Date = "1/6/2027";
    EXPECT_EQ(defaultKeptYear(l, 27, today), 2026);  // a row a bi-weekly ledger does not use
    EXPECT_EQ(defaultKeptYear(l, 53, today), 2027);
}

}  // namespace
}  // namespace corvella
