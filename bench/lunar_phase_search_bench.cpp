// The precise phases of the Moon: a year's new moons, quarters and full
// moons, each searched from varquel's classical instant (at most 2 ms a
// year), beside the classical instants alone; and one position of the Moon
// from its series (about 10 us at most).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "ephemeris/lunar_phase_search.h"
#include "ephemeris/moon_position.h"
#include "outside/varquel_binding.h"

namespace {

// The lunations and phases whose instants (TT) fall in 2025.
std::vector<std::pair<std::int32_t, int>> PhasesOf2025() {
    constexpr double kStart = 2460676.5;  // 2025 January 1, 0h
    constexpr double kEnd = 2461041.5;    // 2026 January 1
    std::vector<std::pair<std::int32_t, int>> phases;
    const auto first = static_cast<std::int32_t>(std::floor(25 * 12.3685)) - 1;
    for (std::int32_t lunation = first; lunation <= first + 14; ++lunation) {
        for (int phase = 0; phase < 4; ++phase) {
            const double jde = kalvest::VarquelPhase(lunation, phase, nullptr);
            if (jde >= kStart && jde < kEnd) phases.emplace_back(lunation, phase);
        }
    }
    return phases;
}

void BM_PrecisePhasesOfYear(benchmark::State& state) {
    const auto phases = PhasesOf2025();
    for (auto _ : state) {
        for (const auto& [lunation, phase] : phases) {
            const double start = kalvest::VarquelPhase(lunation, phase, nullptr);
            benchmark::DoNotOptimize(kalvest::PreciseLunarPhase(phase, start));
        }
    }
    state.counters["phases"] = static_cast<double>(phases.size());
}
BENCHMARK(BM_PrecisePhasesOfYear)->Unit(benchmark::kMicrosecond);

void BM_ClassicalPhasesOfYear(benchmark::State& state) {
    const auto phases = PhasesOf2025();
    for (auto _ : state) {
        for (const auto& [lunation, phase] : phases) {
            benchmark::DoNotOptimize(kalvest::VarquelPhase(lunation, phase, nullptr));
        }
    }
    state.counters["phases"] = static_cast<double>(phases.size());
}
BENCHMARK(BM_ClassicalPhasesOfYear)->Unit(benchmark::kMicrosecond);

void BM_MoonFromSeries(benchmark::State& state) {
    double jd = 2460676.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::MoonFromElp(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_MoonFromSeries)->Unit(benchmark::kMicrosecond);

}  // namespace
