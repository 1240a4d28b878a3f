#!/usr/bin/env node
// Writes the reference table of lunar phases and eclipses that
// tests/varquel/phase_reference_test.cpp compares varquel against.
//
// The values come from the npm package astronomia (4.2.0), an independent
// implementation of the same classical method. Install it outside the
// repository and point NODE_PATH at it:
//
//   mkdir -p /tmp/astronomia && (cd /tmp/astronomia && npm install astronomia@4.2.0)
//   NODE_PATH=/tmp/astronomia/node_modules \
//       node tools/reference/generate_moon_phases.js \
//       > tests/varquel/data/moon_phases_astronomia.csv
//
// astronomia picks the lunation nearest a decimal year; each year below is
// chosen in the middle of the wanted lunation's quarter, and the result is
// checked to belong to it.

'use strict';

const { moonphase, eclipse } = require('astronomia');

// Every lunation for about 120 years each side of 2000, then every 37th
// out to about 4000 years each side.
function lunations() {
    const list = [];
    for (let k = -1500; k <= 1500; ++k) list.push(k);
    for (let k = -49506; k <= 49506; k += 37) {
        if (k < -1500 || k > 1500) list.push(k);
    }
    return list.sort((a, b) => a - b);
}

// Decimal year whose nearest phase q (0, 0.25, 0.5, 0.75) is lunation k.
function yearOf(k, q) {
    return 2000 + (k + q) / 12.3685;
}

// The true phase lies within about a day of the mean one, far less than
// the week between neighbouring phases.
function checkLunation(k, q, jde) {
    const mean = 2451550.09766 + 29.530588861 * (k + q);
    if (!(Math.abs(jde - mean) < 3.0)) {
        throw new Error(`lunation ${k} phase ${q}: got ${jde}, mean ${mean}`);
    }
}

const solarTypes = ['none', 'partial', 'annular', 'annular-total', '', '', 'total'];
const lunarTypes = ['none', '', '', '', 'penumbral', 'umbral', 'total'];

const value = (x) => (x === undefined ? '' : String(x));

const columns = [
    'lunation', 'jde_new', 'jde_first', 'jde_full', 'jde_last',
    'solar_type', 'solar_central', 'solar_jde_max', 'solar_gamma', 'solar_u',
    'lunar_type', 'lunar_jde_max', 'lunar_gamma', 'lunar_u', 'lunar_magnitude',
    'lunar_sd_penumbral_days', 'lunar_sd_partial_days', 'lunar_sd_total_days',
];

const lines = [
    '# Lunar phases (JDE) and eclipses by astronomia 4.2.0; written by',
    '# tools/reference/generate_moon_phases.js. Empty: not reported.',
    '# lunar_u is 0.7403 - astronomia\'s umbral radius at the Moon; the',
    '# lunar magnitude is the umbral one when positive, else the penumbral.',
    columns.join(','),
];

for (const k of lunations()) {
    const jdes = [0, 0.25, 0.5, 0.75].map((q, i) => {
        const year = yearOf(k, q);
        const jde = [moonphase.newMoon, moonphase.first, moonphase.full, moonphase.last][i](year);
        checkLunation(k, q, jde);
        return jde;
    });
    const solar = eclipse.solar(yearOf(k, 0));
    const lunar = eclipse.lunar(yearOf(k, 0.5));
    if (solar.jdeMax !== undefined) checkLunation(k, 0, solar.jdeMax);
    if (lunar.jdeMax !== undefined) checkLunation(k, 0.5, lunar.jdeMax);
    const solarRow = solar.type === eclipse.TYPE.None
        ? ['none', '', '', '', '']
        : [solarTypes[solar.type], solar.central ? '1' : '0', value(solar.jdeMax),
           value(solar.distance), value(solar.umbral)];
    const lunarRow = lunar.type === eclipse.TYPE.None
        ? ['none', '', '', '', '', '', '', '']
        : [lunarTypes[lunar.type], value(lunar.jdeMax), value(lunar.distance),
           value(0.7403 - lunar.umbral), value(lunar.magnitude),
           value(lunar.sdPenumbral), value(lunar.sdPartial), value(lunar.sdTotal)];
    lines.push([k, ...jdes.map(value), ...solarRow, ...lunarRow].join(','));
}

process.stdout.write(lines.join('\n') + '\n');
