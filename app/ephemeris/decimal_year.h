// An instant as a year with a fraction, for the Delta T models, which take
// the year as a number.
#pragma once

namespace kalvest {

// The decimal year of an instant (Julian Day, either time scale): 2000.0 at
// 2000 January 1, 0h (JD 2451544.5), one per mean Gregorian year of
// 365.2425 days. Within a day or two of the calendar's own year fraction,
// which moves Delta T by far less than a second.
constexpr double DecimalYear(double jd) { return 2000.0 + (jd - 2451544.5) / 365.2425; }

}  // namespace kalvest
