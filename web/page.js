// SPDX-License-Identifier: MIT
// The page's controls, wired to the scheme library (numerant.js and
// numerant.wasm, the C++ library compiled to WebAssembly). Every answer comes
// from the library: this file reads the controls, asks a fresh scheme object
// on every change, and shows what it says.
'use strict';

(() => {
  const element = (id) => document.getElementById(id);
  const schemeList = element('scheme');
  const calculateBox = element('calculate');
  const numberField = element('number');
  const verdict = element('verdict');
  const checkDigits = element('checkdigits');
  const complete = element('complete');
  const reason = element('reason');
  const fields = element('fields');
  const status = element('status');

  let numerant = null;

  function setText(node, text) {
    // Live regions speak again whenever their text is set, even to the same.
    if (node.textContent !== text) node.textContent = text;
  }

  // Asks the library about the typed text, as the window's refresh does: a
  // fresh scheme object of the selected list position, Check or Calculate
  // with the text exactly as typed, then what the object decoded, and why a
  // number is not valid or what it is with its check digits.
  function ask(text) {
    const calculating = calculateBox.checked;
    const answer = {calculating, text};
    if (text === '') return answer;
    // By name: the 52 and the further formats alike.
    const scheme = schemeList.value === '' ? null : numerant.findScheme(schemeList.value);
    if (scheme === null) {
      if (calculating) answer.checkDigits = ''; else answer.valid = false;
      return answer;
    }
    try {
      if (calculating) {
        answer.checkDigits = scheme.calculate(text);
        answer.fields = scheme.fields();
        answer.facts = scheme.facts();
        answer.complete = scheme.complete(text);
      } else {
        answer.valid = scheme.check(text);
        answer.fields = scheme.fields();
        answer.facts = scheme.facts();
        if (!answer.valid) answer.reason = scheme.explain(text);
      }
    } finally {
      scheme.delete();
    }
    return answer;
  }

  function show(answer) {
    const empty = answer.text === '';
    element('check-result').hidden = answer.calculating;
    element('calculate-result').hidden = !answer.calculating;
    element('complete-result').hidden = !answer.calculating;

    const state = empty || answer.calculating ? '' : answer.valid ? 'valid' : 'invalid';
    verdict.dataset.state = state;
    setText(verdict, state === 'valid' ? 'Valid' : state === 'invalid' ? 'Not valid' : '');
    setText(checkDigits, answer.checkDigits ?? '');
    setText(complete, answer.complete ?? '');
    element('copy').disabled = !answer.complete;
    setText(element('copied'), '');

    const finding = answer.reason;
    reason.hidden = !finding;
    reason.dataset.kind = finding ? finding.kind : '';
    setText(reason, finding ? sentence(finding.description) : '');

    showFields(answer.fields, answer.facts);
  }

  // A fact of the library in the browser's language: a date by
  // Intl.DateTimeFormat, a country by Intl.DisplayNames.
  function factWords(fact) {
    switch (fact.kind) {
      case 'date': {
        const day = new Date(0);
        day.setUTCFullYear(fact.year || 2000 + fact.shortYear, fact.month - 1, fact.day);
        const options = {day: 'numeric', month: 'long', timeZone: 'UTC'};
        // Without its century the year is only its last two digits.
        if (fact.year) return new Intl.DateTimeFormat(undefined, {...options, year: 'numeric'}).format(day);
        return `${new Intl.DateTimeFormat(undefined, options).format(day)} '${String(fact.shortYear).padStart(2, '0')}`;
      }
      case 'gender':
        return fact.gender === 1 ? 'male' : 'female';
      case 'country':
        try {
          return new Intl.DisplayNames(undefined, {type: 'region'}).of(fact.text) ?? fact.text;
        } catch {
          return fact.text;
        }
      default:
        return fact.text;
    }
  }

  // The decoded fields of the scheme object in words, what each tells beside
  // its name; its check digit is shown above. A field that tells nothing
  // (not decoded, or a century already in the date) shows its value.
  function showFields(values, facts) {
    const body = fields.tBodies[0];
    const rows = [];
    const told = new Map((facts ?? []).map((fact) => [fact.field, fact]));
    for (const [name, value] of Object.entries(values ?? {})) {
      if (name === 'CheckDigit') continue;
      const fact = told.get(name);
      const row = document.createElement('tr');
      row.dataset.field = name;
      const heading = document.createElement('th');
      heading.scope = 'row';
      heading.textContent = fact?.label ? sentence(fact.label).slice(0, -1) : name;
      if (fact?.label) heading.title = name;
      const cell = document.createElement('td');
      cell.dataset.value = JSON.stringify(value);
      cell.textContent = fact ? factWords(fact)
          : value === null ? '—' : value === true ? 'yes' : value === false ? 'no' : String(value);
      if (value === null) cell.title = 'not decoded';
      row.append(heading, cell);
      rows.push(row);
    }
    body.replaceChildren(...rows);
    fields.hidden = rows.length === 0;
  }

  // The library's words for a finding ("check digit should be 3, not 4") as
  // a sentence.
  function sentence(words) {
    return `${words.charAt(0).toUpperCase()}${words.slice(1)}.`;
  }

  function refresh() {
    show(ask(numberField.value));
  }

  // The address holds the scheme and the mode: #IBAN or #IBAN/calculate.
  function writeAddress() {
    const name = schemeList.value;
    const address = `#${encodeURIComponent(name)}${calculateBox.checked ? '/calculate' : ''}`;
    if (location.hash !== address) history.replaceState(null, '', address);
  }

  // Takes scheme and mode from the address; true when it named a scheme.
  function readAddress() {
    const [name, mode] = decodeURIComponent(location.hash.slice(1)).split('/');
    const wanted = (name ?? '').toLowerCase();
    const position = [...schemeList.options].findIndex((o) => o.value.toLowerCase() === wanted);
    if (position < 0) return false;
    const calculating = (mode ?? '').toLowerCase() === 'calculate';
    schemeList.selectedIndex = position;
    // Entering a mode starts with an empty field, as in the window.
    if (calculateBox.checked !== calculating) {
      calculateBox.checked = calculating;
      numberField.value = '';
    }
    return true;
  }

  function copyComplete() {
    const text = complete.textContent;
    const done = () => setText(element('copied'), 'Copied');
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(text).then(done, () => selectComplete());
    } else if (selectComplete()) {
      done();
    }
  }

  // Without the clipboard interface: select the number and copy the selection.
  function selectComplete() {
    const range = document.createRange();
    range.selectNodeContents(complete);
    const selection = window.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
    return document.execCommand('copy');
  }

  function start(library) {
    numerant = library;
    window.numerant = library;

    // The 52 first, as the window lists them; then the further formats, one
    // group an area, each shown with the name people know it by.
    const names = library.schemeList();
    const further = library.furtherFormats();
    const groups = new Map();
    for (const format of further) {
      if (!groups.has(format.area)) {
        const group = document.createElement('optgroup');
        group.label = format.area;
        groups.set(format.area, group);
      }
      const option = new Option(`${format.name} (${format.displayName})`, format.name);
      option.title = format.description;
      option.dataset.search = `${format.name} ${format.displayName} ${format.description}`.toLowerCase();
      groups.get(format.area).append(option);
    }
    schemeList.replaceChildren(...names.map((name) => new Option(name, name)), ...groups.values());
    const linked = readAddress();

    // Typing in the filter keeps the schemes whose name or description holds
    // every word typed; the selection moves to the first one left when its
    // own scheme is filtered out.
    const filter = element('filter');
    filter.addEventListener('input', () => {
      const words = filter.value.toLowerCase().split(/\s+/).filter((word) => word !== '');
      for (const option of schemeList.options) {
        const text = option.dataset.search || option.value.toLowerCase();
        option.hidden = !words.every((word) => text.includes(word));
      }
      for (const group of groups.values()) {
        group.hidden = [...group.children].every((option) => option.hidden);
      }
      const selected = schemeList.options[schemeList.selectedIndex];
      if (selected === undefined || selected.hidden) {
        const first = [...schemeList.options].find((option) => !option.hidden);
        if (first !== undefined) {
          schemeList.value = first.value;
          writeAddress();
          refresh();
        }
      }
    });

    schemeList.addEventListener('change', () => {
      writeAddress();
      refresh();
    });
    calculateBox.addEventListener('change', () => {
      numberField.value = '';
      writeAddress();
      refresh();
    });
    numberField.addEventListener('input', refresh);
    window.addEventListener('hashchange', () => {
      if (readAddress()) refresh();
    });
    element('calculator').addEventListener('submit', (event) => event.preventDefault());
    element('copy').addEventListener('click', copyComplete);

    for (const control of [filter, schemeList, calculateBox, numberField]) control.disabled = false;
    refresh();
    (linked ? numberField : schemeList).focus();
    setText(element('version'),
      `Numerant ${library.version}, ${names.length} schemes and ${further.length} further formats.`);
    status.textContent = '';
    status.hidden = true;
    document.documentElement.dataset.ready = 'true';
    performance.mark('numerant-ready');
  }

  function fail(error) {
    const served = location.protocol !== 'file:' ? '' :
      ' Browsers load WebAssembly only from a web server: serve this folder, for example with' +
      ' “python3 -m http.server”, and open the address it prints.';
    status.textContent = `The calculator could not start: ${error}.${served}`;
    document.documentElement.dataset.ready = 'failed';
  }

  if (typeof createNumerant !== 'function') {
    fail('numerant.js did not load');
  } else {
    createNumerant().then(start, fail);
  }
})();
