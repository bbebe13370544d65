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
  // Whether the library can give the reason of a failed check and the
  // complete number; the page shows neither until it can.
  let canExplain = false;
  let canComplete = false;

  function setText(node, text) {
    // Live regions speak again whenever their text is set, even to the same.
    if (node.textContent !== text) node.textContent = text;
  }

  // Asks the library about the typed text, as the window's refresh does: a
  // fresh scheme object of the selected list position, Check or Calculate
  // with the text exactly as typed, then what the object decoded.
  function ask(text) {
    const calculating = calculateBox.checked;
    const answer = {calculating, text};
    if (text === '') return answer;
    const scheme = numerant.createScheme(schemeList.selectedIndex);
    if (scheme === null) {
      if (calculating) answer.checkDigits = ''; else answer.valid = false;
      return answer;
    }
    try {
      if (calculating) {
        answer.checkDigits = scheme.calculate(text);
        answer.fields = scheme.fields();
        if (canComplete) answer.complete = scheme.complete(text);
      } else {
        answer.valid = scheme.check(text);
        answer.fields = scheme.fields();
        if (canExplain && !answer.valid) answer.reason = scheme.explain(text);
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
    element('complete-result').hidden = !(answer.calculating && canComplete);

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
    setText(reason, finding ? describe(finding) : '');

    showFields(answer.fields);
  }

  // The decoded fields of the scheme object; its check digit is shown above.
  function showFields(values) {
    const body = fields.tBodies[0];
    const rows = [];
    for (const [name, value] of Object.entries(values ?? {})) {
      if (name === 'CheckDigit') continue;
      const row = document.createElement('tr');
      row.dataset.field = name;
      const heading = document.createElement('th');
      heading.scope = 'row';
      heading.textContent = name;
      const cell = document.createElement('td');
      cell.dataset.value = JSON.stringify(value);
      cell.textContent = value === null ? '—' : value === true ? 'yes' : value === false ? 'no' : String(value);
      if (value === null) cell.title = 'not decoded';
      row.append(heading, cell);
      rows.push(row);
    }
    body.replaceChildren(...rows);
    fields.hidden = rows.length === 0;
  }

  // A finding of the library's Explain, in words.
  function describe(finding) {
    switch (finding.kind) {
      case 'empty':
        return 'There is nothing to check: the text holds only separators.';
      case 'length': {
        const counted = `${finding.length} character${finding.length === 1 ? '' : 's'}`;
        return `${counted} after removing separators; a number of this scheme has ${lengths(finding.lengths)}.`;
      }
      case 'character':
        return `Character ${finding.place}, “${finding.character}”, may not stand there.`;
      case 'no-check-digit':
        return 'The rest of the number is not one that gets a check digit in this scheme.';
      case 'check-digit':
        return `The check digits should be ${finding.expected}, not ${finding.found}.`;
      default:
        return '';
    }
  }

  function lengths(ranges) {
    const words = (ranges ?? []).map(([low, high]) =>
      high === null ? `${low} or more` : low === high ? `${low}` : `${low} to ${high}`);
    if (words.length <= 1) return `${words[0] ?? 'another length'} characters`;
    return `${words.slice(0, -1).join(', ')} or ${words[words.length - 1]} characters`;
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
    canExplain = typeof library.Scheme.prototype.explain === 'function';
    canComplete = typeof library.Scheme.prototype.complete === 'function';

    const names = library.schemeList();
    schemeList.replaceChildren(...names.map((name) => new Option(name, name)));
    const linked = readAddress();

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

    for (const control of [schemeList, calculateBox, numberField]) control.disabled = false;
    refresh();
    (linked ? numberField : schemeList).focus();
    setText(element('version'), `Numerant ${library.version}, ${names.length} schemes.`);
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
