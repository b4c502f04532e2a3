// The page beyond the transcripts: the site file in the browser's storage
// (first visit, import, export, save, a storage that refuses the write, a
// site saved meanwhile; the bytes a save keeps are the transcripts'),
// Exit and starting again, the about box, the help tabs, the keyboard
// (Alt+letter, Tab, Escape), the whole text of a long result. The page's
// speed and size are measured by bench/web_page_bench.mjs.
import fs from 'node:fs';
import { run, openPage, menuShown, settled, control, typeInto, check } from './harness.mjs';

const le = (lon, lat) => { const b = Buffer.alloc(16); b.writeDoubleLE(lon, 0); b.writeDoubleLE(lat, 8); return b; };
const stored = page => page.evaluate(() => localStorage.getItem('Zenko.loc'));
const value = (page, id) => control(page, id).inputValue();

async function click(page, id) { await control(page, id).click(); return settled(page); }
async function openForm(page, entry) { await control(page, entry).click(); return click(page, 1); }
// The message box shown when the page settles (or null), closed with its OK.
async function acknowledge(page) {
  const m = (await settled(page)).message;
  return m && page.click('#messageOk').then(() => settled(page)).then(() => m);
}
async function importFile(page, buffer) {
  await page.setInputFiles('#importFile', { name: 'Zenko.loc', mimeType: 'application/octet-stream', buffer });
  return acknowledge(page);
}
async function exported(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export')]);
  check(download.suggestedFilename() === 'Zenko.loc', `export is named ${download.suggestedFilename()}`);
  return fs.readFileSync(await download.path()).toString('hex');
}
async function endedAndRestart(page, what) {
  check(await page.locator('#ended').isVisible() &&
        await page.locator('#ended p').textContent() === 'Zenko est terminé.', `${what} ends Zenko`);
  await page.click('#restart');
  await menuShown(page);
  check(await page.locator('.window').count() === 1 && !(await control(page, 1002).isChecked()), 'started again: a fresh menu');
}

