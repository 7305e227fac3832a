// Speed of the payroll run: a thousand employees posted in one run, durable, each run from
// a folder as it stood before the week (so the day's backups are taken every time).
// A run of a thousand is timed once, in a folder just made: ext4 passes over the files it
// freed in the last minute when it makes new ones, so runs repeated within the minute
// (each replacing a thousand ledgers) time the file system's bookkeeping, not the run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "bench_support.h"
#include "common/ports.h"
#include "shell/session.h"

namespace {

using namespace corvella;
namespace fs = std::filesystem;

// The sample with every member written (as after its first save), then copied under
// `count` names: a folder of that many employees.
fs::path folderOf(int count) {
    const fs::path folder = corvella::bench::makeDataFolder();
    {
        ScriptedUi ui;
        Session s(ui, folder);
        s.Form_Load();
        if (!s.openEmployee(folder / "Sample.use")) throw std::runtime_error("no sample");
        // Six weeks paid already: the run replaces a ledger, as it will every week.
        s.main.txtAmount[0].focusAndType("40");
        if (s.Calcu_late() != Session::RunOutcome::Done) throw std::runtime_error("no run");
        s.openLedger();
        for (int week = 1; week <= 6; ++week) s.ledgerPost(week);
        ui.answers.push_back(Answer::Yes);
        if (!s.ledgerClose()) throw std::runtime_error("no ledger");
    }
    std::vector<fs::path> members;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().stem() == "Sample") members.push_back(e.path());
    for (int i = 0; i < count; ++i) {
        const std::string name = "Employee " + std::to_string(1000 + i);
        for (const fs::path& m : members)
            fs::copy_file(m, folder / (name + m.extension().string()));
    }
    for (const fs::path& m : members) fs::remove(m);
    return folder;
}

RunRequest weekOf(int count) {
    RunRequest q;
    q.weekEnding = "02/13/2015";
    q.row = 7;
    for (int i = 0; i < count; ++i) {
        RunEntry e;
        e.name = "Employee " + std::to_string(1000 + i);
        e.boxes = {std::to_string(30 + i % 15), std::to_string(i % 4), "", "", "", "", "", ""};
        q.entries.push_back(std::move(e));
    }
    return q;
}

// The folder's files by name, with their bytes.
std::map<std::string, std::string> filesOf(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) {
            std::ifstream in(e.path(), std::ios::binary);
            out[e.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
        }
    return out;
}

void BM_PayrollRun(benchmark::State& st) {
    const int count = static_cast<int>(st.range(0));
    const fs::path folder = folderOf(count);
    const auto before = filesOf(folder);
    const RunRequest q = weekOf(count);
    int flushes = 0;
    for (auto _ : st) {
        ScriptedUi ui;
        Session s(ui, folder);
        s.Form_Load();
        const RunReport r = s.payrollRun(q);
        if (r.outcome != RunReport::Outcome::Posted || r.posted != count)
            st.SkipWithError(("the run was not posted: " + r.problem).c_str());
        flushes = r.flushes;
        // The week undone, in place: a folder copied anew each time would leave the file
        // system so many freed files that making new ones would cost more than the run.
        st.PauseTiming();
        fs::remove_all(folder / "backup");
        for (const auto& [name, bytes] : filesOf(folder)) {
            const auto was = before.find(name);
            if (was == before.end())
                fs::remove(folder / name);
            else if (was->second != bytes)
                std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << was->second;
        }
        st.ResumeTiming();
    }
    fs::remove_all(folder);
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    st.counters["employees/s"] =
        benchmark::Counter(static_cast<double>(count) * static_cast<double>(st.iterations()),
                           benchmark::Counter::kIsRate);
    st.counters["flushes"] = flushes;
    st.counters["peak_rss_MiB"] = static_cast<double>(ru.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_PayrollRun)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PayrollRun)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
