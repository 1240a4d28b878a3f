// The 24 solar terms of a year by the two rules of the Chinese calendars:
//
//   true sun (dingqi): a term begins when the Sun's apparent longitude
//     reaches its multiple of 15 degrees;
//   mean sun (pingqi): the year from the December solstice of the year
//     before to that of the year is cut into 24 equal parts of time; the
//     term begins at the end of its part, so Dongzhi is the solstice
//     itself.
//
// Each term comes on both time scales with the Delta T used. Without
// `precise`, the solstices of the mean sun come from the series
// (EquinoxSolsticeJD) and UT from the program's Delta T (varquel's, as for
// the cross-quarter days: that of the term's year for the true sun, each
// solstice's own year for the mean sun, the terms between proportionally).
// With `precise`, the solstices come from the true sun and UT from the
// modern Delta T at each instant.
#pragma once

#include <array>
#include <cstdint>

#include "ephemeris/solar_instant.h"
#include "solar/solar_term_names.h"

namespace kalvest {

enum class SolarTermMethod { kMeanSun, kTrueSun };

struct SolarTerm {
    SolarTermName name;
    SolarInstant instant;
};

// The terms of `year` in time order (Xiaohan first, Dongzhi last). Needs
// InitPeriodicTerms; throws LibraryError when varquel is missing and
// `precise` is false.
std::array<SolarTerm, kSolarTermCount> SolarTermsOfYear(std::int32_t year,
                                                        SolarTermMethod method,
                                                        bool precise);

// The true-sun instants alone (Julian Ephemeris Days, TT), in the same
// order. Each search starts where the series' equinoxes and solstices,
// shared out evenly, put the term; the four that are equinoxes or
// solstices start at the series' own instant, so they equal
// PreciseEquinoxSolsticeJDE to the last bit. Needs InitPeriodicTerms.
std::array<double, kSolarTermCount> TrueSunSolarTermsJDE(std::int32_t year);

// One of them: term `index` (0 Xiaohan .. 23 Dongzhi) of `year`, equal to
// TrueSunSolarTermsJDE(year)[index] to the last bit.
double TrueSunSolarTermJDE(std::int32_t year, int index);

}  // namespace kalvest
