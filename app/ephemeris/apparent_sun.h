// The Sun's apparent geocentric ecliptic longitude, referred to the true
// equinox and ecliptic of date: VSOP87 Earth, light time (which, taken with
// the Earth's heliocentric motion, is the annual aberration), IAU 2006
// precession and IAU 2000B nutation.
#pragma once

namespace kalvest {

// The orientation of the ecliptic and equinox of date at one instant.
// Precession and nutation change slowly, so one orientation serves a search
// over a day or so; the general precession in longitude, and the nutation
// in longitude at `nutation_rate`, are carried forward linearly from `jd_tt`.
struct EclipticOfDate {
    double jd_tt;
    // Turns a direction in the VSOP87 frame (ecliptic and equinox of J2000)
    // into the mean ecliptic of date, x axis at its ascending node on the
    // GCRS equator.
    double from_j2000[3][3];
    // Longitude of the true equinox of date from that node (radians).
    double equinox_from_node;
    // Rate of the nutation in longitude (radians per day).
    double nutation_rate;
};

// With ERFA's IAU 2000B nutation (eraNut00b), held still (rate 0).
EclipticOfDate EclipticOfDateAt(double jd_tt);

// With the nutation in longitude given (radians) and its rate (radians per
// day).
EclipticOfDate EclipticOfDateAt(double jd_tt, double nutation_in_longitude,
                                double nutation_rate);

struct ApparentSun {
    double longitude;  // radians, 0 <= longitude < 2 pi
    double rate;       // radians per day
    double distance;   // au
};

// The Sun at `jd_tt` in the orientation `frame` (which should be within a
// day or so of jd_tt). `distance_guess` (au) sets where the Earth is taken;
// the light time itself follows from the distance found there, so an error
// of 0.001 au in the guess moves the longitude by less than 0.000001".
ApparentSun ApparentSunAt(double jd_tt, const EclipticOfDate& frame,
                          double distance_guess);

}  // namespace kalvest
