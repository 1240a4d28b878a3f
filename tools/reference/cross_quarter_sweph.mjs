// Reference true-sun cross-quarter instants for years 1..3000 from the
// Swiss Ephemeris (npm package sweph), with its built-in analytical
// ephemeris (SEFLG_MOSEPH, a fit to JPL's DE404 that needs no data files).
//
// Writes CSV rows year,code,jd_tt: the instant (TT) at which the Sun's
// apparent geocentric ecliptic longitude, true equinox and ecliptic of date
// (the library's default precession and IAU 2000B nutation, aberration and
// light time included), reaches 315 + 90 * code degrees in that year. The
// root is found by Newton steps with the longitude's own rate, to 1e-9 day.
//
// sweph is a native addon; npm builds it with node-gyp, which needs the
// Node.js headers (Debian's nodejs ships them under /usr/include/node):
//   mkdir /tmp/ref && cd /tmp/ref && npm install sweph --ignore-scripts
//   cd node_modules/sweph && node -e "<its preinstall script>" &&
//       npx node-gyp rebuild --nodedir=/usr
//   NODE_PATH=/tmp/ref/node_modules node tools/reference/cross_quarter_sweph.mjs \
//       > tests/outside/data/cross_quarter_sweph.csv
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const sweph = require('sweph');
const { SE_SUN, SEFLG_MOSEPH, SEFLG_SPEED } = sweph.constants;

function sun(jdTt) {
    const result = sweph.calc(jdTt, SE_SUN, SEFLG_MOSEPH | SEFLG_SPEED);
    if (result.flag < 0 || (result.flag & SEFLG_MOSEPH) === 0) {
        throw new Error(`sweph failed at ${jdTt}: ${result.error}`);
    }
    return { longitude: result.data[0], rate: result.data[3] };
}

const wrapped = (degrees) => ((degrees + 540) % 360) - 180;

function crossing(year, code) {
    const target = 315 + 90 * code;
    let jd = 2451545.0 + (year - 2000) * 365.2422 + 33.0 + 91.3 * code;
    for (let i = 0; i < 30; ++i) {
        const { longitude, rate } = sun(jd);
        const step = wrapped(target - longitude) / rate;
        jd += step;
        if (Math.abs(step) < 1e-9) break;
    }
    return jd;
}

// Every tenth year from 1, the years at the ends and at the switch of the
// equinox formulas, and every tenth year of 1800..2200 besides (the years
// of 1900..2100 among them are in the ERFA table too).
const years = new Set([1, 2, 999, 1000, 2000, 3000]);
for (let year = 1; year <= 3000; year += 10) years.add(year);
for (let year = 1800; year <= 2200; year += 10) years.add(year);

const lines = ['year,code,jd_tt'];
for (const year of [...years].sort((a, b) => a - b)) {
    for (let code = 0; code < 4; ++code) {
        lines.push(`${year},${code},${crossing(year, code).toFixed(8)}`);
    }
}
process.stdout.write(lines.join('\n') + '\n');
