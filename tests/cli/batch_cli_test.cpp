// corvella-cli batch: a week's hours from HOURS.csv posted for every employee as one
// change, the same to the byte as posting them one at a time, or refused as a whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "shell/payroll_run_fixture.h"
#include "store/hours_file.h"
#include "test_support.h"

namespace corvella {
namespace {

using namespace test;
namespace fs = std::filesystem;

std::string hoursCsv(const std::vector<RunEntry>& entries) {
    std::vector<HoursLine> lines;
    for (const RunEntry& e : entries) lines.push_back({e.name, e.boxes, e.ot2x, e.row, 0});
    return writeHoursFile(lines, true);
}

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

// What a program prints, run through the shell.
std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// The employees' files (not the federal tables, not the backups), by name.
Files employeeFiles(const fs::path& folder) {
    Files out;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && !name.starts_with("Federal"))
            out[name] = *readFileBytes(e.path());
    }
    return out;
}

class BatchCli : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path hours = dir / "HOURS.csv";
    fs::path folder = dir / "company";

    void SetUp() override {
        fs::create_directory(folder);
        makeFolder(folder);
        dir.write("HOURS.csv", hoursCsv(test::hours()));
    }
    CliResult batch(const std::string& options) {
        return runCli("-C " + quoted(folder) + " batch " + quoted(hours) + " " + options, 120);
    }
};

TEST_F(BatchCli, TheWeekIsPostedForEveryoneAsPostingEachInTurnWould) {
    TempDir byHand;
    makeFolder(byHand.path());
    for (const RunEntry& e : test::hours()) {
        std::string args = "-C " + quoted(byHand.path()) + " post '" + e.name + "' --row " +
                           std::to_string(e.row.value_or(kRow)) + " --week " + kWeek;
        for (size_t i = 0; i < e.boxes.size(); ++i)
            if (!e.boxes[i].empty()) args += " --box " + std::to_string(i) + "=" + e.boxes[i];
        if (e.ot2x) args += " --ot2x";
        ASSERT_EQ(runCli(args, 60).status, 0) << args;
    }
    const CliResult r = batch("--row " + std::to_string(kRow) + " --week " + kWeek);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(everyFile(folder), everyFile(byHand.path()));
    // A line per employee and the total.
    for (const RunEntry& e : test::hours())
        EXPECT_NE(r.out.find("\n" + e.name + " "), std::string::npos) << e.name;
    EXPECT_NE(r.out.find("TOTAL (5 employees)"), std::string::npos) << r.out;
}

TEST_F(BatchCli, TheJsonHoldsEachEmployeesCaptionsAndTheTotalsAsPlainAmounts) {
    const CliResult r = batch("--row 25 --week 02/13/2015 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonField(r.out, "outcome"), "posted");
    EXPECT_EQ(jsonField(r.out, "posted_employees"), "5");
    EXPECT_NE(r.out.find("\"name\": \"Arizona\", \"row\": 4, \"weekly\": false"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"lbNet\": \"$"), std::string::npos);
    const std::string net = jsonField(r.out.substr(r.out.rfind("\"totals\"")), "net");
    ASSERT_GE(net.size(), 4u) << r.out;
    EXPECT_EQ(net[net.size() - 3], '.');
    EXPECT_EQ(net.find_first_of("$,"), std::string::npos) << net;
}

TEST_F(BatchCli, ARefusedRunNamesEachEmployeeWritesNothingAndExits4) {
    std::vector<RunEntry> h = test::hours();
    h[1].boxes[0] = "4.0.5";
    h[2].row = 30;  // bi-weekly
    dir.write("HOURS.csv", hoursCsv(h));
    const Files before = everyFile(folder);
    CliResult r = batch("--row 25 --week 02/13/2015");
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("Table: \"4.0.5\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Arizona: Week 30 is not a pay period"), std::string::npos) << r.err;
    EXPECT_EQ(everyFile(folder), before);

    // Left out on request, the others are paid; the same week again needs --replace.
    r = batch("--row 25 --week 02/13/2015 --skip-failed");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("TOTAL (3 employees)"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(folder / "Table.yrw"));  // it had none
    r = batch("--row 25 --week 02/13/2015 --skip-failed");
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("Sample: Week 25 already holds a posting"), std::string::npos) << r.err;
    r = batch("--row 25 --week 02/13/2015 --skip-failed --replace");
    EXPECT_EQ(r.status, 0) << r.err;
}

