// The web page's speed and size, each with a reference measured in the same
// run, in Debian's headless chromium from a local server:
//   - the menu shown and usable after a navigation, on a first visit (empty
//     cache) and with the site in the cache; reference: a plain page of
//     the site (the help's index) loaded the same way;
//   - the compressed transfer (gzip -9) of every file of the site but the
//     help pictures; reference: the 500 KB budget;
//   - a press of "Calcul" on form 130 to its result, timed in the page
//     (median of many presses); reference: the same press in the native
//     zenko-script (the whole run of many presses, less a run of none,
//     per press).
// Usage (after `bash scripts/web.sh --build-only` and the native build):
//   node bench/web_page_bench.mjs [NATIVE_ZENKO_SCRIPT]   (default build/zenko-script)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { run, openPage, menuShown, settled, control, SITE } from '../tests/web/harness.mjs';

const PRESSES = 200;
const median = xs => [...xs].sort((a, b) => a - b)[xs.length >> 1];
const ms = x => `${x.toFixed(2)} ms`;

// Time from navigation to the menu usable (or to the load of a plain page).
async function navigations(env, url, ready, fresh) {
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const context = fresh ? await env.browser.newContext() : env.context;
    const page = fresh ? await context.newPage() : env.page;
    const t = performance.now();
    await page.goto(url);
    await ready(page);
    times.push(performance.now() - t);
    if (fresh) await context.close();
  }
  return median(times);
}

function files(dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap(e =>
    e.isDirectory() ? files(path.join(dir, e.name)) : [path.join(dir, e.name)]);
}

// Seconds for the native driver to run a script of n presses of Calcul.
function nativeSeconds(driver, n) {
  const script = 'open 130\nset 1018 01/01/2000\nset 1025 12:00:00\n' + 'click 1019\n'.repeat(n);
  const t = performance.now();
  execFileSync(driver, { input: script, stdio: ['pipe', 'ignore', 'inherit'] });
  return (performance.now() - t) / 1000;
}

await run('web page benchmark', async env => {
  const menu = page => menuShown(page);
  const plain = page => page.waitForLoadState('load');
  const help = `${env.url}help/index.htm`;
  console.log('menu usable after navigation (median of 5):');
  for (const fresh of [true, false]) {
    if (!fresh) await openPage(env);
    const page = await navigations(env, env.url, menu, fresh);
    const ref = await navigations(env, help, plain, fresh);
    console.log(`  ${fresh ? 'first visit' : 'cached     '}: ${ms(page)}  (reference, the help's index: ${ms(ref)}; ratio ${(page / ref).toFixed(1)})`);
  }

  const all = files(SITE).filter(f => !path.relative(SITE, f).startsWith(path.join('help', 'pictures')));
  const gz = f => zlib.gzipSync(fs.readFileSync(f), { level: 9 }).length;
  const total = all.reduce((sum, f) => sum + gz(f), 0);
  const wasm = all.filter(f => f.endsWith('.wasm')).reduce((sum, f) => sum + gz(f), 0);
  console.log(`compressed site without the help pictures: ${(total / 1024).toFixed(0)} KB of which WebAssembly ` +
              `${(wasm / 1024).toFixed(0)} KB (${all.length} files; ratio to the 500 KB budget ${(total / 1024 / 500).toFixed(2)})`);

  const page = await openPage(env);
  await control(page, 1002).click();
  await control(page, 1).click();
  await settled(page);
  await page.fill('#f1-1018', '01/01/2000');
  await page.fill('#f1-1025', '12:00:00');
  const presses = await page.evaluate(async n => {
    const field = document.querySelector('#f1-1022'), button = document.querySelector('#f1-1019');
    const channel = new MessageChannel();
    const tick = () => new Promise(r => { channel.port1.onmessage = r; channel.port2.postMessage(0); });
    const times = [];
    for (let i = 0; i < n; ++i) {
      field.value = '';
      const t0 = performance.now();
      button.click();
      while (!ZenkoPage.idle() || field.value === '') await tick();
      times.push(performance.now() - t0);
    }
    return times;
  }, PRESSES);
  if (await page.inputValue('#f1-1022') !== '2451545.0000000') throw new Error('the press gave a wrong Julian Day');
  const driver = process.argv[2] || new URL('../build/zenko-script', import.meta.url).pathname;
  const native = (nativeSeconds(driver, 20000) - nativeSeconds(driver, 0)) / 20000 * 1000;
  console.log(`a press of "Calcul" to its result: median ${ms(median(presses))}, slowest ${ms(Math.max(...presses))} ` +
              `over ${PRESSES} (native zenko-script: ${(native * 1000).toFixed(1)} µs a press; ratio ${(median(presses) / native).toFixed(0)})`);
});
