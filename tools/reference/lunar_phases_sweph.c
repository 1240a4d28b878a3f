/* Reference instants of the Moon's phases, 1900-2100, from the Swiss
 * Ephemeris with its DE431-based data files (Debian's libswe-dev and
 * swe-basic-data, which install semo_18.se1 and sepl_18.se1, 1800-2400, in
 * /usr/share/libswe/ephe).
 *
 * Writes CSV rows lunation,phase,jd_tt,moon_longitude,moon_distance_km:
 * the instant (TT) at which the Moon's apparent geocentric ecliptic
 * longitude minus the Sun's, both of the true equinox and ecliptic of date
 * (light time, aberration and nutation included, as swe_calc gives them by
 * default), is 90 * phase degrees (0 new moon, 1 first quarter, 2 full
 * moon, 3 last quarter); and at that instant the Moon's apparent longitude
 * (degrees) and its distance (km).
 * Lunation 0 is that of the new moon of 2000 January 6, as in varquel.
 * Every phase from the first of 1900 to the last of 2100 (TT) is listed.
 * The root is found by Newton steps with the longitudes' own rates, to
 * 1e-9 day. Every call is checked to have used the data files: a missing
 * file would make the library fall back on its analytical series silently.
 *
 * The Swiss Ephemeris is AGPL (or commercial); only this generator uses it.
 *
 *   apt-get install libswe-dev swe-basic-data
 *   cc -O2 -o /tmp/lunar_phases_sweph tools/reference/lunar_phases_sweph.c -lswe -lm
 *   /tmp/lunar_phases_sweph > tests/ephemeris/data/lunar_phases_sweph.csv
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

static const char kEphemerisFolder[] = "/usr/share/libswe/ephe";
/* The mean synodic month and the mean new moon of lunation 0. */
static const double kSynodicMonth = 29.530588861;
static const double kMeanNewMoon2000 = 2451550.09766;
/* 1900 January 1 and 2101 January 1, 0h TT. */
static const double kFirst = 2415020.5;
static const double kEnd = 2488434.5;

/* The astronomical unit, km. */
static const double kAu = 149597870.700;

struct Longitude {
    double degrees;
    double rate;     /* degrees per day */
    double distance; /* au */
};

static struct Longitude Apparent(int body, double jd_tt) {
    double values[6];
    char error[AS_MAXCH];
    const int32 wanted = SEFLG_SWIEPH | SEFLG_SPEED;
    const int32 flag = swe_calc(jd_tt, body, wanted, values, error);
    if (flag < 0 || (flag & SEFLG_SWIEPH) == 0) {
        fprintf(stderr, "swe_calc(%.6f, %d) did not use the data files: %s\n", jd_tt, body,
                error);
        exit(1);
    }
    struct Longitude result = {values[0], values[3], values[2]};
    return result;
}

/* An angle in degrees reduced to [-180, 180). */
static double Wrapped(double degrees) {
    double reduced = fmod(degrees + 180.0, 360.0);
    if (reduced < 0.0) reduced += 360.0;
    return reduced - 180.0;
}

static double PhaseInstant(int lunation, int phase) {
    double jd = kMeanNewMoon2000 + kSynodicMonth * (lunation + phase / 4.0);
    for (int i = 0; i < 30; ++i) {
        const struct Longitude moon = Apparent(SE_MOON, jd);
        const struct Longitude sun = Apparent(SE_SUN, jd);
        const double step =
            Wrapped(90.0 * phase - (moon.degrees - sun.degrees)) / (moon.rate - sun.rate);
        jd += step;
        if (fabs(step) < 1e-9) return jd;
    }
    fprintf(stderr, "no convergence for lunation %d phase %d\n", lunation, phase);
    exit(1);
}

int main(void) {
    swe_set_ephe_path((char*)kEphemerisFolder);
    /* The true phase lies within a day of the mean one: start a lunation
     * early and keep what falls inside the span. */
    const int first = (int)floor((kFirst - kMeanNewMoon2000) / kSynodicMonth) - 1;
    const int last = (int)ceil((kEnd - kMeanNewMoon2000) / kSynodicMonth) + 1;
    printf("lunation,phase,jd_tt,moon_longitude,moon_distance_km\n");
    for (int lunation = first; lunation <= last; ++lunation) {
        for (int phase = 0; phase < 4; ++phase) {
            const double jd = PhaseInstant(lunation, phase);
            if (jd < kFirst || jd >= kEnd) continue;
            const struct Longitude moon = Apparent(SE_MOON, jd);
            printf("%d,%d,%.8f,%.7f,%.1f\n", lunation, phase, jd, moon.degrees,
                   moon.distance * kAu);
        }
    }
    swe_close();
    return 0;
}
