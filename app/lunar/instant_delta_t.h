// Delta T for an instant rather than for a whole year: the moon's phases
// fall anywhere in the year, and Delta T moves by up to a second a year.
#pragma once

#include "ephemeris/decimal_year.h"

namespace kalvest {

// Delta T (TT - UT) in minutes at the instant `jde`, from varquel's deltat
// for the instant's decimal year with the program's pivot year. Throws
// LibraryError when varquel cannot be had.
double DeltaTMinutesAt(double jde);

}  // namespace kalvest
