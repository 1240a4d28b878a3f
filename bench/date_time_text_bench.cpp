// One instant written as local date and time, weekday included.
#include <benchmark/benchmark.h>

#include "datetime/date_time_text.h"

static void BM_DateTimeText(benchmark::State& state) {
    kalvest::EuroDate record{};
    double jd = 2459293.90091;
    const std::int16_t calendar =
        state.range(0) ? kalvest::kCalendarJulian : kalvest::kCalendarGregorian;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kalvest::DateTimeText(jd, 330, calendar, record));
        jd += 0.37;
    }
}
BENCHMARK(BM_DateTimeText)->Arg(0)->Arg(1);

static void BM_DateTimeTextWithWeekday(benchmark::State& state) {
    kalvest::EuroDate record{};
    double jd = 2459293.90091;
    for (auto _ : state) {
        std::string text = kalvest::DateTimeText(jd, 0, kalvest::kCalendarGregorian, record);
        text += kalvest::WeekdayName(
            static_cast<std::int16_t>(kalvest::euro_day_of_week(record.jdn)));
        benchmark::DoNotOptimize(text);
        jd += 0.37;
    }
}
BENCHMARK(BM_DateTimeTextWithWeekday);
