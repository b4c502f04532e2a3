// Night vision: on from the page bar's button and F8, every form after a
// worked example, a message box with its three icons, the page's tooltips,
// the end screen, at 1280x800 (and some at 360x640, scroll bars shown),
// scanned pixel by pixel; it stays
// on after a reload, dark from the first frame; the help opens at night.
import { run, openPage, menuShown, settled, control, check, MENU_ENTRY } from './harness.mjs';

// The windows' bound (tests/qt/telescope.cpp): no pixel with green or blue
// above 65 of 255, nor an HSL lightness above 130.
async function dark(page, what, narrow = false) {
  for (const [width, height] of [[1280, 800], [360, 640]].slice(0, narrow ? 2 : 1)) {
    await page.setViewportSize({ width, height });
    const bad = await page.evaluate(async png => {
      const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height).getContext('2d');
      canvas.drawImage(image, 0, 0);
      const d = canvas.getImageData(0, 0, image.width, image.height).data;
      for (let i = 0; i < d.length; i += 4)
        if (Math.max(d[i + 1], d[i + 2]) > 65 || (Math.max(d[i], d[i + 1], d[i + 2]) + Math.min(d[i], d[i + 1], d[i + 2])) / 2 > 130)
          return `rgb(${d.slice(i, i + 3)}) at ${(i / 4) % image.width}, ${Math.floor(i / 4 / image.width)}`;
      return null;
    }, (await page.screenshot()).toString('base64'));
    check(!bad, `${what} at ${width}x${height} at night: ${bad}`);
  }
  await page.setViewportSize({ width: 1280, height: 800 });
}
const night = page => page.evaluate(() => [document.documentElement.classList.contains('nuit'), localStorage.getItem('zenko.nuit'),
  document.getElementById('nightToggle').getAttribute('aria-pressed'), document.querySelector('meta[name="theme-color"]').content,
  getComputedStyle(document.documentElement).colorScheme].join());
const ON = 'true,1,true,#000000,dark';
async function click(page, ...ids) { for (const id of ids) { await control(page, id).click(); await settled(page); } }
async function fill(page, texts) { for (const [id, text] of texts) await control(page, id).fill(text); }

// form: its steps, each [fields, radio buttons and buttons pressed]; a
// screenshot after each.
const EXAMPLES = {
  131: [[[[1023, '2'], [1000, '1/1/2000'], [1004, '2/1/2000'], [1002, '10'], [1006, '20'], [1021, '1/1/2000'], [1022, '6:0:0']], [1024, 1020]]],
  143: [[[[1023, '2'], [1000, '1/1/2000'], [1001, '12:0:0'], [1004, '3/1/2000'], [1005, '12:0:0'], [1072, '-1'], [1073, '1']], [1076, 1022]]],
  146: [[[[1088, '1.5707963268'], [1096, '3'], [1097, '4']], [1123, 1103]]],
  144: [[[[1095, '50'], [1096, '40'], [1088, '60']], [1102, 1114]]],
  130: [[[[1018, '01/01/2000'], [1025, '12:00:00']], [1019, 1024, 1021]]],
  135: [[[[1018, '01/01/2000'], [1025, '12:00:00'], [1057, '-2:30:0']], [1017]]],
  129: [[[[1007, '45:0:0']], [1017]]],
  132: [[[[1041, 'J2000'], [1042, '12:0:0'], [1043, '-0:30:0'], [1044, '0'], [1045, '0'], [1046, '01/01/2000'], [1047, 'J2050']], [1017]],
        [[], [1061]], [[[1057, '1:0:0'], [1007, '45:0:0'], [1025, '0:0:0']], [1017]]],
  134: [[[[1042, '12:0:0'], [1043, '30:0:0'], [1057, '-2:30:0'], [1007, '48:48:0'], [1018, '01/01/2000'], [1025, '12:00:00']], [1017]]],
  164: [[[[1095, '149597870'], [1121, '0'], [1122, '365.25']], [1137, 1129]]],
};

