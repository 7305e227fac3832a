#include "common/fileio.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "common/errors.h"

namespace corvella {

namespace {

void checkReadable(const struct stat& st, const std::filesystem::path& path,
                   std::uintmax_t largest) {
    if (!S_ISREG(st.st_mode)) throw ReadError(path.filename().string(), "not a regular file");
    if (static_cast<std::uintmax_t>(st.st_size) > largest)
        throw ReadError(path.filename().string(), "too large to be a data file");
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

bool fileExists(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    if (!S_ISREG(st.st_mode)) return true;  // there, and refused when read
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    return fd.get() >= 0;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t largest) {
    struct stat st {};
    // A folder is not there as a file, as fileExists says.
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    checkReadable(st, path, largest);
    // Without waiting, in case something else has taken the name since; what was opened
    // is checked again.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    if (::fstat(fd.get(), &st) != 0) return std::nullopt;
    checkReadable(st, path, largest);
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        bytes.append(buf, static_cast<size_t>(n));
        // A file still growing is not read without end.
        if (bytes.size() > largest)
            throw ReadError(path.filename().string(), "too large to be a data file");
    }
    return bytes;
}

namespace {

std::filesystem::path folderOf(const std::filesystem::path& path) {
    auto dir = path.parent_path();
    return dir.empty() ? std::filesystem::path(".") : dir;
}

[[noreturn]] void fail(const std::string& shown, int err) {
    throw WriteError(shown, std::strerror(err));
}

[[noreturn]] void fail(const std::filesystem::path& file, int err) {
    fail(file.filename().string(), err);
}

void renameOrThrow(const std::filesystem::path& from, const std::filesystem::path& to,
                   const std::string& shown = "") {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        if (!shown.empty()) fail(shown, errno);
        fail(to, errno);
    }
}

// The set as messages name it: the files the user saves, never the manifest.
std::string setName(const std::vector<FileContent>& files) {
    if (files.empty()) return kCommitManifest;
    std::string name = files.front().name;
    if (files.size() == 2) name += " and 1 other file";
    if (files.size() > 2) name += " and " + std::to_string(files.size() - 1) + " other files";
    return name;
}

// A name of the manifest that stays inside its folder.
bool plainName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c == '/' || c < 0x20) return false;
    return true;
}

// Only the temporary file of the file it replaces: "<name>.tmp-XXXXXX".
bool temporaryOf(const std::string& from, const std::string& to) {
    const std::string prefix = to + ".tmp-";
    return from.size() == prefix.size() + 6 && from.compare(0, prefix.size(), prefix) == 0;
}

bool isFolder(const std::filesystem::path& p) {
    std::error_code ec;  // a name the system cannot take is refused later, by the write
    return std::filesystem::is_directory(p, ec);
}

void flushFolder(const std::filesystem::path& folder) {
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd < 0) return;  // the renames stand; only their flush is left to the kernel
    ::fsync(dfd);
    ::close(dfd);
}

// The folders whose lock this process holds for a whole command (HeldFolderLock), by
// device and inode: a second flock on them here would wait for ourselves.
std::set<std::pair<dev_t, ino_t>>& heldFolders() {
    static std::set<std::pair<dev_t, ino_t>> held;
    return held;
}

std::optional<std::pair<dev_t, ino_t>> folderId(int fd) {
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return std::nullopt;
    return std::pair{st.st_dev, st.st_ino};
}

void lockExclusive(int fd) {
    if (fd >= 0)
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
}

// Writers of one folder take turns: an exclusive lock on the folder itself, held while
// files are replaced or a leftover commit is finished.
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        const auto id = folderId(fd_);
        if (id && heldFolders().count(*id)) {
            ::close(fd_);  // held for the whole command already
            fd_ = -1;
        }
        lockExclusive(fd_);
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int fd_;
};

// The file a temporary name "<name>.tmp-XXXXXX" (as writeTemporary names its files)
// stands for, or "" for any other name.
std::string fileOfTemporary(const std::string& name) {
    const auto at = name.rfind(".tmp-");
    if (at == std::string::npos || at == 0 || name.size() != at + 11) return "";
    for (size_t i = at + 5; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return "";
    return name.substr(0, at);
}

bool finishCommit(const std::filesystem::path& folder);

}  // namespace

bool FileWriter::syncFile(int fd) {
    ++syncs_;
    return ::fsync(fd) == 0;
}

void FileWriter::syncFolder(const std::filesystem::path& folder) {
    ++syncs_;
    flushFolder(folder);
}

void FileWriter::syncFileSystem(int folderFd, const std::string& shown) {
    ++syncs_;
    if (::syncfs(folderFd) != 0) fail(shown, errno);
}

