// The page beyond the transcripts: the site file in the browser's storage
// (first visit, import, export, save, a storage that refuses the write),
// the nested forms 132 -> 134, Exit and starting again, the about box, the
// help tabs, a site saved in another tab, the keyboard (Alt+letter, Tab, Enter, Escape), the whole text
// of a long result; with the figures of the page's speed and size.
// ZENKO_WEB_PICTURES=DIR also saves pictures of the menu and of form 130.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { start, openPage, settled, control, typeInto, check, failed, SITE } from './harness.mjs';
import { lines, play } from './player.mjs';

const SCRIPTS = path.resolve(new URL('../scripts', import.meta.url).pathname);
const hex = bytes => Buffer.from(bytes).toString('hex');
const le = (lon, lat) => {
  const b = Buffer.alloc(16);
  b.writeDoubleLE(lon, 0);
  b.writeDoubleLE(lat, 8);
  return b;
};
const stored = page => page.evaluate(() => localStorage.getItem('Zenko.loc'));

async function click(page, id) { await (await control(page, id)).click(); return settled(page); }
async function openForm(page, entry) {
  await (await control(page, entry)).click();
  await (await control(page, 1)).click();
  return settled(page);
}
async function acknowledge(page) {
  const now = await settled(page);
  if (now.message) { await page.click('#messageOk'); await settled(page); }
  return now.message;
}
async function importFile(page, name, buffer) {
  await page.setInputFiles('#importFile', { name, mimeType: 'application/octet-stream', buffer });
  return acknowledge(page);
}
async function exported(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export')]);
  check(download.suggestedFilename() === 'Zenko.loc', `export is named ${download.suggestedFilename()}`);
  return fs.readFileSync(await download.path());
}

