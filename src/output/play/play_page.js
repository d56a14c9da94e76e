// The play page's script: finding words by dragging, tapping or the keyboard, the rings of the
// found words, the kept progress and the solved state. The answers come encoded in the page; the
// key that undoes them is made from the grid's own letters.
'use strict';
(function () {
  const STRIDE = 50;
  const CELL_BITS = 12;
  const PHRASE_SLOTS = 1000;

  function answerKey(codes) {
    let hash = 2166136261;
    for (const code of codes) {
      hash = (hash ^ code) >>> 0;
      hash = Math.imul(hash, 16777619) >>> 0;
    }
    return hash;
  }

  function answerMask(key, slot) {
    let h = (key ^ Math.imul(slot, 0x9E3779B9)) >>> 0;
    h = (h ^ (h >>> 16)) >>> 0;
    h = Math.imul(h, 0x85EBCA6B) >>> 0;
    h = (h ^ (h >>> 13)) >>> 0;
    h = Math.imul(h, 0xC2B2AE35) >>> 0;
    h = (h ^ (h >>> 16)) >>> 0;
    return h & 0xFFFFFF;
  }

  function numbers(text) {
    return text.split(' ').filter((part) => part.length > 0);
  }

  // One {start, end} per listed word, null for a word that cannot be found.
  function decodeWords(text, key) {
    return numbers(text).map((part, slot) => {
      if (part === '-') return null;
      const cells = (parseInt(part, 36) ^ answerMask(key, slot)) >>> 0;
      return { start: cells >>> CELL_BITS, end: cells & ((1 << CELL_BITS) - 1) };
    });
  }

  function decodePhrase(text, key) {
    return numbers(text).map((part, k) => ((parseInt(part, 36) ^ answerMask(key, PHRASE_SLOTS + k)) >>> 0));
  }

  function cellNumber(row, col) { return (row - 1) * STRIDE + col; }
  function cellAt(number) { return { row: Math.floor((number - 1) / STRIDE) + 1, col: ((number - 1) % STRIDE) + 1 }; }

  // The cells from a to b when they lie on one of the eight lines, else null.
  function cellsBetween(a, b) {
    const dr = b.row - a.row;
    const dc = b.col - a.col;
    if (dr !== 0 && dc !== 0 && Math.abs(dr) !== Math.abs(dc)) return null;
    const length = Math.max(Math.abs(dr), Math.abs(dc));
    const cells = [];
    for (let k = 0; k <= length; ++k)
      cells.push({ row: a.row + (length && Math.sign(dr) * k), col: a.col + (length && Math.sign(dc) * k) });
    return cells;
  }

  // The end of a drag from start towards point, on the nearest of the eight directions and
  // inside a grid of rows by cols.
  function snappedEnd(start, point, rows, cols) {
    const dr = point.row - start.row;
    const dc = point.col - start.col;
    if (dr === 0 && dc === 0) return { row: start.row, col: start.col };
    const eighth = Math.round(Math.atan2(dr, dc) / (Math.PI / 4));
    const stepRow = Math.round(Math.sin(eighth * Math.PI / 4));
    const stepCol = Math.round(Math.cos(eighth * Math.PI / 4));
    let length = Math.max(Math.abs(dr), Math.abs(dc));
    if (stepRow !== 0 && stepCol !== 0) length = Math.round((Math.abs(dr) + Math.abs(dc)) / 2);
    for (; length > 0; --length) {
      const row = start.row + stepRow * length;
      const col = start.col + stepCol * length;
      if (row >= 1 && row <= rows && col >= 1 && col <= cols) return { row, col };
    }
    return { row: start.row, col: start.col };
  }

  // The slot of the word running from a to b either way round, or -1; of two words on the same
  // cells, one not found yet comes first.
  function matchingSlot(answers, a, b, found = new Set()) {
    const first = cellNumber(a.row, a.col);
    const last = cellNumber(b.row, b.col);
    const matches = (answer) => answer !== null &&
      ((answer.start === first && answer.end === last) || (answer.start === last && answer.end === first));
    const fresh = answers.findIndex((answer, slot) => matches(answer) && !found.has(slot));
    return fresh >= 0 ? fresh : answers.findIndex(matches);
  }

  function clockText(seconds) {
    const minutes = Math.floor(seconds / 60);
    const rest = seconds % 60;
    return minutes + ':' + (rest < 10 ? '0' : '') + rest;
  }

  const pure = { answerKey, answerMask, decodeWords, decodePhrase, cellNumber, cellAt, cellsBetween, snappedEnd,
    matchingSlot, clockText };
  if (typeof module !== 'undefined' && module.exports) {
    module.exports = pure;
    return;
  }

  const body = document.body;
  const main = document.querySelector('main');
  const grid = document.querySelector('.grid');
  const rows = Number(grid.dataset.rows);
  const cols = Number(grid.dataset.cols);
  const cellElements = Array.from(grid.querySelectorAll('[data-row]'));
  const cellsByNumber = new Map();
  for (const element of cellElements)
    cellsByNumber.set(cellNumber(Number(element.dataset.row), Number(element.dataset.col)), element);
  const key = answerKey(cellElements.map((element) => (element.textContent.length ? element.textContent.charCodeAt(0) : 0)));
  const answers = decodeWords(main.dataset.answers || '', key);
  const phrase = decodePhrase(main.dataset.phrase || '', key);
  const items = Array.from(document.querySelectorAll('[data-word]'));
  const placedCount = answers.filter((answer) => answer !== null).length;
  const storageKey = 'quillmaze-play:' + body.dataset.puzzle;
  const foundText = document.getElementById('found');
  const clock = document.getElementById('clock');
  const solvedText = document.getElementById('solved');
  const announcer = document.getElementById('announce');
  const showButton = document.getElementById('show-answers');

  let found = new Set();
  let elapsed = 0;
  let mark = null;      // the first end chosen by a tap or the keyboard
  let drag = null;      // {start, end, pointerId}
  let focused = cellElements[0] || null;

  grid.style.setProperty('--cols', String(cols));

  function positionOf(element) { return { row: Number(element.dataset.row), col: Number(element.dataset.col) }; }
  function elementOf(position) { return cellsByNumber.get(cellNumber(position.row, position.col)); }

  function load() {
    try {
      const saved = JSON.parse(localStorage.getItem(storageKey) || 'null');
      if (saved && Array.isArray(saved.found))
        found = new Set(saved.found.filter((slot) => Number.isInteger(slot) && answers[slot]));
      if (saved && Number.isInteger(saved.elapsed) && saved.elapsed >= 0) elapsed = saved.elapsed;
    } catch (e) { /* a page without storage plays without keeping progress */ }
  }

  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({ found: Array.from(found), elapsed }));
    } catch (e) { /* as above */ }
  }

  function announce(text) { announcer.textContent = text; }

  function wordLetters(answer) {
    const cells = cellsBetween(cellAt(answer.start), cellAt(answer.end)) || [];
    return cells.map((cell) => { const element = elementOf(cell); return element ? element.textContent : ''; }).join('');
  }

  function ring(answer, kind) {
    const a = cellAt(answer.start);
    const b = cellAt(answer.end);
    const dr = b.row - a.row;
    const dc = b.col - a.col;
    const element = document.createElement('div');
    element.className = 'ring ' + kind;
    element.setAttribute('aria-hidden', 'true');
    element.style.setProperty('--r', String(a.row));
    element.style.setProperty('--c', String(a.col));
    element.style.setProperty('--len', String(Math.hypot(dr, dc)));
    element.style.setProperty('--angle', String(Math.atan2(dr, dc) * 180 / Math.PI));
    grid.appendChild(element);
  }

  function drawRings() {
    for (const element of Array.from(grid.querySelectorAll('.ring'))) element.remove();
    answers.forEach((answer, slot) => {
      if (answer === null) return;
      if (found.has(slot)) ring(answer, 'found');
      else if (body.classList.contains('answers-shown')) ring(answer, 'answer');
    });
  }

  function showState() {
    items.forEach((item, slot) => {
      const isFound = found.has(slot);
      item.dataset.found = String(isFound);
      let solution = item.querySelector('.solution');
      if (isFound && main.querySelector('ol.words') && !solution) {
        solution = document.createElement('span');
        solution.className = 'solution';
        solution.textContent = ' ' + wordLetters(answers[slot]);
        item.appendChild(solution);
      } else if (!isFound && solution) {
        solution.remove();
      }
    });
    foundText.textContent = 'Found ' + found.size + ' of ' + placedCount;
    const solved = placedCount > 0 && found.size === placedCount;
    body.dataset.solved = String(solved);
    for (const number of phrase) {
      const element = cellsByNumber.get(number);
      if (element) element.classList.toggle('phrase', solved);
    }
    solvedText.hidden = !solved;
    if (solved) {
      const hidden = phrase.map((number) => (cellsByNumber.get(number) || { textContent: '' }).textContent).join('');
      solvedText.textContent = 'Well done!  You found every word in ' + clockText(elapsed) + '.' +
        (hidden ? '  The letters left over spell: ' + hidden : '');
    }
    drawRings();
  }

  function clearSelection() {
    for (const element of cellElements) element.classList.remove('selected', 'marked');
  }

  function select(a, b) {
    clearSelection();
    for (const cell of cellsBetween(a, b) || [a]) {
      const element = elementOf(cell);
      if (element) element.classList.add('selected');
    }
  }

  function flashWrong(a, b) {
    const elements = (cellsBetween(a, b) || [a, b]).map(elementOf).filter(Boolean);
    for (const element of elements) element.classList.add('wrong');
    setTimeout(() => { for (const element of elements) element.classList.remove('wrong'); }, 600);
  }

  function tryWord(a, b) {
    clearSelection();
    mark = null;
    const slot = matchingSlot(answers, a, b, found);
    if (slot < 0 || !cellsBetween(a, b)) {
      flashWrong(a, b);
      announce('Not a word of the list.');
      return;
    }
    if (found.has(slot)) {
      announce(wordLetters(answers[slot]) + ' was found already.');
      return;
    }
    found.add(slot);
    save();
    showState();
    announce('Found ' + wordLetters(answers[slot]) + '.  ' + found.size + ' of ' + placedCount + ' found.' +
      (found.size === placedCount ? '  ' + solvedText.textContent : ''));
  }

  // A tap or a key press on one cell: the first end, or the second one.
  function chooseEnd(position) {
    if (mark === null) {
      mark = position;
      clearSelection();
      const element = elementOf(position);
      if (element) element.classList.add('marked');
      announce('First letter marked.');
      return;
    }
    const first = mark;
    if (first.row === position.row && first.col === position.col) {
      dropMark();
      return;
    }
    tryWord(first, position);
  }

  function dropMark() {
    mark = null;
    clearSelection();
    announce('Mark dropped.');
  }

  function cellUnder(x, y) {
    const element = document.elementFromPoint(x, y);
    return element && element.dataset && element.dataset.row ? element : null;
  }

  grid.addEventListener('pointerdown', (event) => {
    const element = event.target.closest('[data-row]');
    if (!element || event.button > 0) return;
    event.preventDefault();
    focus(element);
    drag = { start: positionOf(element), end: positionOf(element), pointerId: event.pointerId };
    try { grid.setPointerCapture(event.pointerId); } catch (e) { /* a pointer already gone */ }
  });

  grid.addEventListener('pointermove', (event) => {
    if (!drag || event.pointerId !== drag.pointerId) return;
    const element = cellUnder(event.clientX, event.clientY);
    if (!element) return;
    drag.end = snappedEnd(drag.start, positionOf(element), rows, cols);
    if (drag.end.row !== drag.start.row || drag.end.col !== drag.start.col) select(drag.start, drag.end);
  });

  function endDrag(event) {
    if (!drag || event.pointerId !== drag.pointerId) return;
    const { start, end } = drag;
    drag = null;
    if (event.type === 'pointercancel') { clearSelection(); return; }
    if (start.row === end.row && start.col === end.col) chooseEnd(start);
    else tryWord(start, end);
  }
  grid.addEventListener('pointerup', endDrag);
  grid.addEventListener('pointercancel', endDrag);

  function focus(element) {
    if (focused) focused.tabIndex = -1;
    focused = element;
    element.tabIndex = 0;
    element.focus({ preventScroll: false });
  }

  // The next cell of the shape from position in the step's direction; holes are skipped.
  function nextCell(position, stepRow, stepCol) {
    let row = position.row + stepRow;
    let col = position.col + stepCol;
    while (row >= 1 && row <= rows && col >= 1 && col <= cols) {
      const element = elementOf({ row, col });
      if (element) return element;
      row += stepRow;
      col += stepCol;
    }
    return null;
  }

  const steps = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };
  grid.addEventListener('keydown', (event) => {
    const element = event.target.closest('[data-row]');
    if (!element) return;
    if (steps[event.key]) {
      event.preventDefault();
      const next = nextCell(positionOf(element), steps[event.key][0], steps[event.key][1]);
      if (next) focus(next);
    } else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      chooseEnd(positionOf(element));
    } else if (event.key === 'Escape' && mark !== null) {
      event.preventDefault();
      dropMark();
    }
  });

  document.getElementById('restart').addEventListener('click', () => {
    found = new Set();
    elapsed = 0;
    mark = null;
    clearSelection();
    body.classList.remove('answers-shown');
    if (showButton) showButton.textContent = 'Show answers';
    try { localStorage.removeItem(storageKey); } catch (e) { /* as above */ }
    clock.textContent = clockText(0);
    showState();
    announce('Started again.');
  });

  if (showButton) {
    showButton.addEventListener('click', () => {
      const shown = body.classList.toggle('answers-shown');
      showButton.textContent = shown ? 'Hide answers' : 'Show answers';
      drawRings();
      announce(shown ? 'Every word is ringed.' : 'The answers are hidden.');
    });
  }

  setInterval(() => {
    if (body.dataset.solved === 'true' || document.hidden) return;
    ++elapsed;
    clock.textContent = clockText(elapsed);
    if (elapsed % 5 === 0) save();
  }, 1000);

  if (focused) focused.tabIndex = 0;
  load();
  clock.textContent = clockText(elapsed);
  showState();
})();
