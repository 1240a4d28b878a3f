// varquel's lunar phase routine through its export resolved by name: a new
// or full moon with its eclipse record, and the instant alone.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "../varquel/varquel.h"
#include "outside/dynamic_library.h"
#include "outside/varquel_binding.h"

namespace {

#if defined(_WIN32) && !defined(_WIN64)
#define KALVEST_BENCH_STDCALL __stdcall
#else
#define KALVEST_BENCH_STDCALL
#endif

using PhaseFunction = double(KALVEST_BENCH_STDCALL*)(std::int32_t, std::int32_t, phase_record*);

PhaseFunction LoadPhase() {
    static kalvest::DynamicLibrary library("varquel", kalvest::DefaultVarquelFileName());
    return reinterpret_cast<PhaseFunction>(
        library.Symbol(kalvest::VarquelExportName("varquel", 12)));
}

// Lunations -1000..1000 in turn, so that eclipses and misses mix as they
// do in a real sweep.
void PhaseWithRecord(benchmark::State& state, std::int32_t phase) {
    const PhaseFunction varquel = LoadPhase();
    std::int32_t lunation = -1000;
    phase_record record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(varquel(lunation, phase, &record));
        benchmark::ClobberMemory();
        lunation = lunation < 1000 ? lunation + 1 : -1000;
    }
}

void BM_NewMoonWithEclipseRecord(benchmark::State& state) {
    PhaseWithRecord(state, VARQUEL_NEW_MOON);
}
BENCHMARK(BM_NewMoonWithEclipseRecord);

void BM_FullMoonWithEclipseRecord(benchmark::State& state) {
    PhaseWithRecord(state, VARQUEL_FULL_MOON);
}
BENCHMARK(BM_FullMoonWithEclipseRecord);

void BM_PhaseInstantOnly(benchmark::State& state) {
    const PhaseFunction varquel = LoadPhase();
    std::int32_t lunation = -1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(varquel(lunation, VARQUEL_FULL_MOON, nullptr));
        lunation = lunation < 1000 ? lunation + 1 : -1000;
    }
}
BENCHMARK(BM_PhaseInstantOnly);

}  // namespace