const env = await start();
const began = Date.now();
try {
  // ---- Speed and size ----
  let t = Date.now();
  let page = await openPage(env);
  const menuMs = Date.now() - t;
  // A first visit (a fresh profile: nothing cached), the browser started.
  const fresh = await env.browser.newPage();
  t = Date.now();
  await fresh.goto(env.site.url);
  await fresh.waitForSelector('.window[data-form="102"]:not([hidden])');
  await fresh.waitForFunction(() => ZenkoPage.idle(), null, { polling: 2 });
  const firstMs = Date.now() - t;
  await fresh.close();
  console.log(`figure: menu shown and usable ${firstMs} ms after navigation on a first visit`);
  const sizes = {};
  for (const f of fs.readdirSync(SITE).filter(f => !fs.statSync(path.join(SITE, f)).isDirectory()))
    sizes[f] = zlib.gzipSync(fs.readFileSync(path.join(SITE, f)), { level: 9 }).length;
  const total = Object.values(sizes).reduce((a, b) => a + b, 0);
  console.log(`figure: menu shown and usable ${menuMs} ms after navigation, page in the cache (storage set, then loaded)`);
  console.log(`figure: compressed (gzip -9) site without the help: ${(total / 1024).toFixed(0)} KB ` +
              `(zenko.wasm ${(sizes['zenko.wasm'] / 1024).toFixed(0)} KB)`);

  // ---- First visit: an empty site, 16 zero bytes ----
  check(await stored(page) === '0'.repeat(32), `a first visit stores 16 zero bytes, not ${await stored(page)}`);
  check(hex(await exported(page)) === '0'.repeat(32), 'the first export is 16 zero bytes');
  check(await page.locator('#site').isVisible(), 'the menu shows the site bar');

  // ---- Worked example of form 130 with the keyboard: Tab order, Alt+letter ----
  await openForm(page, 1002);
  check(!(await page.locator('#site').isVisible()), 'the site bar is hidden over a form');
  let f = (await settled(page)).focus;
  check(f && f.id === 1018, `form 130 opens with the focus on the date field (${JSON.stringify(f)})`);
  await page.keyboard.type('01/01/2000');
  await page.keyboard.press('Tab');
  f = (await settled(page)).focus;
  check(f && f.id === 1025 && f.whole, `Tab leads to the time field, its text selected (${JSON.stringify(f)})`);
  await page.keyboard.type('12:00:00');
  t = performance.now();
  await page.keyboard.press('Alt+c');
  await settled(page);
  const pressMs = await page.evaluate(async () => {
    // The press of "&Calcul" to its result, timed in the page itself.
    const field = document.querySelector('#f1-1022');
    field.value = '';
    const t0 = performance.now();
    document.querySelector('#f1-1019').click();
    const channel = new MessageChannel();
    const turn = () => new Promise(r => { channel.port1.onmessage = r; channel.port2.postMessage(0); });
    while (!ZenkoPage.idle() || field.value === '') await turn();
    return performance.now() - t0;
  });
  console.log(`figure: a press of "&Calcul" to its result ${pressMs.toFixed(2)} ms (timed in the page)`);
  const v = id => page.locator(`#f1-${id}`).inputValue();
  check(await v(1022) === '2451545.0000000', `Alt+C computes the Julian Day: ${await v(1022)}`);
  check(await v(1067) === '18h 41m 50.5s', `sidereal time ${await v(1067)}`);
  check(await v(1056) === '3m 18.3s', `equation of time ${await v(1056)}`);
  await click(page, 1024);  // Copie
  await click(page, 1021);  // Calcul of the date
  check(await v(1023) === 'samedi 1 janvier 2000', `the date of the Julian Day: ${await v(1023)}`);
  check(await v(1028) === '12h 0m 0.0s UT', `the time of the Julian Day: ${await v(1028)}`);
  if (process.env.ZENKO_WEB_PICTURES) {
    await page.mouse.move(0, 0);
    await page.screenshot({ path: path.join(process.env.ZENKO_WEB_PICTURES, 'web130.png') });
  }
  // A result keeps its whole text: read-only, selectable, its title holding
  // it when it does not fit.
  const results = await page.evaluate(() => Array.from(document.querySelectorAll('#desk .window:last-child input.result'),
    e => ({ id: e.dataset.id, ro: e.readOnly, value: e.value, title: e.title, over: e.scrollWidth > e.clientWidth + 1 })));
  for (const r of results) {
    check(r.ro, `result ${r.id} is read-only`);
    if (r.over) check(r.title === r.value, `result ${r.id} longer than its field has its text as title`);
  }
  await page.evaluate(() => { const e = document.querySelector('#f1-1023'); e.style.width = '6ch'; e.style.minWidth = '0'; });
  await typeInto(page, 1018, '02/01/2000');
  await page.keyboard.press('Enter');
  await settled(page);
  await click(page, 1024);
  await click(page, 1021);
  check(await page.locator('#f1-1023').getAttribute('title') === 'dimanche 2 janvier 2000',
        'a result longer than its field shows its whole text as title');
  // The help of the form in a tab of its own.
  env.context.keepTabs = true;
  const [tab] = await Promise.all([env.context.waitForEvent('page'), page.keyboard.press('Alt+a')]);
  await tab.waitForLoadState();
  check(tab.url().endsWith('/help/JulianDay_frameset.htm'), `"&Aide" opens ${tab.url()}`);
  check(await tab.title() !== '' && (await tab.frames()).length >= 2, 'the help page is shown with its frames');
  await tab.close();
  env.context.keepTabs = false;
  // Escape ends the program; one button starts it again.
  await page.keyboard.press('Escape');
  await settled(page);
  check(await page.locator('#ended').isVisible(), 'Escape in a calculator ends Zenko');
  check((await page.locator('#ended p').textContent()) === 'Zenko est terminé.', 'the page says Zenko has ended');
  await page.click('#restart');
  await page.waitForSelector('.window[data-form="102"]:not([hidden])');
  await settled(page);
  check(await page.locator('#f0-1002').isChecked() === false, 'started again: a fresh menu');

  // ---- The menu: about box, OK without a choice, Exit ----
  await page.locator('.window[data-form="102"] .body').click({ button: 'right', position: { x: 4, y: 4 } });
  check(await page.locator('#sysmenu').isVisible(), 'a right click on the menu shows its window menu');
  check((await page.locator('#sysmenu li').textContent()) === 'A propos de Zenko...', 'its entry "&A propos de Zenko..."');
  await page.click('#sysmenu li');
  await settled(page);
  const about = page.locator('.window[data-form="100"]');
  check(await about.isVisible(), 'the about box opens');
  check((await about.textContent()).includes('Zenko, version '), 'the about box names the version');
  await page.keyboard.press('Enter');
  await settled(page);
  check(await about.count() === 0, 'Enter closes the about box (its default OK)');
  await click(page, 1);
  check(await page.locator('.window').count() === 1, 'OK with no entry checked opens nothing');
  await click(page, 2);
  check(await page.locator('#ended').isVisible(), '"&Exit" on the menu ends Zenko');
  await page.click('#restart');
  await page.waitForSelector('.window[data-form="102"]:not([hidden])');
  await settled(page);

  // ---- The site: import, the forms reading it, save, export ----
  // Latitude 48.8 has no exact colon form: untouched, its bytes stay.
  const site = le(-2.5, 48.8);
  let m = await importFile(page, 'Zenko.loc', site);
  check(m && m.icons[0] === 'information', `an import is confirmed: ${JSON.stringify(m)}`);
  check(await stored(page) === hex(site), 'the imported bytes are stored as they are');
  m = await importFile(page, 'Zenko.loc', Buffer.alloc(15));
  check(m && m.icons[0] === 'error' && m.text.includes('exactement 16 octets') && m.text.includes('en fait 15'),
        `a file of 15 bytes is refused: ${JSON.stringify(m)}`);
  m = await importFile(page, 'Zenko.loc', le(-2.5, NaN));
  check(m && m.icons[0] === 'error' && m.text.includes('la latitude n\'est pas un nombre fini'),
        `a latitude that is not finite is refused: ${JSON.stringify(m)}`);
  m = await importFile(page, 'Zenko.loc', le(Infinity, 1));
  check(m && m.text.includes('la longitude n\'est pas un nombre fini'), 'a longitude that is not finite is refused');
  check(await stored(page) === hex(site), 'refused files leave the stored site');
  await openForm(page, 1006);  // 135 reads the site
  check(await page.locator('#f1-1057').inputValue() === '-2:30:0', 'form 135 reads the imported longitude');
  await click(page, 1);
  await openForm(page, 1005);  // 134
  check(await page.locator('#f1-1007').inputValue() === '48:48:0', 'form 134 reads the imported latitude');
  await typeInto(page, 1057, '1:30:0');
  await click(page, 1062);
  check(await stored(page) === hex(le(1.5, 48.8)), `the save writes the longitude and keeps the latitude's bytes: ${await stored(page)}`);
  // A storage that refuses the write: the disk-full message, nothing changed.
  await page.evaluate(() => {
    const real = Storage.prototype.setItem;
    window.restoreStorage = () => { Storage.prototype.setItem = real; };
    Storage.prototype.setItem = function () { throw new DOMException('full', 'QuotaExceededError'); };
  });
  await typeInto(page, 1057, '3:0:0');
  await (await control(page, 1062)).click();
  const full = (await settled(page)).message;
  check(full && full.icons[0] === 'error' && full.text === 'Disque plein lors de l\'accès à /Zenko.loc.',
        `a refused write shows the disk-full message: ${JSON.stringify(full)}`);
  await page.click('#messageOk');
  await settled(page);
  await page.evaluate(() => window.restoreStorage());
  check(await stored(page) === hex(le(1.5, 48.8)), 'a refused write changes nothing in the storage');
  await click(page, 1);
  await openForm(page, 1005);
  check(await page.locator('#f1-1057').inputValue() === '1:30:0', 'nor in the file the forms read');
  await click(page, 1);
  check(hex(await exported(page)) === hex(le(1.5, 48.8)), 'the export gives the stored bytes, byte for byte');
  // A site saved in another tab is what this one reads, and keeps.
  env.context.keepTabs = true;
  const other = await env.context.newPage();
  await other.goto(env.site.url);
  await other.waitForSelector('.window[data-form="102"]:not([hidden])');
  await importFile(other, 'Zenko.loc', le(7.25, -33.5));
  await other.close();
  env.context.keepTabs = false;
  await openForm(page, 1005);
  check(await page.locator('#f1-1057').inputValue() === '7:15:0' &&
        await page.locator('#f1-1007').inputValue() === '-33:30:0', 'the site saved in another tab is read');
  await typeInto(page, 1057, '1:0:0');
  await click(page, 1062);
  check(await stored(page) === hex(le(1, -33.5)), 'a save keeps the latitude saved in another tab');
  await click(page, 1);
  // Export, import elsewhere (a fresh browser), export again: the same bytes.
  const odd = Buffer.from('0000000000000080' + '0100000000000000', 'hex');  // -0.0, the least subnormal
  await importFile(page, 'Zenko.loc', odd);
  const out = await exported(page);
  page = await openPage(env);
  await importFile(page, 'Zenko.loc', out);
  check(hex(await exported(page)) === hex(odd), 'import and export carry every bit of the 16 bytes');

  // ---- The nested forms 132 -> 134 and back ----
  const takeover = lines(fs.readFileSync(path.join(SCRIPTS, 'prec132_takeover.expected'), 'utf8'));
  const commands = lines(fs.readFileSync(path.join(SCRIPTS, 'prec132_takeover.zs'), 'utf8'))
    .filter(l => l && !l.startsWith('#'));
  const upTo = commands.indexOf('site none');
  const got = await play(env, 'prec132_takeover (up to its site change)',
                         { commands: commands.slice(1, upTo), siteHex: hex(le(-2.5, 48.8)) });
  check(got.join('\n') === takeover.slice(0, got.length).join('\n') && got.length >= 10,
        `132 -> 134 -> 132 as the native program: ${JSON.stringify(got)}`);
  check(await page.locator('.window[data-form="132"]').isVisible() &&
        await page.locator('.window').count() === 2, 'back in 132 after 134');
  await page.keyboard.press('Escape');
  await settled(page);
  check(await page.locator('#ended').isVisible(), 'Escape in 132 ends Zenko');

  // ---- A picture of the menu ----
  if (process.env.ZENKO_WEB_PICTURES) {
    page = await openPage(env);
    await (await control(page, 1002)).click();
    await page.mouse.move(0, 0);
    await page.screenshot({ path: path.join(process.env.ZENKO_WEB_PICTURES, 'web102.png') });
  }
  check(page.errors.length === 0, `errors in the page: ${page.errors}`);
} finally {
  await env.stop();
}
console.log(`page tests: ${((Date.now() - began) / 1000).toFixed(1)} s`);
process.exit(failed() ? 1 : 0);
