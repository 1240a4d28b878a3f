// Reference Delta T from the Swiss Ephemeris (npm package sweph), to check
// the two parts of the modern Delta T that it shares with it:
//   - years -1000..1600: Stephenson, Morrison and Hohenkerk (2016), their
//     spline from -720 and their parabola before (the library's default
//     model before 1955), with the library's tidal adjustment switched off
//     by giving it their own lunar tidal acceleration, -25.85"/cy^2;
//   - years 1956..2022: the measured values (the library's table, from
//     the Astronomical Almanac and the IERS).
//
// Writes CSV rows year,delta_t_seconds at decimal years counted like
// kalvest's DecimalYear (2000.0 = JD 2451544.5, years of 365.2425 days).
// Built as in cross_quarter_sweph.mjs; run:
//   NODE_PATH=/work/ref/node_modules node tools/reference/delta_t_sweph.mjs \
//       > tests/ephemeris/data/delta_t_sweph.csv
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const sweph = require('sweph');

// The library initialises itself at its first call and forgets a tidal
// acceleration given before it, so make one call first.
sweph.deltat(2451545.0);
sweph.set_tid_acc(-25.85);

const years = [];
for (let year = -1000; year <= 1600; year += 10) years.push(year);
for (const year of [-721, -720.5, -719.5, 1599.5]) years.push(year);
for (let year = 1956; year <= 2022; year += 1) years.push(year, year + 0.5);
years.sort((a, b) => a - b);

const lines = ['year,delta_t_seconds'];
for (const year of years) {
    const jd = 2451544.5 + (year - 2000) * 365.2425;
    lines.push(`${year},${(sweph.deltat(jd) * 86400).toFixed(4)}`);
}
process.stdout.write(lines.join('\n') + '\n');
