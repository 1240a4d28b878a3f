#include "datetime/date_time_text.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kalvest {
namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

bool FitsDayNumber(double day) {
    return day >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
           day <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

std::string CalendarSuffix(std::int32_t calendar) {
    if (calendar == kCalendarGregorian) return " CE";
    if (calendar == kCalendarJulian) return " JC";
    return "";
}

// The whole seconds since local midnight, truncated; false when the
// fraction of the day is not in [0, 1).
bool SecondOfDay(double local_instant, std::int32_t& s) {
    double f = local_instant - std::floor(local_instant);
    if (!(f >= 0.0 && f < 1.0)) return false;
    // A hundred-millionth of a day keeps a fraction that lies a hair below
    // a whole second, through rounding, from showing the second before.
    if (f > 0.0 && f < 0.99999999) f += 1e-8;
    s = static_cast<std::int32_t>(std::floor(f * 86400.0));
    if (s == 86400) s = 86399;
    return true;
}

// Date and time of day from the same local instant, the time written by
// `time_text`.
std::string LocalDateTimeText(double jd, std::int16_t zone_minutes,
                              std::int16_t calendar_code, EuroDate& record,
                              std::string (*time_text)(double)) {
    const double local = LocalInstant(jd, zone_minutes);
    record.calendar = calendar_code;
    const double day = std::floor(local);  // NaN and infinities stay so
    if (!std::isfinite(day) || !FitsDayNumber(day)) {
        record.jdn = 0;
        record.year = record.month = record.day = 0;
        return "XXXX-XX-XX" + CalendarSuffix(record.calendar) + " XX:XX:XX";
    }
    record.jdn = static_cast<std::int32_t>(day);
    jdn_to_euro_date(&record);
    return DateText(record) + " " + time_text(local);
}

}  // namespace

double LocalInstant(double jd, std::int16_t zone_minutes) {
    return (zone_minutes / 1440.0) + (jd + 0.5);
}

std::string DateTimeText(double jd, std::int16_t zone_minutes,
                         std::int16_t calendar_code, EuroDate& record) {
    return LocalDateTimeText(jd, zone_minutes, calendar_code, record, TimeOfDayText);
}

std::string DateTimeSecondsText(double jd, std::int16_t zone_minutes,
                                std::int16_t calendar_code, EuroDate& record) {
    return LocalDateTimeText(jd, zone_minutes, calendar_code, record, TimeOfDaySecondsText);
}

std::string DateText(const EuroDate& record) {
    std::string year = std::to_string(record.year);
    if (record.year > 9999 || record.year < -9999) {
        year = GroupThousands(year, ",");
    }
    return year + "-" + TwoDigits(record.month) + "-" + TwoDigits(record.day) +
           CalendarSuffix(record.calendar);
}

std::string TimeOfDayText(double local_instant) {
    std::int32_t s = 0;
    if (!SecondOfDay(local_instant, s)) return "XX:XX:XX";
    return TwoDigits(s / 3600) + ":" + TwoDigits((s / 60) % 60);
}

std::string TimeOfDaySecondsText(double local_instant) {
    std::int32_t s = 0;
    if (!SecondOfDay(local_instant, s)) return "XX:XX:XX";
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
