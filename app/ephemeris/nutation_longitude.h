// The nutation in longitude of the IAU 2000B model, with its rate: the same
// series as ERFA's eraNut00b, but each term's sine and cosine built from
// those of the five fundamental arguments, so that a search that needs it at
// every step pays a fifth of the time.
#pragma once

namespace kalvest {

struct NutationInLongitude {
    double value;  // radians
    double rate;   // radians per day
};

// At `jd_tt` (TT). Within 1e-18 radians of eraNut00b over the years
// -3000..6000.
NutationInLongitude NutationInLongitudeAt(double jd_tt);

}  // namespace kalvest
