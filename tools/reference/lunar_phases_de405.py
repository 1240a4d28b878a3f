#!/usr/bin/python3
"""Instants of the Moon's phases, 1960-2060, from JPL's DE405: a check of
the DE431 table that the tests use (lunar_phases_sweph.c), sharing nothing
with it but the definition: another integration, read here from its
Chebyshev coefficients, and an apparent place computed here with ERFA.
Writes CSV rows lunation,phase,jd_tt like that table, for the phases inside
DE405's span in Debian's casacore-data-jpl-de405 (1960 January 6 to 2060
January 1), and on standard error how far they lie from the DE431 table.
(They agree to 0.03 s, 0.011 s on average, drifting by 0.03 s a century.)

The apparent place of a body: its barycentric position one light time
before the instant (iterated), seen from the Earth's barycentric position at
the instant, with the relativistic annual aberration of the Earth's
barycentric velocity (eraAb); then the IAU 2006/2000A bias-precession-
nutation matrix (eraPnm06a) and the true obliquity of date (eraObl06 and
the nutation in obliquity of eraNut06a) turn it into ecliptic longitude of
date. The gravitational deflection of the Moon's light by the Sun (a few
milliarcseconds) is left out. TDB is taken as TT (1.7 ms at most). The root
of elongation - 90 * phase is found by the secant method to 1e-9 day.

Needs Debian's python3-casacore, casacore-data-jpl-de405, python3-erfa and
python3-numpy:
    /usr/bin/python3 tools/reference/lunar_phases_de405.py \\
        tests/ephemeris/data/lunar_phases_sweph.csv > /tmp/lunar_phases_de405.csv
It takes the lunations and phases to compute, and the starting instants of
its searches, from the DE431 table given.
"""
import math
import sys

import erfa
import numpy as np
from casacore.tables import table

DE405 = '/usr/share/casacore/data/ephemerides/DE405'


class Ephemeris:
    """DE405's records: positions (km) of the Earth-Moon barycentre, the Sun
    (barycentric) and the Moon (geocentric), in the ICRF."""

    def __init__(self, path):
        records = table(path, ack=False)
        keywords = records.getkeywords()
        layout = records.getcoldesc('x')['keywords']['Description'].reshape(3, 13)
        self.offset, self.coefficients, self.intervals = layout
        self.length = keywords['dMJD']
        self.emrat = keywords['EMRAT']
        self.au = keywords['AU']
        self.clight = keywords['CLIGHT'] * 86400.0 / self.au   # au per day
        self.data = records.getcol('x')
        # Row i holds the record that starts at its MJD, dMJD days long.
        mjd = records.getcol('MJD')
        if np.any(np.abs(np.diff(mjd) - self.length) > 1e-9):
            sys.exit('unexpected layout of ' + path)
        self.start = mjd[0] + 2400000.5
        self.end = self.start + self.length * len(mjd)

    def _body(self, body, jd):
        row = int((jd - self.start) // self.length)
        if row < 0 or row >= len(self.data):
            raise ValueError(f'{jd} outside DE405')
        n = self.coefficients[body]
        parts = self.intervals[body]
        span = self.length / parts
        since = jd - self.start - row * self.length
        part = min(int(since // span), parts - 1)
        x = 2.0 * (since - part * span) / span - 1.0
        chebyshev = np.empty(n)
        chebyshev[0], chebyshev[1] = 1.0, x
        for j in range(2, n):
            chebyshev[j] = 2.0 * x * chebyshev[j - 1] - chebyshev[j - 2]
        base = self.offset[body] - 3 + part * 3 * n   # the row omits the two dates
        coefficients = self.data[row][base:base + 3 * n].reshape(3, n)
        return coefficients @ chebyshev / self.au

    def earth_moon_sun(self, jd):
        """Barycentric Earth, barycentric Moon, barycentric Sun (au)."""
        barycentre = self._body(2, jd)
        moon = self._body(9, jd)
        earth = barycentre - moon / (1.0 + self.emrat)
        return earth, earth + moon, self._body(10, jd)


EPHEMERIS = Ephemeris(DE405)


def apparent_longitudes(jd):
    """The Moon's and the Sun's apparent ecliptic longitudes of date (radians)."""
    earth, _, _ = EPHEMERIS.earth_moon_sun(jd)
    h = 0.001
    velocity = (EPHEMERIS.earth_moon_sun(jd + h)[0] - EPHEMERIS.earth_moon_sun(jd - h)[0]) / (2 * h)
    _, _, sun_now = EPHEMERIS.earth_moon_sun(jd)
    sun_distance = np.linalg.norm(earth - sun_now)
    v = velocity / EPHEMERIS.clight
    bm1 = math.sqrt(1.0 - v @ v)
    matrix = erfa.pnm06a(jd, 0.0)
    _, deps = erfa.nut06a(jd, 0.0)
    to_ecliptic = erfa.rx(erfa.obl06(jd, 0.0) + deps, np.identity(3)) @ matrix
    longitudes = []
    for which in (1, 2):
        light_time = 0.0
        for _ in range(4):
            position = EPHEMERIS.earth_moon_sun(jd - light_time)[which] - earth
            light_time = np.linalg.norm(position) / EPHEMERIS.clight
        direction = erfa.ab(position / np.linalg.norm(position), v, sun_distance, bm1)
        x, y, _ = to_ecliptic @ direction
        longitudes.append(math.atan2(y, x))
    return longitudes


def elongation_error(jd, phase):
    moon, sun = apparent_longitudes(jd)
    return math.remainder(moon - sun - phase * math.pi / 2.0, 2.0 * math.pi)


def phase_instant(phase, start):
    a, b = start - 0.001, start + 0.001
    fa, fb = elongation_error(a, phase), elongation_error(b, phase)
    for _ in range(30):
        c = b - fb * (b - a) / (fb - fa)
        a, fa = b, fb
        b, fb = c, elongation_error(c, phase)
        if abs(b - a) < 1e-9:
            return b
    sys.exit(f'no convergence near {start}')


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: lunar_phases_de405.py tests/ephemeris/data/lunar_phases_sweph.csv')
    print('lunation,phase,jd_tt')
    differences = []
    with open(sys.argv[1]) as rows:
        next(rows)
        for line in rows:
            lunation, phase, jd = line.strip().split(',')[0:3]
            jd = float(jd)
            if EPHEMERIS.start + 1.0 < jd < EPHEMERIS.end - 1.0:
                found = phase_instant(int(phase), jd)
                print(f'{lunation},{phase},{found:.8f}')
                differences.append((found - jd) * 86400.0)
    largest = max(abs(d) for d in differences)
    mean = sum(differences) / len(differences)
    print(f'{len(differences)} phases: DE405 - DE431 table largest {largest:.3f} s, '
          f'mean {mean:.3f} s', file=sys.stderr)


if __name__ == '__main__':
    main()
