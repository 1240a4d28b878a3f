#!/usr/bin/python3
"""Reference true-sun instants for 1900-2100 from ERFA.

Without arguments, the cross-quarter days: CSV rows year,code,jd_tt, the
instant (TT) at which the Sun's apparent geocentric ecliptic longitude,
true equinox and ecliptic of date, reaches 315 + 90 * code degrees in that
year (code 0 early in February), every other year.

With --solar-terms, the 24 solar terms of every year: CSV rows
year,degrees,jd_tt, the instant at which that longitude reaches 285, 300,
..., 345, 0, 15, ..., 270 degrees, in time order from early January to the
December solstice; among them the equinoxes and solstices (0, 90, 180,
270).

The Sun comes from ERFA's own Earth ephemeris eraEpv00 (fitted to DE405,
good to a few kilometres over 1900-2100): the Sun's barycentric position at
the time the light left it, seen from the Earth's barycentric position,
with the relativistic aberration of the Earth's barycentric velocity
(eraAb), then rotated to the true equator and equinox of date by the IAU
2006/2000A bias-precession-nutation matrix (eraPnm06a) and to the ecliptic
of date by the true obliquity (eraObl06 plus the nutation in obliquity of
eraNut06a). The root is found by the secant method to 1e-9 day.

Needs Debian's python3-erfa:  /usr/bin/python3 tools/reference/cross_quarter_erfa.py \
    > tests/outside/data/cross_quarter_erfa.csv
  /usr/bin/python3 tools/reference/cross_quarter_erfa.py --solar-terms \
    > tests/outside/data/solar_terms_erfa.csv
"""
import math
import sys

import erfa
import numpy as np

C_AU_PER_DAY = erfa.DC  # speed of light, au per day


def apparent_longitude(jd_tt):
    pvh, pvb = erfa.epv00(jd_tt, 0.0)
    earth_b = pvb['p']
    earth_v = pvb['v']
    light_time = 0.0
    for _ in range(3):
        pvh_e, pvb_e = erfa.epv00(jd_tt - light_time, 0.0)
        sun_b = pvb_e['p'] - pvh_e['p']
        p = sun_b - earth_b
        distance = math.sqrt(float(np.dot(p, p)))
        light_time = distance / C_AU_PER_DAY
    v = earth_v / C_AU_PER_DAY
    bm1 = math.sqrt(1.0 - float(np.dot(v, v)))
    apparent = erfa.ab(p / distance, v, distance, bm1)
    true_equator = erfa.rxp(erfa.pnm06a(jd_tt, 0.0), apparent)
    _, deps = erfa.nut06a(jd_tt, 0.0)
    eps = erfa.obl06(jd_tt, 0.0) + deps
    x, y, z = true_equator
    y_ecliptic = y * math.cos(eps) + z * math.sin(eps)
    return math.atan2(y_ecliptic, x)


def wrapped(angle):
    return (angle + math.pi) % (2.0 * math.pi) - math.pi


def crossing(year, code):
    # Start near the day: early February, May, August, November.
    t0 = 2451545.0 + (year - 2000) * 365.2422 + 33.0 + 91.3 * code
    return longitude_reached(315.0 + 90.0 * code, t0)


TERM_DEGREES = [285, 300, 315, 330, 345] + list(range(0, 271, 15))


def term_crossing(year, degrees):
    # Start near the day: the March equinox of 2000 was on day 79.3, and the
    # terms before it in the year come a year after their angle says.
    days = 79.3 + (degrees % 360) / 360.0 * 365.2422
    if degrees >= 285:
        days -= 365.2422
    return longitude_reached(degrees, 2451544.5 + (year - 2000) * 365.2422 + days)


def longitude_reached(degrees, t0):
    target = math.radians(degrees)
    rate = 2.0 * math.pi / 365.2422
    f0 = wrapped(apparent_longitude(t0) - target)
    t1 = t0 - f0 / rate
    f1 = wrapped(apparent_longitude(t1) - target)
    for _ in range(30):
        if f1 == f0:
            break
        t2 = t1 - f1 * (t1 - t0) / (f1 - f0)
        t0, f0 = t1, f1
        t1 = t2
        f1 = wrapped(apparent_longitude(t1) - target)
        if abs(t1 - t0) < 1e-9:
            break
    return t1


def main():
    if sys.argv[1:] == ['--solar-terms']:
        print('year,degrees,jd_tt')
        for year in range(1900, 2101):
            for degrees in TERM_DEGREES:
                print(f'{year},{degrees},{term_crossing(year, degrees):.8f}')
        return
    print('year,code,jd_tt')
    for year in range(1900, 2101, 2):
        for code in range(4):
            print(f'{year},{code},{crossing(year, code):.8f}')


if __name__ == '__main__':
    main()
