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

}  // namespace kalvest
