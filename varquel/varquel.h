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
#if !defined(VARQUEL_BUILDING)
#define VARQUEL_API __declspec(dllimport)
#elif defined(__MINGW32__) && !defined(_WIN64)
/* MinGW drops the leading underscore of a 32-bit standard-call export
 * ("deltat@12"); the module-definition file varquel.def names the exports
 * instead, so nothing is exported twice. */
#define VARQUEL_API
#else
/* MSVC keeps the decoration of a 32-bit standard-call export
 * ("_deltat@12"); 64-bit names carry none ("deltat"). */
#define VARQUEL_API __declspec(dllexport)
#endif
#elif defined(VARQUEL_BUILDING)
#define VARQUEL_API __attribute__((visibility("default")))
#else
#define VARQUEL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * phase_record: what varquel() reports about one phase of the Moon. The
 * caller owns it; four 32-bit integers, then nine doubles, with natural
 * alignment (88 bytes, no padding).
 *
 * varquel() clears the whole record first. For a new or full moon (and a
 * phase number outside 0..3) it fills saros, eclipse, jde, jde_max, gamma
 * and u whether or not an eclipse occurs, and at full moon the lunar
 * magnitudes and semidurations as well; for a quarter only lunation and
 * phase are set and all else stays 0 (the instant is the result).
 */
typedef struct phase_record {
    int32_t lunation;      /* copy of the argument */
    int32_t phase;         /* copy of the argument */
    int32_t saros;         /* saros series 1..223 */
    int32_t eclipse;       /* classification 0..10, see below */
    double jde;            /* instant of the phase, Julian Ephemeris Day */
    double jde_max;        /* instant of greatest eclipse, JDE */
    double gamma;          /* least distance of the shadow axis from the
                              Earth's centre, Earth equatorial radii, signed */
    double u;              /* radius of the umbral cone in the fundamental
                              plane, Earth equatorial radii */
    double mag_penumbral;  /* lunar eclipse magnitudes (full moon only) */
    double mag_umbral;
    double sd_penumbral;   /* lunar semidurations in minutes (full moon
                              only); 0 for a phase that does not occur */
    double sd_partial;
    double sd_total;
} phase_record;

/* Eclipse classification in phase_record.eclipse. */
enum {
    VARQUEL_NO_ECLIPSE = 0,              /* "    " */
    VARQUEL_SOLAR_PARTIAL = 1,           /* "P   " */
    VARQUEL_SOLAR_CENTRAL_ANNULAR = 2,   /* "CA  " */
    VARQUEL_SOLAR_CENTRAL_TOTAL = 3,     /* "CT  " */
    VARQUEL_SOLAR_NONCENTRAL_TOTAL = 4,  /* "NCT " */
    VARQUEL_SOLAR_NONCENTRAL_ANNULAR = 5, /* "NCA " */
    VARQUEL_SOLAR_CENTRAL_HYBRID = 6,    /* "CAT " annular-total */
    VARQUEL_SOLAR_NONCENTRAL_HYBRID = 7, /* "NCAT" */
    VARQUEL_LUNAR_PENUMBRAL = 8,         /* "LP  " */
    VARQUEL_LUNAR_PARTIAL = 9,           /* "LU  " umbral */
    VARQUEL_LUNAR_TOTAL = 10             /* "LT  " */
};

/* Phase numbers for varquel(). */
enum {
    VARQUEL_NEW_MOON = 0,
    VARQUEL_FIRST_QUARTER = 1,
    VARQUEL_FULL_MOON = 2,
    VARQUEL_LAST_QUARTER = 3
};

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

/*
 * varquel: instant of one phase of the Moon, in Julian Ephemeris Day
 * (Terrestrial Time), by the classical mean-lunation series (25 periodic
 * and 14 planetary terms); for a new or full moon also the circumstances of
 * a possible solar or lunar eclipse. Windows export: _varquel@12.
 *
 *   lunation  0 is the lunation of the new moon of 2000 January 6; each
 *             step is one synodic month, negative values run backwards.
 *   phase     0 new moon, 1 first quarter, 2 full moon, 3 last quarter.
 *             Other values are not rejected: the instant then lacks the
 *             periodic terms, and a record is filled as for a solar
 *             eclipse without its time terms.
 *   record    caller's record, or NULL for the instant alone. When given it
 *             is cleared and filled (see phase_record); never kept.
 *
 * Returns the instant of the phase; never fails.
 */
VARQUEL_API double VARQUEL_CALL varquel(int32_t lunation, int32_t phase,
                                        phase_record *record);

/*
 * getenv1: copies the value of the environment variable `name`, with its
 * terminating NUL, into `buffer`, and returns 0. An unset variable (or a
 * NULL name) gives the empty string; a NULL buffer receives nothing.
 * Windows export: _getenv1@8.
 *
 * There is no size argument: the buffer must hold the whole value. Prefer
 * getenv2, which cannot overrun.
 */
VARQUEL_API int32_t VARQUEL_CALL getenv1(const char *name, char *buffer);

/*
 * getenv2: bounded lookup of the environment variable `name`. Returns the
 * length of its value without the NUL, or -1 when it is not set (or name
 * is NULL). Writes at most `size` bytes into `buffer`: the value, cut to
 * size - 1 bytes if need be, and a NUL; an unset variable leaves the empty
 * string. A NULL buffer or a size of 0 or less receives nothing, so
 * getenv2(name, NULL, 0) + 1 is the size that holds the whole value; a
 * result >= size means the copy was cut. Windows export: _getenv2@12.
 */
VARQUEL_API int32_t VARQUEL_CALL getenv2(const char *name, char *buffer,
                                         int32_t size);

#ifdef __cplusplus
}
#endif

/* The layout other languages rely on (see phase_record). */
#include <stddef.h>
#ifdef __cplusplus
#define VARQUEL_STATIC_ASSERT static_assert
#else
#define VARQUEL_STATIC_ASSERT _Static_assert
#endif
VARQUEL_STATIC_ASSERT(offsetof(phase_record, lunation) == 0, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, phase) == 4, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, saros) == 8, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, eclipse) == 12, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, jde) == 16, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, jde_max) == 24, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, gamma) == 32, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, u) == 40, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, mag_penumbral) == 48, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, mag_umbral) == 56, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, sd_penumbral) == 64, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, sd_partial) == 72, "layout");
VARQUEL_STATIC_ASSERT(offsetof(phase_record, sd_total) == 80, "layout");
VARQUEL_STATIC_ASSERT(sizeof(phase_record) == 88, "layout");
#undef VARQUEL_STATIC_ASSERT

#endif /* VARQUEL_H */
