// A zone rule written the way of the POSIX TZ variable, such as
// "IST-1GMT0,M10.5.0,M3.5.0/1" or "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0".
// Compiled zone files end in such a rule, which governs every instant
// after their last listed transition (about 2037); the TZ variable may
// hold one as well. The transition times take the extended range of the
// compiled-file format (RFC 8536): -167 through 167 hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datetime/time_zone.h"

namespace kalvest {

class PosixZoneRule {
public:
    // The rule of the text, or nothing when the text is not a rule.
    static std::optional<PosixZoneRule> Parse(std::string_view text);

    // Offset and abbreviation at `unix_seconds` (seconds since 1970-01-01
    // 00:00 UT). Angle-bracketed names lose their brackets ("+1030").
    ZoneReading At(std::int64_t unix_seconds) const;

    // One change between standard and daylight time: a day of the year
    // and the local time of day on it (which may run past 24 hours or
    // below 0).
    struct ChangeDay {
        enum class Form {
            kJulianNoLeap,  // "Jn": day 1..365, February 29 never counted
            kZeroBased,     // "n": day 0..365, February 29 counted
            kMonthWeekDay,  // "Mm.w.d": weekday d of week w (5 = last) of month m
        };
        Form form = Form::kMonthWeekDay;
        int day = 0;  // n of "Jn" and "n"
        int month = 0;
        int week = 0;
        int weekday = 0;  // 0 Sunday
        std::int32_t time_seconds = 7200;
    };

private:
    // Seconds since 1970 of the change in `year` that happens at local
    // time of the offset in force before it.
    std::int64_t ChangeInstant(const ChangeDay& change, int year,
                               std::int32_t offset_before) const;

    std::string std_name_;
    std::string dst_name_;  // empty: no daylight time
    std::int32_t std_offset_ = 0;  // east positive, seconds
    std::int32_t dst_offset_ = 0;
    ChangeDay start_;  // into daylight time
    ChangeDay end_;    // back to standard time
};

}  // namespace kalvest
