// The real corvella-cli on a working folder that holds what it does not expect.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
};

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

}  // namespace
}  // namespace corvella
