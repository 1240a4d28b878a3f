#include "ephemeris/apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "ephemeris/astronomical_constants.h"
#include "ephemeris/vsop87_earth.h"

namespace kalvest {
namespace {

// Light time for one au, in days.
constexpr double kLightDaysPerAu = 0.0057755183;
// VSOP87 was fitted to an older JPL ephemeris (DE200). Its longitudes
// count from that ephemeris' J2000 equinox, which lies about 0.07" east of
// the J2000 equinox of the IAU 2006 precession, and they drift from those
// of today's ICRS-based ephemerides by about 0.02" a century. Without this
// correction the instants come out 1.8 s early near 2000, and the error
// grows by half a second a century into the past. Both numbers are the
// least-squares line through the differences from ERFA's eraEpv00 (fitted
// to DE405) over 1900-2100; the analytical ephemeris of the Swiss
// Ephemeris (fitted to DE404) shows the same offset and drift there, and
// the drift continues in it back to year 1 (0.4" then).
constexpr double kVsop87EquinoxOffset = -0.0729 * ERFA_DAS2R;
constexpr double kVsop87DriftPerCentury = 0.0204 * ERFA_DAS2R;
// General precession in longitude, IAU 2006: 5028.796195" per Julian century.
constexpr double kPrecessionPerDay = 5028.796195 / kDaysPerJulianCentury * ERFA_DAS2R;

// The rotation from the VSOP87 frame into the GCRS. VSOP87 is referred to
// the dynamical ecliptic and equinox of J2000, which the IAU 2006
// precession places in the GCRS by its Fukushima-Williams angles at J2000
// (frame bias included).
struct J2000Tie {
    double matrix[3][3];
    J2000Tie() {
        double gamma = 0.0;
        double phi = 0.0;
        double psi = 0.0;
        double epsilon = 0.0;
        eraPfw06(kJ2000, 0.0, &gamma, &phi, &psi, &epsilon);
        // GCRS -> ecliptic of J2000 is R3(-psi) R1(phi) R3(gamma); this is
        // its transpose.
        eraIr(matrix);
        eraRz(psi, matrix);
        eraRx(-phi, matrix);
        eraRz(-gamma, matrix);
    }
};

const J2000Tie& Tie() {
    static const J2000Tie tie;
    return tie;
}

}  // namespace

EclipticOfDate EclipticOfDateAt(double jd_tt) {
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut00b(jd_tt, 0.0, &dpsi, &deps);
    return EclipticOfDateAt(jd_tt, dpsi, 0.0);
}

EclipticOfDate EclipticOfDateAt(double jd_tt, double dpsi, double nutation_rate) {
    EclipticOfDate frame{};
    frame.jd_tt = jd_tt;
    frame.nutation_rate = nutation_rate;
    double gamma = 0.0;
    double phi = 0.0;
    double psi = 0.0;
    double epsilon = 0.0;
    eraPfw06(jd_tt, 0.0, &gamma, &phi, &psi, &epsilon);
    // GCRS -> true ecliptic of date is R3(-(psi + dpsi)) R1(phi) R3(gamma):
    // keep the last rotation apart as a plain longitude offset.
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) frame.from_j2000[i][j] = Tie().matrix[i][j];
    }
    eraRz(gamma, frame.from_j2000);
    eraRx(phi, frame.from_j2000);
    frame.equinox_from_node = psi + dpsi;
    return frame;
}

ApparentSun ApparentSunAt(double jd_tt, const EclipticOfDate& frame,
                          double distance_guess) {
    // The Sun seen now is where the Earth's heliocentric position of one
    // light time ago points the other way: this carries the light time and
    // the annual aberration (to the first order in v/c) at once.
    const double emitted = jd_tt - kLightDaysPerAu * distance_guess;
    const HeliocentricEarth earth =
        EarthFromVsop87((emitted - kJ2000) / kDaysPerJulianMillennium);
    // The guess's light time is off by kLightDaysPerAu * (guess - radius),
    // half a second of time for 0.001 au; move the Earth along its orbit
    // by that much.
    const double longitude =
        earth.longitude + ERFA_DPI +
        earth.longitude_rate / kDaysPerJulianMillennium * kLightDaysPerAu *
            (distance_guess - earth.radius);
    const double latitude = -earth.latitude;
    const double cos_latitude = std::cos(latitude);
    const double ecliptic[3] = {cos_latitude * std::cos(longitude),
                                cos_latitude * std::sin(longitude),
                                std::sin(latitude)};
    double of_date[2];
    for (int i = 0; i < 2; ++i) {
        of_date[i] = frame.from_j2000[i][0] * ecliptic[0] +
                     frame.from_j2000[i][1] * ecliptic[1] +
                     frame.from_j2000[i][2] * ecliptic[2];
    }
    double apparent = std::atan2(of_date[1], of_date[0]) +
                      frame.equinox_from_node + kVsop87EquinoxOffset +
                      kVsop87DriftPerCentury * (jd_tt - kJ2000) / kDaysPerJulianCentury +
                      kPrecessionPerDay * (jd_tt - frame.jd_tt) +
                      frame.nutation_rate * (jd_tt - frame.jd_tt);
    apparent = std::fmod(apparent, kTwoPi);
    if (apparent < 0.0) apparent += kTwoPi;
    return {apparent,
            earth.longitude_rate / kDaysPerJulianMillennium + kPrecessionPerDay,
            earth.radius};
}

}  // namespace kalvest
