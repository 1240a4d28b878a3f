#include "datetime/date_time_text.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kalvest {
namespace {

std::string TwoDigits(int value) {
    // Every date and time passes here: the common case without printf.
    if (value >= 0 && value <= 99) {
        return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    }
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

bool FitsDayNumber(double day) {
    return day >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
           day <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

}  // namespace

std::string CalendarSuffix(std::int32_t calendar) {
    if (calendar == kCalendarGregorian) return " CE";
    if (calendar == kCalendarJulian) return " JC";
    return "";
}

double LocalInstant(double jd, std::int16_t zone_minutes) {
    return (zone_minutes / 1440.0) + (jd + 0.5);
}

double LocalInstantAtOffset(double jd, std::int32_t offset_seconds) {
    // For whole minutes this is the same double as LocalInstant: both
    // quotients are the correctly rounded value of one rational number.
    return (offset_seconds / 86400.0) + (jd + 0.5);
}

LocalDateTime LocalDateAndTime(double local_instant, std::int16_t calendar_code,
                               EuroDate& record, TimePrecision precision) {
    record.calendar = calendar_code;
    const double day = std::floor(local_instant);  // NaN and infinities stay so
    if (!std::isfinite(day) || !FitsDayNumber(day)) {
        record.jdn = 0;
        record.year = record.month = record.day = 0;
        return {"XXXX-XX-XX" + CalendarSuffix(record.calendar), "XX:XX:XX"};
    }
    record.jdn = static_cast<std::int32_t>(day);
    jdn_to_euro_date(&record);
    return {DateText(record), precision == TimePrecision::kSeconds
                                  ? TimeOfDaySecondsText(local_instant)
                                  : TimeOfDayText(local_instant)};
}

std::string DateTimeText(double jd, std::int16_t zone_minutes,
                         std::int16_t calendar_code, EuroDate& record) {
    const LocalDateTime local =
        LocalDateAndTime(LocalInstant(jd, zone_minutes), calendar_code, record);
    return local.date + " " + local.time;
}

std::string DateTimeSecondsText(double jd, std::int16_t zone_minutes,
                                std::int16_t calendar_code, EuroDate& record) {
    const LocalDateTime local = LocalDateAndTime(LocalInstant(jd, zone_minutes), calendar_code,
                                                 record, TimePrecision::kSeconds);
    return local.date + " " + local.time;
}

std::string DateText(const EuroDate& record) {
    std::string year = std::to_string(record.year);
    if (record.year > 9999 || record.year < -9999) {
        year = GroupThousands(year, ",");
    }
    return year + "-" + TwoDigits(record.month) + "-" + TwoDigits(record.day) +
           CalendarSuffix(record.calendar);
}

std::int32_t SecondOfDay(double instant) {
    double f = instant - std::floor(instant);
    // A negative instant a hair below a whole day (-1e-17) gives the
    // fraction 1.0 by rounding: the last second of the day its floor names.
    if (!(f >= 0.0 && f <= 1.0)) return -1;
    // A hundred-millionth of a day keeps a fraction that lies a hair below
    // a whole second, through rounding, from showing the second before.
    if (f > 0.0 && f < 0.99999999) f += 1e-8;
    std::int32_t s = static_cast<std::int32_t>(std::floor(f * 86400.0));
    if (s == 86400) s = 86399;
    return s;
}

std::string TimeOfDayText(double local_instant) {
    const std::int32_t s = SecondOfDay(local_instant);
    if (s < 0) return "XX:XX:XX";
    return TwoDigits(s / 3600) + ":" + TwoDigits((s / 60) % 60);
}

std::string TimeOfDaySecondsText(double local_instant) {
    const std::int32_t s = SecondOfDay(local_instant);
    if (s < 0) return "XX:XX:XX";
    return TwoDigits(s / 3600) + ":" + TwoDigits((s / 60) % 60) + ":" + TwoDigits(s % 60);
}

std::string WeekdayName(std::int16_t weekday) {
    static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday",
                                         "Wednesday", "Thursday", "Friday",
                                         "Saturday"};
    if (weekday < 0 || weekday > 6) return "";
    return kNames[weekday];
}

std::string GroupThousands(const std::string& number,
                           const std::string& separator) {
    if (separator.empty()) return number;
    std::string buffer(kThousandsBufferChars, ' ');
    buffer.push_back('\0');  // room for the terminating NUL
    separate_thousands(number.c_str(), static_cast<unsigned char>(separator[0]),
                       buffer.data());
    TrimAtNul(buffer);
    return buffer;
}

void TrimAtNul(std::string& text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
}

}  // namespace kalvest
