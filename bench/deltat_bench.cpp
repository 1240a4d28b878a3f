// varquel's deltat through the program's binding (resolved once, then a
// plain call), over the consensus years and the modern branch.
#include <benchmark/benchmark.h>

#include "outside/varquel_binding.h"

static void BM_DeltaTConsensus(benchmark::State& state) {
    double year = -3000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::VarquelDeltaT(year, 1915));
        year = year < 1914 ? year + 1 : -3000;
    }
}
BENCHMARK(BM_DeltaTConsensus);

static void BM_DeltaTModern(benchmark::State& state) {
    double year = 1915;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::VarquelDeltaT(year, 1915));
        year = year < 3000 ? year + 1 : 1915;
    }
}
BENCHMARK(BM_DeltaTModern);
