// The page "Calcul sur un tableau" on a large table, in Debian's headless
// chromium: ROWS rows of form 130 (dates and times all valid, from a fixed
// seed), timed from the file chosen to the download ready, with the
// longest pause of the page meanwhile (the work runs in a worker) and the
// progress shown; then the same table through the native zenko-batch (the
// reference, same machine, same run) and the bytes of both compared.
// Run after scripts/web.sh --build-only (and a native build in build/ for
// the reference):   node bench/web_tables_bench.mjs [ROWS]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { run } from '../tests/web/harness.mjs';

const ROWS = Number(process.argv[2] || 100000);
const NATIVE = process.env.ZENKO_BATCH || new URL('../build/zenko-batch', import.meta.url).pathname;

let seed = 20240601;
const next = n => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
const two = n => String(n).padStart(2, '0');
const lines = ['date;heure'];
for (let i = 0; i < ROWS; ++i)
  lines.push(`${two(1 + next(28))}/${two(1 + next(12))}/${1600 + next(800)};${two(next(24))}:${two(next(60))}:${two(next(60))}`);
const table = Buffer.from(`${lines.join('\n')}\n`);
const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zenko-tables-')), 'dates.csv');
fs.writeFileSync(file, table);
process.on('exit', () => fs.rmSync(path.dirname(file), { recursive: true, force: true }));

await run(`table page, ${ROWS} rows of form 130`, async env => {
  const page = env.page;
  await page.goto(`${env.url}tables.html`);
  await page.waitForFunction(() => ZenkoTables.idle());
  await page.selectOption('#form', '130');
  // The page's longest pause: the largest gap between two animation frames.
  await page.evaluate(() => {
    window.bench = { gap: 0, shown: new Set(), tasks: [] };
    // Tasks of the page's own thread over 50 ms.
    new PerformanceObserver(l => bench.tasks.push(...l.getEntries().map(e => e.duration))).observe({ type: 'longtask' });
    let last = performance.now();
    const frame = t => { bench.gap = Math.max(bench.gap, t - last); last = t; requestAnimationFrame(frame); };
    requestAnimationFrame(frame);
    new MutationObserver(() => bench.shown.add(document.getElementById('status').textContent))
      .observe(document.getElementById('status'), { childList: true, characterData: true, subtree: true });
  });
  // The same measure over one second before, the page idle: the machine's share.
  await page.waitForTimeout(1000);
  const idleGap = await page.evaluate(() => { const g = bench.gap; bench.gap = 0; bench.tasks = []; return g; });
  const began = Date.now();
  const [download] = await Promise.all([page.waitForEvent('download'), page.setInputFiles('#tableFile', file)]);
  const got = fs.readFileSync(await download.path());
  const seconds = (Date.now() - began) / 1000;
  const seen = await page.evaluate(() => ({ gap: bench.gap, tasks: bench.tasks, steps: [...bench.shown].filter(t => t.includes('%')).length }));
  console.log(`load average ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores`);
  console.log(`browser: ${seconds.toFixed(2)} s from the file chosen to the download ready, ` +
              `${Math.round(ROWS / seconds)} rows/s, ${got.length} bytes; ` +
              `longest pause of the page ${seen.gap.toFixed(0)} ms (idle before: ${idleGap.toFixed(0)} ms), ${seen.tasks.length} tasks of the page over 50 ms ` +
              `${seen.tasks.length ? `(longest ${Math.max(...seen.tasks).toFixed(0)} ms)` : ''}, ${seen.steps} progress steps shown`);
  if (!fs.existsSync(NATIVE)) return console.log(`no native reference: ${NATIVE} is not built`);
  const t = process.hrtime.bigint();
  const native = spawnSync(NATIVE, ['130', file], { maxBuffer: 1 << 30 });
  const nativeSeconds = Number(process.hrtime.bigint() - t) / 1e9;
  console.log(`native zenko-batch 130: ${nativeSeconds.toFixed(2)} s, ${Math.round(ROWS / nativeSeconds)} rows/s; ` +
              `browser / native ${(seconds / nativeSeconds).toFixed(1)}; same bytes: ${native.stdout.equals(got) ? 'yes' : 'NO'}`);
});
