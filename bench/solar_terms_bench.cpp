// The 24 solar terms of a year (the true-sun searches alone, the whole
// list by each rule, and the listing kalvest-cli --terms writes), the
// precise equinoxes and solstices, and the modern Delta T.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "datetime/time_zone.h"
#include "ephemeris/modern_delta_t.h"
#include "export/csv_writer.h"
#include "export/solar_term_listing.h"
#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"
#include "solar/solar_terms.h"

namespace {

std::int32_t NextYear(std::int32_t year) { return year < 3000 ? year + 1 : 1; }

// 24 searches for the longitude, years 1..3000 in turn.
void BM_TrueSunSolarTermsOfYear(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::TrueSunSolarTermsJDE(year));
        year = NextYear(year);
    }
}
BENCHMARK(BM_TrueSunSolarTermsOfYear)->Unit(benchmark::kMicrosecond);

// As kalvest-cli asks for them: with names, both time scales and Delta T.
void BM_SolarTermsOfYear(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    const auto method = state.range(0) ? kalvest::SolarTermMethod::kTrueSun
                                       : kalvest::SolarTermMethod::kMeanSun;
    const bool precise = state.range(1) != 0;
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::SolarTermsOfYear(year, method, precise));
        year = NextYear(year);
    }
}
BENCHMARK(BM_SolarTermsOfYear)
    ->ArgNames({"true_sun", "precise"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

// kalvest-cli YEAR --terms --csv --tz Asia/Shanghai: both rules, the local
// times and the CSV text of the 48 rows, years 1..3000 in turn.
void BM_SolarTermListingCsvOfYear(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    const kalvest::FixedOffsetZone zone(480 * 60, "CST");
    kalvest::SolarTermListingRequest request;
    request.first_year = request.last_year = 1;
    std::string text;
    for (auto _ : state) {
        text.clear();
        kalvest::CsvWriter writer(text);
        kalvest::ListSolarTerms(request, zone, kalvest::DefaultEventNames(), writer);
        benchmark::DoNotOptimize(text.data());
        request.first_year = request.last_year = NextYear(request.first_year);
    }
}
BENCHMARK(BM_SolarTermListingCsvOfYear)->Unit(benchmark::kMicrosecond);

// The four equinoxes and solstices of a year.
void BM_PreciseEquinoxesSolsticesOfYear(benchmark::State& state) {
    kalvest::InitPeriodicTerms();
    std::int32_t year = 1;
    for (auto _ : state) {
        for (std::int16_t event = 0; event < 4; ++event) {
            benchmark::DoNotOptimize(kalvest::PreciseEquinoxSolstice(event, year));
        }
        year = NextYear(year);
    }
}
BENCHMARK(BM_PreciseEquinoxesSolsticesOfYear)->Unit(benchmark::kMicrosecond);

void BM_ModernDeltaT(benchmark::State& state) {
    double year = -3000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::ModernDeltaTSeconds(year));
        year = year < 3000.0 ? year + 0.37 : -3000.0;
    }
}
BENCHMARK(BM_ModernDeltaT);

}  // namespace
