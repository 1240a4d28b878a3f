// The Earth's heliocentric position from the truncated VSOP87B series
// (ecliptic and dynamical equinox of J2000.0).
#pragma once

namespace kalvest {

struct HeliocentricEarth {
    double longitude;       // radians, not reduced to one turn
    double latitude;        // radians
    double radius;          // au
    double longitude_rate;  // radians per Julian millennium
};

// Position at tau Julian millennia (365250 days) from J2000.0, TT. Meant for
// years -3000..6000; within 1..3000 the longitude keeps to the full series
// within 0.05".
HeliocentricEarth EarthFromVsop87(double tau);

}  // namespace kalvest
