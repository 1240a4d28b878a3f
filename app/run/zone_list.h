// The main window's time-zone list: 49 entries from GMT-12:00 to GMT+12:00
// in half-hour steps, each with its offset in minutes east of Greenwich.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datetime/time_zone.h"

namespace kalvest {

struct ZoneEntry {
    std::string text;      // "GMT", "GMT-11:30", "GMT+05:30", ...
    std::int16_t minutes;  // -720..720, east positive
};

constexpr int kZoneCount = 49;
constexpr int kDefaultZoneIndex = 24;  // "GMT"

// The entries in list order (index = half-hours + 24).
const std::vector<ZoneEntry>& ZoneList();

// List index of the entry with exactly this text, if any.
std::optional<int> ZoneIndexOfText(const std::string& text);

// Text that follows the time in an output line: " GMT" for offset 0,
// otherwise a blank and the zone's list text (" GMT+05:30").
std::string ZoneSuffix(std::int16_t zone_minutes);

// The fixed offset of `zone_minutes` as a time zone whose text is the
// output lines' ("GMT", "GMT+05:30"), for the code that takes any zone.
FixedOffsetZone FixedWindowZone(std::int16_t zone_minutes);

// The list index of the entry nearest to an offset from UTC (east
// positive): offsets beyond the list's ends take its ends, and an offset
// midway between two entries the one nearer GMT (Kathmandu's +05:45 gives
// GMT+05:30).
int NearestZoneIndex(std::int32_t offset_seconds);

// The zone's standard time in `year`: the smallest offset it keeps in that
// year, read at noon UT on the 1st and the 15th of every month (daylight
// saving time only ever adds to it; Ireland, whose law calls its summer
// time standard and shifts it back in winter, gives GMT as people there
// use it in winter).
std::int32_t StandardOffsetSeconds(const TimeZone& zone, std::int32_t year);

// What the zone says at those 24 instants of `year`, in time order.
std::vector<ZoneReading> ZoneReadingsOfYear(const TimeZone& zone, std::int32_t year);

// The smallest offset among readings (0 for none).
std::int32_t StandardOffset(const std::vector<ZoneReading>& readings);

}  // namespace kalvest
