#pragma once
// What the command line's commands share: exit codes, the scripted Ui, JSON text, the
// option parser, and opening an employee and pressing ADD as the desktop program does.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/fileio.h"
#include "common/ports.h"
#include "shell/session.h"

namespace corvella::cli {

enum class Exit : int {
    Ok = 0,
    Usage = 1,
    NotFound = 2,    // no such employee, or a name that cannot be used
    NotOpened = 3,   // the employee's files could not be read
    Refused = 4,     // the pay run was refused (an entry that is not a number)
    SaveFailed = 5,  // the run completed but its save failed
};

inline int code(Exit e) {
    return static_cast<int>(e);
}

// The folder's lock the command holds from its first read to its last write (see run).
std::optional<HeldFolderLock>& commandLock();

// Scripted answers with the machine's date: the command line answers every question
// No and collects every message.
class CliUi : public ScriptedUi {
  public:
    Date today() override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    }
    TimeOfDay now() override { return clockTime(); }
};

// The options of the employee commands; each command says which it takes.
struct Options {
    std::string name;
    bool json = false, ot2x = false, louisPrior = false;
    std::optional<std::string> week;
    std::vector<std::pair<int, std::string>> boxes;
    std::optional<int> row;
    std::vector<std::string> positional;  // after the name
    // The command's own options, in the order given: (option, value or "").
    std::vector<std::pair<std::string, std::string>> extra;
};

enum Takes : unsigned { kRunInputs = 1, kJson = 2, kRow = 4 };

// An option of one command only, such as "--pdf" (with a value) or "--text".
struct ExtraOption {
    std::string name;
    bool takesValue = false;
};

// Writes "corvella-cli: WHAT (see corvella-cli --help)" and gives the usage exit code.
int usage(const std::string& what);

// Parses `args` into `o`; the exit status of a usage error, or nothing. `needsName`
// false lets a command take no employee name (its first positional is then in name).
std::optional<int> parse(const std::vector<std::string>& args, unsigned takes, Options& o,
                         const std::string& command, const std::vector<ExtraOption>& extra = {},
                         bool needsName = true);

// The value of a command's own option as last given ("" for one without a value), or
// nothing when it was not given.
std::optional<std::string> extra(const Options& o, const std::string& name);

// Opens the employee as File > Open does; the exit status when it cannot.
std::optional<int> openEmployee(const std::filesystem::path& dir, const std::string& name,
                                CliUi& ui, Session& s);

// Types the options' inputs into the main window and presses ADD.
RunOutcome pressAdd(const Options& o, Session& s, RunSave save = RunSave::Save);

// The last message on stderr, and `e`'s exit code.
int fail(const CliUi& ui, Exit e);

std::string oneLine(std::string s);
// A JSON string; bytes that are not UTF-8 are taken as Latin-1.
std::string jsonString(const std::string& s);
// A float as JSON: nine significant digits, or null when not finite.
std::string number9(float v);

struct Field {
    std::string name, value;
};

// A JSON object of string values: {"name": "value", ...}.
std::string jsonObject(const std::vector<Field>& fields);
// A JSON array of strings.
std::string jsonArray(const std::vector<std::string>& items);

// The commands, one per file.
int calc(const std::filesystem::path& dir, const std::vector<std::string>& args);
enum class LedgerAction { Show, Post, Unpost, Export };
int ledger(const std::filesystem::path& dir, const std::vector<std::string>& args,
           LedgerAction action);
int ot(const std::filesystem::path& dir, const std::vector<std::string>& args);
int leave(const std::filesystem::path& dir, const std::vector<std::string>& args);
int periodSave(const std::filesystem::path& dir, const std::vector<std::string>& args);
int periodGet(const std::filesystem::path& dir, const std::vector<std::string>& args);
int words(const std::vector<std::string>& args);
int restore(const std::filesystem::path& dir, const std::vector<std::string>& args);
int taxYear(const std::filesystem::path& dir, const std::vector<std::string>& args);
int w4(const std::filesystem::path& dir, const std::vector<std::string>& args);
int company(const std::filesystem::path& dir, const std::vector<std::string>& args);
int w2Info(const std::filesystem::path& dir, const std::vector<std::string>& args);
int batch(const std::filesystem::path& dir, const std::vector<std::string>& args);
int w2(const std::filesystem::path& dir, const std::vector<std::string>& args);
int form941(const std::filesystem::path& dir, const std::vector<std::string>& args);
int newYear(const std::filesystem::path& dir, const std::vector<std::string>& args);
enum class Printout { Stub, Check, Ledger };
int printout(const std::filesystem::path& dir, const std::vector<std::string>& args, Printout what);

}  // namespace corvella::cli
