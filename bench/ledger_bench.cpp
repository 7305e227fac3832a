// Speed of the ledger: opening the frame on a full weekly year (both fills and the
// totals), and closing it with Yes (SaveLedger with its durable write).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "common/ports.h"
#include "shell/session.h"

namespace {

using namespace corvella;

struct FullYear {
    std::filesystem::path folder;
    ScriptedUi ui;
    std::unique_ptr<Session> s;

    FullYear() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "corvella-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp");
        folder = tmpl;
        for (auto& f : std::filesystem::directory_iterator(
                 std::filesystem::path(CORVELLA_SOURCE_DIR) / "data"))
            if (f.is_regular_file())
                std::filesystem::copy_file(f.path(), folder / f.path().filename());
        s = std::make_unique<Session>(ui, folder);
        s->Form_Load();
        s->openEmployee(folder / "Sample.use");
        s->main.txtAmount[0].text = "40";
        s->Calcu_late();
        s->openLedger();
        for (int week = 1; week <= 53; ++week) s->ledgerPost(week);
        ui.yesNoAnswers.push_back(true);
        s->ledgerClose();
    }
    ~FullYear() {
        s.reset();
        std::filesystem::remove_all(folder);
    }
};

void BM_OpenLedgerFullWeeklyYear(benchmark::State& st) {
    FullYear y;
    for (auto _ : st) benchmark::DoNotOptimize(&y.s->openLedger());
}
BENCHMARK(BM_OpenLedgerFullWeeklyYear)->Unit(benchmark::kMicrosecond);

void BM_SaveLedgerFullWeeklyYear(benchmark::State& st) {
    FullYear y;
    for (auto _ : st) {
        st.PauseTiming();
        y.s->openLedger();
        y.ui.yesNoAnswers.push_back(true);
        st.ResumeTiming();
        benchmark::DoNotOptimize(y.s->ledgerClose());
    }
}
BENCHMARK(BM_SaveLedgerFullWeeklyYear)->Unit(benchmark::kMillisecond);

}  // namespace
