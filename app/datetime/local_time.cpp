#include "datetime/local_time.h"

#include "datetime/date_time_text.h"

namespace kalvest {

LocalTime ToLocalTime(double jd_ut, const TimeZone& zone, std::int16_t calendar_code,
                      EuroDate& record, TimePrecision precision) {
    ZoneReading reading = zone.At(jd_ut);
    LocalDateTime local = LocalDateAndTime(
        LocalInstantAtOffset(jd_ut, reading.offset_seconds), calendar_code, record, precision);
    LocalTime result;
    result.date = std::move(local.date);
    result.time = std::move(local.time);
    result.zone = std::move(reading.abbreviation);
    result.offset_seconds = reading.offset_seconds;
    result.weekday = static_cast<std::int16_t>(euro_day_of_week(record.jdn));
    return result;
}

}  // namespace kalvest
