/* sin, cos and atan2 for the browser module, in place of its C library's.
 *
 * kalvest-cli prints instants to 1e-10 day, the last bit of a Julian Day,
 * so a sine one unit in the last place off can show in its CSV. glibc's
 * sin, cos and atan2, which kalvest-cli calls, give the nearest double for
 * all but about one argument in a thousand; musl's, which Emscripten links,
 * are one unit off for one argument in fifty (sin, cos) or in six (atan2).
 * These give the nearest double, so that the page prints what the program
 * prints. ERFA and varquel call them as well: definitions of the module's
 * own come first in the link, and the C library's are then never taken.
 *
 * sin and cos: the argument is reduced by pi/2 in three parts and the
 * Taylor series summed in double-double arithmetic, to about 2^-64 of the
 * result; when that does not settle the rounding (about one argument in a
 * thousand), or the argument is huge, tiny or not finite, the module's
 * quadruple-precision functions decide, rounded once. atan2 is always the
 * quadruple one: the program calls it a few times an event. */
#include <math.h>

#pragma STDC FP_CONTRACT OFF

typedef struct {
    double hi, lo;
} dd;

/* pi/2 as 33 + 33 + 53 bits: k times each of the first two parts is exact
 * for |k| < 2^20. What is left of pi/2 is below 1.1e-37. */
static const double kPiHalf1 = 0x1.921fb544p+0;
static const double kPiHalf2 = 0x1.0b4611a6p-34;
static const double kPiHalf3 = 0x1.3198a2e037073p-69;
static const double kTwoOverPi = 0x1.45f306dc9c883p-1;
/* Beyond it the reduction above is no longer exact; below the other
 * bound the products of the series could lose bits. */
static const double kLargest = 0x1p19;
static const double kSmallest = 0x1p-500;

static const dd kSixth = {0x1.5555555555555p-3, 0x1.5555555555555p-57};
static const dd kOver120 = {0x1.1111111111111p-7, 0x1.1111111111111p-63};
static const dd kOver24 = {0x1.5555555555555p-5, 0x1.5555555555555p-59};
static const dd kOver720 = {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65};

static dd TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return (dd){s, (a - (s - bb)) + (b - bb)};
}

static dd FastTwoSum(double a, double b) { /* |a| >= |b| */
    const double s = a + b;
    return (dd){s, b - (s - a)};
}

static dd TwoProduct(double a, double b) {
    const double p = a * b;
    const double split = 134217729.0; /* 2^27 + 1 */
    const double ca = split * a, cb = split * b;
    const double ah = ca - (ca - a), al = a - ah;
    const double bh = cb - (cb - b), bl = b - bh;
    return (dd){p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

static dd Multiply(dd x, dd y) {
    dd p = TwoProduct(x.hi, y.hi);
    p.lo += x.hi * y.lo + x.lo * y.hi;
    return FastTwoSum(p.hi, p.lo);
}

static dd Add(dd x, dd y) {
    dd s = TwoSum(x.hi, y.hi);
    s.lo += x.lo + y.lo;
    return FastTwoSum(s.hi, s.lo);
}

static dd Negated(dd x) { return (dd){-x.hi, -x.lo}; }

/* The tails of the series beyond the terms summed in double-double:
 * sin r = r - r^3/6 + r^5/120 - r^7 SinTail(r^2),
 * cos r = 1 - r^2/2 + r^4/24 - r^6/720 + r^8 CosTail(r^2). */
static double SinTail(double z) {
    return 0x1.a01a01a01a01ap-13 +
           z * (-0x1.71de3a556c734p-19 +
                z * (0x1.ae64567f544e4p-26 +
                     z * (-0x1.6124613a86d09p-33 +
                          z * (0x1.ae7f3e733b81fp-41 +
                               z * (-0x1.952c77030ad4ap-49 + z * 0x1.2f49b46814157p-57)))));
}

static double CosTail(double z) {
    return 0x1.a01a01a01a01ap-16 +
           z * (-0x1.27e4fb7789f5cp-22 +
                z * (0x1.1eed8eff8d898p-29 +
                     z * (-0x1.93974a8c07c9dp-37 +
                          z * (0x1.ae7f3e733b81fp-45 +
                               z * (-0x1.6827863b97d97p-53 + z * 0x1.e542ba4020225p-62)))));
}

/* sin and cos of r, |r| a little beyond pi/4, in plain double: for the
 * small correction that the low part of the reduced argument brings. */
static double PlainSin(double r) {
    const double z = r * r;
    return r + r * z * (-1.0 / 6 + z * (1.0 / 120 - z * SinTail(z)));
}

static double PlainCos(double r) {
    const double z = r * r;
    return 1.0 + z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720 + z * CosTail(z))));
}

