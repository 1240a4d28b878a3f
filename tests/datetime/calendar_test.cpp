// The calendar conversion against an independent day count: the number of
// days from a civil date, computed from whole eras of 400 (Gregorian) or 4
// (Julian) years rather than by the converter's own cycle arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "outside/dantrow.h"

namespace kalvest {
namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 (Gregorian) of a civil date, era by era.
std::int64_t GregorianDayNumber(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe + 2440588 - 719468;
}

std::int64_t JulianDayNumber(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 4);
    const std::int64_t yoe = y - era * 4;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 1461 + yoe * 365 + doy + 1721118;
}

EuroDate Convert(std::int32_t jdn, std::int32_t calendar) {
    EuroDate date{0, 0, 0, calendar, jdn};
    jdn_to_euro_date(&date);
    return date;
}

void ExpectRoundTrip(std::int32_t jdn) {
    const EuroDate g = Convert(jdn, kCalendarGregorian);
    ASSERT_EQ(GregorianDayNumber(g.year, g.month, g.day), jdn) << jdn;
    const EuroDate j = Convert(jdn, kCalendarJulian);
    ASSERT_EQ(JulianDayNumber(j.year, j.month, j.day), jdn) << jdn;
    ASSERT_GE(g.month, 1);
    ASSERT_LE(g.month, 12);
    ASSERT_GE(j.day, 1);
    ASSERT_LE(j.day, 31);
}

TEST(Calendar, KnownDates) {
    EuroDate d = Convert(2459294, kCalendarGregorian);
    EXPECT_EQ(d.year, 2021);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 20);
    d = Convert(2299161, kCalendarGregorian);  // first day of the Gregorian reform
    EXPECT_EQ(d.year, 1582);
    EXPECT_EQ(d.month, 10);
    EXPECT_EQ(d.day, 15);
    d = Convert(2299160, kCalendarJulian);  // the day before, in the Julian calendar
    EXPECT_EQ(d.year, 1582);
    EXPECT_EQ(d.month, 10);
    EXPECT_EQ(d.day, 4);
    d = Convert(0, kCalendarJulian);  // JD 0: 1 January 4713 BC (year -4712)
    EXPECT_EQ(d.year, -4712);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 1);
}

TEST(Calendar, RoundTripsOverTheWholeDayNumberRange) {
    for (std::int32_t jdn = -800000; jdn <= 3000000; jdn += 7) ExpectRoundTrip(jdn);
    std::mt19937 random(20211);
    std::uniform_int_distribution<std::int32_t> any(
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 200000; ++i) ExpectRoundTrip(any(random));
    ExpectRoundTrip(std::numeric_limits<std::int32_t>::min());
    ExpectRoundTrip(std::numeric_limits<std::int32_t>::max());
}

TEST(Calendar, WeekdaysCycleForNegativeDaysToo) {
    EXPECT_EQ(euro_day_of_week(2451545), 6);  // 2000-01-01 Saturday
    EXPECT_EQ(euro_day_of_week(0), 1);        // Monday
    EXPECT_EQ(euro_day_of_week(-1), 0);
    EXPECT_EQ(euro_day_of_week(-7), 1);
    EXPECT_EQ(euro_day_of_week(std::numeric_limits<std::int32_t>::min()),
              ((static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min()) + 1) % 7 + 7) % 7);
    EXPECT_EQ(euro_day_of_week(std::numeric_limits<std::int32_t>::max()),
              (static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) % 7);
}

}  // namespace
}  // namespace kalvest
