// Night vision in the browser: the whole page red on black (night.css,
// html.nuit), from the page bar's "Vision de nuit" button or the F9 key, kept
// in the browser's storage for the next visit (the small script at the top
// of index.html sets it before anything is drawn). At night the browser's
// own tooltips, which no style reaches, give way to the page's.
'use strict';

const ZenkoNight = (() => {
  const KEY = 'zenko.nuit';
  const NIGHT_THEME = '#000000';
  const root = document.documentElement;
  // The page bar at the top of every page of the site, with the toggle.
  const bar = document.createElement('header');
  bar.id = 'pagebar';
  bar.innerHTML = '<button type="button" id="nightToggle" aria-pressed="false" ' +
    'title="Vision de nuit : rouge sur noir (touche F9)"><svg viewBox="0 0 16 16" aria-hidden="true">' +
    '<path d="M6 1a7 7 0 1 0 9 9A6 6 0 0 1 6 1z"/></svg>Vision de nuit</button>';
  document.body.prepend(bar);
  const toggle = bar.firstChild;
  const isOn = () => root.classList.contains('nuit');

  // The browser's bar takes the page's colour.
  function themeMeta() {
    let meta = document.querySelector('meta[name="theme-color"]');
    if (!meta) {
      meta = document.createElement('meta');
      meta.name = 'theme-color';
      meta.content = '#2b3347';
      document.head.append(meta);
    }
    if (meta.dataset.day === undefined) meta.dataset.day = meta.content;
    return meta;
  }

  function set(on, keep = true) {
    root.classList.toggle('nuit', on);
    toggle.setAttribute('aria-pressed', String(on));
    const meta = themeMeta();
    meta.content = on ? NIGHT_THEME : meta.dataset.day;
    if (keep) {
      try {
        if (on) localStorage.setItem(KEY, '1');
        else localStorage.removeItem(KEY);
      } catch (e) {
        // A storage that refuses: night vision lasts for this visit only.
      }
    }
    hideTip();
    if (on) stashAll(document.body);
    else for (const el of document.querySelectorAll('[data-tip]')) unstash(el);
  }

  toggle.addEventListener('click', () => set(!isOn()));
  window.addEventListener('keydown', e => {
    if (e.key !== 'F9' || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    e.preventDefault();
    set(!isOn());
  }, true);
  // Another tab of the site switched it.
  window.addEventListener('storage', e => {
    if (e.key === KEY || e.key === null) set(e.newValue === '1', false);
  });

  // ---- The page's tooltip ----

  const tip = document.createElement('div');
  tip.id = 'tip';
  tip.setAttribute('role', 'tooltip');
  tip.hidden = true;
  document.body.append(tip);
  let shownFor = null;
  let timer = 0;

  const isField = el => el instanceof HTMLInputElement && el.type === 'text';
  // At night a title becomes data-tip, so that the browser shows none.
  function stash(el) {
    const text = el.getAttribute('title');
    if (text === null) return;
    el.removeAttribute('title');
    el.dataset.tip = text;
  }
  function stashAll(node) {
    if (node.nodeType !== Node.ELEMENT_NODE) return;
    if (node.hasAttribute('title')) stash(node);
    for (const el of node.querySelectorAll('[title]')) stash(el);
  }
  // By day: a field has its hint as title, or its whole text when it is
  // longer than the field; other elements their own title back.
  function unstash(el) {
    const text = tipText(el);
    delete el.dataset.tip;
    if (text) el.title = text;
    else el.removeAttribute('title');
  }
  new MutationObserver(changes => {
    if (!isOn()) return;
    for (const c of changes) {
      if (c.type === 'attributes') stashAll(c.target);
      else for (const n of c.addedNodes) stashAll(n);
    }
  }).observe(document.body, { subtree: true, childList: true, attributes: true, attributeFilter: ['title'] });

  function tipText(el) {
    if (isField(el)) {
      if (el.value !== '' && el.scrollWidth > el.clientWidth + 1) return el.value;
      return el.dataset.hint || '';
    }
    return el.dataset.tip || '';
  }
  function holder(target) {
    if (!(target instanceof Element)) return null;
    return target.closest('input.field') || target.closest('[data-tip]');
  }

  function showTip(el) {
    clearTimeout(timer);
    const text = el && tipText(el);
    if (!text || !isOn()) { hideTip(); return; }
    if (shownFor !== el) hideTip();
    tip.textContent = text;
    tip.hidden = false;
    const box = el.getBoundingClientRect(), own = tip.getBoundingClientRect();
    const below = box.bottom + 4 + own.height <= window.innerHeight;
    tip.style.left = `${Math.max(4, Math.min(box.left, window.innerWidth - own.width - 4))}px`;
    tip.style.top = `${below ? box.bottom + 4 : Math.max(4, box.top - own.height - 4)}px`;
    if (shownFor !== el && !el.hasAttribute('aria-describedby')) {
      el.setAttribute('aria-describedby', 'tip');
    }
    shownFor = el;
  }
  function hideTip() {
    clearTimeout(timer);
    tip.hidden = true;
    if (shownFor && shownFor.getAttribute('aria-describedby') === 'tip') shownFor.removeAttribute('aria-describedby');
    shownFor = null;
  }

  document.addEventListener('pointerover', e => {
    const el = holder(e.target);
    if (!el || !isOn()) return;
    clearTimeout(timer);
    timer = setTimeout(() => showTip(el), 500);
  });
  document.addEventListener('pointerout', e => {
    const el = holder(e.target);
    if (!el || el.contains(e.relatedTarget)) return;
    clearTimeout(timer);
    if (shownFor === el && document.activeElement !== el) hideTip();
  });
  // Reached with Tab, a field or a button shows its tooltip too, and a
  // field touched on a touch screen (no hover there); not when the program
  // moves the focus.
  let tabbed = false, touched = false;
  document.addEventListener('focusin', e => {
    const el = (tabbed || (touched && isField(e.target))) && holder(e.target);
    tabbed = touched = false;
    if (el) showTip(el);
    else hideTip();
  });
  document.addEventListener('focusout', e => { if (shownFor === e.target) hideTip(); });
  // Typing, a press, a scroll: the tooltip goes.
  document.addEventListener('keydown', e => {
    tabbed = e.key === 'Tab';
    if (shownFor && e.key !== 'Tab' && e.key !== 'Shift') hideTip();
  }, true);
  document.addEventListener('pointerdown', e => { hideTip(); touched = e.pointerType === 'touch'; }, true);
  document.addEventListener('scroll', hideTip, true);
  window.addEventListener('resize', hideTip);

  set(isOn(), false);
  return { isOn, set };
})();
