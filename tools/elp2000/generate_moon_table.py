#!/usr/bin/python3
"""Writes app/ephemeris/moon_elp_table.{h,cpp}: the Moon's geocentric
longitude and distance from the series of the lunar theory ELP2000-82B
(M. Chapront-Touze and J. Chapront, Astron. Astrophys. 124, 50, 1983, and
"Lunar solution ELP 2000-82B", Bureau des longitudes, 1988), with the mean
arguments and constants of ELP/MPP02 fitted to DE405 (J. Chapront and
G. Francou, Astron. Astrophys. 404, 735, 2003: Table 1 and the secular
corrections of Table 4; the authors' notice "Lunar solution ELP, version
ELP/MPP02", 2002).

The coefficients are read from the C source of Debian's libnova, which
holds all 36 series of ELP2000-82B (only its numbers are taken):

    apt-get source libnova        # needs a deb-src entry (tools/deps.sh --windows)
    python3 tools/elp2000/generate_moon_table.py libnova-0.16/src/lunar.c app/ephemeris

What the script does with them:
- The 36 series become one list of terms S sin(theta) + C cos(theta), times
  t^k (t in Julian centuries from J2000, TDB), where theta is an integer
  combination of 13 fundamental arguments: the Delaunay arguments D, l', l,
  F, zeta (the mean longitude W1 plus the precession), and the mean
  longitudes of the eight planets (the Earth-Moon barycentre among them).
  Terms with the same combination and power are added together.
- The main problem's amplitudes get the corrections of the constants nu,
  Gamma, E, n' and e' through their partial derivatives (ELP's B1..B5),
  with the DE405 values of ELP/MPP02; the mean arguments are ELP/MPP02's.
  ELP2000-82B's own constants were fitted to DE200; the largest effect of
  the change is the tidal term of W1 (-6.8084 - 0.0374 instead of -5.8883
  arcseconds per century squared), about 1" at the ends of 1900-2100.
- Longitude terms are kept when their largest value over |t| <= 2 (1800 to
  2200) reaches kLongitudeThreshold, distance terms kDistanceThreshold.
  The latitude is not needed for the ecliptic longitude of date, and the
  distance only for the light time (1000 km there move the longitude by
  0.002"), so its threshold is coarse.
- A term's e^(i theta) is the product of one combination of Delaunay
  arguments and one of the others (at most four factors e^(i m a) each).
  Each distinct combination is listed once, as a shorter combination times
  one factor, so that the evaluator forms every sine and cosine by one
  complex product from the multiples of the 13 arguments, instead of one
  call to sin per term.
"""
import argparse
import math
import re
import sys

ARCSEC = math.pi / 648000.0

kLongitudeThreshold = 0.002   # arcseconds
kDistanceThreshold = 10.0     # km
kLargestTime = 2.0            # centuries from J2000
kLanes = 4

ARGUMENTS = ['D', 'l_sun', 'l_moon', 'F', 'zeta', 'Mercury', 'Venus', 'Earth', 'Mars',
             'Jupiter', 'Saturn', 'Uranus', 'Neptune']
ENUMERATOR = {'D': 'kD', 'l_sun': 'kLPrime', 'l_moon': 'kL', 'F': 'kF', 'zeta': 'kZeta'}
COMMENT = {
    'D': 'D, mean elongation of the Moon',
    'l_sun': "l', mean anomaly of the Earth-Moon barycentre",
    'l_moon': 'l, mean anomaly of the Moon',
    'F': 'F, argument of latitude of the Moon',
    'zeta': 'zeta, W1 plus the precession in longitude',
    'Mercury': 'Mercury', 'Venus': 'Venus', 'Earth': 'Earth-Moon barycentre T',
    'Mars': 'Mars', 'Jupiter': 'Jupiter', 'Saturn': 'Saturn', 'Uranus': 'Uranus',
    'Neptune': 'Neptune',
}


def dms(degrees, minutes, seconds):
    return (degrees * 3600.0 + minutes * 60.0 + seconds) * ARCSEC


