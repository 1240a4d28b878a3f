// Delta T for an instant rather than for a whole year: the moon's phases
// fall anywhere in the year, and Delta T moves by up to a second a year.
#pragma once

namespace kalvest {

// The decimal year of an instant (Julian Day, either time scale): 2000.0
// at 2000 January 1, 0h, and one per mean Gregorian year of 365.2425 days.
// Within a day or two of the calendar's own year fraction, which changes
// Delta T by far less than a second.
double DecimalYear(double jd);

// Delta T (TT - UT) in minutes at the instant `jde`, from varquel's deltat
// for the instant's decimal year with the program's pivot year. Throws
// LibraryError when varquel cannot be had.
double DeltaTMinutesAt(double jde);

}  // namespace kalvest
