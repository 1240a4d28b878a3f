// DateTimeText over arbitrary instants (every bit pattern of a double),
// zone offsets and calendar codes. An instant without a date gives the
// placeholder text and an empty record; any other gives a real date of the
// record's calendar, which counts back to the record's day number, and a
// time of day of two valid two-digit fields, which the text to the second
// extends. The weekday follows the day number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datetime/date_time_text.h"
#include "outside/dantrow.h"

#include "fuzz_check.h"

namespace {

using namespace kalvest;

using kalvest_fuzz::Check;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The Julian Day Number of a date, counted from a March-based year so
// that leap days fall at the end of it; the two calendars differ only in
// their century rule.
std::int64_t DayNumber(std::int64_t year, std::int64_t month, std::int64_t day, bool julian) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t m = month <= 2 ? month + 9 : month - 3;
    const std::int64_t days_before_month = (153 * m + 2) / 5;
    const std::int64_t days = 365 * y + FloorDiv(y, 4) + days_before_month + day;
    if (julian) return days + 1721117;
    return days - FloorDiv(y, 100) + FloorDiv(y, 400) + 1721119;
}

bool IsLeap(std::int64_t year, bool julian) {
    if (julian) return FloorDiv(year, 4) * 4 == year;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(std::int64_t year, int month, bool julian) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year, julian) ? 29 : kDays[month - 1];
}

bool IsTwoDigits(const std::string& text, std::size_t at, int max) {
    if (at + 2 > text.size() || text[at] < '0' || text[at] > '9' || text[at + 1] < '0' ||
        text[at + 1] > '9') {
        return false;
    }
    return (text[at] - '0') * 10 + (text[at + 1] - '0') <= max;
}

std::string Suffix(std::int16_t calendar) {
    if (calendar == kCalendarGregorian) return " CE";
    if (calendar == kCalendarJulian) return " JC";
    return "";
}

void CheckOne(double jd, std::int16_t zone, std::int16_t calendar) {
    EuroDate record{};
    const std::string text = DateTimeText(jd, zone, calendar, record);
    EuroDate seconds_record{};
    const std::string with_seconds = DateTimeSecondsText(jd, zone, calendar, seconds_record);
    Check(std::memcmp(&record, &seconds_record, sizeof record) == 0);
    Check(record.calendar == calendar);

    const double local = LocalInstant(jd, zone);
    const double day = std::floor(local);
    if (!std::isfinite(day) || day < INT32_MIN || day > INT32_MAX) {
        Check(text == "XXXX-XX-XX" + Suffix(calendar) + " XX:XX:XX");
        Check(with_seconds == text);
        Check(record.jdn == 0 && record.year == 0 && record.month == 0 && record.day == 0);
        return;
    }
    Check(record.jdn == static_cast<std::int32_t>(day));
    const bool julian = calendar == kCalendarJulian;
    Check(record.month >= 1 && record.month <= 12);
    Check(record.day >= 1 && record.day <= DaysInMonth(record.year, record.month, julian));
    Check(DayNumber(record.year, record.month, record.day, julian) == record.jdn);

    // "<year>-MM-DD<suffix> HH:MM", the year grouped by thousands beyond
    // four digits.
    const std::string date = DateText(record);
    Check(text.compare(0, date.size(), date) == 0);
    const std::string time = text.substr(date.size());
    Check(time.size() == 6 && time[0] == ' ' && IsTwoDigits(time, 1, 23) && time[3] == ':' &&
          IsTwoDigits(time, 4, 59));
    Check(with_seconds.size() == text.size() + 3 && with_seconds.compare(0, text.size(), text) == 0 &&
          with_seconds[text.size()] == ':' && IsTwoDigits(with_seconds, text.size() + 1, 59));
    std::string year;
    for (const char c : date.substr(0, date.find('-', 1))) {
        if (c != ',') year += c;
    }
    Check(year == std::to_string(record.year));
    Check(date.substr(date.size() - Suffix(calendar).size()) == Suffix(calendar));

    const std::int32_t weekday = euro_day_of_week(record.jdn);
    Check(weekday == FloorDiv(std::int64_t{record.jdn} + 1, 7) * -7 + record.jdn + 1);
    Check(!WeekdayName(static_cast<std::int16_t>(weekday)).empty());
}

}  // namespace

// The input: the double's 8 bytes, the zone's 2 and the calendar's 2
// (little-endian), then a byte of choices; missing bytes count as 0.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t fields[13] = {};
    std::memcpy(fields, data, size < sizeof fields ? size : sizeof fields);
    double jd = 0;
    std::memcpy(&jd, fields, sizeof jd);
    const auto zone = static_cast<std::int16_t>(fields[8] | fields[9] << 8);
    auto calendar = static_cast<std::int16_t>(fields[10] | fields[11] << 8);
    const std::uint8_t choices = fields[12];
    // Instants of the program's years as well as any double at all, and
    // the two calendars as well as any code.
    if (choices & 1) jd = std::fmod(std::fabs(jd), 1.2e6) + 1.5e6;
    if (choices & 2) calendar = choices & 4 ? kCalendarJulian : kCalendarGregorian;
    CheckOne(jd, zone, calendar);
    return 0;
}
