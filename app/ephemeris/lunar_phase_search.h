// The Moon's phases as instants found by a search: the instants at which
// the Moon's apparent geocentric ecliptic longitude exceeds the Sun's by 0,
// 90, 180 or 270 degrees (new moon, first quarter, full moon, last quarter),
// both referred to the true equinox and ecliptic of date (moon_position.h,
// apparent_sun.h). Newton's method on that difference, the elongation, with
// its rate from the series themselves.
//
// Over 1900..2100 every phase keeps within 0.28 s of the DE431 ephemeris,
// 0.07 s on average (tests/ephemeris/lunar_phase_accuracy_test.cpp);
// varquel's classical instants are up to 17 s off.
#pragma once

#include "ephemeris/solar_instant.h"

namespace kalvest {

// The instant (Julian Ephemeris Day, TT) at which the elongation reaches
// `elongation_degrees` (any angle; whole turns do not matter): the crossing
// nearest to `near_jd_tt` (TT). From a start within a minute or so of it
// (varquel's classical instant) one step suffices; from a start days away,
// a few more. An elongation or an instant that is not a finite number gives
// a quiet NaN.
double LunarElongationInstant(double elongation_degrees, double near_jd_tt);

// Phase `phase` (0 new moon, 1 first quarter, 2 full moon, 3 last quarter,
// as varquel numbers them) nearest to `near_jd_tt`, normally varquel's
// classical instant of that phase. A phase outside 0..3, or a start that is
// not a finite number, gives quiet NaNs. UT comes from the modern Delta T
// at the instant (WithModernDeltaT).
SolarInstant PreciseLunarPhase(int phase, double near_jd_tt);

}  // namespace kalvest
