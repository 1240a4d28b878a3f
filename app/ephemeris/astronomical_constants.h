// The constants that the theories of the Sun and the Moon share.
#pragma once

namespace kalvest {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kDegree = kPi / 180.0;           // radians
inline constexpr double kArcsecond = kPi / 648000.0;     // radians

// The epoch J2000.0 (2000 January 1, 12h TT) as a Julian Ephemeris Day,
// and the Julian century and millennium in days, the time units of the
// series.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kDaysPerJulianMillennium = 365250.0;

}  // namespace kalvest
