// The page side of Zenko in the browser: draws each form from its control
// table, mirrors what the program sets (texts, checks, focus, default
// button), and hands the user's actions to the program one at a time. The
// program (zenko.js / zenko.wasm) waits for them in nextEvent.
'use strict';

const ZenkoPage = (() => {
  // Control flags of the form tables.
  const F = {
    default: 1 << 0, groupStart: 1 << 1, noTab: 1 << 2, center: 1 << 3, notify: 1 << 4,
    left: 1 << 5, noFrame: 1 << 6, packLeft: 1 << 7, packCenter: 1 << 8, packRight: 1 << 9,
    wrap: 1 << 10, around: 1 << 11, stretchRow: 1 << 12, stretchColumn: 1 << 13,
  };
  // Events, numbered as the program reads them.
  const E = { command: 1, doubleClick: 2, rightButton: 3, sysCommand: 4, cancel: 5,
              contextHelp: 6, importSite: 7 };
  const ICONS = ['error', 'warning', 'information'];
  const SITE_KEY = 'Zenko.loc';

  const desk = document.getElementById('desk');
  const windows = [];   // the open forms, the menu first
  const queue = [];     // [depth, kind, arg] not yet taken by the program
  let wake = null;
  let arg = 0;
  let waiting = false;
  // What the program did, in order, for the tests: "open 130", "focus 1024",
  // "message error …", "help Zenko.chm", "close ok", "exit".
  const trace = [];
  let imported = new Uint8Array(0);
  let importedSize_ = 0;

  // "&Calcul": the letter after & underlined; "&&" is a plain &.
  function parseMnemonic(text) {
    let shown = '';
    let key = '';
    let at = -1;
    for (let i = 0; i < text.length; ++i) {
      if (text[i] === '&' && i + 1 < text.length) {
        ++i;
        if (text[i] !== '&' && at < 0) { at = shown.length; key = text[i].toLowerCase(); }
      }
      shown += text[i];
    }
    return { shown, key, at };
  }
  function putText(node, text) {
    const m = parseMnemonic(text);
    node.textContent = '';
    if (m.at < 0) { node.textContent = m.shown; return m; }
    node.append(m.shown.slice(0, m.at));
    const u = document.createElement('u');
    u.textContent = m.shown[m.at];
    node.append(u, m.shown.slice(m.at + 1));
    return m;
  }

  function post(depth, kind, value) {
    if (depth !== windows.length - 1 || messageOpen()) return;
    queue.push([depth, kind, value]);
    if (wake) { const w = wake; wake = null; w(); }
  }

  // What the last command changed in the top window's results, one
  // "label : text" line each, empty ones left out.
  function announce() {
    const w = windows[windows.length - 1];
    if (!w || !w.changed.size) return;
    const named = id => w.form.controls.find(c => c.id === id).label || '';
    const lines = [...w.changed].filter(([, text]) => text !== '').map(([id, text]) => `${named(id)} : ${text}`);
    w.changed.clear();
    if (lines.length) w.live.textContent = lines.join('\n');
    // On a narrow screen, a frame whose new results do not fit reflows.
    if (w.node.classList.contains('narrow')) {
      ZenkoFit.fit(w.node);
      for (const [, el] of w.elements) fitTitle(el);
    }
  }

  async function nextEvent(depth) {
    announce();
    for (;;) {
      waiting = true;
      while (queue.length === 0) await new Promise(resolve => { wake = resolve; });
      waiting = false;
      const [from, kind, value] = queue.shift();
      if (from !== depth) continue;  // left by a window that is closed now
      arg = value;
      return kind;
    }
  }

  // ---- Windows ----

  function place(node, c, origin) {
    node.style.gridRow = `${c.row - origin.row + 1} / span ${c.rowSpan}`;
    node.style.gridColumn = `${c.col - origin.col + 1} / span ${c.colSpan}`;
    if (c.flags & F.packLeft) node.style.justifySelf = 'start';
    if (c.flags & F.packCenter) node.style.justifySelf = 'center';
    if (c.flags & F.packRight) node.style.justifySelf = 'end';
  }

  function sizeTracks(grid) {
    const rows = [], cols = [];
    for (let r = 0; r < grid.rows; ++r) rows.push(grid.stretchRows.has(r) ? '1fr' : 'auto');
    for (let c = 0; c < grid.cols; ++c) cols.push(grid.stretchCols.has(c) ? '1fr' : 'auto');
    grid.node.style.gridTemplateRows = rows.join(' ');
    grid.node.style.gridTemplateColumns = cols.join(' ');
  }

  function openForm(json, depth) {
    const form = JSON.parse(json);
    if (depth > 0) trace.push(`open ${form.id}`);
    const win = document.createElement('section');
    win.className = 'window';
    win.dataset.form = form.id;
    win.setAttribute('role', 'dialog');
    win.setAttribute('aria-label', form.title);
    win.style.setProperty('--depth', depth);

    const bar = document.createElement('div');
    bar.className = 'titlebar';
    const icon = document.createElement('img');
    icon.src = 'zenko.svg';
    icon.alt = '';
    icon.className = 'winicon';
    const title = document.createElement('span');
    title.className = 'title';
    title.textContent = form.title;
    bar.append(icon, title);
    // The title bar's buttons, out of the tab order like a window's.
    const barButton = (text, tip, className, event) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.className = className;
      b.textContent = text;
      b.title = tip;
      b.setAttribute('aria-label', tip);
      b.tabIndex = -1;
      b.addEventListener('click', () => post(depth, event, 0));
      bar.append(b);
    };
    if (form.contextHelp) barButton('?', 'Aide', 'barbutton', E.contextHelp);
    barButton('×', 'Fermer', 'barbutton close', E.cancel);

    const body = document.createElement('div');
    body.className = 'grid body';
    // A click on the form itself takes the focus off its controls.
    win.tabIndex = -1;
    // The results a command changed, read out politely once it is done.
    const live = document.createElement('div');
    live.className = 'live';
    live.setAttribute('aria-live', 'polite');
    win.append(bar, body, live);

    const w = { form, depth, node: win, elements: new Map(), mnemonics: [], shortcuts: [],
                defaultId: 0, tabOrder: [], live, changed: new Map() };
    const grids = new Map();
    const newGrid = node => ({ node, rows: 0, cols: 0, stretchRows: new Set(), stretchCols: new Set() });
    grids.set(-1, newGrid(body));
    const made = [];
    const arounds = [];
    let radioGroup = 0;
    let radios = null;  // the current group's holder

    form.controls.forEach((c, i) => {
      const grid = grids.get(c.parent);
      const origin = c.parent < 0 ? { row: 0, col: 0 } : form.controls[c.parent];
      const r = c.row - origin.row, col = c.col - origin.col;
      grid.rows = Math.max(grid.rows, r + c.rowSpan);
      grid.cols = Math.max(grid.cols, col + c.colSpan);
      if (c.flags & (F.stretchRow | F.stretchColumn)) {
        if (c.flags & F.stretchRow) grid.stretchRows.add(r);
        if (c.flags & F.stretchColumn) grid.stretchCols.add(col);
        return;
      }
      let node, focusable = null;
      switch (c.kind) {
        case 'group': {
          if (c.flags & F.around) {
            node = document.createElement('fieldset');
            node.className = 'around';
            const legend = document.createElement('legend');
            putText(legend, c.text);
            node.append(legend);
            arounds.push(c);
            break;
          }
          if (c.flags & F.noFrame) {
            node = document.createElement('div');
            node.className = 'grid box';
            grids.set(i, newGrid(node));
          } else {
            node = document.createElement('fieldset');
            node.className = 'frame';
            const inner = document.createElement('div');
            inner.className = 'grid';
            if (c.text) {
              const legend = document.createElement('legend');
              const m = putText(legend, c.text);
              node.append(legend);
              if (m.key) w.mnemonics.push({ key: m.key, index: i, kind: 'label' });
            }
            node.append(inner);
            grids.set(i, newGrid(inner));
          }
          break;
        }
        case 'label': {
          node = document.createElement('span');
          node.className = 'label';
          if (c.flags & F.wrap) {
            node.classList.add('wrap');
            node.style.width = `${c.chars > 0 ? c.chars : 40}ch`;
          }
          if (c.flags & F.center) node.classList.add('center');
          const m = putText(node, c.text);
          if (m.key) w.mnemonics.push({ key: m.key, index: i, kind: 'label' });
          break;
        }
        case 'edit': case 'number': case 'result': {
          node = document.createElement('input');
          node.type = 'text';
          node.className = c.kind === 'result' ? 'field result' : 'field';
          node.autocomplete = 'off';
          node.spellcheck = false;
          node.setAttribute('autocapitalize', 'off');
          if (c.kind === 'result') node.readOnly = true;
          else node.inputMode = ZenkoFit.inputMode(c.hint);
          if (c.label) node.setAttribute('aria-label', c.label);
          if (c.flags & F.center) node.style.textAlign = 'center';
          else if (c.flags & F.left) node.style.textAlign = 'left';
          if (c.chars > 0) {
            const width = `${c.chars + 2}ch`;
            if (c.kind === 'result') node.style.minWidth = width;
            else { node.style.width = width; node.classList.add('fixed'); }
          }
          if (c.hint) { node.title = c.hint; node.dataset.hint = c.hint; }
          focusable = node;
          break;
        }
        case 'radio': {
          node = document.createElement('label');
          node.className = 'radio';
          const input = document.createElement('input');
          input.type = 'radio';
          if (c.flags & F.groupStart || radioGroup === 0) {
            ++radioGroup;
            // One group for assistive technologies, its buttons still
            // cells of the grid (display: contents).
            radios = document.createElement('div');
            radios.className = 'radios';
            radios.setAttribute('role', 'radiogroup');
            if (c.group) radios.setAttribute('aria-label', c.group);
            grid.node.append(radios);
          }
          input.name = `f${depth}g${radioGroup}`;
          const text = document.createElement('span');
          const m = putText(text, c.text);
          if (c.label) input.setAttribute('aria-label', c.label);
          node.append(input, text);
          input.addEventListener('click', () => post(depth, E.command, c.id));
          if (c.flags & F.notify)
            node.addEventListener('dblclick', () => post(depth, E.doubleClick, c.id));
          if (m.key) w.mnemonics.push({ key: m.key, index: i, kind: 'radio' });
          if (c.shortcut) {
            node.title = `Raccourci : ${c.shortcut}`;
            w.shortcuts.push({ keys: c.shortcut.toLowerCase(), id: c.id });
          }
          focusable = input;
          break;
        }
        case 'button': {
          node = document.createElement('button');
          node.type = 'button';
          node.className = 'button';
          const m = putText(node, c.text);
          node.addEventListener('click', () => post(depth, E.command, c.id));
          if (c.flags & F.default) { w.defaultId = c.id; node.classList.add('default'); }
          if (m.key) w.mnemonics.push({ key: m.key, index: i, kind: 'button' });
          focusable = node;
          break;
        }
      }
      if (c.kind !== 'group' || !(c.flags & F.around)) place(node, c, origin);
      else {
        // The frame lies behind its cells, one row lower to leave a margin.
        place(node, { ...c, rowSpan: c.rowSpan + 1 }, origin);
        grid.rows = Math.max(grid.rows, r + c.rowSpan + 1);
      }
      if (focusable) {
        if (c.flags & F.noTab) focusable.tabIndex = -1;
        // The controls are in the page in table order, the tab order.
        else { focusable.tabIndex = 0; w.tabOrder.push(i); }
        focusable.dataset.id = c.id;
      }
      if (c.id !== -1) {
        const main = focusable || node;
        main.dataset.id = c.id;
        main.id = `f${depth}-${c.id}`;
        w.elements.set(c.id, main);
      }
      made[i] = node;
      (c.kind === 'radio' && radios.parentNode === grid.node ? radios : grid.node).append(node);
    });
    // A field of a row of several fields (the interpolation forms' points)
    // gets a caption with its name, shown only when its grid becomes one
    // column: there the column titles no longer stand above it.
    const name = text => text.replace(/\s+/g, ' ').replace(/[\s:]+$/, '').trim();
    form.controls.forEach((c, i) => {
      const field = made[i];
      if (!field || !c.label || !['edit', 'number', 'result'].includes(c.kind)) return;
      const row = form.controls.filter(o => o.parent === c.parent && o.row === c.row &&
                                            ['edit', 'number', 'result'].includes(o.kind));
      const before = field.previousElementSibling;
      if (row.length < 2 || (before?.classList.contains('label') && name(before.textContent) === name(c.label))) return;
      const caption = document.createElement('span');
      caption.className = 'caption';
      caption.setAttribute('aria-hidden', 'true');
      caption.textContent = c.label;
      field.before(caption);
    });
    // Controls under a frame drawn around cells stand in its middle.
    form.controls.forEach((c, i) => {
      if (!made[i] || c.kind === 'group') return;
      for (const a of arounds)
        if (c.row >= a.row && c.col >= a.col && c.row + c.rowSpan <= a.row + a.rowSpan &&
            c.col + c.colSpan <= a.col + a.colSpan) {
          made[i].classList.add('inaround');
          if (c.row === a.row) made[i].classList.add('firstaround');
        }
    });
    for (const grid of grids.values()) sizeTracks(grid);

    win.addEventListener('keydown', e => onKey(w, e));
    win.addEventListener('contextmenu', e => onContextMenu(w, e));
    if (form.sysMenu.length) {
      icon.classList.add('hasmenu');
      icon.title = 'Menu de la fenêtre';
      icon.addEventListener('click', e => {
        const box = icon.getBoundingClientRect();
        showSysMenu(w, box.left, box.bottom);
        e.stopPropagation();
      });
    }
    for (const below of windows) below.node.inert = true;
    windows[depth] = w;
    win.hidden = true;
    desk.append(win);
    updateSiteBar();
  }

  function showForm(depth, focused) {
    const w = windows[depth];
    if (!w) return;
    w.node.hidden = false;
    document.getElementById('loading')?.remove();
    ZenkoFit.fit(w.node);
    // The control the form focused while it was made, or else the first
    // one in the tab order.
    if (focused && w.lastFocus) {
      focusElement(w.lastFocus);
    } else if (w.tabOrder.length) {
      focusElement(w.elements.get(w.form.controls[w.tabOrder[0]].id));
    }
    for (const [, el] of w.elements) fitTitle(el);
  }

  function closeForm(depth, result) {
    const w = windows[depth];
    if (!w) return;
    trace.push(depth === 0 ? 'exit' : result === 1 ? 'close ok' : 'close cancel');
    w.node.remove();
    windows.length = depth;
    hideSysMenu();
    const under = windows[depth - 1];
    if (under) {
      under.node.inert = false;
      // The focus goes back where it was in the window below.
      if (under.lastFocus && under.node.contains(under.lastFocus)) under.lastFocus.focus();
    }
    updateSiteBar();
  }

  function element(depth, id) {
    const w = windows[depth];
    return w ? w.elements.get(id) : undefined;
  }

  // A result longer than its field shows its whole text as a tooltip.
  function fitTitle(el) {
    if (!(el instanceof HTMLInputElement) || el.type !== 'text') return;
    if (el.value !== '' && el.scrollWidth > el.clientWidth + 1) el.title = el.value;
    else if (el.dataset.hint) el.title = el.dataset.hint;
    else el.removeAttribute('title');
  }

  function setText(depth, id, text) {
    const el = element(depth, id);
    if (!el) return;
    if (el instanceof HTMLInputElement) {
      if (el.type === 'radio') { putText(el.nextElementSibling, text); ZenkoFit.fit(windows[depth].node); return; }
      if (el.readOnly && el.value !== text && !windows[depth].node.hidden) windows[depth].changed.set(id, text);
      el.value = text;
      el.setSelectionRange(0, 0);
      el.scrollLeft = 0;
      if (!windows[depth].node.hidden) fitTitle(el);
    } else if (el instanceof HTMLButtonElement) {
      putText(el, text);
      ZenkoFit.fit(windows[depth].node);
    }
  }

  function getText(depth, id) {
    const el = element(depth, id);
    return el instanceof HTMLInputElement && el.type === 'text' ? el.value : '';
  }

  function setChecked(depth, id, checked) {
    const el = element(depth, id);
    if (el instanceof HTMLInputElement && el.type === 'radio') el.checked = checked;
  }

  function isChecked(depth, id) {
    const el = element(depth, id);
    return el instanceof HTMLInputElement && el.type === 'radio' && el.checked;
  }

  function focusElement(el) {
    if (!el) return;
    el.focus();
    if (el instanceof HTMLInputElement && el.type === 'text') el.select();
  }

  function focus(depth, id) {
    const w = windows[depth];
    if (!w) return;
    const el = w.elements.get(id);
    if (!el) return;
    trace.push(`focus ${id}`);
    w.lastFocus = el;
    if (!messageOpen()) focusElement(el);
    else pendingFocus = el;
  }

  function setDefault(depth, id) {
    const w = windows[depth];
    if (!w) return;
    w.defaultId = id;
    for (const [key, el] of w.elements)
      if (el instanceof HTMLButtonElement) el.classList.toggle('default', key === id);
  }

  // ---- Keyboard and mouse ----

  // The control an Alt+letter reaches: a button is pressed, a radio
  // button checked; a label or a frame leads to the next control in the tab
  // order.
  function onMnemonic(w, key) {
    const hit = w.mnemonics.find(m => m.key === key);
    if (!hit) return false;
    const c = w.form.controls[hit.index];
    if (hit.kind === 'button') { w.elements.get(c.id).focus(); post(w.depth, E.command, c.id); return true; }
    if (hit.kind === 'radio') {
      const input = w.elements.get(c.id);
      input.focus();
      if (!input.checked) input.click();
      return true;
    }
    for (let i = hit.index + 1; i < w.form.controls.length; ++i) {
      const next = w.form.controls[i];
      const el = w.elements.get(next.id);
      if (el && el.tabIndex >= 0) { focusElement(el); return true; }
    }
    return false;
  }

  function onKey(w, e) {
    if (w.depth !== windows.length - 1 || messageOpen()) return;
    if (e.key === 'Escape') {
      e.preventDefault();
      if (!document.getElementById('sysmenu').hidden) { hideSysMenu(); return; }
      post(w.depth, E.cancel, 0);
      return;
    }
    if (e.altKey && !e.ctrlKey && !e.metaKey && e.key.length === 1) {
      if (onMnemonic(w, e.key.toLowerCase())) e.preventDefault();
      return;
    }
    if (e.ctrlKey && !e.altKey && !e.metaKey) {
      const keys = `ctrl+${e.key.toLowerCase()}`;
      const hit = w.shortcuts.find(s => s.keys === keys);
      if (hit) {
        e.preventDefault();
        const input = w.elements.get(hit.id);
        input.focus();
        if (!input.checked) input.click();
      }
      return;
    }
    if (e.key === 'Enter' && !e.altKey && !e.ctrlKey) {
      // On a button Enter presses it (the browser's own); elsewhere it
      // presses the form's default button.
      if (e.target instanceof HTMLButtonElement) return;
      e.preventDefault();
      if (w.defaultId) post(w.depth, E.command, w.defaultId);
    }
  }

  function onContextMenu(w, e) {
    const t = e.target;
    const onField = t instanceof HTMLInputElement && t.type === 'text';
    if (onField) return;  // the browser's own menu: copy, paste
    e.preventDefault();
    if (w.form.sysMenu.length) { showSysMenu(w, e.clientX, e.clientY); return; }
    const onControl = t.closest('button, label.radio');
    if (!onControl && !t.closest('.titlebar')) post(w.depth, E.rightButton, 0);
  }

  function showSysMenu(w, x, y) {
    const menu = document.getElementById('sysmenu');
    menu.textContent = '';
    for (const entry of w.form.sysMenu) {
      const item = document.createElement('li');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      putText(item, entry.text);
      const choose = () => { hideSysMenu(); post(w.depth, E.sysCommand, entry.command); };
      item.addEventListener('click', choose);
      item.addEventListener('keydown', e => {
        if (e.key === 'Enter' || e.key === ' ') { e.preventDefault(); choose(); }
        if (e.key === 'Escape') { e.preventDefault(); e.stopPropagation(); hideSysMenu(); }
      });
      menu.append(item);
    }
    menu.hidden = false;
    menu.style.left = `${x + window.scrollX}px`;
    menu.style.top = `${y + window.scrollY}px`;
    menu.dataset.depth = w.depth;
    menu.firstChild.focus();
  }

  function hideSysMenu() {
    const menu = document.getElementById('sysmenu');
    if (menu.hidden) return;
    menu.hidden = true;
    const w = windows[windows.length - 1];
    if (w && w.lastFocus && document.activeElement?.closest('#sysmenu') !== null)
      w.lastFocus.focus();
  }
  document.addEventListener('click', e => {
    if (!e.target.closest('#sysmenu')) hideSysMenu();
  });
  addEventListener('resize', () => {
    for (const w of windows) {
      ZenkoFit.fit(w.node);
      for (const [, el] of w.elements) fitTitle(el);
    }
  });
  document.addEventListener('focusin', e => {
    const w = windows.find(x => x.node.contains(e.target));
    if (w) w.lastFocus = e.target;
  });

  // ---- Message box ----

  const dialog = document.getElementById('message');
  let pendingFocus = null;
  function messageOpen() { return dialog.open; }

  function messageBox(text, icon) {
    hideSysMenu();
    trace.push(`message ${ICONS[icon]} ${text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n')}`);
    document.getElementById('messageText').textContent = text;
    dialog.dataset.icon = ICONS[icon] || 'error';
    pendingFocus = null;
    return new Promise(resolve => {
      dialog.addEventListener('close', () => {
        const el = pendingFocus;
        pendingFocus = null;
        if (el) focusElement(el);
        resolve();
      }, { once: true });
      dialog.showModal();
      document.getElementById('messageOk').focus();
    });
  }

  // ---- Help ----

  function openHelp(page) {
    trace.push(page === 'help/index.htm' ? 'help Zenko.chm'
                                         : `help Zenko.chm::/${page.slice('help/'.length)}`);
    // In night vision the help opens at night too.
    const night = document.documentElement.classList.contains('nuit') ? '#nuit' : '';
    window.open(page + night, '_blank', 'noopener');
  }

  // ---- The site file in the browser's storage ----

  function loadSite() {
    try {
      const hex = localStorage.getItem(SITE_KEY);
      if (hex === null || !/^[0-9a-f]{32}$/.test(hex)) return null;
      const bytes = new Uint8Array(16);
      for (let i = 0; i < 16; ++i) bytes[i] = parseInt(hex.substr(2 * i, 2), 16);
      return bytes;
    } catch (e) {
      return null;
    }
  }

  function storeSite(bytes) {
    const hex = Array.from(bytes, b => b.toString(16).padStart(2, '0')).join('');
    try {
      localStorage.setItem(SITE_KEY, hex);
      return localStorage.getItem(SITE_KEY) === hex;
    } catch (e) {
      return false;
    }
  }

  function updateSiteBar() {
    document.getElementById('site').hidden = windows.length !== 1;
  }

  document.getElementById('importFile').addEventListener('change', async e => {
    const file = e.target.files[0];
    e.target.value = '';
    if (!file) return;
    // Beyond its size, only the first 16 bytes of a file matter.
    imported = new Uint8Array(await file.slice(0, 16).arrayBuffer());
    importedSize_ = Math.min(file.size, 0x7fffffff);
    post(0, E.importSite, 0);
  });
  function importedBytes() { return imported; }
  function importedSize() { return importedSize_; }

  document.getElementById('export').addEventListener('click', () => {
    const bytes = loadSite() || new Uint8Array(16);
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = 'Zenko.loc';
    document.body.append(a);
    a.click();
    a.remove();
    // Kept a while: a slow machine may start the download late.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  });

  // ---- The end ----

  let isEnded = false;
  function ended() {
    isEnded = true;
    desk.textContent = '';
    desk.hidden = true;
    document.getElementById('site').hidden = true;
    const end = document.getElementById('ended');
    end.hidden = false;
    document.getElementById('restart').focus();
  }
  document.getElementById('restart').addEventListener('click', () => location.reload());

  function failed(why) {
    desk.textContent = '';
    const p = document.createElement('p');
    p.className = 'failure';
    p.textContent = `Zenko n'a pas pu démarrer : ${why}`;
    desk.append(p);
  }

  return {
    openForm, showForm, closeForm, setText, getText, setChecked, isChecked, focus,
    setDefault, messageBox, nextEvent, eventArg: () => arg, openHelp, loadSite, storeSite,
    importedBytes, importedSize, ended, failed,
    // For the window's tools (tools.js): its node, the top window, an event.
    node: depth => windows[depth] && windows[depth].node, top: () => windows.length - 1, post,
    // For the tests: whether the program waits for the user, and what it did.
    idle: () => (waiting && queue.length === 0) || dialog.open || isEnded,
    takeTrace: () => trace.splice(0),
    table: depth => windows[depth] && windows[depth].form,
  };
})();

var Module = {
  onAbort: what => ZenkoPage.failed(String(what)),
};
