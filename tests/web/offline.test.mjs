// The site without the network. A first visit keeps every file of site/ in
// the worker's cache (exactly those files) and Chromium finds the page
// installable. With the server stopped, a reload, every form from the menu
// with its first worked example (the start of a transcript, against the
// transcript) and a help page with its picture all come from the worker.
// Then the server gives a new version (one file changed, its worker made
// by the build's own script): the next visit still shows the kept version
// and fetches the new one, which takes over: the visit after it is the new
// version and the old cache is gone.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { run, menuShown, check, SITE } from './harness.mjs';
import { lines, plan, play } from './player.mjs';

const TOP = path.resolve(new URL('../..', import.meta.url).pathname);
const EXAMPLES = ['interp131_worked', 'zeroext143_worked', 'plane146_clear', 'sphere144_clear', 'julianday130_values',
                  'sidereal135_values', 'geoc129_values', 'prec132_values', 'equhor134_values', 'kepler164_units'];
const MARK = '<meta name="version" content="next">';

const siteFiles = dir => fs.readdirSync(dir, { recursive: true })
  .filter(f => f !== 'sw.js' && fs.statSync(path.join(dir, f)).isFile()).sort();
// The names of the worker's caches and the files in them, from the page.
const kept = page => page.evaluate(async () => {
  const names = await caches.keys(), files = [];
  for (const name of names) files.push(...(await (await caches.open(name)).keys()).map(r => r.url));
  return { names, files: files.sort() };
});
// The page loaded again when the program waits, and its worker active.
async function visit(page, url) {
  await page.goto(url);
  await menuShown(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller?.state === 'activated', null, { timeout: 20000 });
}

await run('offline', async env => {
  const { page, url } = env;
  const cdp = await env.context.newCDPSession(page);
  await visit(page, url);
  const first = await kept(page), files = siteFiles(SITE);
  check(first.names.length === 1 && first.files.join() === files.map(f => url + f).join(),
        `the cache ${first.names} holds the ${files.length} files of the site: ${first.files.length} kept`);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  const faults = installabilityErrors.map(e => e.errorId).filter(e => e !== 'in-incognito');
  check(faults.length === 0, `installable: ${faults}`);

  // ---- Offline: nothing from the network or the browser's cache ----
  await env.stopServer();
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  const notKept = [];
  env.context.on('response', r => { if (!r.fromServiceWorker() && !r.url().startsWith('data:')) notKept.push(r.url()); });
  env.context.on('requestfailed', r => notKept.push(r.url()));
  await page.reload();
  await menuShown(page);
  for (const name of EXAMPLES) {
    const p = plan(path.join(TOP, 'tests/scripts', `${name}.zs`));
    const get = p.commands.findIndex((c, i) => c.startsWith('get ') && p.commands.slice(0, i).some(d => d.startsWith('click ')));
    p.commands.length = get + 1;
    const got = await play(env, name, p);
    const expected = lines(fs.readFileSync(path.join(TOP, 'tests/scripts', `${name}.expected`), 'utf8'));
    check(got.at(-1).includes('=') && got.every((l, i) => l === expected[i]), `${name} offline: ${got} for ${expected.slice(0, got.length)}`);
  }
  env.context.keepTabs = true;
  const [tab] = await Promise.all([env.context.waitForEvent('page'), page.keyboard.press('Alt+a')]);
  await tab.waitForLoadState();
  const main = tab.frame({ name: 'mainFrame' });
  check(await main?.waitForFunction(() => document.querySelector('img.form')?.naturalWidth > 0, null, { timeout: 5000 }).catch(() => false),
        `the help ${tab.url()} offline, its frames and its picture`);
  await tab.close();
  check(notKept.length === 0, `all from the worker, not ${notKept}`);

  // ---- A new version: index.html marked, its worker made as the build does ----
  const next = fs.mkdtempSync(path.join(os.tmpdir(), 'zenko-site-'));
  fs.cpSync(SITE, next, { recursive: true });
  const index = path.join(next, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<head>', `<head>\n${MARK}`));
  execFileSync('cmake', [`-DSITE=${next}`, `-DTEMPLATE=${TOP}/hosts/web/site/sw.js.in`, '-P', `${TOP}/cmake/WebCache.cmake`]);
  await env.serve(next);
  await visit(page, url);
  check(!(await page.content()).includes(MARK), 'the next visit shows the kept version');
  await page.evaluate(async old => {  // the new worker in charge: its cache alone
    for (let names = []; names.length !== 1 || names[0] === old; await new Promise(r => setTimeout(r, 20))) names = await caches.keys();
  }, first.names[0]);
  await visit(page, url);
  const second = await kept(page);
  check((await page.content()).includes(MARK), 'the visit after it shows the new version');
  check(second.names.length === 1 && second.names[0] !== first.names[0] && second.files.join() === first.files.join(),
        `the new cache ${second.names} replaces ${first.names}`);
  fs.rmSync(next, { recursive: true });
});
