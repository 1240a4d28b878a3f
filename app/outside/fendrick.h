// The true-sun cross-quarter instant: our own implementation of the solar
// library that the cross-quarter days call, with the same C interface. It
// is the general solar-longitude search (solar/solar_longitude_search.h)
// with the settings that keep its instants as they have always been.
#pragma once

#include <cstdint>

namespace kalvest {

extern "C" {

// The instant (Julian Ephemeris Day, TT) at which the Sun's apparent
// geocentric ecliptic longitude, referred to the true equinox and ecliptic
// of date (nutation and annual aberration included), reaches 315, 45, 135
// or 225 degrees for code 0, 1, 2 or 3.
//
// `first` and `second` (TT) are the equinox or solstice instants that
// bracket the cross-quarter day; they only guide the search, which returns
// the crossing nearest to their midpoint, so brackets a few minutes or even
// days off still give the right instant. A code outside 0..3, or a bracket
// that is not a finite number, gives a quiet NaN. Meant for instants in the
// years -3000..6000; over 1900..2100 the result keeps within half a second
// of time of ERFA's IAU ephemeris, and over years 1..3000 within about 15 s
// of the Swiss Ephemeris (far from the present mostly the difference
// between the precession models).
double crossquarterday_true_sun3(double first, double second, std::int32_t code);

}  // extern "C"

}  // namespace kalvest
