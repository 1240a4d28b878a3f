// The one choice of a solar event's instant: by the classical computation
// (the series of the equinoxes and solstices, the true sun through the
// cross-quarter stand-in, varquel's Delta T of the year), as the window
// computes it, or precisely (the Sun's apparent longitude, the modern
// Delta T of each instant). Every run, listing, grid, wheel and term list
// asks here.
#pragma once

#include <cstdint>

#include "ephemeris/solar_instant.h"
#include "solar/solar_event.h"

namespace kalvest {

struct LineInstant {
    double jd;               // Julian Day, UT
    double delta_t_minutes;  // the Delta T the instant was corrected with
    // The instant in TT: jd plus that Delta T, computed first where the
    // computation works in TT (the equinoxes and solstices, every precise
    // instant).
    double jd_tt;
};

// The instant of `event` in `year`. Classical: an equinox or solstice by
// EquinoxSolsticeJD, a cross-quarter day by CrossQuarterMeanSun or
// CrossQuarterTrueSun, each with the Delta T of the year itself (for
// cross-quarter code 0 also). Precise: PreciseEquinoxSolstice,
// PreciseCrossQuarterMeanSun or PreciseCrossQuarterTrueSun, each with the
// modern Delta T of its own instant. Needs InitPeriodicTerms; throws
// LibraryError when a library the classical computation needs is missing.
LineInstant ComputeInstant(const SolarEvent& event, std::int32_t year, bool precise = false);

// Universal Time of an instant in TT that belongs to `year`, by the same
// two rules: varquel's Delta T of the year, or the modern Delta T of the
// instant.
SolarInstant UniversalTimeOf(double jd_tt, std::int32_t year, bool precise);

}  // namespace kalvest
