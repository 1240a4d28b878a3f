/*
 * varquel: astronomy routines with a C interface.
 *
 * Every export is a plain function without state: it allocates nothing,
 * keeps nothing between calls and may be called from any thread.
 * Arguments are 32-bit integers, pointers and IEEE doubles passed by value;
 * a double result comes back in the floating-point return register.
 *
 * Names and calling convention
 *   32-bit Windows: standard calling convention (the callee removes its
 *   arguments); the DLL exports the decorated names, for example
 *   "_deltat@12" (underscore, name, at sign, bytes of arguments).
 *   Every other platform: the platform's C calling convention and the plain
 *   name ("deltat"), because ELF and Mach-O symbols carry no decoration.
 *
 * The header can be included from C and from C++.
 */
#ifndef VARQUEL_H
#define VARQUEL_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define VARQUEL_CALL __stdcall
#else
#define VARQUEL_CALL
#endif

#if defined(_WIN32)
/* Windows exports come from the module-definition file varquel.def. */
#define VARQUEL_API
#elif defined(VARQUEL_BUILDING)
#define VARQUEL_API __attribute__((visibility("default")))
#else
#define VARQUEL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * deltat: estimate of Delta T (Terrestrial Time minus Universal Time), in
 * minutes, for the given year. Windows export: _deltat@12.
 *
 *   year   the year as a number; fractions are used as they are.
 *   pivot  from this year on (year >= pivot) the modern parabola
 *          65.04 + 76.14 t + 41.61 t^2 seconds, t = (year - 2000) / 100, is
 *          returned alone. Before it, nine long-term formulas are evaluated,
 *          three of them brought to a common lunar tidal acceleration of
 *          -26"/cy^2, estimates outside -1000..60000 minutes are discarded,
 *          and the mean of the estimates lying within three times a spread
 *          measure of the mean is returned. Kalvest passes 1915.
 *
 * Never fails: when no estimate is plausible the result is 0.0.
 */
VARQUEL_API double VARQUEL_CALL deltat(double year, int32_t pivot);

#ifdef __cplusplus
}
#endif

#endif /* VARQUEL_H */
