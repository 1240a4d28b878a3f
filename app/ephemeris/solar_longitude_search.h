// The instant at which the Sun's apparent geocentric ecliptic longitude,
// referred to the true equinox and ecliptic of date (light time, annual
// aberration and nutation included), reaches a given angle.
//
// Newton's method, first on a rough theory of the Sun (mean longitude and
// equation of the centre, good to a quarter of an hour), then on the full
// one: VSOP87 Earth, IAU 2006 precession, IAU 2000B nutation. Over
// 1900..2100 the instants keep within half a second of ERFA's IAU
// ephemeris; meant for the years -3000..6000.
#pragma once

namespace kalvest {

// When the steps stop, and where the full theory takes the nutation from.
// A Newton step of d days leaves the estimate within about 0.0003 d^2 days
// of the root of the theory it was taken on.
struct LongitudeSearchSettings {
    // The rough steps end after one shorter than this (days).
    double rough_tolerance_days;
    // The full-theory steps end after one shorter than this (days).
    double step_tolerance_days;
    // ERFA's eraNut00b, held still over the steps; or our own sum of the
    // same series (a fifth of the time), carried forward with its rate.
    bool erfa_nutation;
};

// The cross-quarter days' true sun. These settings never change, so that
// those instants stay what they have always been, to the last bit.
inline constexpr LongitudeSearchSettings kCrossQuarterSearch{1e-4, 0.01, true};

// Every other use. After a rough step of half a day the rough theory's own
// error (a quarter of an hour) outweighs what more rough steps would
// mend; one full step then suffices (a step of 0.03 day leaves 0.03 s);
// and the nutation, carried with its rate, costs little.
inline constexpr LongitudeSearchSettings kFastSearch{0.5, 0.03, false};

// The instant (Julian Ephemeris Day, TT) at which the apparent longitude
// reaches `longitude_degrees` (any angle; whole turns do not matter): the
// crossing nearest to `near_jd_tt` (TT), which may be up to half a year
// off. A longitude or an instant that is not a finite number gives a quiet
// NaN.
double SolarLongitudeInstant(double longitude_degrees, double near_jd_tt,
                             const LongitudeSearchSettings& settings = kFastSearch);

}  // namespace kalvest
