#include <benchmark/benchmark.h>

#include "calendar/lunar.hpp"
#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/unscramble.hpp"
#include "text/gbk.hpp"

namespace varnel {
namespace {

void BM_SolarToLunar(benchmark::State& state) {
    DateTime x = EncodeDate(2099, 6, 1);
    for (auto _ : state) benchmark::DoNotOptimize(SolarToLunar(x));
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    const LunarDate d{2099, 6, 1, false};
    for (auto _ : state) benchmark::DoNotOptimize(LunarToSolar(d));
}
BENCHMARK(BM_LunarToSolar);

void BM_SolarTermOfDate(benchmark::State& state) {
    const DateTime x = EncodeDate(2000, 2, 4);
    for (auto _ : state) benchmark::DoNotOptimize(SolarTermOfDate(x));
}
BENCHMARK(BM_SolarTermOfDate);

void BM_GbkLength(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GbkLength("庚申(猴年)八月初三 生肖:猴"));
}
BENCHMARK(BM_GbkLength);

void BM_Unscramble(benchmark::State& state) {
    const std::string hex = Scramble(std::string(200, 'a') + "称骨算命之法，以年月日时之重相加。");
    for (auto _ : state) benchmark::DoNotOptimize(Unscramble(hex));
}
BENCHMARK(BM_Unscramble);

// One knowledge lookup: open a read-only connection, run one statement, close.
void BM_Lookup(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            QueryFirstRow(TgcodePath(), "select layin from jiazi where jiazi = '甲子' limit 1"));
    }
}
BENCHMARK(BM_Lookup);

}  // namespace
}  // namespace varnel

BENCHMARK_MAIN();
