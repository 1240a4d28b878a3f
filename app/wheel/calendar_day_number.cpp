#include "wheel/calendar_day_number.h"

#include "datetime/date_time_text.h"

namespace kalvest {
namespace {

// Division that rounds towards minus infinity, for years before 1.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

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