# --- ELP/MPP02, fit to DE405 (Chapront & Francou 2003, Table 1) ----------
Dw1_0, Dw2_0, Dw3_0 = -0.07008, 0.20794, -0.07215
Deart_0, Dperi = -0.00033, -0.00749
Dw1_1, Dgam, De, Deart_1, Dep = -0.35106, 0.00085, -0.00006, 0.00732, 0.00224
Dw2_1, Dw3_1, Dw1_2 = 0.08017, -0.04317, -0.03743
# Secular corrections fit to DE406 over several millennia (Table 4).
Dw1_3, Dw1_4 = -0.00018865, -0.00001024
Dw2_2, Dw2_3 = 0.00470602, -0.00025213
Dw3_2, Dw3_3 = -0.00261070, -0.00010712
# Correction to the precession constant 5029.0966"/cy (IAU 2000).
Dprec = -0.29965

# Mean arguments: radians, radians per century^k, k = 0..4.
W1 = [dms(218, 18, 59.95571 + Dw1_0), (1732559343.73604 + Dw1_1) * ARCSEC,
      (-6.8084 + Dw1_2) * ARCSEC, (0.006604 + Dw1_3) * ARCSEC, (-0.00003169 + Dw1_4) * ARCSEC]
W2 = [dms(83, 21, 11.67475 + Dw2_0), (14643420.3171 + Dw2_1) * ARCSEC,
      (-38.2631 + Dw2_2) * ARCSEC, (-0.045047 + Dw2_3) * ARCSEC, 0.00021301 * ARCSEC]
W3 = [dms(125, 2, 40.39816 + Dw3_0), (-6967919.5383 + Dw3_1) * ARCSEC,
      (6.3590 + Dw3_2) * ARCSEC, (0.007625 + Dw3_3) * ARCSEC, -0.00003586 * ARCSEC]
EART = [dms(100, 27, 59.13885 + Deart_0), (129597742.29300 + Deart_1) * ARCSEC,
        -0.020200 * ARCSEC, 0.000009 * ARCSEC, 0.00000015 * ARCSEC]
PERI = [dms(102, 56, 14.45766 + Dperi), 1161.24342 * ARCSEC, 0.529265 * ARCSEC,
        -0.00011814 * ARCSEC, 0.000011379 * ARCSEC]

# The mean motions of the perigee and the node follow from the corrected
# constants through the partials of the main problem (bp).
am = 0.074801329        # n' / nu
alpha = 0.002571881     # a / a'
dtasm = 2.0 * alpha / (3.0 * am)
xa = 2.0 * alpha / 3.0
bp = [[0.311079095, -0.103837907], [-0.004482398, 0.000668287],
      [-0.001102485, -0.001298072], [0.001056062, -0.000178028],
      [0.000050928, -0.000037342]]
w11 = W1[1]
for row, column in ((W2, 0), (W3, 1)):
    x = row[1] / w11
    y = am * bp[0][column] + xa * bp[4][column]
    correction = ((x - y) * Dw1_1 + y / am * Deart_1 + w11 * bp[1][column] * Dgam +
                  w11 * bp[2][column] * De + w11 * bp[3][column] * Dep)
    row[1] += correction * ARCSEC

# Corrections of the constants of the main problem (nu, E, Gamma, n', e').
delnu = (0.55604 + Dw1_1) * ARCSEC / w11
dele = (0.01789 + De) * ARCSEC
delg = (-0.08066 + Dgam) * ARCSEC
delnp = (-0.06424 + Deart_1) * ARCSEC / w11
delep = (-0.12879 + Dep) * ARCSEC

