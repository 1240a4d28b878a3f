#include "datetime/utc_text.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "datetime/date_time_text.h"

namespace kalvest {
namespace {

std::optional<UtcDateTime> PlainYears(std::optional<UtcDateTime> utc) {
    if (!utc || utc->year < 1 || utc->year > 9999) return std::nullopt;
    return utc;
}

}  // namespace

std::optional<UtcDateTime> UtcDateTimeOf(double jd_ut) {
    const double local = LocalInstantAtOffset(jd_ut, 0);
    const std::int32_t second = SecondOfDay(local);
    if (second < 0 || !(std::fabs(local) < 2.0e9)) return std::nullopt;
    EuroDate record{};
    LocalDateAndTime(local, kCalendarGregorian, record);
    return UtcDateTime{record.year, record.month,       record.day,
                       second / 3600, (second / 60) % 60, second % 60};
}

std::optional<std::string> IsoUtcText(double jd_ut) {
    const std::optional<UtcDateTime> utc = PlainYears(UtcDateTimeOf(jd_ut));
    if (!utc) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ",
                  static_cast<int>(utc->year), utc->month, utc->day, utc->hour,
                  utc->minute, utc->second);
    return text;
}

std::optional<std::string> ICalendarUtcText(double jd_ut) {
    const std::optional<UtcDateTime> utc = PlainYears(UtcDateTimeOf(jd_ut));
    if (!utc) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ",
                  static_cast<int>(utc->year), utc->month, utc->day, utc->hour,
                  utc->minute, utc->second);
    return text;
}

double CurrentJulianDay() {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return 2440587.5 + static_cast<double>(seconds.count()) / 86400.0;
}

}  // namespace kalvest
