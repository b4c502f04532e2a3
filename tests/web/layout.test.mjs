// The page on phones, tablets and desktops, with a large default font: every
// form, after its worked example, fits the width of the screen (no sideways
// scroll, no text cut, nothing off screen, no two controls overlapping, every
// field's whole text kept); on phones every target is 40 px high at least.
// ZENKO_SHOTS=DIR keeps pictures of the menu, 130 and 134 at each size.
import { run, openPage, settled, control, check, showExample, SITE_EXAMPLE } from './harness.mjs';

// Width, height, default font size (px; the browser's own when absent).
const SIZES = [[360, 640], [390, 844], [768, 1024], [1280, 800], [390, 844, 24], [1280, 800, 24]];
const FORMS = [102, 131, 143, 146, 144, 130, 135, 129, 132, 134, 164];

// In the page: what is wrong with the top window (and the page).
function faults(phone) {
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
  await Promise.all(SIZES.map(async ([width, height, font]) => {
    const size = `${width}×${height}${font ? ` at ${font} px` : ''}`;
    const context = await env.browser.newContext({ viewport: { width, height } });
    const page = await context.newPage();
    page.errors = [];
    page.on('pageerror', e => page.errors.push(e.message));
    // The browser's default font, as its settings set it.
    if (font) await (await context.newCDPSession(page)).send('Page.setFontSizes', { fontSizes: { standard: font } });
    await openPage({ ...env, page }, SITE_EXAMPLE);
    if (font) check(await page.evaluate(() => getComputedStyle(document.querySelector('.window')).fontSize) === `${font * 0.875}px`,
                    `${size}: the page follows the default font`);
    for (const form of FORMS) {
      await showExample(page, form);
      for (const fault of await page.evaluate(faults, width < 600)) check(false, `${size}, form ${form}: ${fault}`);
      if (process.env.ZENKO_SHOTS && [102, 130, 134].includes(form))
        await page.screenshot({ path: `${process.env.ZENKO_SHOTS}/${form}-${width}x${height}${font ? `-${font}px` : ''}.png`, fullPage: true });
      // "&Retour", back to the menu.
      while (await page.locator('#desk > .window').count() > 1) {
        await control(page, 1).click();
        await settled(page);
      }
    }
    check(page.errors.length === 0, `${size}: errors in the page: ${page.errors}`);
    await context.close();
  }));
});
