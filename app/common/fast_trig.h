// Sine and cosine for the long trigonometric series (the periodic terms of
// the equinoxes, the VSOP87 Earth series): faster than the library's
// functions, within a few units in the last place of them, and inline and
// branch-free, so that loops over many terms can use vector registers.
#pragma once

namespace kalvest::fast_trig {

// Largest magnitude reduced exactly: the count of whole turns stays far
// below 2^20, so that its product with the 33-bit leading part of 2 pi is
// exact. Larger arguments lose accuracy gradually.
constexpr double kExactLimit = 1.0e6;

// x = n * 2 pi + r, with |r| <= pi (Cody and Waite).
struct Reduced {
    double r;
    double r2;
};

inline Reduced Reduce(double x) {
    constexpr double kInverseTwoPi = 0.15915494309189535;
    // 2 pi in parts of 33 significant bits.
    constexpr double kTwoPi1 = 6.2831853069365025;
    constexpr double kTwoPi2 = 2.4308402025215864e-10;
    constexpr double kTwoPi3 = 8.089064995183803e-21;
    // Adding and removing 1.5 * 2^52 rounds to the nearest whole number in
    // the default rounding mode, without a library call.
    constexpr double kRoundingShift = 6755399441055744.0;
    const double n = (x * kInverseTwoPi + kRoundingShift) - kRoundingShift;
    const double r = ((x - n * kTwoPi1) - n * kTwoPi2) - n * kTwoPi3;
    return {r, r * r};
}

// Taylor series on |r| <= pi, to r^26 and r^27: the first omitted terms are
// below 3e-16 there, at the far ends of the range.
inline double Cos(const Reduced& a) {
    const double r2 = a.r2;
    double c = 1.0 / 403291461126605635584000000.0;  // 1/26!
    c = c * r2 - 1.0 / 620448401733239439360000.0;   // 1/24!
    c = c * r2 + 1.0 / 1124000727777607680000.0;
    c = c * r2 - 1.0 / 2432902008176640000.0;
    c = c * r2 + 1.0 / 6402373705728000.0;
    c = c * r2 - 1.0 / 20922789888000.0;
    c = c * r2 + 1.0 / 87178291200.0;
    c = c * r2 - 1.0 / 479001600.0;
    c = c * r2 + 1.0 / 3628800.0;
    c = c * r2 - 1.0 / 40320.0;
    c = c * r2 + 1.0 / 720.0;
    c = c * r2 - 1.0 / 24.0;
    c = c * r2 + 0.5;
    return 1.0 - c * r2;
}

inline double Sin(const Reduced& a) {
    const double r2 = a.r2;
    double s = 1.0 / 10888869450418352160768000000.0;  // 1/27!
    s = s * r2 - 1.0 / 15511210043330985984000000.0;   // 1/25!
    s = s * r2 + 1.0 / 25852016738884976640000.0;
    s = s * r2 - 1.0 / 51090942171709440000.0;
    s = s * r2 + 1.0 / 121645100408832000.0;
    s = s * r2 - 1.0 / 355687428096000.0;
    s = s * r2 + 1.0 / 1307674368000.0;
    s = s * r2 - 1.0 / 6227020800.0;
    s = s * r2 + 1.0 / 39916800.0;
    s = s * r2 - 1.0 / 362880.0;
    s = s * r2 + 1.0 / 5040.0;
    s = s * r2 - 1.0 / 120.0;
    s = s * r2 + 1.0 / 6.0;
    return a.r - s * r2 * a.r;
}

inline double Cos(double x) { return Cos(Reduce(x)); }
inline double Sin(double x) { return Sin(Reduce(x)); }

}  // namespace kalvest::fast_trig
