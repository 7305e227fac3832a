// The real corvella-cli's save killed at random moments, and saves into a full or
// read-only folder. A save writes the employee's whole set as one commit, so after a kill
// and the next start the set is wholly the old one or wholly the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "test_support.h"

namespace corvella {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// The employee's files (every file but the federal tables, Federal15.dtt and the yearly
// FederalYYYY.txt), with their bytes.
Files employeeFiles(const test::TempDir& dir, const fs::path& folder) {
    Files out;
    for (auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (!name.starts_with("Federal") && e.is_regular_file())
            out[name] = dir.read(fs::relative(e.path(), dir.path()).string());
    }
    return out;
}

void writeAll(const test::TempDir& dir, const Files& files) {
    for (const auto& [name, bytes] : files) dir.write(name, bytes);
}

// Starts `command` on `folder`, its output discarded.
pid_t start(const fs::path& folder, const std::vector<std::string>& command) {
    std::vector<std::string> args = {"-C", folder.string()};
    args.insert(args.end(), command.begin(), command.end());
    return test::startCliQuiet(args);
}

// Starts the saving command; kills it after `delay` (none: lets it end). True when the
// kill found it still running.
bool saveKilledAfter(const fs::path& folder, const std::vector<std::string>& command,
                     std::optional<std::chrono::microseconds> delay) {
    const pid_t pid = start(folder, command);
    if (delay) {
        std::this_thread::sleep_for(*delay);
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// A pay run's save, and a posting, which saves the run's files and the ledger as one change.
class CrashSafety : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CrashSafety, ASaveKilledAnywhereLeavesTheWholeOldOrTheWholeNewSet) {
    const std::vector<std::string>& command = GetParam();
    std::string commandLine;
    for (const std::string& a : command) commandLine += " " + a;
    test::TempDir dir;
    test::copyDataFolder(dir.path());
    // The new set is what a save writes; the old one reads the same but differs in every
    // file (one more line end), so each file tells which set it belongs to.
    ASSERT_EQ(test::runCli("-C '" + dir.path().string() + "'" + commandLine).status, 0);
    // The kills land within the run's own time, measured as they start it (no shell), the
    // quickest of a few runs: a slow first run would put most kills after its end.
    auto saveTime = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        saveKilledAfter(dir.path(), command, std::nullopt);
        saveTime = std::min(saveTime, std::chrono::steady_clock::now() - start);
    }
    const Files fresh = employeeFiles(dir, dir.path());
    ASSERT_GE(fresh.size(), 8u);  // .use .and .cfe .ovw .hol .sta .cti .nci
    Files old = fresh;
    for (auto& [name, bytes] : old) bytes += "\r\n";
    writeAll(dir, old);

    std::mt19937 random(12);
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(saveTime) * 5 / 4;
    std::uniform_int_distribution<long> pick(0, longest.count());
    int kills = 0, wholeOld = 0, wholeNew = 0;
    for (int attempt = 0; kills < 200 && attempt < 2000; ++attempt) {
        if (!saveKilledAfter(dir.path(), command, std::chrono::microseconds(pick(random))))
            continue;
        ++kills;
        // The next start finishes or drops the interrupted save; then the employee opens.
        const auto opened = test::runCli("-C '" + dir.path().string() + "' ledger Sample");
        ASSERT_EQ(opened.status, 0) << "after kill " << kills << ": " << opened.err;
        const Files now = employeeFiles(dir, dir.path());
        if (now == old) {
            ++wholeOld;
        } else if (now == fresh) {
            ++wholeNew;
            writeAll(dir, old);
        } else {
            for (const auto& [name, bytes] : now)
                ADD_FAILURE() << name
                              << (old.count(name) && old.at(name) == bytes       ? " old"
                                  : fresh.count(name) && fresh.at(name) == bytes ? " new"
                                                                                 : " other");
            FAIL() << "a mixed set after kill " << kills;
        }
    }
    EXPECT_EQ(kills, 200);
    std::printf("[          ] %d kills: %d left the old set, %d the new one\n", kills, wholeOld,
                wholeNew);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, CrashSafety,
    ::testing::Values(std::vector<std::string>{"calc", "Sample", "--box", "0=40"},
                      std::vector<std::string>{"post", "Sample", "--row", "10", "--box", "0=40"}),
    [](const auto& info) { return info.param[0]; });

// Two saving commands on one employee at once: each reads the employee and writes it back,
// so without a lock from read to write one would undo the other.
int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConcurrentSaves, NeitherOfTwoCommandsAtOnceUndoesTheOther) {
    using Command = std::vector<std::string>;
    struct Pair {
        const char* what;
        Command first, second;
        // Both changes are in the folder afterwards.
        std::function<bool(const test::TempDir&)> bothKept;
    } pairs[] = {
        {"two postings",
         {"post", "Sample", "--row", "10", "--box", "0=40"},
         {"post", "Sample", "--row", "11", "--box", "0=30"},
         [](const test::TempDir& d) {
             const auto r = test::runCli("-C '" + d.path().string() + "' ledger Sample --json");
             return r.out.find("\"week\": 10, \"Date\": \"\"") == std::string::npos &&
                    r.out.find("\"week\": 11, \"Date\": \"\"") == std::string::npos;
         }},
        {"a leave entry and a pay run",
         {"leave", "Sample", "--start", "vac=77"},
         {"calc", "Sample", "--box", "0=40"},
         [](const test::TempDir& d) {
             const auto r = test::runCli("-C '" + d.path().string() + "' leave Sample --json");
             return r.out.find("77") != std::string::npos;
         }},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.what);
        for (int round = 0; round < 20; ++round) {
            test::TempDir dir;
            test::copyDataFolder(dir.path());
            const bool firstFirst = round % 2 == 0;
            const pid_t a = start(dir.path(), firstFirst ? p.first : p.second);
            const pid_t b = start(dir.path(), firstFirst ? p.second : p.first);
            ASSERT_EQ(waitFor(a), 0);
            ASSERT_EQ(waitFor(b), 0);
            ASSERT_TRUE(p.bothKept(dir)) << "round " << round;
        }
    }
}

