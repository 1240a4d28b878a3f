#include "calendar/calendar_day_number.h"

#include "common/floor_div.h"

namespace kalvest {

CalendarDate CalendarDateOfDayNumber(std::int64_t jdn, std::int16_t calendar_code) {
    // Day count from 1 March of year -4800, split into 400- or 4-year
    // cycles, years, and five-month spans starting in March.
    std::int64_t centuries = 0;
    std::int64_t c = 0;
    if (calendar_code == kCalendarJulian) {
        c = jdn + 32082;
    } else {
        const std::int64_t a = jdn + 32044;
        centuries = FloorDiv(4 * a + 3, 146097);
        c = a - FloorDiv(146097 * centuries, 4);
    }
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - FloorDiv(1461 * d, 4);
    const std::int64_t m = FloorDiv(5 * e + 2, 153);
    return {100 * centuries + d - 4800 + FloorDiv(m, 10),
            static_cast<int>(m + 3 - 12 * FloorDiv(m, 10)),
            static_cast<int>(e - FloorDiv(153 * m + 2, 5) + 1)};
}

std::int64_t CalendarDayNumber(std::int64_t year, std::int64_t month, std::int64_t day,
                               std::int16_t calendar_code) {
    // Count the year from March, so that the leap day ends it: months
    // 3..14 of the shifted year hold 153 days in every five.
    year += FloorDiv(month - 1, 12);
    month = (month - 1) - 12 * FloorDiv(month - 1, 12) + 1;
    const std::int64_t shifted_year = month <= 2 ? year - 1 : year;
    const std::int64_t shifted_month = month <= 2 ? month + 9 : month - 3;  // 0 = March
    const std::int64_t days_before_month = (153 * shifted_month + 2) / 5;
    std::int64_t days_before_year = 365 * shifted_year + FloorDiv(shifted_year, 4);
    if (calendar_code == kCalendarJulian) {
        // Day 0 of the shifted Julian year 0 (1 March of year 0) is JDN 1721118.
        return days_before_year + days_before_month + day - 1 + 1721118;
    }
    days_before_year += -FloorDiv(shifted_year, 100) + FloorDiv(shifted_year, 400);
    // 1 March of year 0 in the Gregorian calendar is JDN 1721120.
    return days_before_year + days_before_month + day - 1 + 1721120;
}

}  // namespace kalvest
