#pragma once
// Shared test helpers: a temporary working folder, fixture paths and the command-line
// program.
#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "state/state_settings.h"

namespace corvella::test {

// A fresh folder under the system's temp folder, removed when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// The lines of a file in the text line format, without their CR LF; text after the last
// CR LF fails the test.
std::vector<std::string> crlfLines(const std::string& bytes);

// The repository's folders.
std::filesystem::path sourceDir();
std::filesystem::path dataDir();  // data/, with Federal15.dtt
// The bytes of tests/data/<relativePath>, read whole; a missing file throws, failing the
// test, rather than passing for an empty one.
std::string fixture(const std::string& relativePath);
// The regular files directly in `folder` (not its subfolders), by name, with their bytes.
std::map<std::string, std::string> folderFiles(const std::filesystem::path& folder);
// Copies the files of data/ (the federal table and the sample employee) into `to`.
void copyDataFolder(const std::filesystem::path& to);

// The figures of the state screen's "New York" button as the screen saves them: both
// tables, the exemption amounts, no SDI or SUI and no state's box checked.
StateSettings newYorkSettings();

struct CliResult {
    int status = -1;  // the exit status, -1 if the program did not exit normally
    std::string out, err;
};

// Runs the built corvella-cli with `args`, as a shell would split them; with a time limit,
// a run that outlasts it is killed (status -1 or 124) instead of hanging the tests.
CliResult runCli(const std::string& args, int timeLimitSeconds = 0);

// Starts the built corvella-cli with `args` (no shell), its output discarded; the caller
// waits for it.
pid_t startCliQuiet(const std::vector<std::string>& args);

// The value of `key` in the CLI's --json output: a string without its quotes, or a
// number as printed; "<missing key>" when the key is not there.
std::string jsonField(const std::string& json, const std::string& key);

}  // namespace corvella::test