// A folder on a small file system of its own: mounting needs root and a system that allows
// it; elsewhere the test says so and skips.
class SmallFolder : public ::testing::Test {
  protected:
    test::TempDir dir;
    fs::path folder;
    bool mounted = false;

    void SetUp() override {
        folder = dir.path() / "small";
        fs::create_directory(folder);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k,mode=0700") != 0) {
            GTEST_SKIP() << "mounting a small tmpfs is not allowed here (" << std::strerror(errno)
                         << "): the full-disk and read-only folder tests need root";
        }
        mounted = true;
        test::copyDataFolder(folder);
    }
    void TearDown() override {
        if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
    }
    test::CliResult save() {
        return test::runCli("-C '" + folder.string() + "' calc Sample --box 0=40");
    }
    // Every old file as it was, and no temporary file of the save left.
    void expectOldSetKept(const Files& before) {
        Files after = employeeFiles(dir, folder);
        after.erase("filler");
        EXPECT_EQ(after, before);
        for (const auto& [name, bytes] : after)
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
    }
};

TEST_F(SmallFolder, AFolderFilledPartwayThroughTheSaveKeepsTheOldSet) {
    // Room for a few of the new files but not the whole set: tmpfs counts whole pages.
    for (long freeKb : {4L, 8L, 16L}) {
        SCOPED_TRACE(std::to_string(freeKb) + " KB left");
        fs::remove(folder / "filler");
        const auto space = fs::space(folder);
        const auto fill = static_cast<long>(space.available) - freeKb * 1024;
        ASSERT_GT(fill, 0);
        dir.write("small/filler", std::string(static_cast<size_t>(fill), 'x'));
        const Files before = [&] {
            Files f = employeeFiles(dir, folder);
            f.erase("filler");
            return f;
        }();
        const auto r = save();
        EXPECT_EQ(r.status, 5) << r.err;
        EXPECT_NE(r.err.find("Sample."), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
        expectOldSetKept(before);
    }
}

// After the pay run's files failed, nothing more is written: not the posting, the saved
// period or the check's offsets. A posting saves the run and the ledger as one change.
TEST_F(SmallFolder, ACommandWhoseSaveFailsWritesNothingAtAll) {
    for (const char* command : {"post Sample --row 10 --box 0=40", "period-save Sample --box 0=40",
                                "check Sample --box 0=40 --offset 3,4 --text"}) {
        SCOPED_TRACE(command);
        fs::remove(folder / "filler");
        const auto space = fs::space(folder);
        const auto fill = static_cast<long>(space.available) - 4 * 1024;
        ASSERT_GT(fill, 0);
        dir.write("small/filler", std::string(static_cast<size_t>(fill), 'x'));
        const Files before = [&] {
            Files f = employeeFiles(dir, folder);
            f.erase("filler");
            return f;
        }();
        const auto r = test::runCli("-C '" + folder.string() + "' " + command);
        EXPECT_EQ(r.status, 5) << r.err;
        EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << r.err;
        expectOldSetKept(before);
    }
}

TEST_F(SmallFolder, AReadOnlyFolderKeepsTheOldSet) {
    ASSERT_EQ(::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    const Files before = employeeFiles(dir, folder);
    const auto r = save();
    EXPECT_EQ(r.status, 5) << r.err;
    EXPECT_NE(r.err.find("Sample."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Read-only file system"), std::string::npos) << r.err;
    expectOldSetKept(before);
}

}  // namespace
}  // namespace corvella