std::filesystem::path FileWriter::writeTemporary(const std::filesystem::path& path,
                                                 std::string_view bytes, unsigned mode,
                                                 const std::string& shown, bool sync) {
    const std::string named = shown.empty() ? path.filename().string() : shown;
    std::string tmpl = (folderOf(path) / (path.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) fail(named, errno);
    auto failWith = [&](int err) {
        ::close(fd);
        ::unlink(name.data());
        fail(named, err);
    };
    size_t limit = bytes.size();
    bool simulatedFull = false;
    if (faults.failAfterBytes && *faults.failAfterBytes < limit) {
        limit = *faults.failAfterBytes;
        simulatedFull = true;
    }
    size_t done = 0;
    while (done < limit) {
        ssize_t w = ::write(fd, bytes.data() + done, limit - done);
        if (w < 0) {
            if (errno == EINTR) continue;
            failWith(errno);
        }
        done += static_cast<size_t>(w);
    }
    if (faults.failAfterBytes) *faults.failAfterBytes -= std::min(*faults.failAfterBytes, done);
    if (simulatedFull) failWith(ENOSPC);
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) failWith(errno);
    if (sync && !syncFile(fd)) failWith(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(name.data());
        fail(named, err);
    }
    return std::filesystem::path(name.data());
}

void FileWriter::write(const std::filesystem::path& path, std::string_view bytes) {
    FolderLock lock(folderOf(path));
    const auto tmp = writeTemporary(path, bytes);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail(path, err);
    }
    syncFolder(folderOf(path));
}

void FileWriter::writeThrough(const std::filesystem::path& path,
                              const std::function<void(const std::filesystem::path&)>& produce,
                              unsigned mode) {
    FolderLock lock(folderOf(path));
    const auto tmp = writeTemporary(path, {}, mode);
    auto discard = [&] { ::unlink(tmp.c_str()); };
    try {
        produce(tmp);
    } catch (...) {
        discard();
        throw;
    }
    int fd = ::open(tmp.c_str(), O_RDWR);
    if (fd < 0) {
        int err = errno;
        discard();
        fail(path, err);
    }
    const bool full = faults.failAfterBytes.has_value();
    // The library may have made the file anew: its bits are ours to set.
    if (full || ::fchmod(fd, static_cast<mode_t>(mode)) != 0 || !syncFile(fd)) {
        int err = full ? ENOSPC : errno;
        ::close(fd);
        discard();
        fail(path, err);
    }
    ::close(fd);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        discard();
        fail(path, err);
    }
    syncFolder(folderOf(path));
}

void FileWriter::commit(const std::filesystem::path& folder, const std::vector<FileContent>& files,
                        Flushes flushes) {
    FolderLock lock(folder);
    const bool once = flushes == Flushes::Once;
    // A folder in a file's place would stop the renames halfway: refuse it up front.
    for (const auto& f : files)
        if (isFolder(folder / f.name)) fail(folder / f.name, EISDIR);
    // Another commit's leftover manifest is finished, never written over.
    finishCommit(folder);
    // Opened before the first write: a file system reports to a descriptor only the write
    // errors that came after it was opened.
    Descriptor system(once ? ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1);
    if (once && system.get() < 0) fail(setName(files), errno);
    std::vector<std::filesystem::path> temps;
    std::string manifest;
    try {
        for (const auto& f : files) {
            temps.push_back(writeTemporary(folder / f.name, f.bytes, kOwnerOnly, "", !once));
            manifest += temps.back().filename().string() + "\t" + f.name + "\n";
        }
        manifest += "end\n";
        // The manifest itself appears whole or not at all.
        const std::string shown = setName(files);
        // One the next start could not read would leave the set half done.
        if (manifest.size() > kLargestManifest)
            throw WriteError(shown, "too many files for one change");
        const auto manifestTemp =
            writeTemporary(folder / kCommitManifest, manifest, kOwnerOnly, shown, !once);
        temps.push_back(manifestTemp);
        // Every temporary file and the manifest reach the disk in one flush, before the
        // manifest takes its name.
        if (once) syncFileSystem(system.get(), shown);
        renameOrThrow(manifestTemp, folder / kCommitManifest, shown);
        temps.pop_back();
    } catch (...) {
        for (const auto& t : temps) ::unlink(t.c_str());
        throw;
    }
    // The manifest and the temporary files are on disk before any rename, so a crash
    // from here on is finished at the next start.
    syncFolder(folder);
    try {
        for (size_t i = 0; i <= files.size(); ++i) {
            if (faults.stopAfterRenames && static_cast<size_t>(*faults.stopAfterRenames) == i)
                throw SimulatedCrash{};
            if (i < files.size()) renameOrThrow(temps[i], folder / files[i].name);
        }
    } catch (const WriteError& e) {
        // Finish the set now if the system lets us: then it is whole and stands. Otherwise
        // the manifest stays for the next start, and the caller hears so.
        try {
            finishCommit(folder);
            return;
        } catch (const WriteError&) {
        }
        throw PendingCommitError(e.file, std::string(e.what()).substr(e.file.size() + 2) +
                                             "; it is finished at the next start");
    }
    // The renames are on disk before the manifest goes.
    syncFolder(folder);
    ::unlink((folder / kCommitManifest).c_str());
}

