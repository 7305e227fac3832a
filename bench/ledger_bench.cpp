// Speed of the ledger: opening the frame on a full weekly year (both fills and the
// totals), and closing it with Yes (SaveLedger with its durable write).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "bench_support.h"
#include "common/ports.h"
#include "shell/session.h"

namespace {

using namespace corvella;

struct FullYear {
    std::filesystem::path folder;
    ScriptedUi ui;
    std::unique_ptr<Session> s;

    FullYear() {
        folder = bench::makeDataFolder();
        s = std::make_unique<Session>(ui, folder);
        s->Form_Load();
        s->openEmployee(folder / "Sample.use");
        s->main.txtAmount[0].text = "40";
        s->Calcu_late();
        s->openLedger();
        for (int week = 1; week <= 53; ++week) s->ledgerPost(week);
        ui.answers.push_back(Answer::Yes);  // "Do you want to save YTD"
        if (!s->ledgerClose()) throw std::runtime_error("the full year was not saved");
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
        y.ui.answers.push_back(Answer::Yes);
        st.ResumeTiming();
        benchmark::DoNotOptimize(y.s->ledgerClose());
    }
}
BENCHMARK(BM_SaveLedgerFullWeeklyYear)->Unit(benchmark::kMillisecond);

}  // namespace