DELAUNAY = {
    'D': [a - b for a, b in zip(W1, EART)],
    'F': [a - b for a, b in zip(W1, W3)],
    'l_moon': [a - b for a, b in zip(W1, W2)],
    'l_sun': [a - b for a, b in zip(EART, PERI)],
}
DELAUNAY['D'][0] += math.pi
ZETA = list(W1)
ZETA[1] += (5029.0966 + Dprec) * ARCSEC
# The planets' mean longitudes of ELP2000-82B (the arguments its planetary
# series were built with), the Earth-Moon barycentre's from ELP/MPP02.
PLANETS = {
    'Mercury': [dms(252, 15, 3.25986), 538101628.68898 * ARCSEC],
    'Venus': [dms(181, 58, 47.28305), 210664136.43355 * ARCSEC],
    'Earth': EART[0:2],
    'Mars': [dms(355, 25, 59.78866), 68905077.59284 * ARCSEC],
    'Jupiter': [dms(34, 21, 5.34212), 10925660.42861 * ARCSEC],
    'Saturn': [dms(50, 4, 38.89694), 4399609.65932 * ARCSEC],
    'Uranus': [dms(314, 3, 18.01841), 1542481.19393 * ARCSEC],
    'Neptune': [dms(304, 20, 55.19575), 786550.32074 * ARCSEC],
}
POLYNOMIAL = dict(DELAUNAY)
POLYNOMIAL['zeta'] = ZETA
POLYNOMIAL.update(PLANETS)
for name in ARGUMENTS:
    POLYNOMIAL[name] = (POLYNOMIAL[name] + [0.0] * 5)[0:5]


# --- Reading libnova's arrays --------------------------------------------
def read_arrays(source):
    text = open(source).read()
    arrays = {}
    for match in re.finditer(r'(\w+_elp(\d+))\s*\[\s*\w+\s*\]\s*=\s*\{(.*?)\n\};', text, re.S):
        rows = []
        for line in match.group(3).splitlines():
            line = line.strip()
            if line.startswith('{'):
                rows.append(re.findall(r'[-+]?\d+(?:\.\d*)?(?:[eE][-+]?\d+)?', line))
        arrays[int(match.group(2))] = rows
    if sorted(arrays) != list(range(1, 37)):
        sys.exit('expected the 36 series elp1..elp36 in ' + source)
    return arrays


def series_kind(number):
    if number <= 3:
        return 'main'
    if 10 <= number <= 15:
        return 'planetary1'
    if 16 <= number <= 21:
        return 'planetary2'
    return 'figure'  # Earth's and Moon's figure, tides, relativity, solar eccentricity


def series_power(number):
    if number in (7, 8, 9, 13, 14, 15, 19, 20, 21, 25, 26, 27):
        return 1
    if number in (34, 35, 36):
        return 2
    return 0


LONGITUDE, LATITUDE, DISTANCE = 0, 1, 2
EXPECTED_ROWS = {1: 1023, 2: 918, 3: 704, 10: 14328}


def collect_terms(arrays):
    """{(coordinate, power, multipliers): [S, C]}, S and C in arcseconds or km."""
    terms = {}
    for number in range(1, 37):
        rows = arrays[number]
        if number in EXPECTED_ROWS and len(rows) != EXPECTED_ROWS[number]:
            sys.exit(f'series {number}: {len(rows)} terms, expected {EXPECTED_ROWS[number]}')
        kind = series_kind(number)
        coordinate = (number - 1) % 3
        power = series_power(number)
        for row in rows:
            k = [0] * len(ARGUMENTS)
            if kind == 'main':
                k[0:4] = [int(x) for x in row[0:4]]
                a = float(row[4])
                b = [float(x) for x in row[5:10]]
                if coordinate == DISTANCE:
                    a -= 2.0 * a * delnu / 3.0
                a += (b[0] + dtasm * b[4]) * (delnp - am * delnu) + b[1] * delg + \
                    b[2] * dele + b[3] * delep
                sine, cosine = (0.0, a) if coordinate == DISTANCE else (a, 0.0)
            else:
                if kind == 'figure':
                    k[4] = int(row[0])
                    k[0:4] = [int(x) for x in row[1:5]]
                    phase, a = float(row[5]), float(row[6])
                else:
                    multiples = [int(x) for x in row[0:11]]
                    phase, a = float(row[11]), float(row[12])
                    if kind == 'planetary1':   # Me V T Ma J S U N, D l F
                        k[5:13] = multiples[0:8]
                        k[0], k[2], k[3] = multiples[8:11]
                    else:                      # Me V T Ma J S U, D l' l F
                        k[5:12] = multiples[0:7]
                        k[0:4] = multiples[7:11]
                phase = math.radians(phase)
                sine, cosine = a * math.cos(phase), a * math.sin(phase)
            # sin(-x) = -sin(x): one sign per combination.
            leading = next((x for x in k if x != 0), 0)
            if leading < 0:
                k = [-x for x in k]
                sine = -sine
            key = (coordinate, power, tuple(k))
            total = terms.setdefault(key, [0.0, 0.0])
            total[0] += sine
            total[1] += cosine
    return terms


