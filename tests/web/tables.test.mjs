// The page "Calcul sur un tableau" against zenko-batch's own table tests:
// each table of tests/batch that names a form (and a button) is chosen in
// the page, with the site its test writes in the browser's storage; the
// download must hold the bytes the .expected gives for standard output,
// the page must show its standard error and its status. The forms and
// buttons zenko-batch refuses are not offered.
import fs from 'node:fs';
import path from 'node:path';
import { run, check } from './harness.mjs';

const DIR = new URL('../batch/', import.meta.url).pathname;
const siteHex = ([lon, lat]) => { const b = Buffer.alloc(16); b.writeDoubleLE(+lon, 0); b.writeDoubleLE(+lat, 8); return b.toString('hex'); };

// What zenko-batch writes for a table: standard output, error, exit status.
function expected(file) {
  const bytes = fs.readFileSync(path.join(DIR, file.replace(/csv$/, 'expected'))), at = bytes.indexOf('--- stderr\n');
  const rest = bytes.subarray(at + 11).toString();
  return { stdout: bytes.subarray(0, at), stderr: rest.slice(0, rest.lastIndexOf('--- status')), status: rest.match(/--- status (\d+)/)[1] };
}

await run('table page', async env => {
  const page = env.page;
  await page.goto(`${env.url}tables.html`);
  const idle = () => page.waitForFunction(() => ZenkoTables.idle(), null, { polling: 5, timeout: 20000 });
  await idle();
  const offered = async (select, key) => page.$eval(select, (s, k) => [...s.options].some(o => o.value === k || o.dataset.name === k), key);
  let jobs = 0;
  for (const file of fs.readdirSync(DIR).filter(f => f.endsWith('.csv')).sort()) {
    const text = fs.readFileSync(path.join(DIR, file));
    const args = text.toString('latin1').match(/^#! (.*)/)[1].split(' ').flatMap(a => a.startsWith('--bouton=') ? ['--bouton', a.slice(9)] : [a]);
    const { stdout, stderr, status } = expected(file);
    const button = args.includes('--bouton') ? args.splice(args.indexOf('--bouton'), 2)[1] : null;
    const [form, other = '@'] = args;
    if (form.startsWith('-') || other !== '@') continue;  // no table: --aide, --champs, a missing file
    if (!await offered('#form', form)) { check(status === '2', `${file}: form ${form} not offered`); continue; }
    await page.selectOption('#form', form);
    if (button && !await offered('#button', button)) { check(status === '2', `${file}: button ${button} not offered`); continue; }
    if (button) await page.$eval('#button', (s, k) => { s.value = [...s.options].find(o => o.value === k || o.dataset.name === k).value; }, button);
    const site = text.toString('latin1').match(/^#site (\S+) (\S+)/m);
    await page.evaluate(hex => hex ? localStorage.setItem('Zenko.loc', hex) : localStorage.removeItem('Zenko.loc'), site && siteHex(site.slice(1)));
    // The first result is taken as the browser downloads it; the others from
    // the link offered (Chromium may hold back downloads that follow fast).
    const download = stdout.length && !jobs ? page.waitForEvent('download') : null;
    await page.setInputFiles('#tableFile', { name: file, mimeType: 'text/csv', buffer: text });
    await idle();
    const got = download ? await download : null;
    const given = stdout.length && await page.$eval('#download', async a => (a.hidden ? null : [a.download,
      Array.from(new Uint8Array(await (await fetch(a.href)).arrayBuffer()))]));
    check(!stdout.length || (given && given[0] === file.replace(/\.csv$/, '-resultats.csv') &&
                             Buffer.from(given[1]).equals(stdout) &&
                             (!got || fs.readFileSync(await got.path()).equals(stdout))), `${file}: the download is zenko-batch's output`);
    const shown = await page.evaluate(() => ({ notes: document.getElementById('notes').textContent, status: document.getElementById('status').dataset.status }));
    check(shown.notes === stderr && shown.status === status, `${file}: shows ${JSON.stringify(shown)}, not ${JSON.stringify({ stderr, status })}`);
    ++jobs;
  }
  // A large table cancelled, then a table dropped on the page (to the worker started again).
  await page.selectOption('#form', '130');
  await page.setInputFiles('#tableFile', { name: 'grand.csv', mimeType: 'text/csv', buffer: Buffer.from(`date;heure\n${'01/01/2000;12:00:00\n'.repeat(100000)}`) });
  await page.waitForFunction(() => document.getElementById('progress').value > 0);
  await page.click('#cancel');
  check(await page.evaluate(() => ZenkoTables.idle() && document.getElementById('status').dataset.state === 'cancelled'), 'a run is cancelled');
  const file = 'julianday130_line_ends.csv';
  const dropped = await page.evaluateHandle(([bytes, name]) => { const d = new DataTransfer(); d.items.add(new File([new Uint8Array(bytes)], name)); return d; },
                                            [[...fs.readFileSync(path.join(DIR, file))], file]);
  const [got] = await Promise.all([page.waitForEvent('download'), page.dispatchEvent('#drop', 'drop', { dataTransfer: dropped })]);
  check(fs.readFileSync(await got.path()).equals(expected(file).stdout), 'a table dropped on the page is computed');
  check(jobs >= 35, `only ${jobs} tables run`);
  console.log(`figure: ${jobs} tables of tests/batch run in the page`);
});
