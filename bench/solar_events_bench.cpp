// One equinox or solstice instant in UT, Delta T included.
#include <benchmark/benchmark.h>

#include "solar/solar_events.h"

static void BM_EquinoxSolsticeJD(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    std::int32_t year = static_cast<std::int32_t>(state.range(0));
    const std::int32_t first = year;
    std::int16_t event = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::EquinoxSolsticeJD(event, year));
        event = static_cast<std::int16_t>((event + 1) & 3);
        if (event == 0) year = year < first + 999 ? year + 1 : first;
    }
}
// Years before 1915 take the nine-formula Delta T consensus; later ones the
// single parabola.
BENCHMARK(BM_EquinoxSolsticeJD)->Arg(1)->Arg(2000);

// The parts: the periodic terms alone, and the instant in TT without the
// Delta T call.
static void BM_PeriodicTermsSum(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    double T = -50.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::PeriodicTermsSum(T));
        T = T < 10.0 ? T + 0.001 : -50.0;
    }
}
BENCHMARK(BM_PeriodicTermsSum);

static void BM_EquinoxSolsticeJDE(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::EquinoxSolsticeJDE(0, year));
        year = year < 3000 ? year + 1 : 1;
    }
}
BENCHMARK(BM_EquinoxSolsticeJDE);
