// Cost of the text conversions every calculation step goes through.
#include "core/common/numeric.h"
#include "core/common/text.h"

#include <benchmark/benchmark.h>

using namespace ruvivavu;

static void BM_RemovePonto(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(RemovePonto("1.234.567,89"));
}
BENCHMARK(BM_RemovePonto);

static void BM_RemovePontoTodos(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(RemovePontoTodos("1.234.567,89"));
}
BENCHMARK(BM_RemovePontoTodos);

static void BM_FormatMoney(benchmark::State& state) {
    Number v = 1234567.891L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat(kMoney, v));
        v += 0.01L;
    }
}
BENCHMARK(BM_FormatMoney);

static void BM_FormatYield(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FormatFloat(kYield, 2.5123456789L));
}
BENCHMARK(BM_FormatYield);
