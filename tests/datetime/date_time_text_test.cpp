#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "datetime/date_time_text.h"

namespace kalvest {
namespace {

std::string Text(double jd, std::int16_t zone, std::int16_t calendar,
                 EuroDate* out = nullptr) {
    EuroDate record{};
    std::string text = DateTimeText(jd, zone, calendar, record);
    if (out) *out = record;
    return text;
}

TEST(DateTimeText, J2000InBothCalendars) {
    EuroDate record{};
    EXPECT_EQ(Text(2451545.0, 0, kCalendarGregorian, &record), "2000-01-01 CE 12:00");
    EXPECT_EQ(record.jdn, 2451545);
    EXPECT_EQ(record.calendar, 71);
    EXPECT_EQ(euro_day_of_week(record.jdn), 6);
    EXPECT_EQ(WeekdayName(6), "Saturday");
    EXPECT_EQ(Text(2451545.0, 0, kCalendarJulian), "1999-12-19 JC 12:00");
}

TEST(DateTimeText, ZonesShiftDateAndTime) {
    EXPECT_EQ(Text(2451545.0, 60, kCalendarGregorian), "2000-01-01 CE 13:00");
    EXPECT_EQ(Text(2451545.0, -780, kCalendarGregorian), "1999-12-31 CE 23:00");
    EXPECT_DOUBLE_EQ(LocalInstant(2451545.0, -780), -780 / 1440.0 + 2451545.5);
}

TEST(DateTimeText, TimeIsTruncatedWithAHairOfCarry) {
    EXPECT_EQ(TimeOfDayText(0.499999999), "12:00");
    EXPECT_EQ(TimeOfDayText(0.40138888), "09:38");
    EXPECT_EQ(TimeOfDayText(0.9999999), "23:59");
    EXPECT_EQ(TimeOfDayText((9 * 3600 + 37 * 60 + 59.9) / 86400.0), "09:37");
    EXPECT_EQ(TimeOfDayText(0.0), "00:00");
    EXPECT_EQ(TimeOfDayText(5.0), "00:00");
}

TEST(DateTimeText, DateNeverAdvancesBecauseOfTheTime) {
    EuroDate record{};
    // Local fraction 0.9999999: still the same local date, 23:59.
    EXPECT_EQ(Text(2451545.4999999, 0, kCalendarGregorian, &record), "2000-01-01 CE 23:59");
    EXPECT_EQ(record.jdn, 2451545);
    // Just before the local midnight of day 0, where the fraction rounds
    // to a whole day: the date of day -1 and its last minute and second.
    EXPECT_EQ(Text(-3e-17, -720, kCalendarGregorian, &record), "-4713-11-23 CE 23:59");
    EXPECT_EQ(record.jdn, -1);
    EXPECT_EQ(TimeOfDaySecondsText(-3e-17), "23:59:59");
}

TEST(DateTimeText, YearsAreWrittenPlainly) {
    EuroDate record{0, 0, 0, kCalendarJulian, 1721058};
    jdn_to_euro_date(&record);
    EXPECT_EQ(DateText(record), "0-01-01 JC");
    record = {0, 0, 0, kCalendarJulian, 1538514};
    jdn_to_euro_date(&record);
    EXPECT_EQ(DateText(record), "-500-03-22 JC");
    record.calendar = kCalendarGregorian;
    jdn_to_euro_date(&record);
    EXPECT_EQ(DateText(record), "-500-03-17 CE");
    EXPECT_EQ(DateText({5, 3, 20, kCalendarGregorian, 0}), "5-03-20 CE");
}

TEST(DateTimeText, LongYearsAreGroupedOnlyBeyondFourDigits) {
    EXPECT_EQ(DateText({9999, 1, 2, kCalendarGregorian, 0}), "9999-01-02 CE");
    EXPECT_EQ(DateText({-9999, 1, 2, kCalendarGregorian, 0}), "-9999-01-02 CE");
    EXPECT_EQ(DateText({12345, 1, 2, kCalendarGregorian, 0}), "12,345-01-02 CE");
    EXPECT_EQ(DateText({-12345, 1, 2, kCalendarJulian, 0}), "-12,345-01-02 JC");
}

TEST(DateTimeText, WeekdayNames) {
    const char* names[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                           "Thursday", "Friday", "Saturday"};
    for (std::int16_t d = 0; d < 7; ++d) EXPECT_EQ(WeekdayName(d), names[d]);
    EXPECT_EQ(WeekdayName(7), "");
    EXPECT_EQ(WeekdayName(-1), "");
}

TEST(DateTimeText, GroupingAndNulTrimming) {
    EXPECT_EQ(GroupThousands("12345", ","), "12,345");
    EXPECT_EQ(GroupThousands("12345", ""), "12345");
    EXPECT_EQ(GroupThousands("-2147483648", ".x"), "-2.147.483.648");
    EXPECT_EQ(GroupThousands("999", ","), "999");
    std::string text("ab\0cd", 5);
    TrimAtNul(text);
    EXPECT_EQ(text, "ab");
    std::string plain = "abc";
    TrimAtNul(plain);
    EXPECT_EQ(plain, "abc");
}

TEST(DateTimeText, GroupingNeverOverrunsItsBuffer) {
    // 30 digits would group to 39 characters: the output is cut at the
    // buffer's 20 characters and terminated.
    char buffer[kThousandsBufferChars + 8];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    separate_thousands("123456789012345678901234567890", ',', buffer);
    EXPECT_EQ(std::string(buffer), "123,456,789,012,345,");
    EXPECT_EQ(buffer[kThousandsBufferChars + 1], '#');
    EXPECT_EQ(GroupThousands("123456789012345678901234567890", ",").size(),
              kThousandsBufferChars);
}

TEST(DateTimeText, InstantsWithoutADateAreMarked) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EuroDate record{};
    EXPECT_EQ(Text(nan, 0, kCalendarGregorian, &record), "XXXX-XX-XX CE XX:XX:XX");
    EXPECT_EQ(record.jdn, 0);
    EXPECT_EQ(Text(inf, 0, kCalendarJulian), "XXXX-XX-XX JC XX:XX:XX");
    EXPECT_EQ(Text(-inf, 0, kCalendarGregorian), "XXXX-XX-XX CE XX:XX:XX");
    EXPECT_EQ(Text(3e9, 0, kCalendarGregorian), "XXXX-XX-XX CE XX:XX:XX");
    EXPECT_EQ(Text(-3e9, 0, kCalendarGregorian), "XXXX-XX-XX CE XX:XX:XX");
    EXPECT_EQ(TimeOfDayText(nan), "XX:XX:XX");
}

TEST(DateTimeText, ExtremeDayNumbersStillConvert) {
    EuroDate record{};
    Text(2147483647.0 - 0.5, 0, kCalendarGregorian, &record);
    EXPECT_EQ(record.jdn, 2147483647);
    Text(-2147483648.0 - 0.5, 0, kCalendarJulian, &record);
    EXPECT_EQ(record.jdn, -2147483647 - 1);
}

TEST(DateTimeText, WithSecondsTruncatedLikeTheMinutes) {
    // Every whole second of the day shows as itself, never as the second
    // before, and the minute text is its first five characters.
    for (int second = 0; second < 86400; ++second) {
        const double local = 2459294.0 + second / 86400.0;
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", second / 3600,
                      second / 60 % 60, second % 60);
        ASSERT_EQ(TimeOfDaySecondsText(local), expected);
        ASSERT_EQ(TimeOfDayText(local), std::string(expected).substr(0, 5));
    }
    EXPECT_EQ(TimeOfDaySecondsText((9 * 3600 + 37 * 60 + 28.99) / 86400.0), "09:37:28");
    EXPECT_EQ(TimeOfDaySecondsText(0.499999999), "12:00:00");
    EXPECT_EQ(TimeOfDaySecondsText(0.9999999), "23:59:59");
    EXPECT_EQ(TimeOfDaySecondsText(std::numeric_limits<double>::quiet_NaN()), "XX:XX:XX");

    EuroDate minutes{};
    EuroDate seconds{};
    EXPECT_EQ(DateTimeSecondsText(2451545.0, -780, kCalendarGregorian, seconds),
              "1999-12-31 CE 23:00:00");
    DateTimeText(2451545.0, -780, kCalendarGregorian, minutes);
    EXPECT_EQ(seconds.jdn, minutes.jdn);
    EXPECT_EQ(seconds.day, 31);
    EXPECT_EQ(DateTimeSecondsText(std::numeric_limits<double>::infinity(), 0, kCalendarJulian,
                                  seconds),
              "XXXX-XX-XX JC XX:XX:XX");
}

}  // namespace
}  // namespace kalvest
