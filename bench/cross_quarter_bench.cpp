// Cross-quarter instants: the mean sun (two equinox or solstice instants
// with Delta T), the true sun as the program asks for it (the same, plus
// the true-sun search), and the true-sun search alone from TT brackets.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "outside/fendrick.h"
#include "solar/cross_quarter.h"
#include "solar/solar_events.h"

namespace {

template <double (*kMethod)(std::int32_t, std::int16_t)>
void BM_CrossQuarter(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    std::int32_t year = 1;
    std::int16_t code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kMethod(year, code));
        code = static_cast<std::int16_t>((code + 1) & 3);
        if (code == 0) year = year < 3000 ? year + 1 : 1;
    }
}
BENCHMARK(BM_CrossQuarter<kalvest::CrossQuarterMeanSun>)->Name("BM_CrossQuarterMeanSun");
BENCHMARK(BM_CrossQuarter<kalvest::CrossQuarterTrueSun>)->Name("BM_CrossQuarterTrueSun");

// One true-sun instant, brackets prepared beforehand, over years 1..3000.
void BM_TrueSunInstant(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    struct Call {
        double first;
        double second;
        std::int32_t code;
    };
    std::vector<Call> calls;
    for (std::int32_t year = 1; year <= 3000; year += 7) {
        for (std::int16_t code = 0; code < 4; ++code) {
            const double first =
                code == 0 ? kalvest::EquinoxSolsticeJDE(kalvest::kDecemberSolstice, year - 1)
                          : kalvest::EquinoxSolsticeJDE(static_cast<std::int16_t>(code - 1), year);
            calls.push_back({first, kalvest::EquinoxSolsticeJDE(code, year), code});
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Call& call = calls[i];
        benchmark::DoNotOptimize(
            kalvest::crossquarterday_true_sun3(call.first, call.second, call.code));
        i = i + 1 < calls.size() ? i + 1 : 0;
    }
}
BENCHMARK(BM_TrueSunInstant);

}  // namespace
