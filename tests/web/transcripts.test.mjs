// Every form transcript of tests/scripts that a page can play (a site
// file given only before the start; a fixed clock, the window's tools) is
// played in the page: it must print, line for line, what the native
// zenko-script printed (the transcript's .expected); one whose site file
// changes while it runs, up to that change. The others run through the
// Node drivers. By default a
// choice of them runs (for every form its values and its messages, the
// menu's flows, the nested forms 132 -> 134 and back, the saves of the
// site); ZENKO_WEB_ALL=1 or a pattern as argument plays any of them. An
// argument K/N plays the K-th of N shares of the choice (tests side by side).
import fs from 'node:fs';
import path from 'node:path';
import { run, check } from './harness.mjs';
import { lines, plan, play } from './player.mjs';

const SCRIPTS = path.resolve(new URL('../scripts', import.meta.url).pathname);
const CHOSEN = /^(menu_flows|interp131_(worked|messages)|zeroext143_(worked|messages)|plane146_(clear|messages)|sphere144_(decision|messages)|julianday130_(values|messages)|sidereal135_(values|messages)|geoc129_(values|messages)|prec132_(values|messages|menu|takeover)|equhor134_(values|messages|save|save_untouched)|kepler164_(units|messages)|now\d+_\w+|copy\d+_\w+)$/;
const share = /^(\d+)\/(\d+)$/.exec(process.argv[2] || '');
const only = process.argv[2] && !share ? new RegExp(process.argv[2]) : process.env.ZENKO_WEB_ALL ? null : CHOSEN;

let played = 0, skipped = 0;
await run('transcripts in the page', async env => {
  const names = fs.readdirSync(SCRIPTS).filter(f => f.endsWith('.zs')).map(f => f.slice(0, -3)).sort()
    .filter(name => !only || only.test(name));
  for (const name of names.filter((_, i) => !share || i % Number(share[2]) === Number(share[1]) - 1)) {
    const p = plan(path.join(SCRIPTS, `${name}.zs`));
    if (p.skip) { console.log(`skip ${name}: ${p.skip}`); ++skipped; continue; }
    const got = await play(env, name, p);
    const expected = lines(fs.readFileSync(path.join(SCRIPTS, `${name}.expected`), 'utf8'))
      .slice(0, p.partial ? got.length : undefined);
    ++played;
    if (check(got.length === expected.length && got.length > 0 && got.every((l, i) => l === expected[i]),
              `${name}: the page's transcript differs`)) console.log(`ok ${name}${p.partial ? ' (up to its site change)' : ''}`);
    else for (let i = 0; i < Math.max(got.length, expected.length); ++i)
      if (got[i] !== expected[i]) console.log(`  line ${i + 1}: page "${got[i]}" expected "${expected[i]}"`);
  }
  console.log(`${played} transcripts played in the page, ${skipped} left to the drivers`);
});
