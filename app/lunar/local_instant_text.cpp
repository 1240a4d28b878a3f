#include "lunar/local_instant_text.h"

#include <cstdlib>
#include <stdexcept>

#include "datetime/date_time_text.h"

namespace kalvest {

UtcOffsetAt FixedUtcOffset(int minutes) {
    return [minutes](double) { return minutes; };
}

LocalInstantText LocalInstantTextAt(double jd_ut, std::int16_t calendar_code,
                                    const UtcOffsetAt& offset) {
    const int minutes = offset(jd_ut);
    if (std::abs(minutes) > kMaxUtcOffsetMinutes) {
        throw std::out_of_range("UTC offset of " + std::to_string(minutes) + " minutes");
    }
    LocalInstantText local;
    local.jd_ut = jd_ut;
    local.offset_minutes = static_cast<std::int16_t>(minutes);
    const std::string text = DateTimeText(jd_ut, local.offset_minutes, calendar_code, local.date);
    // The text is the date (itself holding a blank before the calendar
    // suffix), one blank, and the time of day, which has none.
    const std::size_t blank = text.rfind(' ');
    local.date_text = text.substr(0, blank);
    local.time_text = text.substr(blank + 1);
    local.weekday = static_cast<std::int16_t>(euro_day_of_week(local.date.jdn));
    local.weekday_name = WeekdayName(local.weekday);
    return local;
}

}  // namespace kalvest
