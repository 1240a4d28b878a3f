// How the page shows what the core made: the turning points and the solar
// terms as tables (from the CSV rows, the labels from the core), the grid
// and the Moon as the program's own text lines, the wheel as its SVG; and
// how a listing or the wheel becomes a file to download.
'use strict';

const KalvestViews = (function () {
  const $ = (id) => document.getElementById(id);
  const cell = (tag, text, attributes = {}) => {
    const element = document.createElement(tag);
    element.textContent = text;
    for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
    return element;
  };

  // One table per year: a caption, a header row and one row per line.
  function tables(rows, headers, rowCells) {
    const byYear = new Map();
    for (const row of rows) {
      if (!byYear.has(row.year)) byYear.set(row.year, []);
      byYear.get(row.year).push(row);
    }
    return [...byYear].map(([year, yearRows]) => {
      const table = document.createElement('table');
      table.append(cell('caption', String(year)));
      const head = table.createTHead().insertRow();
      for (const header of headers) head.append(cell('th', header, {scope: 'col'}));
      const body = table.createTBody();
      for (const row of yearRows) {
        const tr = body.insertRow();
        rowCells(row).forEach((text, i) => tr.append(cell(i === 0 ? 'th' : 'td', text,
                                                          i === 0 ? {scope: 'row'} : {})));
      }
      return table;
    });
  }

  // The rows of the core's CSV (RFC 4180: a field with a comma, a quote or
  // a line break is quoted, its quotes doubled) as objects by column; CSV
  // is the lightest of the core's formats to write and to read.
  function csvRows(text) {
    const records = [];
    let record = [];
    let field = '';
    let quoted = false;
    for (let i = 0; i < text.length; ++i) {
      const c = text[i];
      if (quoted) {
        if (c === '"' && text[i + 1] === '"') { field += '"'; ++i; }
        else if (c === '"') quoted = false;
        else field += c;
      } else if (c === '"') quoted = true;
      else if (c === ',') { record.push(field); field = ''; }
      else if (c === '\n' || c === '\r') {
        if (c === '\r' && text[i + 1] === '\n') ++i;
        record.push(field); records.push(record); record = []; field = '';
      } else field += c;
    }
    if (field || record.length) { record.push(field); records.push(record); }
    const [columns, ...rows] = records;
    return rows.map((values) => Object.fromEntries(columns.map((name, i) => [name, values[i]])));
  }

  function saveFile(name, type, text) {
    const blob = new Blob([text], {type: `${type};charset=utf-8`});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  const when = (row) => `${row.date} ${row.time} ${row.zone}`;

  function eventTables(core, rows) {
    return tables(rows, ['Event', 'Date and time', 'Weekday'],
                  (row) => [core.eventLabel(row.kind, Number(row.code), row.method), when(row),
                            row.weekday]);
  }

  function termTables(rows) {
    return tables(rows, ['Solar term', 'Angle', 'English', 'Method', 'Date and time', 'Weekday',
                         'Turning point'],
                  (row) => [row.pinyin, `${row.solar_longitude}°`, row.english,
                            `${row.method} sun`, when(row), row.weekday,
                            row.turning_point]);
  }

  return {
    // The format the page asks the core for to show a view.
    formatOf: (view) => (view === 'events' || view === 'terms' ? 'csv' : 'text'),

    show(core, request, text) {
      const output = $('output');
      let parts;
      if (request.format === 'csv') {
        const rows = csvRows(text);
        parts = request.view === 'terms' ? termTables(rows) : eventTables(core, rows);
        if (rows.length === 0) parts = [cell('p', 'Nothing to show for these years.')];
      } else {
        parts = [cell('pre', text || 'Nothing to show for these years.', {tabindex: '0'})];
      }
      output.replaceChildren(...parts);
      $('message').textContent = '';
      $('result').setAttribute('aria-busy', 'false');
    },

    // The core's SVG as part of the page, and a button that saves it.
    showWheel(request, svg) {
      const parsed = new DOMParser().parseFromString(svg, 'image/svg+xml');
      const figure = document.createElement('figure');
      figure.className = 'wheel';
      figure.append(document.importNode(parsed.documentElement, true));
      const button = cell('button', 'Download the wheel (SVG)', {type: 'button', id: 'wheel-svg'});
      button.addEventListener('click', () => saveFile(`wheel-of-the-year-${request.year}.svg`,
                                                      'image/svg+xml', svg));
      figure.append(button);
      $('output').replaceChildren(figure);
      $('message').textContent = '';
      $('result').setAttribute('aria-busy', 'false');
    },

    showProblem(text) {
      $('message').textContent = text;
      $('output').replaceChildren();
      $('result').setAttribute('aria-busy', 'false');
    },

    save(request, text) {
      const types = {ics: 'text/calendar', csv: 'text/csv', json: 'application/json'};
      saveFile(`kalvest-${request.years}-${request.view}.${request.format}`, types[request.format],
               text);
    },
  };
})();
