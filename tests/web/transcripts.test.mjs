// Every form transcript of tests/scripts that a page can play (no fixed
// clock, a site file given only before the start) is played in the page:
// it must print, line for line, what the native zenko-script printed (the
// transcript's .expected). The others run through the Node drivers. By
// default a choice of them runs (for every form its values and its
// messages, the menu's flows, the nested forms, the saves of the site);
// ZENKO_WEB_ALL=1 or a pattern as argument plays any of them.
import fs from 'node:fs';
import path from 'node:path';
import { start, check, failed } from './harness.mjs';
import { lines, plan, play } from './player.mjs';

const SCRIPTS = path.resolve(new URL('../scripts', import.meta.url).pathname);
const CHOSEN = /^(menu_flows|interp131_(worked|messages)|zeroext143_(worked|messages)|plane146_(clear|messages)|sphere144_(decision|messages)|julianday130_(values|messages)|sidereal135_(values|messages)|geoc129_(values|messages)|prec132_(values|messages|menu)|equhor134_(values|messages|save)|kepler164_(units|messages))$/;
const only = process.argv[2] ? new RegExp(process.argv[2]) : process.env.ZENKO_WEB_ALL ? null : CHOSEN;

const env = await start();
const began = Date.now();
let played = 0, skipped = 0;
try {
  for (const file of fs.readdirSync(SCRIPTS).filter(f => f.endsWith('.zs')).sort()) {
    const name = file.slice(0, -3);
    if (only && !only.test(name)) continue;
    const p = plan(path.join(SCRIPTS, file));
    if (p.skip) { console.log(`skip ${name}: ${p.skip}`); ++skipped; continue; }
    const expected = lines(fs.readFileSync(path.join(SCRIPTS, `${name}.expected`), 'utf8'));
    const got = await play(env, name, p);
    ++played;
    const same = got.length === expected.length && got.every((l, i) => l === expected[i]);
    if (!check(same, `${name}: the page's transcript differs`)) {
      for (let i = 0; i < Math.max(got.length, expected.length); ++i)
        if (got[i] !== expected[i]) console.log(`  line ${i + 1}: page "${got[i]}" expected "${expected[i]}"`);
    } else {
      console.log(`ok ${name}`);
    }
  }
} finally {
  await env.stop();
}
console.log(`${played} transcripts played in the page, ${skipped} left to the drivers, ${((Date.now() - began) / 1000).toFixed(1)} s`);
process.exit(failed() ? 1 : 0);