def chosen(terms):
    kept = []
    for (coordinate, power, k), (sine, cosine) in terms.items():
        size = math.hypot(sine, cosine) * kLargestTime ** power
        if coordinate == LONGITUDE and size >= kLongitudeThreshold:
            kept.append((coordinate, power, k, sine * ARCSEC, cosine * ARCSEC, size))
        elif coordinate == DISTANCE and size >= kDistanceThreshold:
            kept.append((coordinate, power, k, sine, cosine, size))
    return kept


def factors(k, indices):
    pairs = [(i, k[i]) for i in indices if k[i] != 0]
    if len(pairs) > 4:
        sys.exit(f'combination {k} has more than four factors')
    return tuple(pairs)


def number(x):
    if x == 0:
        return '0.0'
    return repr(float(x))


def main():
    global kLongitudeThreshold, kDistanceThreshold
    parser = argparse.ArgumentParser(description='Writes the truncated ELP table.')
    parser.add_argument('lunar_c', help="libnova's src/lunar.c")
    parser.add_argument('folder', help='where moon_elp_table.h and .cpp go (app/ephemeris)')
    parser.add_argument('--longitude-threshold', type=float, default=kLongitudeThreshold,
                        help='arcseconds (for studies of the truncation; the note in the '
                             'header describes the default)')
    parser.add_argument('--distance-threshold', type=float, default=kDistanceThreshold,
                        help='km')
    options = parser.parse_args()
    kLongitudeThreshold = options.longitude_threshold
    kDistanceThreshold = options.distance_threshold
    arrays = read_arrays(options.lunar_c)
    total_rows = sum(len(rows) for rows in arrays.values())
    terms = collect_terms(arrays)
    kept = chosen(terms)
    # Sorted: by coordinate and power, then by the combination of the other
    # arguments and of the Delaunay arguments, so that neighbouring terms
    # read neighbouring combinations.
    delaunay_indices = range(0, 4)
    other_indices = range(4, len(ARGUMENTS))
    combinations = {(): 0}
    rows = []
    for coordinate, power, k, sine, cosine, size in kept:
        rows.append((coordinate, power, factors(k, other_indices), factors(k, delaunay_indices),
                     sine, cosine, size))
    rows.sort(key=lambda r: (r[0], r[1], r[2] != (), r[2], -r[6]))
    # Every combination is its prefix (one factor fewer) times one factor,
    # so each costs the evaluator one complex product; the prefixes are
    # listed before the combinations made from them.
    def add(part):
        if part not in combinations:
            add(part[:-1])
            combinations[part] = len(combinations)

    for row in rows:
        for part in (row[3], row[2]):
            add(part)
    largest = [0] * len(ARGUMENTS)
    for part in combinations:
        for i, m in part:
            largest[i] = max(largest[i], abs(m))
    offsets = []
    position = 0
    for m in largest:
        offsets.append(position + m)   # the index of multiple 0
        position += 2 * m + 1
    multiples_size = position

    def index(pair):
        return offsets[pair[0]] + pair[1]

    # Each series padded with empty terms to a multiple of kLanes, so that the
    # evaluator can carry several sums side by side.
    padded = []
    series = []
    for key in sorted(set((row[0], row[1]) for row in rows)):
        group = [row for row in rows if (row[0], row[1]) == key]
        begin = len(padded)
        padded += group + [None] * (-len(group) % kLanes)
        series.append((key, begin, len(padded)))

    folder = options.folder
    counts = {c: sum(1 for r in rows if r[0] == c) for c in (LONGITUDE, DISTANCE)}
    source_counts = {c: sum(1 for key in terms if key[0] == c) for c in (LONGITUDE, DISTANCE)}
    write_header(folder, len(combinations), multiples_size, len(padded), len(series))
    write_source(folder, padded, combinations, offsets, largest, multiples_size, series, index,
                 counts, source_counts, total_rows)
    print(f'{counts[LONGITUDE]} of {source_counts[LONGITUDE]} longitude terms, '
          f'{counts[DISTANCE]} of {source_counts[DISTANCE]} distance terms, '
          f'{len(combinations)} combinations, {multiples_size} multiples', file=sys.stderr)