namespace {

// The kept copy's name: the file's name and the suffix, the name cut short (its
// extension kept, "~" where it was cut) where the two would pass what a file name may
// hold, less the temporary suffix a copy is written under.
std::string keptName(const std::string& file, const std::string& suffix) {
    constexpr size_t kLongest = kLongestFileName;
    if (file.size() + suffix.size() <= kLongest) return file + suffix;
    const auto dot = file.rfind('.');
    const std::string ext = dot == std::string::npos || dot == 0 ? "" : file.substr(dot);
    std::string stem = file.substr(0, file.size() - ext.size());
    const size_t room = kLongest - std::min(kLongest, suffix.size() + ext.size() + 1);
    stem.resize(std::min(stem.size(), room));
    // Never half a UTF-8 character.
    while (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0xC0) == 0x80)
        stem.pop_back();
    if (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0x80)) stem.pop_back();
    return stem + "~" + ext + suffix;
}

}  // namespace

std::string FileWriter::keepAside(const std::filesystem::path& file, std::string_view tag) {
    const auto folder = folderOf(file);
    char stamp[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string suffix = ".";
    suffix.append(tag).append("-").append(stamp);
    const std::string base = file.filename().string() + suffix;
    for (int n = 1; n <= 100; ++n) {
        std::string numbered = suffix;
        if (n > 1) numbered.append("-").append(std::to_string(n));
        const std::string name = keptName(file.filename().string(), numbered);
        const auto to = folder / name;
        std::error_code ec;
        if (std::filesystem::exists(to, ec)) continue;
        // A copy, not a move: the file stays in place until the write that follows
        // replaces it, so a write that fails leaves the employee as it was.
        linkOrCopy(file, to);
        syncFolder(folder);
        return name;
    }
    fail(folder / base, EEXIST);
}

void FileWriter::linkOrCopy(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::link(from.c_str(), to.c_str()) == 0) return;
    if (errno == EEXIST) fail(to, EEXIST);
    std::optional<std::string> bytes;
    try {
        bytes = readFileBytes(from);
    } catch (const ReadError& e) {
        throw WriteError(e.file, e.problem);
    }
    if (!bytes) fail(from, EIO);
    write(to, *bytes);
}

void FileWriter::remove(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) fail(file, errno);
    syncFolder(folderOf(file));
}

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    FileWriter().write(path, bytes);
}

bool completePendingCommit(const std::filesystem::path& folder,
                           const std::function<bool(const std::string&)>& written) {
    FolderLock lock(folder);
    const bool found = finishCommit(folder);
    // A temporary of ours left now is a killed write's: no one is writing.
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        std::error_code fileEc;
        if (!e.is_regular_file(fileEc)) continue;
        const std::string file = fileOfTemporary(e.path().filename().string());
        if (!file.empty() && (file == kCommitManifest || written(file))) ::unlink(e.path().c_str());
    }
    return found;
}

namespace {

bool finishCommit(const std::filesystem::path& folder) {
    const auto manifestPath = folder / kCommitManifest;
    auto text = readFileBytes(manifestPath, kLargestManifest);
    if (!text) return false;
    std::vector<std::pair<std::string, std::string>> renames;
    bool complete = false;
    size_t pos = 0;
    while (pos < text->size()) {
        size_t end = text->find('\n', pos);
        if (end == std::string::npos) break;
        std::string line = text->substr(pos, end - pos);
        pos = end + 1;
        if (line == "end") {
            complete = true;
            break;
        }
        auto tab = line.find('\t');
        if (tab == std::string::npos) break;
        std::string from = line.substr(0, tab), to = line.substr(tab + 1);
        if (!plainName(from) || !plainName(to) || !temporaryOf(from, to)) break;
        renames.emplace_back(std::move(from), std::move(to));
    }
    if (complete) {
        // A temporary file that is gone was renamed before the crash.
        for (const auto& [from, to] : renames) {
            std::error_code ec;
            if (std::filesystem::exists(folder / from, ec))
                renameOrThrow(folder / from, folder / to);
        }
        flushFolder(folder);
    }
    if (::unlink(manifestPath.c_str()) != 0) fail(manifestPath, errno);
    return true;
}

}  // namespace

void checkEmployeeName(std::string_view name) {
    bool bad = name.find('/') != std::string_view::npos ||
               name.find('\\') != std::string_view::npos ||
               name.find("..") != std::string_view::npos;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) bad = true;  // tabs, line ends and the like
    // Counted in bytes, as the file system counts them.
    if (name.size() > kLongestEmployeeName)
        throw NameError("The name is " + std::to_string(name.size()) +
                        " bytes long; a name may have at most " +
                        std::to_string(kLongestEmployeeName) +
                        " bytes (a letter such as \"é\" takes two). Choose a shorter name.");
    if (bad)
        throw NameError("The name \"" + std::string(name) +
                        "\" cannot be used: a name may not contain \"/\", \"\\\", \"..\" or a "
                        "control character such as a tab. "
                        "Choose another name.");
}

HeldFolderLock::HeldFolderLock(const std::filesystem::path& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    const auto id = folderId(fd_);
    if (!id || heldFolders().count(*id)) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        return;
    }
    lockExclusive(fd_);
    heldFolders().insert(*id);
}

HeldFolderLock::~HeldFolderLock() {
    if (fd_ < 0) return;
    if (const auto id = folderId(fd_)) heldFolders().erase(*id);
    ::close(fd_);
}

}  // namespace corvella
