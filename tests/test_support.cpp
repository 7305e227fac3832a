#include "test_support.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "state/dialog_state.h"

extern char** environ;

namespace corvella::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "corvella-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream f(path_ / name, std::ios::binary);
    f << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream f(path_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::filesystem::path sourceDir() {
    return CORVELLA_SOURCE_DIR;
}
std::filesystem::path dataDir() {
    return sourceDir() / "data";
}

std::string fixture(const std::string& relativePath) {
    const std::filesystem::path file = sourceDir() / "tests" / "data" / relativePath;
    std::ifstream f(file, std::ios::binary);
    if (!f) throw std::runtime_error("no test fixture " + file.string());
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

StateSettings newYorkSettings() {
    StateSettings st;
    DialogState d(st);
    d.cmdDefault_Click();
    d.fillVari();
    return st;
}

namespace {

std::string readAll(FILE* f) {
    std::string out;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) out.append(buf.data(), n);
    return out;
}

}  // namespace

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t eol; (eol = bytes.find("\r\n", start)) != std::string::npos; start = eol + 2)
        out.push_back(bytes.substr(start, eol - start));
    EXPECT_EQ(start, bytes.size()) << "text after the last CR LF";
    return out;
}

void copyDataFolder(const std::filesystem::path& to) {
    for (const auto& f : std::filesystem::directory_iterator(dataDir()))
        if (f.is_regular_file()) std::filesystem::copy_file(f.path(), to / f.path().filename());
}

CliResult runCli(const std::string& args, int timeLimitSeconds) {
    std::string errName = (std::filesystem::temp_directory_path() / "corvella-err-XXXXXX").string();
    const int errFd = ::mkstemp(errName.data());
    if (errFd < 0) throw std::runtime_error("mkstemp failed");
    ::close(errFd);
    const std::string limit =
        timeLimitSeconds > 0 ? "timeout -k 5 " + std::to_string(timeLimitSeconds) + " " : "";
    const std::string cmd = limit + "'" + CORVELLA_CLI + "' " + args + " 2>'" + errName + "'";
    CliResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) throw std::runtime_error("popen failed");
    r.out = readAll(p);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    if (FILE* e = std::fopen(errName.c_str(), "r")) {
        r.err = readAll(e);
        std::fclose(e);
    }
    std::filesystem::remove(errName);
    return r;
}

pid_t startCliQuiet(const std::vector<std::string>& args) {
    std::vector<const char*> argv = {CORVELLA_CLI};
    for (const std::string& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, CORVELLA_CLI, &actions, nullptr,
                               const_cast<char**>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("posix_spawn failed");
    return pid;
}

std::string jsonField(const std::string& json, const std::string& key) {
    const auto k = json.find("\"" + key + "\": ");
    if (k == std::string::npos) return "<missing " + key + ">";
    const auto start = k + key.size() + 4;
    if (json[start] == '"') return json.substr(start + 1, json.find('"', start + 1) - start - 1);
    return json.substr(start, json.find_first_of(",}", start) - start);
}

std::map<std::string, std::string> folderFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        out[e.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
    }
    return out;
}

}  // namespace corvella::test
