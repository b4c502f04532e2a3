// The tool row of each window, under its title bar: "Maintenant (TU)" on
// the forms that fill the date and time from the clock, "Copier les
// résultats" on the forms that have fields. Both go through the program
// (the form's own action, the windows' text of the fields); the focus stays
// where it was. Keys: F2 and F8, which browsers leave to pages.
'use strict';

const ZenkoTools = (() => {
  // Events, numbered as the program reads them.
  const NOW = 8, COPY = 9;
  const KEYS = { F2: NOW, F8: COPY };
  const SHOWN_FOR = 2500;  // ms the confirmation of a copy stays

  // A polite live region: present from the start, so that what it says
  // is announced.
  const note = document.createElement('p');
  note.id = 'toolnote';
  note.setAttribute('role', 'status');
  note.setAttribute('aria-live', 'polite');
  document.body.append(note);
  let noteTimer = 0;
  let lastCopy = Promise.resolve();

  function button(depth, text, tip, className, event) {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = `button ${className}`;
    b.textContent = text;
    b.title = tip;
    // A press by mouse or touch leaves the focus in the field it was in.
    b.addEventListener('mousedown', e => e.preventDefault());
    b.addEventListener('click', () => ZenkoPage.post(depth, event, 0));
    return b;
  }

  function attach(depth, now, copy) {
    const win = ZenkoPage.node(depth);
    if (!win || (!now && !copy) || win.querySelector(':scope > .tools')) return;
    const row = document.createElement('div');
    row.className = 'tools';
    if (now)
      row.append(button(depth, 'Maintenant (TU)',
                        'Date et heure actuelles en temps universel (F2)', 'now', NOW));
    if (copy)
      row.append(button(depth, 'Copier les résultats',
                        'Copie chaque champ : libellé, tabulation, texte (F8)', 'copy', COPY));
    win.querySelector(':scope > .titlebar').after(row);
  }

  function say(text, refused) {
    note.textContent = text;
    note.classList.toggle('refused', refused);
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => { note.textContent = ''; }, SHOWN_FOR);
  }

  // Without the Clipboard API (a page not served over https or from this
  // computer) the browser's copy command is tried, from a hidden text area;
  // the focus and selection then go back where they were.
  function copyCommand(text) {
    const back = document.activeElement;
    const range = back instanceof HTMLInputElement ? [back.selectionStart, back.selectionEnd] : null;
    const area = document.createElement('textarea');
    area.value = text;
    area.readOnly = true;
    area.className = 'copyarea';
    document.body.append(area);
    area.select();
    let ok = false;
    try { ok = document.execCommand('copy'); } catch (e) { ok = false; }
    area.remove();
    if (back instanceof HTMLElement) back.focus();
    if (range && range[0] !== null) back.setSelectionRange(range[0], range[1]);
    if (!ok) throw new Error('copy refused');
  }

  function copy(text) {
    const write = navigator.clipboard && navigator.clipboard.writeText
      ? navigator.clipboard.writeText(text)
      : new Promise(resolve => resolve(copyCommand(text)));
    lastCopy = write.then(() => say('Résultats copiés.', false),
                          () => say('Copie refusée par le navigateur : rien n\'a été copié.', true));
  }

  // Whatever the page's time zone, the fields take Universal Time.
  function now() {
    const d = api.clock();
    return [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(),
            d.getUTCHours(), d.getUTCMinutes(), d.getUTCSeconds()];
  }

  document.addEventListener('keydown', e => {
    const event = KEYS[e.key];
    if (!event || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    const win = ZenkoPage.node(ZenkoPage.top());
    const b = win && win.querySelector(`:scope > .tools > .${event === NOW ? 'now' : 'copy'}`);
    if (!b || win.inert) return;
    e.preventDefault();
    ZenkoPage.post(ZenkoPage.top(), event, 0);
  });

  const api = {
    attach, copy, now,
    clock: () => new Date(),  // the clock's seam: tests may fix it
    copied: () => lastCopy,   // for the tests: the last copy, settled
  };
  return api;
})();
