#include "common/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/errors.h"

namespace corvella {

namespace {
std::optional<size_t> g_failAfter;
}

void setWriteFailureAfterBytesForTesting(std::optional<size_t> bytes) {
    g_failAfter = bytes;
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream f(path, std::ios::binary);
    return f.is_open();
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream f(path, std::ios::binary);
    if (!f.is_open()) return std::nullopt;
    std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return s;
}

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    const std::string shown = path.filename().string();
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    std::string tmpl = (dir / (path.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) throw WriteError(shown, std::strerror(errno));
    auto failWith = [&](int err) {
        ::close(fd);
        ::unlink(name.data());
        throw WriteError(shown, std::strerror(err));
    };
    size_t limit = bytes.size();
    bool simulatedFull = false;
    if (g_failAfter && *g_failAfter < limit) {
        limit = *g_failAfter;
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
    if (g_failAfter) *g_failAfter -= std::min(*g_failAfter, done);
    if (simulatedFull) failWith(ENOSPC);
    if (::fchmod(fd, 0644) != 0) failWith(errno);
    if (::fsync(fd) != 0) failWith(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(name.data());
        throw WriteError(shown, std::strerror(err));
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(name.data());
        throw WriteError(shown, std::strerror(err));
    }
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void checkEmployeeName(std::string_view name) {
    bool bad =
        name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos ||
        name.find('\0') != std::string_view::npos || name.find("..") != std::string_view::npos;
    if (bad)
        throw NameError("The name \"" + std::string(name) +
                        "\" cannot be used: a name may not contain \"/\", \"\\\" or \"..\". "
                        "Choose another name.");
}

}  // namespace corvella
