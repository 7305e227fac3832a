#pragma once
// The core reports failures by throwing these; each command of the application
// session catches them at its boundary and turns them into the messages it shows.
#include <stdexcept>
#include <string>

namespace corvella {

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A data file that ends early or holds text where a number belongs.
struct ReadError : Error {
    ReadError(std::string file, int line, const std::string& what)
        : Error(file + ", line " + std::to_string(line) + ": " + what),
          file(std::move(file)),
          line(line),
          problem(what) {}
    // A file refused whole, before any line is read (not a regular file, too large).
    ReadError(std::string file, const std::string& what)
        : Error(file + ": " + what), file(std::move(file)), line(0), problem(what) {}
    std::string file;     // name as messages show it (no folder)
    int line;             // 0 when the file was refused whole
    std::string problem;  // what is wrong there, without the file and line
};

// A file that could not be created, written or renamed into place.
struct WriteError : Error {
    WriteError(std::string file, const std::string& what)
        : Error(file + ": " + what), file(std::move(file)) {}
    std::string file;
};

// A commit that passed its point of no return and could not finish its renames: the
// files are not yet all in place, and the next start (or Open) finishes them.
struct PendingCommitError : WriteError {
    using WriteError::WriteError;
};

// Files to be written that another program changed since they were read here: nothing
// was written. `reloaded` when the operator chose to have them read again instead.
struct ChangedError : WriteError {
    ChangedError(std::string file, const std::string& what, bool reloaded)
        : WriteError(std::move(file), what), reloaded(reloaded) {}
    bool reloaded;
};

// Whether `e` is a save given up because the operator had the files read again: the
// records are the disk's now, and nothing from before the save may be put back.
inline bool reloadedInstead(const Error& e) {
    const auto* changed = dynamic_cast<const ChangedError*>(&e);
    return changed && changed->reloaded;
}

// Text that a strict conversion cannot read as a number.
struct ConversionError : Error {
    ConversionError(std::string control, std::string text, std::string problem = "is not a number")
        : Error("\"" + text + "\" in " + control + " " + problem),
          control(std::move(control)),
          text(std::move(text)),
          problem(std::move(problem)) {}
    std::string control;  // the box's name, e.g. "txtHourRate"
    std::string text;
    std::string problem;  // what is wrong with it: "is not a number"
};

// A value a file may not hold (outside its field's range, or not one of its texts),
// refused before anything is written.
struct RangeError : Error {
    using Error::Error;
};

// A name that would leave the working folder.
struct NameError : Error {
    using Error::Error;
};

}  // namespace corvella
