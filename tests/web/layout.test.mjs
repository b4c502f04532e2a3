// The page on phones, tablets and desktops, with a large default font: every
// form, after its worked example, fits the width of the screen (no sideways
// scroll, no text cut, nothing off screen, no two controls overlapping, every
// field's whole text kept); on phones every target is 40 px high at least.
// ZENKO_SHOTS=DIR keeps pictures of the menu, 130 and 134 at each size.
import { run, openPage, control, check, showExample } from './harness.mjs';

// Width, height, default font size (px; the browser's own when absent).
// Each one of a width other than the one before: a resize refits the windows.
const SIZES = [[360, 640], [390, 844, 24], [768, 1024], [1280, 800, 24], [390, 844], [1280, 800]];
const FORMS = [102, 131, 143, 146, 144, 130, 135, 129, 132, 134, 164];
// The keyboard of some fields: digits alone for a count, digits and a
// separator for a length, the full one when a sign, ':', '/' or 'J' may come.
const KEYBOARDS = { 131: { 1023: 'numeric', 1000: 'text', 1001: 'text', 1002: 'text' }, 146: { 1095: 'decimal', 1088: 'text' },
                    129: { 1007: 'text', 1009: 'text' }, 132: { 1044: 'text', 1047: 'text' }, 164: { 1121: 'text' } };

// In the page: what is wrong with the top window (and the page).
async function faults(phone) {
  // The resize is handled at the next frame.
  await new Promise(frame => requestAnimationFrame(() => requestAnimationFrame(frame)));
  const bad = [], win = document.querySelector('#desk > section.window:last-of-type');
  const name = el => (el.getAttribute('aria-label') || el.textContent || '').trim().slice(0, 24);
  if (document.documentElement.scrollWidth > innerWidth) bad.push(`the page scrolls sideways: ${document.documentElement.scrollWidth} px`);
  for (const el of win.querySelectorAll('.title, .label, legend, .button, .barbutton, .radio span'))
    if (el.scrollWidth > el.clientWidth + 1) bad.push(`text cut: ${name(el)}`);
  for (const el of win.querySelectorAll('input.field'))
    if (el.scrollWidth > el.clientWidth + 1 && el.title !== el.value) bad.push(`text hidden without a tooltip: ${el.value}`);
  const boxes = [...win.querySelectorAll('.field, .button, .barbutton, .radio, .label, legend')].map(el => [el, el.getBoundingClientRect()]);
  boxes.forEach(([a, p], i) => {
    if (p.left < 0 || p.right > innerWidth) bad.push(`off screen: ${name(a)}`);
    if (phone && !a.matches('.label, legend') && p.height < 40) bad.push(`${p.height} px high: ${name(a)}`);
    for (const [b, q] of boxes.slice(i + 1))
      if (!a.contains(b) && Math.min(p.right, q.right) - Math.max(p.left, q.left) > 1 &&
          Math.min(p.bottom, q.bottom) - Math.max(p.top, q.top) > 1) bad.push(`overlap: ${name(a)} / ${name(b)}`);
  });
  return bad;
}

await run('layout tests', async env => {
  const page = await openPage(env);
  const cdp = await env.context.newCDPSession(page);
  let font = 16;
  for (const form of FORMS) {
    // Each form is opened on the smallest screen, then the screen changes.
    await page.setViewportSize({ width: 360, height: 640 });
    await showExample(page, form);
    for (const [id, mode] of Object.entries(KEYBOARDS[form] ?? {}))
      check(await control(page, id).getAttribute('inputmode') === mode, `form ${form}: field ${id} brings up the ${mode} keyboard`);
    for (const [width, height, size = 16] of SIZES) {
      const name = `${width}×${height}${size !== 16 ? ` at ${size} px` : ''}, form ${form}`;
      // The browser's default font, as its settings set it, then the size.
      if (size !== font) await cdp.send('Page.setFontSizes', { fontSizes: { standard: font = size } });
      await page.setViewportSize({ width, height });
      check(await page.evaluate(() => parseFloat(getComputedStyle(document.querySelector('.window')).fontSize)) === font * 0.875,
            `${name}: the page follows the default font`);
      for (const fault of await page.evaluate(faults, width < 600)) check(false, `${name}: ${fault}`);
      if (process.env.ZENKO_SHOTS && [102, 130, 134].includes(form)) {
        // The whole page (a full-page picture would drop the font size).
        await page.setViewportSize({ width, height: Math.max(height, await page.evaluate(() => document.documentElement.scrollHeight)) });
        await page.screenshot({ path: `${process.env.ZENKO_SHOTS}/${form}-${width}x${height}${size !== 16 ? `-${size}px` : ''}.png` });
      }
    }
    await showExample(page, null);  // "&Retour", back to the menu
  }
});