// A file that is not well formed is refused before anything is read, naming its line.
TEST_F(BatchCli, AMalformedHoursFileIsAUsageErrorNamingTheLine) {
    struct Case {
        const char* csv;
        const char* options;
        const char* says;
    };
    const Case cases[] = {
        {"name,box0,box1,box2,box3,box4,box5,box6,ot2x\r\nSample,40,,,,,,,\r\n", "--row 2",
         "line 1"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\nSample,40,,,,,,,,,\r\n"
         "Nobody,40,,,,,,,,,\r\n",
         "--row 2", "HOURS.csv, line 3: no employee \"Nobody\""},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\nSample,40,,,,,,,,,54\r\n",
         "--row 2", "line 2"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\nSample,40,,,,,,,,,\r\n", "",
         "--row N is needed"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\nSample,4O,,,,,,,,,\r\n",
         "--row 2", "HOURS.csv, line 2: box0 \"4O\" holds characters"},
        {"name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\nSample,40,,,,,,,,,\r\n",
         "--row 2 --stubs a.pdf --checks b.pdf", "one of --stubs, --checks"},
    };
    const Files before = everyFile(folder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv);
        dir.write("HOURS.csv", c.csv);
        const CliResult r = batch(c.options);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_EQ(everyFile(folder), before);
}

TEST_F(BatchCli, StubsAndChecksArePrintedOnePagePerEmployeeIntoOnePdf) {
    if (output("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is missing";
    const fs::path stubs = dir / "stubs.pdf", checks = dir / "checks.pdf";
    CliResult r = batch("--row 25 --week 02/13/2015 --stubs " + quoted(stubs));
    if (r.status == 1 && r.err.find("no PDF output") != std::string::npos)
        GTEST_SKIP() << "this build has no PDF output (built without Qt)";
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(output("pdfinfo " + quoted(stubs)).find("Pages:           5"), std::string::npos);
    const std::string third = output("pdftotext -f 3 -l 3 " + quoted(stubs) + " -");
    EXPECT_NE(third.find("Arizona"), std::string::npos) << third;
    r = batch("--row 26 --week 02/20/2015 --replace --checks " + quoted(checks));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(output("pdfinfo " + quoted(checks)).find("Pages:           5"), std::string::npos);
}

// ---------------------------------------------------------------- killed runs

TEST_F(BatchCli, ARunKilledAnywhereLeavesEveryEmployeeBeforeItOrEveryoneAfterIt) {
    const std::vector<std::string> command = {
        "-C", folder.string(), "batch", hours.string(), "--row", "25", "--week", kWeek};
    const Files before = employeeFiles(folder);
    // Whether the run was killed, and how long it ran.
    auto runTo = [&](std::optional<std::chrono::microseconds> killAfter) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = startCliQuiet(command);
        if (killAfter) {
            std::this_thread::sleep_for(*killAfter);
            ::kill(pid, SIGKILL);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return std::make_pair(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                              std::chrono::steady_clock::now() - start);
    };
    auto putBack = [&] {
        for (const auto& [name, bytes] : employeeFiles(folder))
            if (!before.count(name)) fs::remove(folder / name);
        for (const auto& [name, bytes] : before) writeFileAtomic(folder / name, bytes);
    };
    // The whole run's time, the quickest of a few, for the kills to land within it.
    auto runTime = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < 3; ++i) {
        putBack();
        runTime = std::min(runTime, runTo(std::nullopt).second);
    }
    const Files after = employeeFiles(folder);
    ASSERT_NE(after, before);
    putBack();

    std::mt19937 random(21);
    auto longest = std::chrono::duration_cast<std::chrono::microseconds>(runTime) * 5 / 4;
    int kills = 0, wholeBefore = 0, wholeAfter = 0, finished = 0;
    for (int attempt = 0; kills < 120 && attempt < 1500; ++attempt) {
        // Before its writes nothing can go wrong: most kills land in the later part.
        std::uniform_int_distribution<long> pick(longest.count() * 2 / 5, longest.count());
        const auto [killed, ran] = runTo(std::chrono::microseconds(pick(random)));
        if (!killed) {
            // A busy machine made the first runs slow: aim within the runs seen now.
            longest = std::chrono::duration_cast<std::chrono::microseconds>(ran);
            putBack();
            continue;
        }
        ++kills;
        if (fs::exists(folder / kCommitManifest)) ++finished;
        // The next start finishes or drops the interrupted run; then an employee opens.
        const CliResult opened = runCli("-C " + quoted(folder) + " ledger Sample", 60);
        ASSERT_EQ(opened.status, 0) << "after kill " << kills << ": " << opened.err;
        const Files now = employeeFiles(folder);
        if (now == before) {
            ++wholeBefore;
            continue;
        }
        if (now == after) {
            ++wholeAfter;
            putBack();
            continue;
        }
        for (const auto& [name, bytes] : now)
            ADD_FAILURE() << name
                          << (before.count(name) && before.at(name) == bytes ? " before"
                              : after.count(name) && after.at(name) == bytes ? " after"
                                                                             : " other");
        FAIL() << "a mixed folder after kill " << kills;
    }
    EXPECT_EQ(kills, 120);
    std::printf(
        "[          ] %d kills: %d left the folder before the run, %d after it (%d of them "
        "finished by the next start)\n",
        kills, wholeBefore, wholeAfter, finished);
}

}  // namespace
}  // namespace corvella