HEADER_NOTE = '''\
// The truncated series of the Moon's geocentric longitude and distance:
// ELP2000-82B (Chapront-Touze & Chapront, 1983), with the mean arguments and
// constants of ELP/MPP02 fitted to DE405 (Chapront & Francou, Astron.
// Astrophys. 404, 735, 2003). Generated by tools/elp2000/generate_moon_table.py
// into moon_elp_table.h and moon_elp_table.cpp; do not edit by hand.
//
// The longitude V = W1 + sum of t^k (S sin theta + C cos theta) over the
// longitude series (radians) is referred to ELP's inertial mean ecliptic of
// date and its departure point; the distance is the same sum over the
// distance series (km). t is in Julian centuries from J2000 (TDB, taken as
// TT), and theta = sum of m_j a_j(t) over the fundamental arguments a_j:
// the product of two combinations, each of at most four factors e^(i m a_j).
//
// Truncation: longitude terms whose largest value over 1800-2200 stays
// below 0.002" are dropped (1103 of 20330 kept), distance terms below 10 km
// (26 of 9469; the distance only sets the light time). Over 1900-2100 the
// longitude keeps within 0.13" of the full series (rms 0.024"), the
// distance within 60 km; the apparent longitude (moon_position.h) within
// 0.15" of DE431, the distance within 90 km. The phases of the Moon found
// with it (lunar_phase_search.h) keep within 0.28 s of those of DE431 over
// 1900-2100, mean error 0.07 s (0.18 s with the full series;
// tests/ephemeris/lunar_phase_accuracy_test.cpp), and within 0.53 s over
// 1800-2400. Meant for 1800-2400; the mean arguments' secular terms were
// fitted to DE406 over six millennia, so that the error grows slowly
// outside.
'''


def write_file(path, lines):
    """Writes the lines and closes the namespace they opened."""
    with open(path, 'w') as out:
        out.write('\n'.join(lines + ['', '}  // namespace kalvest::elp']) + '\n')


def write_header(folder, combination_count, multiples_size, term_count, series_count):
    lines = [HEADER_NOTE.rstrip('\n'), '#pragma once', '', '#include <cstdint>', '',
             'namespace kalvest::elp {', '']
    lines.append('// The fundamental arguments, in the order of kArgumentPolynomial.')
    lines.append('enum Argument : int {')
    for name in ARGUMENTS:
        lines.append(f'    {ENUMERATOR.get(name, "k" + name)},  // {COMMENT[name]}')
    lines.append('    kArgumentCount')
    lines.append('};')
    lines.append('')
    lines.append('// Each argument, and the Moon\'s mean longitude W1: radians and radians per')
    lines.append('// Julian century^k, k = 0..4.')
    lines.append('extern const double kArgumentPolynomial[kArgumentCount][5];')
    lines.append('extern const double kMeanLongitude[5];')
    lines.append('')
    lines.append('// e^(i m a_j) for m = -largest..largest of every argument j lies at')
    lines.append('// kZeroMultiple[j] + m in one array of kMultipleCount entries.')
    lines.append(f'constexpr int kMultipleCount = {multiples_size};')
    lines.append('extern const int kLargestMultiple[kArgumentCount];')
    lines.append('extern const int kZeroMultiple[kArgumentCount];')
    lines.append('')
    lines.append('// A combination of arguments: an earlier combination (its prefix) times one')
    lines.append('// entry of that array, with the rate of its phase at J2000 (radians per')
    lines.append('// century). Combination 0 is the empty one, e^0.')
    lines.append('struct Combination {')
    lines.append('    std::uint16_t prefix;')
    lines.append('    std::uint16_t factor;')
    lines.append('    double rate;')
    lines.append('};')
    lines.append(f'constexpr int kCombinationCount = {combination_count};')
    lines.append('extern const Combination kCombinations[kCombinationCount];')
    lines.append('')
    lines.append('// One term: theta is the sum of the phases of the two combinations.')
    lines.append('struct Term {')
    lines.append('    std::uint16_t delaunay;  // combination of D, l\', l, F')
    lines.append('    std::uint16_t other;     // combination of zeta and the planets, or 0')
    lines.append('    double sine;             // S: radians (longitude) or km (distance)')
    lines.append('    double cosine;           // C')
    lines.append('};')
    lines.append(f'constexpr int kTermCount = {term_count};')
    lines.append('extern const Term kTerms[kTermCount];')
    lines.append('')
    lines.append('enum class Coordinate : int { kLongitude, kDistance };')
    lines.append('')
    lines.append('// The terms of one coordinate and one power of t: kTerms[begin..end), a')
    lines.append('// multiple of kLanes terms (padded with empty ones).')
    lines.append(f'constexpr int kLanes = {kLanes};')
    lines.append('struct Series {')
    lines.append('    Coordinate coordinate;')
    lines.append('    int power;')
    lines.append('    int begin;')
    lines.append('    int end;')
    lines.append('};')
    lines.append(f'constexpr int kSeriesCount = {series_count};')
    lines.append('extern const Series kSeries[kSeriesCount];')
    write_file(f'{folder}/moon_elp_table.h', lines)


