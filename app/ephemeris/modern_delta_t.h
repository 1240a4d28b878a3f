// A modern Delta T (TT - UT), for converting instants found on the
// Terrestrial Time scale to Universal Time to the second. It stands beside
// varquel's deltat, which the window keeps using, and does not replace it.
//
//   before -720   the long-term parabola of Stephenson, Morrison and
//                 Hohenkerk (2016), raised or lowered to meet their spline;
//   -720..1600    their spline (fitted to eclipses and occultations);
//   1600..1620    that spline, bent linearly onto the first measured value;
//   1620..2026    measured values at the start of each year, joined by
//                 cubic Hermite curves with centred slopes;
//   after 2026    the parabola again, raised to the last measured value,
//                 its rate reached from the last measured rate over one
//                 century (a cubic correction that fades out), so that the
//                 value and its rate run on without a jump.
//
// Stephenson, F. R., Morrison, L. V. and Hohenkerk, C. Y., "Measurement of
// the Earth's rotation: 720 BC to AD 2015", Proc. R. Soc. A 472: 20160404
// (2016). The measured values and their sources are in
// delta_t_measured.cpp.
#pragma once

#include "ephemeris/decimal_year.h"

namespace kalvest {

// Delta T in seconds at `decimal_year` (2000.0 is 2000 January 1, 0h; see
// DecimalYear). NaN for a year that is not a finite number.
double ModernDeltaTSeconds(double decimal_year);

// Delta T in seconds at the instant `jd` (a Julian Day on either scale: the
// minute between them changes Delta T by far less than a millisecond).
double ModernDeltaTSecondsAt(double jd);

// The first and last years of the measured values (1620 and 2026).
struct MeasuredSpan {
    int first_year;
    int last_year;
};
MeasuredSpan ModernDeltaTMeasuredSpan();

}  // namespace kalvest
