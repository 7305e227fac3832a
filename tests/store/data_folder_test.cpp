#include "store/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/errors.h"
#include "common/fileio.h"
#include "test_support.h"

namespace corvella {
namespace {

const char* const kSeeded[] = {"Federal15.dtt", "Sample.use", "Sample.and", "Sample.cfe",
                               "Sample.sta"};

std::string shippedBytes(const std::filesystem::path& shipped, const std::string& name) {
    return readFileBytes(shipped / name).value_or("<not shipped>");
}

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
  public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolder, AFreshFolderGetsTheFederalTableAndTheSampleEmployee) {
    test::TempDir dir;
    const auto shipped = shippedDataFolder();
    ASSERT_FALSE(shipped.empty());
    const auto folder = dir / "new" / "corvella";
    const auto copied = seedDataFolder(folder, shipped);
    for (const char* name : kSeeded) {
        SCOPED_TRACE(name);
        EXPECT_NE(std::find(copied.begin(), copied.end(), name), copied.end());
        EXPECT_EQ(dir.read(std::string("new/corvella/") + name), shippedBytes(shipped, name));
    }
}

TEST(DataFolder, FilesAlreadyThereAreNeverReplaced) {
    test::TempDir dir;
    const auto shipped = shippedDataFolder();
    dir.write("Federal15.dtt", "my own table");
    dir.write("Sample.use", "my own sample");
    const auto copied = seedDataFolder(dir.path(), shipped);
    EXPECT_EQ(dir.read("Federal15.dtt"), "my own table");
    EXPECT_EQ(dir.read("Sample.use"), "my own sample");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), "Federal15.dtt"), 0);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), "Sample.use"), 0);
    EXPECT_EQ(dir.read("Sample.sta"), shippedBytes(shipped, "Sample.sta"));

    EXPECT_TRUE(seedDataFolder(dir.path(), shipped).empty());  // the next start copies nothing
}

TEST(DataFolder, XdgDataHomeIsHonouredAndHomeIsTheFallback) {
    EnvVar home("HOME", "/home/someone");
    {
        EnvVar xdg("XDG_DATA_HOME", "/var/xdg");
        EXPECT_EQ(defaultDataFolder(), std::filesystem::path("/var/xdg/corvella"));
    }
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        EnvVar xdg("XDG_DATA_HOME", unset);
        EXPECT_EQ(defaultDataFolder(),
                  std::filesystem::path("/home/someone/.local/share/corvella"));
    }
}

TEST(DataFolder, AFolderThatCannotBeCreatedIsReported) {
    test::TempDir dir;
    dir.write("afile", "in the way");
    // Under a regular file no one can create a folder, root included.
    EXPECT_THROW(seedDataFolder(dir / "afile" / "sub", shippedDataFolder()), WriteError);
    EXPECT_EQ(dir.read("afile"), "in the way");
}

}  // namespace
}  // namespace corvella
