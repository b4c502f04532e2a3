// Fits the windows to the screen. A window wider than the screen (a phone,
// a large font, a zoom) takes the whole width (the class narrow): its
// frames and buttons then follow one another, and each grid that still
// does not fit, or whose fields are too narrow for their texts, becomes
// one column, labels above their fields (onecol).
'use strict';

const ZenkoFit = (() => {
  const overflows = el => el.scrollWidth > el.clientWidth + 1;

  function fit(win) {
    if (!win || win.hidden) return;
    win.classList.remove('narrow');
    for (const grid of win.querySelectorAll('.onecol')) grid.classList.remove('onecol');
    const bar = win.querySelector('.titlebar');
    const box = win.getBoundingClientRect();
    if (!overflows(win) && !overflows(bar) && box.left >= 0 && box.right <= document.documentElement.clientWidth) return;
    win.classList.add('narrow');
    // Outer grids first: a frame's width is known once its holder fits. A
    // field too narrow for its text also makes one column: a finger has no
    // tooltip.
    for (const grid of win.querySelectorAll('.grid:not(.body)'))
      if (overflows(grid) || [...grid.querySelectorAll(':scope > .field')].some(overflows)) grid.classList.add('onecol');
  }

  // The field types and the keyboard each needs, from its hint (the
  // format before " — ex."): a whole number that is never negative, the
  // digits; a decimal number that is never negative, the digits and the
  // decimal separator; anything with a sign, a colon, a slash or a J
  // (dates, times, angles, epochs, a format chosen by a radio button):
  // the full keyboard, as no numeric one holds all of these.
  function inputMode(hint) {
    const format = hint.split(' — ')[0];
    if (/[/:±J]|selon le format/.test(format) || !/positif|entier de \d/.test(format)) return 'text';
    return /entier/.test(format) ? 'numeric' : 'decimal';
  }

  return { fit, inputMode };
})();
