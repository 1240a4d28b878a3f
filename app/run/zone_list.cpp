#include "run/zone_list.h"

#include <cstdio>
#include <cstdlib>

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

}  // namespace kalvest