await run('night vision', async env => {
  const page = await openPage(env);
  // What the first frame of each page drawn shows.
  await page.addInitScript(() => requestAnimationFrame(() => { window.firstFrame = [document.documentElement.classList.contains('nuit'),
    getComputedStyle(document.documentElement).backgroundColor].join(); }));
  await page.click('#nightToggle');
  check(await night(page) === ON, `the button turns night vision on: ${await night(page)}`);
  await page.keyboard.press('F8');
  check((await night(page)).startsWith('false,,false,#') && !(await night(page)).endsWith('dark'), `F8 turns it off: ${await night(page)}`);
  await page.keyboard.press('F8');
  check(await night(page) === ON, 'F8 turns it on again');
  await dark(page, 'the menu', true);
  const top = page.locator('#desk > section.window:last-of-type');
  for (const [form, steps] of Object.entries(EXAMPLES)) {
    await click(page, MENU_ENTRY[form], 1);
    for (const [texts, presses] of steps) {
      await fill(page, texts);
      await click(page, ...presses);
      const at = `${await top.getAttribute('data-form')}${form === '132' ? ' over 132' : ''}`;
      check(!(await settled(page)).message, `${at}: no message`);
      await dark(page, `form ${at} after an example`, form === '130');
    }
    check((await top.locator('input.result').evaluateAll(es => es.map(e => e.value).join(''))) !== '', `${form}: the example computes`);
    if (form !== '130') { while (await page.locator('.window').count() > 1) await click(page, 1); continue; }
    // A result longer than its field (hovered), a hint (reached with Tab)
    // in the page's tooltip: no title left for the browser's own.
    await page.evaluate(() => { const e = document.querySelector('#f1-1023'); e.style.width = '6ch'; e.style.minWidth = '0'; });
    await click(page, 1021);
    const tab = async () => { await control(page, 1018).click(); await page.keyboard.press('Tab'); };
    for (const [id, text, reach] of [[1023, 'samedi 1 janvier 2000', () => control(page, 1023).hover()], [1025, 'hh:mm:ss.s', tab]]) {
      await reach();
      await page.waitForFunction(t => document.getElementById('tip').checkVisibility() && document.getElementById('tip').textContent.includes(t), text);
      check(await page.locator('[title]').count() === 0, `tooltip of ${id}: no title at night`);
      await dark(page, `the tooltip of ${id}`);
    }
    // The message box, its three icons shown at once.
    await fill(page, [[1018, '1/13/2000']]);
    await control(page, 1019).click();
    check((await settled(page)).message.icons.join() === 'error', 'a wrong date: a message box');
    await page.addStyleTag({ content: 'dialog .icon { display: block !important; }' });
    await dark(page, 'a message box with its three icons', true);
    await page.click('#messageOk');
    env.context.keepTabs = true;
    const [help] = await Promise.all([env.context.waitForEvent('page'), page.keyboard.press('Alt+a')]);
    await help.waitForLoadState();
    check(help.url().endsWith('_frameset.htm#nuit') && await help.evaluate(() => document.documentElement.classList.contains('nuit')), `the help opens at night: ${help.url()}`);
    await help.close();
    env.context.keepTabs = false;
    await click(page, 1);
  }
  await click(page, 2);
  await dark(page, 'the end screen', true);
  await page.click('#restart');
  await menuShown(page);
  check(await night(page) === ON && await page.evaluate(() => window.firstFrame) === 'true,rgb(0, 0, 0)',
        `after a reload night vision is on from the first frame: ${await page.evaluate(() => window.firstFrame)}`);
  // By day the titles are back.
  await page.keyboard.press('F8');
  check(await page.locator('.window .close').getAttribute('title') === 'Fermer' && await page.locator('[data-tip]').count() === 0, 'by day the titles are back');
}, { ignoreDefaultArgs: ['--hide-scrollbars'] });