def write_source(folder, rows, combinations, offsets, largest, multiples_size, series, index,
                 counts, source_counts, total_rows):
    lines = ['// Generated by tools/elp2000/generate_moon_table.py from the ELP2000-82B',
             '// series in libnova 0.16 (src/lunar.c). Do not edit by hand.',
             f'// {counts[LONGITUDE]} of {source_counts[LONGITUDE]} longitude terms and '
             f'{counts[DISTANCE]} of {source_counts[DISTANCE]} distance terms kept',
             f'// (from {total_rows} terms in all 36 series, latitude included).',
             '#include "ephemeris/moon_elp_table.h"', '', 'namespace kalvest::elp {', '']
    lines.append('const double kArgumentPolynomial[kArgumentCount][5] = {')
    for name in ARGUMENTS:
        values = [number(x) for x in POLYNOMIAL[name]]
        lines.append(f'    // {COMMENT[name]}')
        lines.append(f'    {{{", ".join(values[0:3])},')
        lines.append(f'     {", ".join(values[3:5])}}},')
    lines.append('};')
    lines.append('')
    values = [number(x) for x in W1]
    lines.append(f'const double kMeanLongitude[5] = {{{", ".join(values[0:3])},')
    lines.append(f'                                   {", ".join(values[3:5])}}};')
    lines.append('')
    lines.append('const int kLargestMultiple[kArgumentCount] = {' +
                 ', '.join(str(m) for m in largest) + '};')
    lines.append('const int kZeroMultiple[kArgumentCount] = {' +
                 ', '.join(str(m) for m in offsets) + '};')
    lines.append('')
    lines.append('const Combination kCombinations[kCombinationCount] = {')
    for part in sorted(combinations, key=combinations.get):
        rate = sum(m * POLYNOMIAL[ARGUMENTS[i]][1] for i, m in part)
        if not part:
            lines.append(f'    {{0, {offsets[0]}, 0.0}},  // e^0')
            continue
        lines.append(f'    {{{combinations[part[:-1]]}, {index(part[-1])}, {number(rate)}}},')
    lines.append('};')
    lines.append('')
    lines.append('const Term kTerms[kTermCount] = {')
    for row in rows:
        if row is None:
            lines.append('    {0, 0, 0.0, 0.0},')
            continue
        coordinate, power, other, delaunay, sine, cosine, size = row
        lines.append(f'    {{{combinations[delaunay]}, {combinations[other]}, '
                     f'{number(sine)}, {number(cosine)}}},')
    lines.append('};')
    lines.append('')
    lines.append('const Series kSeries[kSeriesCount] = {')
    for (coordinate, power), begin, end in series:
        name = 'kLongitude' if coordinate == LONGITUDE else 'kDistance'
        lines.append(f'    {{Coordinate::{name}, {power}, {begin}, {end}}},')
    lines.append('};')
    write_file(f'{folder}/moon_elp_table.cpp', lines)


if __name__ == '__main__':
    main()