await run('page tests', async env => {
  const page = await openPage(env);
  // A first visit stores an empty site: 16 zero bytes.
  check(await stored(page) === '0'.repeat(32) && await exported(page) === '0'.repeat(32), 'a first visit stores and exports 16 zero bytes');
  check(await page.locator('#site').isVisible(), 'the menu shows the site bar');

  // ---- Form 130 from the keyboard: Tab order, Alt+letter, Escape ----
  await openForm(page, 1002);
  check(!(await page.locator('#site').isVisible()), 'the site bar is hidden over a form');
  const focusOn = async (id, what) => {
    const f = (await settled(page)).focus;
    check(f && f.id === id && f.whole, `${what}: ${JSON.stringify(f)}`);
  };
  await focusOn(1018, 'form 130 opens with the focus on the date field');
  await page.keyboard.type('01/01/2000');
  await page.keyboard.press('Tab');
  await focusOn(1025, 'Tab leads to the time field, its text selected');
  await page.keyboard.type('12:00:00');
  await page.keyboard.press('Alt+c');
  await settled(page);
  check(await value(page, 1022) === '2451545.0000000', `Alt+C computes the Julian Day: ${await value(page, 1022)}`);
  // Results are read-only; one longer than its field has its whole text as title.
  const readOnly = await page.$$eval('#desk input.result', es => es.map(e => e.readOnly));
  check(readOnly.length > 0 && readOnly.every(Boolean), 'results are read-only');
  await page.evaluate(() => { const e = document.querySelector('#f1-1023'); e.style.width = '6ch'; e.style.minWidth = '0'; });
  await click(page, 1024);  // Copie
  await click(page, 1021);  // Calcul of the date
  check(await control(page, 1023).getAttribute('title') === 'samedi 1 janvier 2000', 'a result longer than its field has its text as title');
  // The help of the form in a tab of its own.
  env.context.keepTabs = true;
  const [tab] = await Promise.all([env.context.waitForEvent('page'), page.keyboard.press('Alt+a')]);
  await tab.waitForLoadState();
  check(tab.url().endsWith('/help/JulianDay_frameset.htm') && (await tab.frames()).length >= 2, `"&Aide" opens ${tab.url()} with its frames`);
  await tab.close();
  env.context.keepTabs = false;
  await page.keyboard.press('Escape');
  await settled(page);
  await endedAndRestart(page, 'Escape in a calculator');

  // ---- The menu: about box, Exit ----
  await page.locator('.window[data-form="102"] .body').click({ button: 'right', position: { x: 4, y: 4 } });
  check(await page.locator('#sysmenu li').textContent() === 'A propos de Zenko...', 'a right click on the menu shows "&A propos de Zenko..."');
  await page.click('#sysmenu li');
  await settled(page);
  check((await page.locator('.window[data-form="100"]').textContent()).includes('Zenko, version '), 'the about box names the version');
  await page.keyboard.press('Enter');
  await settled(page);
  check(await page.locator('.window').count() === 1, 'Enter closes the about box (its default OK)');
  await click(page, 2);
  await endedAndRestart(page, '"&Exit" on the menu');

  // ---- The site: imports (refused ones keep the stored site), a site
  // saved meanwhile, save, a storage that refuses the write, export ----
  const imports = [  // bytes, icon, text of the message
    [le(-2.5, 48.8), 'information', ''], [Buffer.alloc(15), 'error', 'exactement 16 octets'],
    [Buffer.alloc(15), 'error', 'en fait 15'], [le(-2.5, NaN), 'error', 'la latitude n\'est pas un nombre fini'],
    [le(Infinity, 1), 'error', 'la longitude n\'est pas un nombre fini']];
  for (const [bytes, icon, text] of imports) {
    const m = await importFile(page, bytes);
    check(m && m.icons.join() === icon && m.text.includes(text), `import of ${bytes.toString('hex')}: ${JSON.stringify(m)}`);
  }
  check(await stored(page) === le(-2.5, 48.8).toString('hex'), 'the imported bytes are stored as they are, and refused files leave them');
  // A site saved meanwhile (as by another tab: the storage is shared) is
  // what this page reads, and keeps.
  await page.evaluate(hex => localStorage.setItem('Zenko.loc', hex), le(7.25, -33.5).toString('hex'));
  await openForm(page, 1005);
  check(await value(page, 1057) === '7:15:0' && await value(page, 1007) === '-33:30:0', 'the site saved meanwhile is read');
  await typeInto(page, 1057, '1:0:0');
  await click(page, 1062);
  const saved = le(1, -33.5).toString('hex');
  check(await stored(page) === saved, 'a save keeps the latitude saved meanwhile');
  // A storage that refuses the write: the disk-full message, nothing changed.
  await page.evaluate(() => {
    window.realSetItem = Storage.prototype.setItem;
    Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
  });
  await typeInto(page, 1057, '3:0:0');
  await control(page, 1062).click();
  const full = await acknowledge(page);
  check(full && full.icons.join() === 'error' && full.text === 'Disque plein lors de l\'accès à /Zenko.loc.',
        `a refused write shows the disk-full message: ${JSON.stringify(full)}`);
  await page.evaluate(() => { Storage.prototype.setItem = window.realSetItem; });
  check(await stored(page) === saved, 'a refused write changes nothing');
  await click(page, 1);
  check(await exported(page) === saved, 'the export gives the stored bytes, byte for byte');
  // Export, import elsewhere (a fresh page), export again: the same bytes.
  const odd = Buffer.from('0000000000000080' + '0100000000000000', 'hex');  // -0.0, the least subnormal
  await importFile(page, odd);
  const out = await exported(page);
  await openPage(env);
  await importFile(page, Buffer.from(out, 'hex'));
  check(await exported(page) === odd.toString('hex'), 'import and export carry every bit of the 16 bytes');
});
