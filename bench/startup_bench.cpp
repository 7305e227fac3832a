// Start-up of the command line as a whole process: a pay run through `corvella-cli calc`
// and `--help`, each against /bin/true, in the child's processor time. The counters give
// both programs' cost per run, what the command costs beyond /bin/true, and the ratio.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"

namespace {

namespace fs = std::filesystem;
using corvella::bench::runProcess;

void againstTrue(benchmark::State& st, const std::vector<std::string>& command) {
    double commandCpu = 0, trueCpu = 0;
    try {
        for (auto _ : st) {
            trueCpu += runProcess({"/bin/true"}).cpuMs;
            commandCpu += runProcess(command).cpuMs;
        }
    } catch (const std::exception& e) {
        st.SkipWithError(e.what());
        return;
    }
    const double n = static_cast<double>(st.iterations());
    st.counters["cpu_ms"] = commandCpu / n;
    st.counters["true_cpu_ms"] = trueCpu / n;
    st.counters["beyond_true_ms"] = (commandCpu - trueCpu) / n;
    st.counters["ratio"] = trueCpu > 0 ? commandCpu / trueCpu : 0;
}

void BM_CalcProcess(benchmark::State& st) {
    const fs::path folder = corvella::bench::makeDataFolder();
    againstTrue(st, {CORVELLA_CLI, "-C", folder.string(), "calc", "Sample", "--box", "0=40"});
    fs::remove_all(folder);
}
BENCHMARK(BM_CalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HelpProcess(benchmark::State& st) {
    againstTrue(st, {CORVELLA_CLI, "--help"});
}
BENCHMARK(BM_HelpProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
