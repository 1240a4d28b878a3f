// A time zone as the program asks it: which offset from Universal Time and
// which abbreviation hold at one instant. The window's fixed offsets and
// the zones of the time zone database (zone_database.h) both answer it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace kalvest {

// What a zone says for one instant.
struct ZoneReading {
    // Offset of local time from Universal Time, east positive. Whole
    // minutes but for local mean time (Dublin's was -00:25:21).
    std::int32_t offset_seconds = 0;
    // The text that follows a time of this zone: "GMT", "GMT+05:30",
    // "IST", "LMT", "+0545".
    std::string abbreviation;
};

class TimeZone {
public:
    virtual ~TimeZone() = default;

    // The zone's offset and abbreviation at the instant `jd_ut` (Julian
    // Day, Universal Time).
    virtual ZoneReading At(double jd_ut) const = 0;
};

// The same offset and text at every instant.
class FixedOffsetZone final : public TimeZone {
public:
    FixedOffsetZone(std::int32_t offset_seconds, std::string abbreviation)
        : reading_{offset_seconds, std::move(abbreviation)} {}

    ZoneReading At(double) const override { return reading_; }

private:
    ZoneReading reading_;
};

}  // namespace kalvest
