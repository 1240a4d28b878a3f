#include "ephemeris/solar_longitude_search.h"

#include <cmath>
#include <limits>

#include "ephemeris/angles.h"
#include "ephemeris/apparent_sun.h"
#include "ephemeris/astronomical_constants.h"
#include "ephemeris/nutation_longitude.h"

namespace kalvest {
namespace {

// The apparent longitude to about 0.01 degree (a quarter of an hour of the
// Sun's motion) from the mean longitude and the equation of the centre, with
// the mean aberration and the main nutation term; and the Sun's distance to
// about 0.0001 au. Only a starting point for the full theory.
struct RoughSun {
    double longitude;  // radians
    double rate;       // radians per day
    double distance;   // au
};

RoughSun RoughSunAt(double jd_tt) {
    const double t = (jd_tt - kJ2000) / kDaysPerJulianCentury;
    const double mean_longitude = (280.46646 + t * (36000.76983 + t * 0.0003032)) * kDegree;
    const double anomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kDegree;
    const double eccentricity = 0.016708634 - t * (0.000042037 + t * 0.0000001267);
    const double node = (125.04 - 1934.136 * t) * kDegree;
    const double centre =
        ((1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(anomaly) +
         (0.019993 - t * 0.000101) * std::sin(2.0 * anomaly) +
         0.000289 * std::sin(3.0 * anomaly)) * kDegree;
    const double centre_rate =
        ((1.914602 - t * 0.004817) * std::cos(anomaly) +
         2.0 * 0.019993 * std::cos(2.0 * anomaly) +
         3.0 * 0.000289 * std::cos(3.0 * anomaly)) * kDegree * 35999.05029 * kDegree;
    const double longitude = mean_longitude + centre - 0.00569 * kDegree -
                             0.00478 * kDegree * std::sin(node);
    const double true_anomaly = anomaly + centre;
    const double distance = 1.000001018 * (1.0 - eccentricity * eccentricity) /
                            (1.0 + eccentricity * std::cos(true_anomaly));
    return {longitude, (36000.76983 * kDegree + centre_rate) / kDaysPerJulianCentury, distance};
}

// At most so many Newton steps on each theory. The error a step leaves
// (see the settings) follows from the Sun's rate changing by 3.4 % over
// half a year, with a little from the Moon's pull on the Earth.
constexpr int kRoughSteps = 12;
constexpr int kFullSteps = 8;
// The precession and nutation are taken afresh when the estimate has moved
// this far (days) from where they were last taken. The precession is
// carried forward at its mean rate. ERFA's nutation, held still, moves by
// up to 0.1" a day, which over the rough theory's error (under half an
// hour) leaves the result within a few hundredths of a second of the exact
// root; our own is carried with its rate.
constexpr double kFrameReuse = 0.05;

EclipticOfDate FrameAt(double jd_tt, const LongitudeSearchSettings& settings) {
    if (settings.erfa_nutation) return EclipticOfDateAt(jd_tt);
    const NutationInLongitude nutation = NutationInLongitudeAt(jd_tt);
    return EclipticOfDateAt(jd_tt, nutation.value, nutation.rate);
}

}  // namespace

double SolarLongitudeInstant(double longitude_degrees, double near_jd_tt,
                             const LongitudeSearchSettings& settings) {
    if (!std::isfinite(longitude_degrees) || !std::isfinite(near_jd_tt)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double target = longitude_degrees * kDegree;

    // The crossing nearest to the given instant, by the rough theory: its
    // first step may reach half a year either way.
    double jd = near_jd_tt;
    double distance = 1.0;
    for (int i = 0; i < kRoughSteps; ++i) {
        const RoughSun rough = RoughSunAt(jd);
        distance = rough.distance;
        const double step = WrappedAngle(target - rough.longitude) / rough.rate;
        jd += step;
        if (std::fabs(step) < settings.rough_tolerance_days) break;
    }

    // Newton on the full theory, with the distance of the previous step for
    // the light time.
    EclipticOfDate frame = FrameAt(jd, settings);
    for (int i = 0; i < kFullSteps; ++i) {
        if (std::fabs(jd - frame.jd_tt) > kFrameReuse) frame = FrameAt(jd, settings);
        const ApparentSun sun = ApparentSunAt(jd, frame, distance);
        distance = sun.distance;
        const double step = WrappedAngle(target - sun.longitude) / sun.rate;
        jd += step;
        if (std::fabs(step) < settings.step_tolerance_days) break;
    }
    return jd;
}

}  // namespace kalvest
