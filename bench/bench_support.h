#pragma once
// What the benchmarks share: a copy of the data folder to work in, and a whole program run
// as a child process with what it cost (the child's processor time, user + system, from
// wait4, and the time on the clock).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace corvella::bench {

// A new folder under the system's temporary folder holding a copy of data/ (the federal
// table and the sample employee); the caller removes it.
inline std::filesystem::path makeDataFolder() {
    namespace fs = std::filesystem;
    std::string tmpl = (fs::temp_directory_path() / "corvella-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp");
    for (auto& f : fs::directory_iterator(fs::path(CORVELLA_SOURCE_DIR) / "data"))
        if (f.is_regular_file()) fs::copy_file(f.path(), fs::path(tmpl) / f.path().filename());
    return tmpl;
}

struct ProcessCost {
    double cpuMs = 0;
    double wallMs = 0;
};

inline pid_t spawnQuiet(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

inline double cpuMs(const rusage& ru) {
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 +
           (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
}

// Runs the program to its end; throws when it fails.
inline ProcessCost runProcess(const std::vector<std::string>& argv) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawnQuiet(argv);
    int status = 0;
    rusage ru{};
    if (::wait4(pid, &status, 0, &ru) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(argv[0] + " failed");
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    return {cpuMs(ru), wall.count()};
}

}  // namespace corvella::bench
