// Plays the crossword of this page as Gridly's play mode does: choose a word
// by its clue or a cell, type into its cells, and the score line counts the
// right words. The puzzle comes from the JSON block #puzzle; every text of it
// is shown as text, never as markup.
'use strict';
(() => {
  const data = JSON.parse(document.getElementById('puzzle').textContent);
  const cols = data.cols, rows = data.rows;
  const $ = (id) => document.getElementById(id);

  // The writer's scrambling undone: an xorshift32 stream seeded from the length.
  const solution = (() => {
    const bytes = atob(data.code);
    let x = (0x2545F491 ^ bytes.length) >>> 0, out = '';
    for (let i = 0; i < bytes.length; i++) {
      x ^= x << 13; x >>>= 0;
      x ^= x >>> 17;
      x ^= x << 5; x >>>= 0;
      out += String.fromCharCode(bytes.charCodeAt(i) ^ (x >>> 24));
    }
    return out;
  })();

  const TYPED = /^[A-Z0-9&\- ]$/;

  // Words in list order; a cell is an index into the cols x rows grid.
  const words = data.words.map(([number, across, col, row, length, clue], i) => {
    const cells = [];
    for (let k = 0; k < length; k++)
      cells.push(across ? (row - 1) * cols + col - 1 + k : (row - 1 + k) * cols + col - 1);
    const numberText = (number < 10 && number >= 0 ? '0' : '') + number;
    return {
      index: i + 1, number, across: !!across, length, clue, cells,
      direction: across ? 'Across' : 'Down',
      text: numberText + '- ' + clue,               // as the play mode's clue list shows it
      order: numberText + '- ' + clue.padEnd(40),   // and sorts it
    };
  });

  const letters = Array.from(solution, (s) => (s === '#' ? null : ' '));
  const wrong = new Array(cols * rows).fill(false);
  const through = Array.from({ length: cols * rows }, () => []);  // {word, k} of every word through a cell
  for (const w of words) w.cells.forEach((cell, k) => through[cell].push({ word: w, k }));

  const byText = (a, b) => (a.order < b.order ? -1 : a.order > b.order ? 1 : 0);
  const lists = {
    Across: words.filter((w) => w.across).sort(byText),
    Down: words.filter((w) => !w.across).sort(byText),
  };
  const tabOrder = lists.Across.concat(lists.Down);

  let cur = null;      // the current word
  let pos = 0;         // the cursor along it, from 0
  let done = false;    // every word right: nothing is chosen until Clear All

  // The grid.
  const root = document.documentElement.style;
  root.setProperty('--cols', cols);
  root.setProperty('--rows', rows);
  root.setProperty('--block', data.block);
  const gridEl = $('grid');
  gridEl.setAttribute('aria-rowcount', rows);
  gridEl.setAttribute('aria-colcount', cols);
  const cellEls = [], letterEls = [], places = [];
  for (let r = 0; r < rows; r++) {
    const rowEl = document.createElement('div');
    rowEl.className = 'row';
    rowEl.setAttribute('role', 'row');
    for (let c = 0; c < cols; c++) {
      const i = r * cols + c;
      const cell = document.createElement('div');
      cell.setAttribute('role', 'gridcell');
      if (letters[i] === null) {
        cell.className = 'cell block';
        cell.setAttribute('aria-label', 'Block');
      } else {
        cell.className = 'cell';
        const starting = words.find((w) => w.cells[0] === i);
        if (starting && starting.number) {
          const number = document.createElement('span');
          number.className = 'number';
          number.textContent = starting.number;
          number.setAttribute('aria-hidden', 'true');
          cell.append(number);
        }
        const letter = document.createElement('span');
        letter.className = 'letter';
        letter.setAttribute('aria-hidden', 'true');
        cell.append(letter);
        letterEls[i] = letter;
        places[i] = through[i].map((t) => t.word.number + ' ' + t.word.direction + ', letter ' + (t.k + 1) +
          ' of ' + t.word.length).join('; ');
      }
      cell.addEventListener('click', () => cellClicked(i));
      cellEls[i] = cell;
      rowEl.append(cell);
    }
    gridEl.append(rowEl);
  }

  // The clue lists: each sorted as its text, below its header.
  const clueEls = new Map();
  for (const direction of ['Across', 'Down']) {
    const listEl = $(direction.toLowerCase());
    for (const w of lists[direction]) {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'clue';
      button.textContent = w.text;
      button.addEventListener('click', () => { choose(w, 0); entry.focus(); });
      item.append(button);
      listEl.append(item);
      clueEls.set(w, button);
    }
  }

  const entry = $('entry'), wordBox = $('wordbox'), cursorBox = $('cursorbox');
  const storageKey = data.key;
  // A press on the grid or a clue leaves the focus in the answer box, so an
  // on-screen keyboard stays up; the click then moves the cursor.
  for (const el of [gridEl, $('across'), $('down')])
    el.addEventListener('mousedown', (e) => e.preventDefault());

  function place(el, cell, across, length) {
    const c = cell % cols, r = Math.floor(cell / cols);
    el.style.left = (100 * c / cols) + '%';
    el.style.top = (100 * r / rows) + '%';
    el.style.width = (100 * (across ? length : 1) / cols) + '%';
    el.style.height = (100 * (across ? 1 : length) / rows) + '%';
  }

  function cellState(i) {
    return (letters[i] === ' ' ? 'empty' : letters[i]) + (wrong[i] ? ', wrong' : '');
  }

  // The boxes, the input over the cursor cell, the chosen clue and the labels.
  function showChoice() {
    wordBox.hidden = cursorBox.hidden = !cur;
    for (const [w, el] of clueEls) {
      if (w === cur) el.setAttribute('aria-current', 'true');
      else el.removeAttribute('aria-current');
    }
    $('checkword').disabled = $('revealword').disabled = !cur;
    $('current').textContent = cur ? cur.text : '';
    if (!cur) {
      entry.setAttribute('aria-label', 'Crossword answer: no word chosen');
      return;
    }
    const cell = cur.cells[pos];
    place(wordBox, cur.cells[0], cur.across, cur.length);
    place(cursorBox, cell, true, 1);
    place(entry, cell, true, 1);
    entry.setAttribute('aria-label', cur.number + ' ' + cur.direction + ', letter ' + (pos + 1) + ' of ' +
      cur.length + ', ' + cellState(cell) + '. ' + cur.clue);
  }

  function isRight(w) {
    return w.cells.every((cell) => letters[cell] === solution[cell]);
  }

  // The letters, the marks and the score line; at the last right word the
  // completed state, as in play mode.
  function showGrid() {
    letters.forEach((letter, i) => {
      if (letter === null) return;
      letterEls[i].textContent = letter;
      cellEls[i].classList.toggle('wrong', wrong[i]);
      cellEls[i].setAttribute('aria-label', places[i] + ': ' + cellState(i));
    });
    const right = words.filter(isRight).length;
    done = right === words.length;
    $('score').textContent = done ? 'Crossword Completed!!!'
      : ' ' + right + ' out of  ' + words.length + ' words are Correct!';
    for (const el of clueEls.values()) el.disabled = done;
    if (done) cur = null;
    showChoice();
  }

  function store() {
    try {
      localStorage.setItem(storageKey, letters.map((l) => (l === null ? '#' : l)).join(''));
    } catch (e) {
      // No storage (private browsing, a full disk): the letters live as long as the page.
    }
  }

  function restore() {
    let kept = null;
    try {
      kept = localStorage.getItem(storageKey);
    } catch (e) {
      return;
    }
    if (!kept || kept.length !== letters.length) return;
    letters.forEach((letter, i) => {
      if (letter !== null && TYPED.test(kept[i])) letters[i] = kept[i];
    });
  }

  function choose(w, k) {
    if (done) return;
    cur = w;
    pos = k;
    showChoice();
  }

  // A cell: the word written last through it, as play mode chooses; the
  // same cell again turns to the word crossing there. The cursor goes to it.
  function cellClicked(i) {
    if (done) return;
    const here = through[i];
    if (!here.length) {
      cur = null;
      showChoice();
      return;
    }
    let pick = here[here.length - 1];
    const inCurrent = here.find((t) => t.word === cur);
    if (inCurrent) pick = inCurrent.k === pos ? here.find((t) => t.word !== cur) || inCurrent : inCurrent;
    choose(pick.word, pick.k);
    entry.focus();
  }

  function put(cell, letter) {
    letters[cell] = letter;
    wrong[cell] = false;
  }

  function changed() {
    store();
    showGrid();
  }

  function type(letter) {
    put(cur.cells[pos], letter);
    if (pos < cur.length - 1) pos++;
    changed();
  }

  // Backspace empties the cursor cell and steps back; on an empty cell it
  // steps back first, so each press takes away one letter.
  function backspace() {
    if (letters[cur.cells[pos]] !== ' ') {
      put(cur.cells[pos], ' ');
      pos = Math.max(pos - 1, 0);
    } else if (pos > 0) {
      put(cur.cells[--pos], ' ');
    }
    changed();
  }

  function typed(text) {
    for (const ch of text.toUpperCase())
      if (cur && TYPED.test(ch)) type(ch);
  }

  entry.addEventListener('keydown', (e) => {
    if (e.ctrlKey || e.altKey || e.metaKey || e.isComposing) return;
    if (e.key === 'Tab' || e.key === 'Enter') {
      // Past the last clue (or before the first) Tab takes the focus out of the grid.
      const next = cur ? tabOrder.indexOf(cur) + (e.shiftKey ? -1 : 1) : -1;
      if (e.key === 'Enter') e.preventDefault();
      if (next < 0 || next >= tabOrder.length) return;
      e.preventDefault();
      choose(tabOrder[next], 0);
      return;
    }
    if (e.key === 'Escape') {
      cur = null;
      showChoice();
      return;
    }
    if (!cur) return;
    const last = cur.length - 1;
    switch (e.key) {
      case 'ArrowLeft': case 'ArrowUp': pos = Math.max(pos - 1, 0); break;
      case 'ArrowRight': case 'ArrowDown': pos = Math.min(pos + 1, last); break;
      case 'Home': pos = 0; break;
      case 'End': pos = last; break;
      case 'Backspace': backspace(); break;
      case 'Delete': put(cur.cells[pos], ' '); changed(); break;
      default:
        if (e.key.length !== 1 || !TYPED.test(e.key.toUpperCase())) return;
        type(e.key.toUpperCase());
    }
    e.preventDefault();
    showChoice();
  });

  // On-screen keyboards send text rather than keys; what a composition
  // (predictive text) puts into the box is taken as it comes.
  entry.addEventListener('beforeinput', (e) => {
    if (e.isComposing || e.inputType === 'insertCompositionText') return;
    e.preventDefault();
    if (!cur) return;
    if (e.inputType === 'deleteContentBackward') backspace();
    else if (e.data) typed(e.data);
    showChoice();
  });
  entry.addEventListener('input', () => {
    typed(entry.value);
    entry.value = '';
    showChoice();
  });
  // Reaching the grid from the keyboard chooses the first clue.
  entry.addEventListener('focus', () => {
    if (!cur && !done && tabOrder.length) choose(tabOrder[0], 0);
  });

  function backToGrid() {
    if (cur) entry.focus();
  }

  function mark(cells) {
    for (const cell of cells)
      wrong[cell] = letters[cell] !== ' ' && letters[cell] !== solution[cell];
    showGrid();
  }

  $('checkword').addEventListener('click', () => {
    if (cur) mark(cur.cells);
    backToGrid();
  });
  $('checkpuzzle').addEventListener('click', () => {
    mark(letters.map((l, i) => i).filter((i) => letters[i] !== null));
    backToGrid();
  });
  $('revealword').addEventListener('click', () => {
    if (!cur) return;
    for (const cell of cur.cells) put(cell, solution[cell]);
    changed();
    backToGrid();
  });
  $('clearall').addEventListener('click', () => {
    if (!window.confirm('Clear All Words From Play Grid')) return;
    letters.forEach((l, i) => {
      if (l !== null) put(i, ' ');
    });
    changed();
    backToGrid();
  });

  restore();
  showGrid();
})();
