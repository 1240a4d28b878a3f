/* The module's sin and cos (web/platform/correctly_rounded_math.c) against
 * the same functions in quadruple precision rounded once, which give the
 * nearest double: over millions of arguments of every size the program
 * meets, those next to multiples of pi/2 and pi/4 where the reduction
 * and the choice of series are hardest, and the odd values. Prints the
 * time of both, and fails on the first argument where they differ.
 * Built with the module's flags and run under node (tools/test-web.sh). */
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <time.h>

static uint64_t state = 0x9E3779B97F4A7C15u;
static double Uniform(void) { /* in [0, 1) */
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return (double)(state >> 11) * 0x1p-53;
}

/* An argument: of magnitude 10^-3 to 10^6, or within a few units of the
 * last place of a multiple of pi/4. */
static double Argument(long i) {
    const double sign = Uniform() < 0.5 ? -1.0 : 1.0;
    if (i % 4 == 3) {
        const double multiple = floor(Uniform() * 4e5) * (M_PI / 4);
        return sign * nextafter(multiple, multiple + (Uniform() - 0.5) * 64 * multiple);
    }
    return sign * pow(10.0, -3 + 9 * Uniform()) * Uniform();
}

/* Where the timed loops leave their sums, so that they are not left out. */
volatile double sink;

static int Same(double a, double b) { return a == b ? signbit(a) == signbit(b) : a != a && b != b; }

static int Check(double x) {
    if (!Same(sin(x), (double)sinl(x)) || !Same(cos(x), (double)cosl(x))) {
        printf("FAILED: at %a sin %a (nearest %a), cos %a (nearest %a)\n", x, sin(x),
               (double)sinl(x), cos(x), (double)cosl(x));
        return 0;
    }
    return 1;
}

int main(void) {
    const double odd[] = {0.0, -0.0, 0x1p-1074, -0x1p-600, 0x1p-30, M_PI_4, -M_PI_2, M_PI,
                          0x1p19, -0x1p19 + 1, 1e22, INFINITY, -INFINITY, NAN};
    for (unsigned i = 0; i < sizeof odd / sizeof odd[0]; ++i) {
        if (!Check(odd[i])) return 1;
    }
    const long count = 1000000;
    clock_t start = clock();
    for (long i = 0; i < count; ++i) sink += sin(Argument(i)) + cos(Argument(i));
    const double fast = (double)(clock() - start) / CLOCKS_PER_SEC;
    state = 0x9E3779B97F4A7C15u;
    start = clock();
    for (long i = 0; i < count; ++i) sink += (double)sinl(Argument(i)) + (double)cosl(Argument(i));
    const double quad = (double)(clock() - start) / CLOCKS_PER_SEC;
    state = 0x9E3779B97F4A7C15u;
    for (long i = 0; i < count; ++i) {
        if (!Check(Argument(i))) return 1;
    }
    printf("sin and cos: the nearest double at %ld arguments; %.0f ns a pair (quadruple: %.0f ns)\n",
           count, fast / count * 1e9, quad / count * 1e9);
    return 0;
}
