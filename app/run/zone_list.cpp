#include "run/zone_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "calendar/calendar_day_number.h"
#include "datetime/date_time_text.h"

namespace kalvest {
namespace {

// i half-hours from GMT: "GMT" for 0, else the sign, whole hours as two
// digits and ":30" or ":00".
std::string ZoneText(int half_hours) {
    if (half_hours == 0) return "GMT";
    const int magnitude = std::abs(half_hours);
    char text[32];
    std::snprintf(text, sizeof text, "GMT%c%02d:%s", half_hours < 0 ? '-' : '+',
                  magnitude / 2, magnitude % 2 ? "30" : "00");
    return text;
}

std::vector<ZoneEntry> BuildZoneList() {
    std::vector<ZoneEntry> list;
    for (int i = -24; i <= 24; ++i) {
        list.push_back({ZoneText(i), static_cast<std::int16_t>(i * 30)});
    }
    return list;
}

}  // namespace

const std::vector<ZoneEntry>& ZoneList() {
    static const std::vector<ZoneEntry> list = BuildZoneList();
    return list;
}

std::optional<int> ZoneIndexOfText(const std::string& text) {
    const std::vector<ZoneEntry>& list = ZoneList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].text == text) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string ZoneSuffix(std::int16_t zone_minutes) {
    if (zone_minutes == 0) return " GMT";
    // The offsets of the list are whole half-hours; others keep their
    // exact hours and minutes in the same layout.
    const int magnitude = std::abs(static_cast<int>(zone_minutes));
    char text[32];
    std::snprintf(text, sizeof text, " GMT%c%02d:%02d", zone_minutes < 0 ? '-' : '+',
                  magnitude / 60, magnitude % 60);
    return text;
}

FixedOffsetZone FixedWindowZone(std::int16_t zone_minutes) {
    return FixedOffsetZone(zone_minutes * 60, ZoneSuffix(zone_minutes).substr(1));
}

int NearestZoneIndex(std::int32_t offset_seconds) {
    constexpr int kHalfHour = 1800;
    const int magnitude = static_cast<int>(std::min<std::int64_t>(
        std::llabs(static_cast<std::int64_t>(offset_seconds)), 24 * kHalfHour));
    // Rounded to the nearest half-hour, a tie toward GMT.
    int half_hours = magnitude / kHalfHour;
    if (magnitude % kHalfHour > kHalfHour / 2) ++half_hours;
    return kDefaultZoneIndex + (offset_seconds < 0 ? -half_hours : half_hours);
}

std::vector<ZoneReading> ZoneReadingsOfYear(const TimeZone& zone, std::int32_t year) {
    std::vector<ZoneReading> readings;
    for (int month = 1; month <= 12; ++month) {
        for (const int day : {1, 15}) {
            // A day number is the Julian Day of that day's noon UT.
            const double noon = static_cast<double>(
                CalendarDayNumber(year, month, day, kCalendarGregorian));
            readings.push_back(zone.At(noon));
        }
    }
    return readings;
}

std::int32_t StandardOffset(const std::vector<ZoneReading>& readings) {
    if (readings.empty()) return 0;
    std::int32_t smallest = std::numeric_limits<std::int32_t>::max();
    for (const ZoneReading& reading : readings) smallest = std::min(smallest, reading.offset_seconds);
    return smallest;
}

std::int32_t StandardOffsetSeconds(const TimeZone& zone, std::int32_t year) {
    return StandardOffset(ZoneReadingsOfYear(zone, year));
}

}  // namespace kalvest
