#include "ephemeris/lunar_phase_search.h"

#include <cmath>
#include <limits>

#include "ephemeris/angles.h"
#include "ephemeris/apparent_sun.h"
#include "ephemeris/moon_position.h"
#include "ephemeris/nutation_longitude.h"

namespace kalvest {
namespace {


// A Newton step of d days leaves the estimate within c d^2 days of the
// root, c being half the elongation's second derivative over its first. The
// elongation moves at 10.8 to 14.5 degrees a day and its rate changes by up
// to 0.54 degrees a day per day (the equation of the centre, the variation,
// the evection), so c stays below 0.025 a day; the steps end once c d^2 is
// below kTolerance, a millisecond. A step of a minute (which is what a
// start from varquel's instant takes) ends the search at once.
constexpr double kCurvature = 0.03;
constexpr double kTolerance = 1e-8;
// Enough for a start up to half a lunation away.
constexpr int kMaxSteps = 12;
// The precession and nutation of the Sun's frame are taken afresh when the
// estimate has moved this far (days) from where they were taken; in between
// both are carried forward with their rates.
constexpr double kFrameReuse = 0.05;

struct Frame {
    NutationInLongitude nutation;
    EclipticOfDate ecliptic;
};

Frame FrameAt(double jd_tt) {
    const NutationInLongitude nutation = NutationInLongitudeAt(jd_tt);
    return {nutation, EclipticOfDateAt(jd_tt, nutation.value, nutation.rate)};
}

}  // namespace

double LunarElongationInstant(double elongation_degrees, double near_jd_tt) {
    if (!std::isfinite(elongation_degrees) || !std::isfinite(near_jd_tt)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double target = elongation_degrees * kDegree;
    double jd = near_jd_tt;
    Frame frame = FrameAt(jd);
    // The Sun's distance only sets its light time; the first guess is
    // corrected for inside ApparentSunAt, the later ones are the last found.
    double sun_distance = 1.0;
    for (int i = 0; i < kMaxSteps; ++i) {
        if (std::fabs(jd - frame.ecliptic.jd_tt) > kFrameReuse) frame = FrameAt(jd);
        const ApparentSun sun = ApparentSunAt(jd, frame.ecliptic, sun_distance);
        sun_distance = sun.distance;
        // The same nutation as the Sun's frame carries: it cancels in the
        // elongation.
        const double nutation =
            frame.nutation.value + frame.nutation.rate * (jd - frame.ecliptic.jd_tt);
        const ApparentMoon moon = ApparentMoonAt(jd, nutation, frame.nutation.rate);
        const double step =
            WrappedAngle(target - (moon.longitude - sun.longitude)) / (moon.rate - sun.rate);
        jd += step;
        if (kCurvature * step * step < kTolerance) break;
    }
    return jd;
}

SolarInstant PreciseLunarPhase(int phase, double near_jd_tt) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    if (phase < 0 || phase > 3 || !std::isfinite(near_jd_tt)) return {kNaN, kNaN, kNaN};
    return WithModernDeltaT(LunarElongationInstant(90.0 * phase, near_jd_tt));
}

}  // namespace kalvest
