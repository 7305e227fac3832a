#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvella {

// No data file comes near this: a full year's ledger, the largest, is under 20 KB.
inline constexpr std::uintmax_t kLargestDataFile = 4u << 20;

// True when something other than a folder is there and may be read; a FIFO or a device
// counts (readFileBytes refuses it), and nothing is opened that could wait.
bool fileExists(const std::filesystem::path& path);

// The whole file, or nothing when it is not there (a folder is not) or cannot be
// opened. Throws ReadError for what is not a regular file (a FIFO would wait for a
// writer, a device never ends) or is larger than kLargestDataFile, before reading any
// of it.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t largest = kLargestDataFile);

// Faults a test can give one writer: writes that fail after this many bytes in all (a
// full disk), or a commit that stops dead after this many renames (a crash).
struct WriteFaults {
    std::optional<size_t> failAfterBytes;
    std::optional<int> stopAfterRenames;
};

// What a commit stopped by WriteFaults::stopAfterRenames throws.
struct SimulatedCrash {};

// One file of a set: its name in the folder and its bytes.
struct FileContent {
    std::string name;
    std::string bytes;
};

// Files hold pay and social security numbers: only their owner may read them.
inline constexpr unsigned kOwnerOnly = 0600;

// Every write replaces its file whole: a temporary file in the same folder is written
// and flushed to disk, then renamed over the old one. On failure the old file is left
// as it was and WriteError is thrown.
class FileWriter {
  public:
    void write(const std::filesystem::path& path, std::string_view bytes);
    // For a library that writes to a path: `produce` writes the temporary path given.
    // `mode` is the file's permission bits.
    void writeThrough(const std::filesystem::path& path,
                      const std::function<void(const std::filesystem::path&)>& produce,
                      unsigned mode = kOwnerOnly);
    // Replaces several files of one folder as one change: every temporary file is
    // written and flushed, a manifest of the renames is put in place, the files are
    // renamed, the folder is flushed once and the manifest removed. A crash between the
    // renames leaves the manifest, and completePendingCommit finishes them.
    // `Once`: the temporary files and the manifest are made durable by one flush of the
    // whole file system rather than one each, for a commit of many files (a payroll run);
    // three flushes in all.
    enum class Flushes { EachFile, Once };
    void commit(const std::filesystem::path& folder, const std::vector<FileContent>& files,
                Flushes flushes = Flushes::EachFile);

    // Keeps a copy of a file in its folder under "<name>.<tag>-YYYYMMDD-HHMMSS" (a count is
    // added when that name is taken), never over another file, then flushes the folder;
    // the file itself stays. Returns the copy's name; throws WriteError.
    std::string keepAside(const std::filesystem::path& file, std::string_view tag);
    // Puts a copy of `from` at `to` (a new name): a hard link where the file system has
    // them, which costs nothing and stays the old content because every write replaces
    // its file; otherwise a copy written whole. Throws WriteError.
    void linkOrCopy(const std::filesystem::path& from, const std::filesystem::path& to);

    // Removes a file and flushes its folder; a file already gone is no fault. Throws
    // WriteError.
    void remove(const std::filesystem::path& file);
    WriteFaults faults;
    // Flushes to disk made so far (files and folders).
    int syncs() const { return syncs_; }

  private:
    // `shown` names the file in errors when it is not the path's own name.
    std::filesystem::path writeTemporary(const std::filesystem::path& path, std::string_view bytes,
                                         unsigned mode = kOwnerOnly, const std::string& shown = "",
                                         bool sync = true);
    // Everything written to the file system of the folder open as `folderFd`, to disk.
    void syncFileSystem(int folderFd, const std::string& shown);
    bool syncFile(int fd);
    void syncFolder(const std::filesystem::path& folder);
    int syncs_ = 0;
};

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Holds the folder's writer lock while it lives. A command that reads an employee and
// writes it back later holds it across both, so that no other writer's change falls in
// between and is undone; the writes inside take the lock as held. One per folder at a time.
class HeldFolderLock {
  public:
    explicit HeldFolderLock(const std::filesystem::path& folder);
    ~HeldFolderLock();
    HeldFolderLock(const HeldFolderLock&) = delete;
    HeldFolderLock& operator=(const HeldFolderLock&) = delete;
    // False when this process held the folder already (this one then holds nothing).
    bool outermost() const { return fd_ >= 0; }

  private:
    int fd_;
};

// The manifest of an unfinished commit, in the folder it belongs to.
inline constexpr const char* kCommitManifest = ".corvella-commit";
// A payroll run of every employee is one commit: its manifest holds a line per file.
inline constexpr std::uintmax_t kLargestManifest = 256u << 20;

// Finishes the renames of a commit that a crash interrupted, so the files are wholly
// the new set, then removes the temporary files a killed write left behind of the files
// `written` names (it is given a file's name, the temporary suffix taken off); any other
// file is the user's, whatever its name. True when there was a commit to finish. Throws
// WriteError when it cannot. Writers of one folder take turns (a lock on the folder), so
// this never touches another program's write.
bool completePendingCommit(const std::filesystem::path& folder,
                           const std::function<bool(const std::string&)>& written);

// The longest name of a file written here: a file name holds 255 bytes, and its write
// goes through a temporary file named "<name>.tmp-XXXXXX".
inline constexpr size_t kLongestFileName = 255 - std::string_view(".tmp-XXXXXX").size();

// The longest names made from an employee's name N, of each sort: a member, a saved pay
// period and a member kept aside (under keepAside's longest tag).
inline constexpr std::string_view kLongestDerivedNames[] = {"N.yrw", "MM_DD_YYYY  N.prv",
                                                            "N.yrw.replaced-YYYYMMDD-HHMMSS"};

// In bytes: with it, every file the program writes for the employee fits.
inline constexpr size_t kLongestEmployeeName = [] {
    size_t added = 0;
    for (std::string_view derived : kLongestDerivedNames)
        added = std::max(added, derived.size() - 1);
    return kLongestFileName - added;
}();

// Refuses a name that would leave the working folder, or whose files the file system
// could not hold; throws NameError with the message to show.
void checkEmployeeName(std::string_view name);

}  // namespace corvella