/* sin(hi + lo) = sin hi + lo cos hi, and cos(hi + lo) = cos hi - lo sin hi,
 * as lo is below half a unit of hi's last place. */
static dd KernelSin(dd r) {
    const dd z = TwoProduct(r.hi, r.hi);
    const dd r3 = Multiply((dd){r.hi, 0.0}, z);
    const dd r5 = Multiply(r3, z);
    dd sum = Add((dd){r.hi, 0.0}, Negated(Multiply(r3, kSixth)));
    sum = Add(sum, Multiply(r5, kOver120));
    sum.lo += r.lo * PlainCos(r.hi) - r5.hi * z.hi * SinTail(z.hi);
    return FastTwoSum(sum.hi, sum.lo);
}

static dd KernelCos(dd r) {
    const dd z = TwoProduct(r.hi, r.hi);
    const dd z2 = Multiply(z, z);
    const dd z3 = Multiply(z2, z);
    dd sum = Add((dd){1.0, 0.0}, (dd){-0.5 * z.hi, -0.5 * z.lo});
    sum = Add(sum, Multiply(z2, kOver24));
    sum = Add(sum, Negated(Multiply(z3, kOver720)));
    sum.lo += z2.hi * z2.hi * CosTail(z.hi) - r.lo * PlainSin(r.hi);
    return FastTwoSum(sum.hi, sum.lo);
}

/* x - k pi/2 as a double-double, for |x| < kLargest: the first step is
 * exact (Sterbenz), the others keep their rounding errors. */
static dd Reduced(double x, double k) {
    const double t1 = x - k * kPiHalf1;
    const dd t2 = TwoSum(t1, -(k * kPiHalf2));
    const dd p3 = TwoProduct(k, kPiHalf3);
    const dd s = TwoSum(t2.hi, -p3.hi);
    return FastTwoSum(s.hi, s.lo + t2.lo - p3.lo);
}

/* The double nearest to v, if the error bound settles it; otherwise
 * *settled becomes 0. The bound covers the series (2^-64 of the result)
 * and the reduction (below 2^-99 absolute, for |k| < 2^19). */
static double Rounded(dd v, int* settled) {
    const double bound = fabs(v.hi) * 0x1p-64 + 0x1p-99;
    const double up = v.hi + (v.lo + bound);
    const double down = v.hi + (v.lo - bound);
    *settled = up == down;
    return up;
}

/* sin (want_cos 0) or cos (want_cos 1) of x, or *settled 0. */
static double SinOrCos(double x, int want_cos, int* settled) {
    const double size = fabs(x);
    if (!(size < kLargest) || size < kSmallest) {
        *settled = 0;
        return 0.0;
    }
    const double k = nearbyint(x * kTwoOverPi);
    const dd r = Reduced(x, k);
    const int quadrant = ((int)fmod(k, 4.0) + 4 + want_cos) % 4;
    const double value = Rounded(quadrant % 2 == 0 ? KernelSin(r) : KernelCos(r), settled);
    return quadrant >= 2 ? -value : value;
}

double sin(double x) {
    int settled = 0;
    const double value = SinOrCos(x, 0, &settled);
    return settled ? value : (double)sinl(x);
}

double cos(double x) {
    int settled = 0;
    const double value = SinOrCos(x, 1, &settled);
    return settled ? value : (double)cosl(x);
}

double atan2(double y, double x) { return (double)atan2l(y, x); }
