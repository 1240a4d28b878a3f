// Instants of the equinoxes and solstices (mean instant from a year
// polynomial, 24 periodic terms, then Delta T), after Meeus, Astronomical
// Algorithms, chapter 27, without the optional refinement.
#pragma once

#include <cstdint>

namespace kalvest {

// Event codes: 0 March equinox, 1 June solstice, 2 September equinox,
// anything else the December solstice.
enum EventCode : std::int16_t {
    kMarchEquinox = 0,
    kJuneSolstice = 1,
    kSeptemberEquinox = 2,
    kDecemberSolstice = 3,
};

// Fills the periodic-term table: stores the published degree values, then
// converts B and C to radians in place. Calling it again restores the same
// table. Must run before the first instant is computed.
void InitPeriodicTerms();

// Sum S of the 24 periodic terms A cos(C T + B) for T in Julian centuries
// from J2000.0.
double PeriodicTermsSum(double T);

// Instant of the event in the whole year, Julian Ephemeris Day (TT).
double EquinoxSolsticeJDE(std::int16_t event, std::int32_t year);

// The pivot year the program passes to varquel's deltat: from it on the
// modern parabola alone, before it the consensus of the long-term formulas.
constexpr std::int32_t kDeltaTPivotYear = 1915;

// Delta T for the whole year, in minutes, from varquel. Throws
// LibraryError when varquel or its entry point cannot be had.
double DeltaTMinutes(std::int32_t year);

// Instant of the event in the whole year, Julian Day (UT).
double EquinoxSolsticeJD(std::int16_t event, std::int32_t year);

}  // namespace kalvest
