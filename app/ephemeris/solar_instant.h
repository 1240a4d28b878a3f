// An instant on both time scales, and the Delta T that links them.
#pragma once

namespace kalvest {

struct SolarInstant {
    double jd_tt;            // Julian Ephemeris Day, Terrestrial Time
    double jd_ut;            // Julian Day, Universal Time
    double delta_t_seconds;  // TT - UT
};

// UT from the modern Delta T at the instant (ModernDeltaTSecondsAt).
SolarInstant WithModernDeltaT(double jd_tt);

// UT = TT - minutes / 1440, as EquinoxSolsticeJD applies the program's
// Delta T (DeltaTMinutes, from varquel).
SolarInstant WithDeltaTMinutes(double jd_tt, double delta_t_minutes);

}  // namespace kalvest
