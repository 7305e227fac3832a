// Speed of the pay run: the computation on loaded records, and a whole Open + ADD with
// its durable save of one employee in a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "bench_support.h"
#include "common/ports.h"
#include "engine/pay_calc.h"
#include "shell/session.h"

namespace {

using namespace corvella;

void BM_PayRunOnLoadedRecords(benchmark::State& st) {
    auto folder = corvella::bench::makeDataFolder();
    ScriptedUi ui;
    Session s(ui, folder);
    s.Form_Load();
    s.openEmployee(folder / "Sample.use");
    s.LoadFedTable();
    s.cityScreen();
    PayRunInputs in = payRunInputs(s.main, s.stateScreen());
    in.optBiWeek = s.taxInfo().optBiWeek.selected();
    in.optWeek = s.taxInfo().optWeek.selected();
    in.YtdWages = s.ledger.YtdWages();
    in.CafeAmt = s.profile.CafeAmt;
    in.txtAmount[0] = "40";
    in.txtAmount[3] = "5";
    for (auto _ : st) {
        PayResult r = computePayRun(in, s.profile, s.state, s.city, s.nonCity, s.fed);
        benchmark::DoNotOptimize(r.run.NetPay);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PayRunOnLoadedRecords);

void BM_OpenCalculateSave(benchmark::State& st) {
    auto folder = corvella::bench::makeDataFolder();
    ScriptedUi ui;
    Session s(ui, folder);
    s.Form_Load();
    for (auto _ : st) {
        s.openEmployee(folder / "Sample.use");
        s.main.txtAmount[0].text = "40";
        auto outcome = s.Calcu_late();
        benchmark::DoNotOptimize(outcome);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenCalculateSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
