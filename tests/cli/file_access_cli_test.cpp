// The real corvella-cli on a working folder that holds what it does not expect.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/fileio.h"
#include "test_support.h"

namespace corvella {
namespace {

using test::CliResult;

// A run that blocks on a file must fail the test, not hang the suite.
constexpr int kTimeLimit = 20;

class FileAccessCli : public ::testing::Test {
  protected:
    test::TempDir dir;
    FileAccessCli() { test::copyDataFolder(dir.path()); }
    CliResult cli(const std::string& args) {
        return test::runCli("-C '" + dir.path().string() + "' " + args, kTimeLimit);
    }
    // An employee `name` with the sample's files.
    void copySample(const std::string& name) {
        for (const char* ext : {".use", ".and", ".cfe", ".sta"})
            std::filesystem::copy_file(dir / (std::string("Sample") + ext), dir / (name + ext));
    }
};

// Every reader: a FIFO where a data file belongs is refused at once, naming the file.
TEST_F(FileAccessCli, AFifoInADataFilesPlaceIsRefusedNotWaitedOn) {
    struct Case {
        const char* file;
        const char* command;
        int status;
    };
    const Case cases[] = {
        {"Sample.use", "calc Sample --box 0=40", 3},
        {"Sample.sta", "calc Sample --box 0=40", 3},
        {"Sample.cti", "calc Sample --box 0=40", 0},  // as a damaged one: kept aside, replaced
        {"Sample.hol", "leave Sample", 3},
        {"Sample.yrw", "ledger Sample", 3},
        {"Federal15.dtt", "calc Sample --box 0=40", 4},  // a run without its table is refused
        {"Header.sav", "stub Sample --box 0=40 --text", 4},
        {"01_09_2015  Sample.prv", "period-get '01_09_2015  Sample.prv'", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempDir fresh;
        test::copyDataFolder(fresh.path());
        std::filesystem::remove(fresh / c.file);
        ASSERT_EQ(::mkfifo((fresh / c.file).c_str(), 0600), 0);
        CliResult r = test::runCli("-C '" + fresh.path().string() + "' " + c.command, kTimeLimit);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE((r.err + r.out).find(c.file), std::string::npos) << r.err << r.out;
    }
}

TEST_F(FileAccessCli, ADeviceGivenAsASavedPayPeriodIsRefused) {
    CliResult r = cli("period-get /dev/zero");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("zero"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
}

// Far larger than any balances file: refused before it is read (a sparse file, so the
// test itself costs no disk).
TEST_F(FileAccessCli, AHugeFileIsRefusedBeforeItIsRead) {
    { std::ofstream(dir / "Sample.hol", std::ios::binary).put('1'); }
    std::filesystem::resize_file(dir / "Sample.hol", 64u << 20);
    CliResult r = cli("leave Sample");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("Sample.hol"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("too large"), std::string::npos) << r.err;
}

// A backup day holding a FIFO: the restore stops, nothing waits.
TEST_F(FileAccessCli, AFifoInABackupIsRefused) {
    const auto day = dir / "backup" / "2026-01-05";
    std::filesystem::create_directories(day);
    std::filesystem::copy_file(dir / "Sample.use", day / "Sample.use");
    ASSERT_EQ(::mkfifo((day / "Sample.and").c_str(), 0600), 0);
    CliResult r = cli("restore Sample --day 2026-01-05");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.err.find("Sample.and"), std::string::npos) << r.err;
}

// Start-up removes what a killed write of its own left, never another program's file.
TEST_F(FileAccessCli, StartUpRemovesOnlyItsOwnLeftoverTemporaries) {
    const char* ours[] = {"Sample.and.tmp-Ab12Cd", "01_09_2015  Sample.prv.tmp-000000",
                          "Header.sav.tmp-abcdef", ".corvella-commit.tmp-ABCDEF",
                          "Sample.cti.damaged-20261210-142501.tmp-x1y2z3"};
    const char* others[] = {"notes.tmp-ABCDEF", "report.txt.tmp-ABCDEF",
                            "Sample.use.bak.tmp-ABCDEF", "notes.tmp-short"};
    for (const char* n : ours) dir.write(n, "half a file");
    for (const char* n : others) dir.write(n, "someone's");
    ASSERT_EQ(cli("calc Sample --box 0=40").status, 0);
    for (const char* n : ours) EXPECT_FALSE(std::filesystem::exists(dir / n)) << n;
    for (const char* n : others) EXPECT_EQ(dir.read(n), "someone's") << n;
}

// The longest name the program takes: every file it writes for the employee fits, the
// saved pay period and a damaged file's copy included, under their full names.
TEST_F(FileAccessCli, EveryFileOfTheLongestNameCanBeWritten) {
    const std::string name(kLongestEmployeeName, 'n');
    copySample(name);
    CliResult saved = cli("period-save " + name + " --box 0=40 --week 01/09/2015");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(std::filesystem::exists(dir / ("01_09_2015  " + name + ".prv")));

    dir.write(name + ".cti", "1,2,x\r\n");
    CliResult run = cli("calc " + name + " --box 0=40");
    ASSERT_EQ(run.status, 0) << run.err;
    int kept = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string f = e.path().filename().string();
        if (f.find(".damaged-") == std::string::npos) continue;
        ++kept;
        EXPECT_EQ(f.rfind(name + ".cti.damaged-", 0), 0u) << f;  // not cut short
        EXPECT_EQ(dir.read(f), "1,2,x\r\n");
    }
    EXPECT_EQ(kept, 1);

    CliResult longer = cli("calc " + name + "n --box 0=40");
    EXPECT_EQ(longer.status, 2);
    EXPECT_NE(longer.err.find("bytes"), std::string::npos) << longer.err;
}

}  // namespace
}  // namespace corvella
