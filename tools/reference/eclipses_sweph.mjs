// Reference table of every solar and lunar eclipse from 1900 through 2100,
// from the Swiss Ephemeris (npm package sweph) with its built-in analytical
// ephemeris (SEFLG_MOSEPH, a fit to JPL's DE404 that needs no data files).
// tests/lunar/eclipse_reference_test.cpp compares Kalvest's moon calendar
// with it.
//
// The search is the library's own global one (sol_eclipse_when_glob,
// lun_eclipse_when), stepped from each eclipse found to the next. Columns:
//   body            solar or lunar
//   kind            solar: total, annular, hybrid or partial;
//                   lunar: total, partial or penumbral
//   central         solar total, annular and hybrid: 1 when the shadow axis
//                   touches the Earth, else 0; empty for the others
//   greatest_jd_ut  instant of greatest eclipse, Julian Day (UT)
//   delta_t_seconds the ephemeris' Delta T at that instant (TT - UT), so
//                   that the instant can be compared in TT as well
//   magnitude       solar: the eclipse magnitude at greatest eclipse;
//                   lunar: the umbral magnitude (0 for a penumbral one)
//   mag_penumbral   lunar: the penumbral magnitude; empty for solar
//   saros           the saros series, empty when the library has none
//   then, lunar only, the contacts (UT, empty for a phase that does not
//   occur): penumbral_begin, partial_begin, total_begin, total_end,
//   partial_end, penumbral_end
//
// sweph is a native addon built with node-gyp (see cross_quarter_sweph.mjs
// for how to build it); then, from the repository's top folder:
//   NODE_PATH=/tmp/ref/node_modules node tools/reference/eclipses_sweph.mjs \
//       > tests/lunar/data/eclipses_sweph.csv
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const sweph = require('sweph');
const c = sweph.constants;

const kStart = sweph.julday(1900, 1, 1, 0, c.SE_GREG_CAL);
const kEnd = sweph.julday(2101, 1, 1, 0, c.SE_GREG_CAL);
// Eclipses of one kind are at least a lunation apart less a day or two.
const kStep = 20;

function checked(result, what) {
    if (result.flag < 0) throw new Error(`${what}: ${result.error}`);
    return result;
}

const fixed = (x) => (x > 0 ? x.toFixed(6) : '');
const number = (x, digits) => x.toFixed(digits);
const saros = (x) => (x > 0 && x < 10000 ? String(Math.round(x)) : '');

function solarKind(flag) {
    if (flag & c.SE_ECL_ANNULAR_TOTAL) return 'hybrid';
    if (flag & c.SE_ECL_TOTAL) return 'total';
    if (flag & c.SE_ECL_ANNULAR) return 'annular';
    if (flag & c.SE_ECL_PARTIAL) return 'partial';
    throw new Error(`unknown solar eclipse type ${flag}`);
}

function lunarKind(flag) {
    if (flag & c.SE_ECL_TOTAL) return 'total';
    if (flag & c.SE_ECL_PARTIAL) return 'partial';
    if (flag & c.SE_ECL_PENUMBRAL) return 'penumbral';
    throw new Error(`unknown lunar eclipse type ${flag}`);
}

function deltaTSeconds(jdUt) {
    return sweph.deltat_ex(jdUt, c.SEFLG_MOSEPH).data * 86400;
}

function solarRows() {
    const rows = [];
    for (let t = kStart; ;) {
        const found = checked(sweph.sol_eclipse_when_glob(t, c.SEFLG_MOSEPH, 0, false), 'solar search');
        const jd = found.data[0];
        if (jd >= kEnd) break;
        const kind = solarKind(found.flag);
        const central = kind === 'partial' ? '' : (found.flag & c.SE_ECL_CENTRAL ? '1' : '0');
        const where = checked(sweph.sol_eclipse_where(jd, c.SEFLG_MOSEPH), 'solar circumstances');
        rows.push(['solar', kind, central, jd.toFixed(6), number(deltaTSeconds(jd), 2),
                   number(where.attributes[8], 4), '', saros(where.attributes[9]),
                   '', '', '', '', '', '']);
        t = jd + kStep;
    }
    return rows;
}

function lunarRows() {
    const rows = [];
    for (let t = kStart; ;) {
        const found = checked(sweph.lun_eclipse_when(t, c.SEFLG_MOSEPH, 0, false), 'lunar search');
        const d = found.data;
        const jd = d[0];
        if (jd >= kEnd) break;
        const how = checked(sweph.lun_eclipse_how(jd, c.SEFLG_MOSEPH, [0, 0, 0]), 'lunar circumstances');
        rows.push(['lunar', lunarKind(found.flag), '', jd.toFixed(6), number(deltaTSeconds(jd), 2),
                   number(how.data[0], 4), number(how.data[1], 4), saros(how.data[9]),
                   fixed(d[6]), fixed(d[2]), fixed(d[4]), fixed(d[5]), fixed(d[3]), fixed(d[7])]);
        t = jd + kStep;
    }
    return rows;
}

const header = ['body', 'kind', 'central', 'greatest_jd_ut', 'delta_t_seconds', 'magnitude',
                'mag_penumbral', 'saros', 'penumbral_begin', 'partial_begin', 'total_begin',
                'total_end', 'partial_end', 'penumbral_end'];
const rows = [...solarRows(), ...lunarRows()].sort((a, b) => Number(a[3]) - Number(b[3]));
const lines = [
    '# Solar and lunar eclipses 1900-2100 by the Swiss Ephemeris (sweph, Moshier',
    '# ephemeris); written by tools/reference/eclipses_sweph.mjs. Instants in UT.',
    header.join(','),
    ...rows.map((row) => row.join(',')),
];
process.stdout.write(lines.join('\n') + '\n');
