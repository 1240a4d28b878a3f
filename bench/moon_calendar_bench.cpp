// The Moon's calendar of a year: every phase with its eclipses, Delta T
// and date texts, as the command line and the moon-list window ask for it.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "datetime/date_time_text.h"
#include "lunar/moon_calendar.h"

namespace {

// 2025: two total lunar and two partial solar eclipses. Year -2000: Delta T
// from the consensus of the long-term formulas instead of one parabola.
void BM_MoonCalendarOfYear(benchmark::State& state) {
    const auto year = static_cast<std::int32_t>(state.range(0));
    const kalvest::UtcOffsetAt zone = kalvest::FixedUtcOffset(60);
    for (auto _ : state) {
        auto phases = kalvest::MoonCalendarOfYear(year, kalvest::kCalendarGregorian, zone);
        benchmark::DoNotOptimize(phases.data());
    }
}
BENCHMARK(BM_MoonCalendarOfYear)->Arg(2025)->Arg(-2000)->Unit(benchmark::kMicrosecond);

// A zone whose offset changes within the year, as a zone with daylight
// saving does (here: +60 from 30 March to 26 October 2025, 01:00 UT).
void BM_MoonCalendarWithDaylightSaving(benchmark::State& state) {
    const kalvest::UtcOffsetAt zone = [](double jd_ut) {
        return jd_ut >= 2460764.541667 && jd_ut < 2460974.541667 ? 60 : 0;
    };
    for (auto _ : state) {
        auto phases = kalvest::MoonCalendarOfYear(2025, kalvest::kCalendarGregorian, zone);
        benchmark::DoNotOptimize(phases.data());
    }
}
BENCHMARK(BM_MoonCalendarWithDaylightSaving)->Unit(benchmark::kMicrosecond);

void BM_EclipsesOfYear(benchmark::State& state) {
    const kalvest::UtcOffsetAt zone = kalvest::FixedUtcOffset(0);
    for (auto _ : state) {
        auto eclipses = kalvest::EclipsesOfYear(2025, kalvest::kCalendarGregorian, zone);
        benchmark::DoNotOptimize(eclipses.data());
    }
}
BENCHMARK(BM_EclipsesOfYear)->Unit(benchmark::kMicrosecond);

}  // namespace
