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

const TOP = path.resolve(new URL('../..', import.meta.url).pathname), MARK = '<meta name="version" content="next">';
const EXAMPLES = ['interp131_worked', 'zeroext143_worked', 'plane146_clear', 'sphere144_clear', 'julianday130_values',
                  'sidereal135_values', 'geoc129_values', 'prec132_values', 'equhor134_values', 'kepler164_units'];
// The names of the worker's caches and the addresses they keep.
const kept = page => page.evaluate(async () => ({ names: await caches.keys(), files: (await Promise.all((await caches.keys())
  .map(async n => (await (await caches.open(n)).keys()).map(r => r.url)))).flat().sort() }));
// The page loaded, the program waiting and the worker active.
async function visit(page, url) {
  await page.goto(url);
  await menuShown(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller?.state === 'activated', null, { timeout: 20000 });
  return [await kept(page), (await page.content()).includes(MARK)];
}

await run('offline', async env => {
  const { page, url, context } = env, cdp = await context.newCDPSession(page);
  const [first] = await visit(page, url), files = fs.readdirSync(SITE, { recursive: true })
    .filter(f => f !== 'sw.js' && fs.statSync(path.join(SITE, f)).isFile()).map(f => url + f).sort();
  check(first.names.length === 1 && first.files.join() === files.join(), `the cache keeps ${first.files.length} of the site's ${files.length} files`);
  const faults = (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors.filter(e => e.errorId !== 'in-incognito');
  check(faults.length === 0, `installable: ${JSON.stringify(faults)}`);

  // ---- Server stopped, browser's cache off: every answer from the worker ----
  await env.stopServer();
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  const notKept = [];
  context.on('response', r => { if (!r.fromServiceWorker() && !r.url().startsWith('data:')) notKept.push(r.url()); });
  context.on('requestfailed', r => notKept.push(r.url()));
  await page.reload();
  await menuShown(page);
  for (const name of EXAMPLES) {  // a transcript up to its first result after a click
    const p = plan(path.join(TOP, 'tests/scripts', `${name}.zs`)), c = p.commands;
    c.length = c.findIndex((d, i) => d.startsWith('get ') && c.slice(0, i).some(e => e.startsWith('click '))) + 1;
    const got = await play(env, name, p), expected = lines(fs.readFileSync(path.join(TOP, 'tests/scripts', `${name}.expected`), 'utf8'));
    check(got.at(-1).includes('=') && got.every((l, i) => l === expected[i]), `${name} offline: ${got} for ${expected.slice(0, got.length)}`);
  }
  context.keepTabs = true;
  const [tab] = await Promise.all([context.waitForEvent('page'), page.keyboard.press('Alt+a')]);
  check(await tab.waitForLoadState().then(() => tab.frame({ name: 'mainFrame' }).waitForFunction(
    () => document.querySelector('img.form')?.naturalWidth > 0, null, { timeout: 5000 })).catch(() => false), `the help ${tab.url()} offline`);
  await tab.close();
  check(notKept.length === 0, `all from the worker, not ${notKept}`);

  // ---- A new version (index.html marked), its worker made by the build's script ----
  const next = fs.mkdtempSync(path.join(os.tmpdir(), 'zenko-site-')), index = path.join(next, 'index.html');
  fs.cpSync(SITE, next, { recursive: true });
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<head>', `<head>\n${MARK}`));
  execFileSync('cmake', [`-DSITE=${next}`, `-DTEMPLATE=${TOP}/hosts/web/site/sw.js.in`, '-P', `${TOP}/cmake/WebCache.cmake`]);
  await env.serve(next);
  check(!(await visit(page, url))[1], 'the next visit shows the kept version');
  await page.evaluate(async old => {  // until the new worker is in charge: its cache alone
    for (let n = [], t = Date.now(); n.length !== 1 || n[0] === old; await new Promise(r => setTimeout(r, 20))) {
      if (Date.now() - t > 20000) throw new Error(`the caches are still ${n}`);
      n = await caches.keys();
    }
  }, first.names[0]);
  const [second, marked] = await visit(page, url);
  check(marked && second.names.length === 1 && second.names[0] !== first.names[0] && second.files.join() === first.files.join(),
        `the visit after it: the new version ${marked}, its cache ${second.names} replacing ${first.names}`);
  fs.rmSync(next, { recursive: true });
});
