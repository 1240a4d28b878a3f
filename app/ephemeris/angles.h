// Small tools of angle arithmetic that the theories share.
#pragma once

#include <cmath>

#include "ephemeris/astronomical_constants.h"

namespace kalvest {

// The angle reduced to (-pi, pi]: the shorter way round to it.
inline double WrappedAngle(double angle) {
    angle = std::fmod(angle, kTwoPi);
    if (angle > kPi) angle -= kTwoPi;
    if (angle <= -kPi) angle += kTwoPi;
    return angle;
}

// A point on the unit circle, e^(i x): products of them add angles, so
// that the sines and cosines of a series' arguments come from a few
// multiplications instead of a call to sin and cos for each term.
struct Turn {
    double cos;
    double sin;
};

inline Turn Times(const Turn& a, const Turn& b) {
    return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

}  // namespace kalvest
