// The page: reads its controls into one request, has the core compute the
// listing or draw the wheel, shows it, and keeps the choices (in localStorage, and in the
// address so that a link shares the view). The texts of the controls come
// from the core, as the window's own captions.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const storageKey = 'kalvest.choices';
  const eventCodes = ['march', 'june', 'september', 'december'];
  const crossCodes = ['imbolc', 'beltane', 'lughnassad', 'samhain'];
  const views = ['events', 'grid', 'terms', 'moon', 'eclipses', 'wheel'];
  let core = null;
  let view = 'events';

  function fillControls() {
    const toArray = (list) => {
      const items = [];
      for (let i = 0; i < list.size(); ++i) items.push(list.get(i));
      list.delete();
      return items;
    };
    const box = (fieldset, code, caption) => {
      const label = document.createElement('label');
      const input = document.createElement('input');
      Object.assign(input, {type: 'checkbox', id: 'event-' + code, checked: true});
      input.dataset.event = code;
      label.append(input, ' ' + caption);
      $(fieldset).append(label);
    };
    toArray(core.quarterCaptions()).forEach((c, i) => box('quarters', eventCodes[i], c));
    toArray(core.crossQuarterCaptions()).forEach((c, i) => box('cross-quarters', crossCodes[i], c));
    $('about').textContent += ` Kalvest ${core.programVersion()}; time zone data: ` +
        `IANA tzdata ${core.zoneDatabaseVersion()}.`;
    // The long list of zones only after the first result is shown.
    setTimeout(() => {
      const names = [...toArray(core.zoneNames()), ...toArray(core.fixedZones())];
      $('zone-names').append(...names.map((name) => new Option(name)));
    }, 0);
  }

  // The choices as plain values: from the controls, the address or storage.
  function readControls() {
    return {
      year: $('year').value.trim(), to: $('to-year').value.trim(),
      calendar: $('calendar').value, tz: $('zone').value.trim(),
      events: [...eventCodes, ...crossCodes].filter((c) => $('event-' + c).checked).join(','),
      mean: $('mean-sun').checked, true: $('true-sun').checked,
      southern: $('southern').checked, weekday: $('weekday').checked,
      seconds: $('seconds').checked, precise: $('precise').checked,
      moonring: $('moon-ring').checked, termring: $('term-ring').checked, view,
    };
  }

  function applyChoices(c) {
    const flag = (value, fallback) => value === undefined ? fallback :
        value === true || value === 'true' || value === '1';
    if (c.year !== undefined) $('year').value = c.year;
    if (c.to !== undefined) $('to-year').value = c.to;
    if (c.calendar === 'gregorian' || c.calendar === 'julian') $('calendar').value = c.calendar;
    if (c.tz) $('zone').value = c.tz;
    if (c.events !== undefined) {
      const chosen = c.events === 'all' ? [...eventCodes, ...crossCodes] : c.events.split(',');
      for (const code of [...eventCodes, ...crossCodes]) {
        $('event-' + code).checked = chosen.includes(code);
      }
    }
    $('mean-sun').checked = flag(c.mean, $('mean-sun').checked);
    $('true-sun').checked = flag(c.true, $('true-sun').checked);
    $(flag(c.southern, $('southern').checked) ? 'southern' : 'northern').checked = true;
    for (const name of ['weekday', 'seconds', 'precise']) $(name).checked = flag(c[name], $(name).checked);
    $('moon-ring').checked = flag(c.moonring, $('moon-ring').checked);
    $('term-ring').checked = flag(c.termring, $('term-ring').checked);
    if (views.includes(c.view)) view = c.view;
  }

  function remember(c) {
    try { localStorage.setItem(storageKey, JSON.stringify(c)); } catch (e) { /* private mode */ }
    const query = new URLSearchParams({year: c.year, tz: c.tz});
    if (c.to) query.set('to', c.to);
    if (c.calendar !== 'gregorian') query.set('calendar', c.calendar);
    if (c.events !== [...eventCodes, ...crossCodes].join(',')) query.set('events', c.events || 'none');
    for (const name of ['mean', 'true']) if (!c[name]) query.set(name, '0');
    for (const name of ['southern', 'weekday', 'seconds', 'precise', 'termring']) if (c[name]) query.set(name, '1');
    if (!c.moonring) query.set('moonring', '0');
    if (c.view !== 'events') query.set('view', c.view);
    history.replaceState(null, '', '?' + query.toString());
  }

  // The request for the core, or the reason there is none.
  function requestOf(c, format) {
    const from = core.checkYear(c.year);
    if (!from.accepted) return {problem: from.message};
    const to = c.to ? core.checkYear(c.to) : from;
    if (!to.accepted) return {problem: to.message};
    const first = from.year;
    const last = to.year;
    if (last < first) return {problem: 'The second year must not come before the first.'};
    if (last - first >= 100) return {problem: 'A range takes at most 100 years.'};
    if (!c.tz || !(core.knowsZone(c.tz) || /^GMT([+-]\d\d:\d\d)?$/.test(c.tz))) {
      return {problem: `Unknown time zone '${c.tz}': choose one from the list.`};
    }
    const method = c.mean && c.true ? 'both' : c.mean ? 'mean' : c.true ? 'true' : null;
    if ((c.view === 'events' || c.view === 'terms') && !method) {
      return {problem: 'Select the mean sun, the true sun or both.'};
    }
    if (c.view === 'events' && !c.events) return {problem: 'Select at least one event.'};
    return {request: {
      years: first === last ? String(first) : `${first}..${last}`, view: c.view, format,
      events: c.events || 'all', method: method || 'both', calendar: c.calendar, zone: c.tz,
      weekday: c.weekday, southern: c.southern, seconds: c.seconds, precise: c.precise,
    }};
  }

  // The wheel's request (one year, as the wheel window draws it), or the
  // reason there is none.
  function wheelRequestOf(c) {
    const {request, problem} = requestOf({...c, view: 'grid'}, 'text');
    if (problem) return {problem};
    if (request.years.includes('..')) return {problem: 'The wheel draws one year, not a range.'};
    return {request: {year: request.years, calendar: c.calendar, zone: c.tz,
                      southern: c.southern, moon: c.moonring, terms: c.termring,
                      precise: c.precise}};
  }

  // Computes and shows the view; true when it shows a result.
  function compute(choices) {
    const wheel = view === 'wheel';
    const {request, problem} = wheel ? wheelRequestOf(choices)
                                     : requestOf(choices, KalvestViews.formatOf(view));
    if (problem) return KalvestViews.showProblem(problem);
    const started = performance.now();
    const result = wheel ? core.wheelSvg(request) : core.listing(request);
    window.kalvestTimings.lastCoreMs = performance.now() - started;
    if (result.status !== 0) return KalvestViews.showProblem(result.error);
    if (wheel) KalvestViews.showWheel(request, result.svg);
    else KalvestViews.show(core, request, result.text);
    window.kalvestTimings.lastRunMs = performance.now() - started;
    return true;
  }

  function run() {
    const choices = readControls();
    remember(choices);
    for (const button of $('views').querySelectorAll('button')) {
      button.setAttribute('aria-pressed', String(button.dataset.view === view));
    }
    $('rings').hidden = view !== 'wheel';
    if (compute(choices) && window.kalvestTimings.firstResultMs === undefined) {
      window.kalvestTimings.firstResultMs = performance.now();
    }
  }

  function download(format) {
    const {request, problem} = requestOf(readControls(), format);
    if (problem) return KalvestViews.showProblem(problem);
    if (request.view === 'grid' || request.view === 'wheel') request.view = 'events';
    const result = core.listing(request);
    if (result.status !== 0) return KalvestViews.showProblem(result.error);
    KalvestViews.save(request, result.text);
  }

  window.kalvestTimings = {};
  const fromAddress = Object.fromEntries(new URLSearchParams(location.search));
  createKalvest().then((module) => {
    core = module;
    window.kalvestTimings.moduleReadyMs = performance.now();
    fillControls();
    window.kalvestTimings.controlsReadyMs = performance.now();
    let stored = {};
    try { stored = JSON.parse(localStorage.getItem(storageKey) || '{}'); } catch (e) { /* none */ }
    $('zone').value = Intl.DateTimeFormat().resolvedOptions().timeZone || 'GMT';
    if (!core.knowsZone($('zone').value)) $('zone').value = 'GMT';
    applyChoices(Object.keys(fromAddress).length ? fromAddress : stored);
    $('choices').addEventListener('change', run);
    $('choices').addEventListener('submit', (e) => { e.preventDefault(); run(); });
    for (const button of $('views').querySelectorAll('button')) {
      button.addEventListener('click', () => { view = button.dataset.view; run(); });
    }
    for (const button of $('downloads').querySelectorAll('button[data-format]')) {
      button.addEventListener('click', () => download(button.dataset.format));
    }
    $('share').addEventListener('click', () => navigator.clipboard?.writeText(location.href));
    run();
  });

  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service-worker.js').catch(() => { /* file:// */ });
  }
})();
