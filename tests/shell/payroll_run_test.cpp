// The payroll run: every employee of a week at once, exactly as one at a time, written as
// one change or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/exact_decimal.h"
#include "common/fileio.h"
#include "common/ports.h"
#include "ledger/ledger.h"
#include "shell/payroll_run_fixture.h"
#include "shell/session.h"
#include "test_support.h"

namespace corvella {
namespace {

using namespace test;
namespace fs = std::filesystem;

class PayrollRun : public ::testing::Test {
  protected:
    test::TempDir dir;
    ScriptedUi ui;
    std::optional<Session> s;

    void SetUp() override {
        makeFolder(dir.path());
        s.emplace(ui, dir.path());
        s->Form_Load();
    }

    RunRequest request() const {
        RunRequest q;
        q.weekEnding = kWeek;
        q.row = kRow;
        q.entries = hours();
        return q;
    }
};

TEST_F(PayrollRun, EveryEmployeeComesOutAsTheOneAtATimePathLeavesIt) {
    // By hand, in a session of each employee's own: Open, the boxes, ADD (which saves),
    // Year To Date, the week, Close saving.
    test::TempDir byHand;
    makeFolder(byHand.path());
    std::map<std::string, std::vector<std::string>> handCaptions;
    for (const RunEntry& e : hours()) {
        ScriptedUi hui;
        Session h(hui, byHand.path());
        h.Form_Load();
        ASSERT_TRUE(h.openListed(e.name)) << e.name;
        for (size_t i = 0; i < e.boxes.size(); ++i) h.main.txtAmount[i].focusAndType(e.boxes[i]);
        if (e.ot2x) {
            h.main.opt1x.value = 0;
            h.main.opt2x.value = -1;
        }
        h.main.setWeek(kWeek);
        ASSERT_EQ(h.Calcu_late(), Session::RunOutcome::Done) << e.name;
        handCaptions[e.name] = captions(h.result);
        h.openLedger();
        ASSERT_TRUE(h.ledgerPost(e.row.value_or(kRow))) << e.name;
        hui.answers.push_back(Answer::Yes);
        ASSERT_TRUE(h.ledgerClose()) << e.name;
    }

    const RunReport r = s->payrollRun(request());
    ASSERT_EQ(r.outcome, RunReport::Outcome::Posted) << r.problem;
    ASSERT_EQ(r.posted, 5);
    RunTotals sum;
    for (const RunLine& l : r.lines) {
        EXPECT_TRUE(l.ready) << l.name << ": " << l.reason;
        EXPECT_EQ(captions(l.result), handCaptions[l.name]) << l.name;
        sum.net += l.cents.net;
        sum.gross += l.cents.gross;
    }
    EXPECT_EQ(r.totals.net, sum.net);
    EXPECT_EQ(r.totals.gross, sum.gross);
    EXPECT_GT(r.totals.net, 0);

    // Every byte of every file, the ledgers and the day's backups included.
    const Files run = everyFile(dir.path()), hand = everyFile(byHand.path());
    ASSERT_EQ(run.size(), hand.size());
    for (const auto& [name, bytes] : hand) {
        ASSERT_TRUE(run.count(name)) << name;
        EXPECT_EQ(run.at(name), bytes) << name;
    }
    // The bi-weekly employee went into its own week, the wage base was crossed.
    EXPECT_NE(run.at("Arizona.yrb").find("02/13/2015"), std::string::npos);
    EXPECT_EQ(r.lines[2].row, 4);
    EXPECT_FALSE(r.lines[2].weekly);
    const RunLine& nearBase = r.lines[4];
    EXPECT_EQ(nearBase.result.lbTaxDed[3], ".00");  // no state tax
    EXPECT_NE(r.lines[1].result.lbTaxDed[3], ".00");
    EXPECT_LT(*shownCents(nearBase.result.lbTaxDed[1]), nearBase.cents.gross * 62 / 1000);
}

TEST_F(PayrollRun, TheRunIsMadeDurableWithThreeFlushesWhateverItsSize) {
    const RunReport r = s->payrollRun(request());
    ASSERT_EQ(r.outcome, RunReport::Outcome::Posted) << r.problem;
    EXPECT_EQ(r.flushes, 3);
}

// Each fault stops the whole run before anything is written, and names its employee.
TEST_F(PayrollRun, AnEmployeeThatCannotBeRunStopsTheRunAndIsNamedWithTheReason) {
    struct Case {
        const char* what;
        std::function<void(RunRequest&, const fs::path&)> spoil;
        const char* employee;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"an entry that is not a number",
         [](RunRequest& q, const fs::path&) { q.entries[1].boxes[0] = "4.0.5"; }, "Table",
         "is not a number"},
        {"a week its frequency does not use",
         [](RunRequest& q, const fs::path&) { q.entries[2].row = 30; }, "Arizona",
         "Week 30 is not a pay period of this employee"},
        {"files that cannot be read",
         [](RunRequest&, const fs::path& d) { writeFileAtomic(d / "Oregon.cfe", "x\r\n"); },
         "Oregon", "Oregon.cfe"},
        {"no such employee", [](RunRequest& q, const fs::path&) { q.entries[3].name = "Nobody"; },
         "Nobody", "Nobody.use was not found"},
        {"the same employee twice",
         [](RunRequest& q, const fs::path&) { q.entries[4].name = "Sample"; }, "Sample",
         "more than once"},
        {"a week already posted",
         [](RunRequest& q, const fs::path& d) {
             Ledger l;
             l.rows[kRow - 1].Date = "02/06/2015";
             l.rows[kRow - 1].Gross = 100;
             l.RecomputeTotals(true);
             writeFileAtomic(d / "Table.yrw", l.write(true));
             (void)q;
         },
         "Table", "Week 25 already holds a posting dated 02/06/2015"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir d;
        makeFolder(d.path());
        RunRequest q = request();
        c.spoil(q, d.path());
        const Files before = everyFile(d.path());
        ScriptedUi u;
        Session run(u, d.path());
        run.Form_Load();
        const RunReport r = run.payrollRun(q);
        EXPECT_EQ(r.outcome, RunReport::Outcome::Refused);
        EXPECT_NE(r.problem.find("nothing was posted"), std::string::npos) << r.problem;
        EXPECT_EQ(everyFile(d.path()), before);  // no file, no backup
        bool named = false;
        for (const RunLine& l : r.lines) {
            if (l.ready) continue;
            EXPECT_EQ(l.name, c.employee);
            EXPECT_NE(l.reason.find(c.reason), std::string::npos) << l.reason;
            named = true;
        }
        EXPECT_TRUE(named);
    }
}

TEST_F(PayrollRun, LeavingOutTheFailedPostsTheOthersAndReplacingPostsOverAFilledWeek) {
    RunRequest q = request();
    q.entries[1].boxes[0] = "4.0.5";  // Table cannot be run
    const std::string tableBefore = dir.read("Table.yrw");
    q.skipFailed = true;
    RunReport r = s->payrollRun(q);
    ASSERT_EQ(r.outcome, RunReport::Outcome::Posted) << r.problem;
    EXPECT_EQ(r.posted, 4);
    EXPECT_FALSE(r.lines[1].ready);
    EXPECT_EQ(dir.read("Table.yrw"), tableBefore);
    EXPECT_NE(dir.read("Sample.yrw").find(kWeek), std::string::npos);

    // The same week again: every posted employee is refused, unless replaced.
    q = request();
    r = s->payrollRun(q);
    EXPECT_EQ(r.outcome, RunReport::Outcome::Refused);
    const std::string firstGross = r.lines[0].result.Label13;
    q.entries[0].boxes[0] = "41";
    q.replace = true;
    r = s->payrollRun(q);
    ASSERT_EQ(r.outcome, RunReport::Outcome::Posted) << r.problem;
    EXPECT_EQ(r.posted, 5);
    EXPECT_NE(r.lines[0].result.Label13, firstGross);
    EXPECT_NE(dir.read("Sample.yrw").find("727.5"), std::string::npos);
}

TEST_F(PayrollRun, AWriteThatFailsChangesNoEmployee) {
    const Files before = everyFile(dir.path());
    s->writeFaults().failAfterBytes = 3000;  // the disk fills partway through the run
    const RunReport r = s->payrollRun(request());
    EXPECT_EQ(r.outcome, RunReport::Outcome::CommitFailed);
    EXPECT_NE(r.problem.find("No employee's files were changed"), std::string::npos);
    Files after = everyFile(dir.path());
    std::erase_if(after, [](const auto& f) { return f.first.starts_with("backup/"); });
    EXPECT_EQ(after, before);
}

TEST_F(PayrollRun, ARunCutShortBetweenItsRenamesIsFinishedByTheNextStart) {
    const RunReport whole = [&] {
        test::TempDir other;
        makeFolder(other.path());
        ScriptedUi u;
        Session run(u, other.path());
        run.Form_Load();
        RunReport r = run.payrollRun(request());
        r.problem = "";
        for (const auto& [name, bytes] : everyFile(other.path()))
            if (!name.starts_with("backup/")) r.problem += name + "\n" + bytes;
        return r;
    }();
    s->writeFaults().stopAfterRenames = 7;
    EXPECT_THROW(s->payrollRun(request()), SimulatedCrash);
    ScriptedUi u;
    Session next(u, dir.path());
    next.Form_Load();
    std::string now;
    for (const auto& [name, bytes] : everyFile(dir.path()))
        if (!name.starts_with("backup/")) now += name + "\n" + bytes;
    EXPECT_EQ(now, whole.problem);
}

TEST_F(PayrollRun, TheOpenEmployeeShowsWhatTheRunPosted) {
    ASSERT_TRUE(s->openListed("Sample"));
    const RunReport r = s->payrollRun(request());
    ASSERT_EQ(r.outcome, RunReport::Outcome::Posted) << r.problem;
    EXPECT_EQ(s->ledger.rows[kRow - 1].Date, kWeek);
    // A save of the open employee now overwrites nothing unasked.
    s->main.txtAmount[0].focusAndType("40");
    ui.answers.clear();
    EXPECT_EQ(s->Calcu_late(), Session::RunOutcome::Done);
    EXPECT_TRUE(ui.questions.empty() ||
                ui.questions.back().find("changed by another") == std::string::npos);
}

TEST_F(PayrollRun, APreviewComputesWithoutWriting) {
    const Files before = everyFile(dir.path());
    RunLine l = s->previewRun(hours()[3], kWeek, kRow);
    EXPECT_TRUE(l.ready) << l.reason;
    EXPECT_GT(l.cents.net, 0);
    EXPECT_EQ(everyFile(dir.path()), before);
    RunEntry bad = hours()[0];
    bad.boxes[0] = "1.2.3";
    l = s->previewRun(bad, kWeek, kRow);
    EXPECT_FALSE(l.ready);
    EXPECT_NE(l.reason.find("is not a number"), std::string::npos);
}

// What stops a run before it computes anyone, writing nothing.
TEST_F(PayrollRun, ARunThatCannotStartFromWholeFilesOrTheRightFolderWritesNothing) {
    struct Case {
        const char* what;
        std::function<void(Session&, ScriptedUi&, RunRequest&, const fs::path&)> setUp;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"a save cut short that cannot be finished",
         [](Session&, ScriptedUi&, RunRequest&, const fs::path& d) {
             fs::create_directory(d / "Sample.cti");  // in the way of its rename
             writeFileAtomic(d / "Sample.cti.tmp-AbCdEf", "new");
             writeFileAtomic(d / ".corvella-commit", "Sample.cti.tmp-AbCdEf\tSample.cti\nend\n");
         },
         "interrupted"},
        {"the window's rows are another folder's",
         [](Session&, ScriptedUi&, RunRequest& q, const fs::path&) { q.folder = "/tmp"; },
         "close the Payroll Run window"},
        {"the open employee's settings, and Esc at the question to save them",
         [](Session& run, ScriptedUi& u, RunRequest&, const fs::path&) {
             ASSERT_TRUE(run.openListed("Sample"));
             u.saveAnswers.push_back({SaveWindowButton::Close, std::nullopt});
         },
         "not started"},
        {"a stub that cannot be made when the printouts are needed",
         [](Session&, ScriptedUi&, RunRequest& q, const fs::path& d) {
             writeFileAtomic(d / "Header.sav", "\"Acme\r\n");
             q.stubs = q.pagesNeeded = true;
         },
         "nothing was posted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir d;
        makeFolder(d.path());
        ScriptedUi u;
        Session run(u, d.path());
        run.Form_Load();
        RunRequest q = request();
        c.setUp(run, u, q, d.path());
        const Files before = everyFile(d.path());
        const RunReport r = run.payrollRun(q);
        EXPECT_EQ(r.outcome, RunReport::Outcome::Refused);
        EXPECT_NE(r.problem.find(c.says), std::string::npos) << r.problem;
        EXPECT_EQ(everyFile(d.path()), before);
    }
}

}  // namespace
}  // namespace corvella
