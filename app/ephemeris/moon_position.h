// The Moon's geocentric ecliptic longitude: the truncated ELP2000-82B series
// with the mean arguments of ELP/MPP02 fitted to DE405 (moon_elp_table.h),
// and from it the apparent longitude, referred to the true equinox and
// ecliptic of date like the Sun's of apparent_sun.h.
#pragma once

namespace kalvest {

// The series themselves, at `jd_tt` (TT, taken for TDB).
struct ElpMoon {
    // V, on ELP's inertial mean ecliptic of date, counted from its departure
    // point (which stays fixed while the equinox precesses); radians, not
    // reduced to one turn.
    double longitude;
    double rate;      // radians per day
    double distance;  // km, within 90 km of DE431 over 1900-2100
};
ElpMoon MoonFromElp(double jd_tt);

struct ApparentMoon {
    double longitude;  // radians, 0 <= longitude < 2 pi
    double rate;       // radians per day
    double distance;   // km
};

// The apparent longitude at `jd_tt`, with the nutation in longitude
// `nutation` (radians) and its rate (radians per day) given, so that the
// Moon and the Sun can share one value.
ApparentMoon ApparentMoonAt(double jd_tt, double nutation, double nutation_rate);

// The same with the nutation of nutation_longitude.h (IAU 2000B).
ApparentMoon ApparentMoonAt(double jd_tt);

}  // namespace kalvest
