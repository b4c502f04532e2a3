// Night vision: on from the page bar's button and F9; every form after a
// worked example, a message box with its three icons, the page's tooltips
// and the end screen scanned pixel by pixel at 1280x800 (some also at
// 360x640, scroll bars shown); still on after a reload, dark from the first
// frame; the help opened at night; by day the titles back.
import { run, openPage, menuShown, settled, control, check, MENU_ENTRY } from './harness.mjs';

// The windows' bound (tests/qt/telescope.cpp): no pixel with green or blue
// above 65 of 255, nor an HSL lightness above 130.
async function dark(page, what, sizes = [[1280, 800]]) {
  for (const [width, height] of sizes) {
    await page.setViewportSize({ width, height });
    const bad = await page.evaluate(async png => {
      const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height).getContext('2d');
      canvas.drawImage(image, 0, 0);
      const d = canvas.getImageData(0, 0, image.width, image.height).data;
      for (let i = 0; i < d.length; i += 4) {
        const [r, g, b] = d.slice(i, i + 3);
        if (Math.max(g, b) > 65 || (Math.max(r, g, b) + Math.min(r, g, b)) / 2 > 130) return `rgb(${[r, g, b]}) at ${(i / 4) % image.width}, ${Math.floor(i / 4 / image.width)}`;
      }
    }, (await page.screenshot()).toString('base64'));
    check(!bad, `${what} at ${width}x${height} at night: ${bad}`);
  }
}
const BOTH = [[360, 640], [1280, 800]];
const state = page => page.evaluate(() => [document.documentElement.classList.contains('nuit'), localStorage.getItem('zenko.nuit'),
  document.getElementById('nightToggle').getAttribute('aria-pressed'), document.querySelector('meta[name="theme-color"]').content,
  getComputedStyle(document.documentElement).colorScheme].join());
const ON = /^true,1,true,#000000,dark$/;
// Each form's example: "ID=text" typed, "@ID" pressed, "|" a screenshot.
const EXAMPLES = {
  131: '1023=2 1000=1/1/2000 1004=2/1/2000 1002=10 1006=20 1021=1/1/2000 1022=6:0:0 @1024 @1020',
  143: '1023=2 1000=1/1/2000 1001=12:0:0 1004=3/1/2000 1005=12:0:0 1072=-1 1073=1 @1076 @1022',
  146: '1088=1.5707963268 1096=3 1097=4 @1123 @1103', 144: '1095=50 1096=40 1088=60 @1102 @1114',
  130: '1018=01/01/2000 1025=12:00:00 @1019 @1024 @1021', 135: '1018=01/01/2000 1025=12:00:00 1057=-2:30:0 @1017', 129: '1007=45:0:0 @1017',
  132: '1041=J2000 1042=12:0:0 1043=-0:30:0 1044=0 1045=0 1046=01/01/2000 1047=J2050 @1017 | @1061 1057=1:0:0 1007=45:0:0 1025=0:0:0 @1017',
  134: '1042=12:0:0 1043=30:0:0 1057=-2:30:0 1007=48:48:0 1018=01/01/2000 1025=12:00:00 @1017', 164: '1095=149597870 1121=0 1122=365.25 @1137 @1129',
};

await run('night vision', async env => {
  const page = await openPage(env);
  await page.addInitScript(() => requestAnimationFrame(() => { window.firstFrame = [document.documentElement.classList.contains('nuit'),
    getComputedStyle(document.documentElement).backgroundColor].join(); }));
  for (const [how, on] of [['#nightToggle', ON], ['F9', /^false,,false,#(?!000000)\w+,normal$/], ['F9', ON]]) {
    await (how === 'F9' ? page.keyboard.press(how) : page.click(how));
    check(on.test(await state(page)), `${how} gives ${await state(page)}`);
  }
  await dark(page, 'the menu', BOTH);
  const top = page.locator('#desk > section.window:last-of-type');
  for (const [form, example] of Object.entries(EXAMPLES)) {
    for (const step of `@${MENU_ENTRY[form]} @1 ${example} |`.split(' ')) {
      const [id, text] = step.replace(/^@/, '').split('=');
      if (step === '|') await dark(page, `form ${await top.getAttribute('data-form')} after an example (from ${form})`, form === '130' ? BOTH : undefined);
      else await (text === undefined ? control(page, id).click() : control(page, id).fill(text));
      check(!(await settled(page)).message, `${form}: no message after ${step}`);
    }
    check(await top.locator('input.result').evaluateAll(es => es.some(e => e.value)), `${form}: the example computes`);
    if (form === '130') {
      // A long result hovered, a hint reached with Tab: in the page's tooltip,
      // no title left for the browser's own.
      await page.evaluate(() => { const e = document.querySelector('#f1-1023'); e.style.width = '6ch'; e.style.minWidth = '0'; });
      await control(page, 1021).click();
      for (const [id, text] of [[1023, 'samedi 1 janvier 2000'], [1025, 'hh:mm:ss.s']]) {
        await (id === 1023 ? control(page, id).hover() : control(page, 1018).click().then(() => page.keyboard.press('Tab')));
        await page.waitForFunction(t => document.getElementById('tip').checkVisibility() && document.getElementById('tip').textContent.includes(t), text);
        check(await page.locator('[title]').count() === 0, `tooltip of ${id}: no title at night`);
        await dark(page, `the tooltip of ${id}`);
      }
      // A message box, its three icons shown at once.
      await control(page, 1018).fill('1/13/2000');
      await control(page, 1019).click();
      await page.addStyleTag({ content: 'dialog .icon { display: block !important; }' });
      check((await settled(page)).message, 'a wrong date: a message box');
      await dark(page, 'a message box with its three icons', BOTH);
      await page.click('#messageOk');
      await page.evaluate(() => { window.open = address => { window.opened = address; }; });
      await page.keyboard.press('Alt+a');
      check(await page.evaluate(() => window.opened) === 'help/JulianDay_frameset.htm#nuit', 'the help opens at night');
    }
    while (await page.locator('.window').count() > 1) { await control(page, 1).click(); await settled(page); }
  }
  await control(page, 2).click();
  await settled(page);
  await dark(page, 'the end screen', BOTH);
  await page.click('#restart');
  await menuShown(page);
  check(ON.test(await state(page)) && await page.evaluate(() => window.firstFrame) === 'true,rgb(0, 0, 0)',
        `after a reload on from the first frame: ${await page.evaluate(() => window.firstFrame)}`);
  await page.keyboard.press('F9');
  check(await page.locator('.window .close').getAttribute('title') === 'Fermer' && await page.locator('[data-tip]').count() === 0, 'by day the titles are back');
}, { ignoreDefaultArgs: ['--hide-scrollbars'] });
