// Runs the WebAssembly core under node and compares every listing it makes
// with what kalvest-cli prints for the same request, byte for byte: the
// turning points of -3000..3000, the solar terms and the Moon of
// 1900..2100, the grid, in ten zones, in text, CSV, JSON and iCalendar
// (whose DTSTAMP, the moment the file is made, is left out).
// Usage: node compare_with_cli.js SITE_DIR KALVEST_CLI
'use strict';
const fs = require('fs');
const path = require('path');
const {execFileSync} = require('child_process');

const [site, cli] = process.argv.slice(2);
const zones = ['Europe/Dublin', 'America/St_Johns', 'Asia/Kathmandu', 'Australia/Lord_Howe',
               'Pacific/Chatham', 'America/New_York', 'Asia/Shanghai', 'Africa/Casablanca',
               'Pacific/Kiritimati', 'America/Sao_Paulo'];

const defaults = {years: '2024', view: 'events', format: 'text', events: 'all', method: 'both',
                  calendar: 'gregorian', zone: 'GMT', weekday: false, southern: false,
                  seconds: false, precise: false};

// The request in kalvest-cli's words, written out here on their own so
// that the comparison does not rest on the binding's translation.
function cliArguments(r) {
  const args = ['--calendar', r.calendar, /^GMT([+-]\d\d:\d\d)?$/.test(r.zone) ? '--zone' : '--tz',
                r.zone];
  const moon = r.view === 'moon' || r.view === 'eclipses';
  if (r.view === 'grid') args.push('--grid', ...(r.southern ? ['--southern'] : []));
  else args.push('--format', r.format, ...(r.weekday ? ['--weekday'] : []));
  if (r.view === 'events') args.push('--events', r.events);
  if (r.view === 'events' || r.view === 'terms') args.push('--method', r.method);
  if (r.view === 'terms') args.push('--terms');
  if (moon) args.push('--' + r.view);
  if (r.seconds) args.push('--seconds');
  if (r.precise) args.push('--precise');
  return [...args, '--', r.years];
}

const withoutStamp = (text) => text.replace(/^DTSTAMP:.*\r\n/gm, '');

const cases = [];
const add = (request) => cases.push({...defaults, ...request});
for (const zone of ['GMT', ...zones]) {
  for (const format of ['text', 'csv', 'json']) {
    add({zone, format, years: '-3000..3000'});
    add({zone, format, years: '1900..2100', view: 'terms'});
    add({zone, format, years: '1900..2100', view: 'moon'});
  }
  add({zone, years: '1900..2100', view: 'grid'});
}
// The options that change every line, each in a zone or two.
add({zone: 'GMT+05:30', years: '-3000..3000', calendar: 'julian', weekday: true});
add({zone: 'Europe/Dublin', years: '1..3000', format: 'csv', precise: true, seconds: true});
add({zone: 'Asia/Shanghai', years: '1900..2100', view: 'terms', method: 'true', precise: true,
     seconds: true, weekday: true});
add({zone: 'Europe/Dublin', years: '1900..2100', view: 'eclipses', format: 'csv',
     calendar: 'julian'});
add({zone: 'UTC', years: '1900..2100', view: 'moon', format: 'json', precise: true, seconds: true});
add({zone: 'Australia/Lord_Howe', years: '1900..2100', view: 'grid', southern: true,
     precise: true, seconds: true});
add({zone: 'GMT-03:30', years: '-3000..3000', events: 'imbolc,june', method: 'mean'});
// Zones whose history before 1970 comes from backzone, as in Debian's files.
add({zone: 'Europe/Oslo', years: '1900..1969', format: 'csv'});
add({zone: 'Atlantic/Reykjavik', years: '1900..1969', view: 'moon'});
for (const view of ['events', 'terms', 'moon']) {
  add({zone: 'Europe/Dublin', years: '2000..2030', view, format: 'ics'});
}
add({zone: 'Europe/Dublin', years: '-5..5', format: 'ics'});  // years before 1 left out, noted

const wasm = fs.readFileSync(path.join(site, 'kalvest.wasm'));
require(path.resolve(site, 'kalvest.js'))({wasmBinary: wasm}).then((kalvest) => {
  let failures = 0;
  let bytes = 0;
  for (const request of cases) {
    const args = cliArguments(request);
    const expected = execFileSync(cli, args, {maxBuffer: 1 << 30, encoding: 'utf8',
                                              stdio: ['ignore', 'pipe', 'pipe']});
    const result = kalvest.listing(request);
    let same = result.status === 0;
    if (same && request.format === 'ics') {
      same = withoutStamp(result.text) === withoutStamp(expected);
    } else if (same) {
      same = result.text === expected;
    }
    bytes += expected.length;
    if (!same) {
      ++failures;
      const lines = result.text.split('\n');
      const at = expected.split('\n').findIndex((line, i) => line !== lines[i]);
      console.log(`DIFFERENT: kalvest-cli ${args.join(' ')} (status ${result.status}` +
                  `${result.error ? ': ' + result.error : ''})`);
      if (at >= 0) console.log(`  line ${at + 1}: cli  ${expected.split('\n')[at]}\n` +
                               `  ${' '.repeat(String(at + 1).length + 7)}wasm ${lines[at]}`);
    }
  }
  console.log(`WebAssembly core against kalvest-cli: ${cases.length - failures} of ` +
              `${cases.length} listings byte for byte the same ` +
              `(${(bytes / 1e6).toFixed(0)} MB compared)`);
  process.exit(failures === 0 ? 0 : 1);
});
