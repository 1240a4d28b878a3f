// The Moon's calendar of a year: every phase with its eclipses, Delta T
// and date texts, as the command line and the moon-list window ask for it,
// classical and precise.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "datetime/zone_database.h"
#include "lunar/moon_calendar.h"

namespace {

// 2025: two total lunar and two partial solar eclipses. Year -2000: Delta T
// from the consensus of the long-term formulas instead of one parabola.
void BM_MoonCalendarOfYear(benchmark::State& state) {
    const auto year = static_cast<std::int32_t>(state.range(0));
    const kalvest::FixedOffsetZone zone(3600, "GMT+01:00");
    for (auto _ : state) {
        auto phases = kalvest::MoonCalendarOfYear(year, kalvest::kCalendarGregorian, zone);
        benchmark::DoNotOptimize(phases.data());
    }
}
BENCHMARK(BM_MoonCalendarOfYear)->Arg(2025)->Arg(-2000)->Unit(benchmark::kMicrosecond);

// The same calendar by the precise method: every phase searched from
// varquel's instant, UT by the modern Delta T (at most 2 ms a year).
void BM_PreciseMoonCalendarOfYear(benchmark::State& state) {
    const auto year = static_cast<std::int32_t>(state.range(0));
    const kalvest::FixedOffsetZone zone(3600, "GMT+01:00");
    for (auto _ : state) {
        auto phases = kalvest::MoonCalendarOfYear(year, kalvest::kCalendarGregorian, zone,
                                                  kalvest::TimePrecision::kSeconds,
                                                  kalvest::MoonMethod::kPrecise);
        benchmark::DoNotOptimize(phases.data());
    }
}
BENCHMARK(BM_PreciseMoonCalendarOfYear)->Arg(2025)->Arg(-2000)->Unit(benchmark::kMicrosecond);

// A zone of the time zone database with daylight saving time, whose
// offset and abbreviation are looked up for every instant.
void BM_MoonCalendarWithDaylightSaving(benchmark::State& state) {
    const std::unique_ptr<kalvest::TimeZone> zone = kalvest::NamedTimeZone("Europe/Dublin");
    if (!zone) {
        state.SkipWithError("no zone Europe/Dublin");
        return;
    }
    for (auto _ : state) {
        auto phases = kalvest::MoonCalendarOfYear(2025, kalvest::kCalendarGregorian, *zone);
        benchmark::DoNotOptimize(phases.data());
    }
}
BENCHMARK(BM_MoonCalendarWithDaylightSaving)->Unit(benchmark::kMicrosecond);

void BM_EclipsesOfYear(benchmark::State& state) {
    const kalvest::FixedOffsetZone zone(0, "GMT");
    for (auto _ : state) {
        auto eclipses = kalvest::EclipsesOfYear(2025, kalvest::kCalendarGregorian, zone);
        benchmark::DoNotOptimize(eclipses.data());
    }
}
BENCHMARK(BM_EclipsesOfYear)->Unit(benchmark::kMicrosecond);

}  // namespace
