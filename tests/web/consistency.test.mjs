// The same random scripts (seeded; every form, every button but those
// that leave or nest the form or rewrite the site file, good and bad
// inputs) run through zenko-script and through the page must give the same
// lines: field texts, messages, focus moves, help topics. 30 scripts per
// form, 300 in all, played in one run of each (a script opens its form
// from the menu and leaves it with "&Retour"); the page gets them through
// its own DOM (values set, buttons clicked by the page's script), so that
// 300 scripts take seconds. ZENKO_SCRIPT_DRIVER names the driver to compare
// with (default: the WebAssembly zenko-script under Node, which gives the
// native driver's bytes on every transcript).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { run, openPage, control, settled, check, MENU_ENTRY, SITE } from './harness.mjs';

const DRIVER = process.env.ZENKO_SCRIPT_DRIVER || path.join(path.dirname(SITE), 'zenko-script.js');
const SEED = Number(process.env.ZENKO_SEED || 20261208);
const PER_FORM = 30;

// A small seeded generator (mulberry32).
let state = SEED >>> 0;
function next() {
  state = (state + 0x6D2B79F5) >>> 0;
  let t = Math.imul(state ^ (state >>> 15), state | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = list => list[Math.floor(next() * list.length)];
const TEXTS = ['', '0', '1', '-1', '2', '3', '5', '12', '45', '90', '180', '400', '1,5', '0.0167', '-0,5',
  '1e3', 'abc', '12:30:15', '-45:30:0', '23:59:59.9', '99:99:99', '1:2:3:4', '01/01/2000', '15/10/1582',
  '31/02/2001', '1/1/-4712', 'J2000', 'J2050', 'B1950', '2451545', '2451545.25', '1e308', '-0', ' 7',
  '+3', '12:0:0', '30:0:0', '0:0:0', '-0:30:0', '0,5', '149597870', '365.25', '1:30', '60:0:0'];
const WHOLE = ['2', '3', '4', '5', '6', 'x', '', '-1', '3.5'];
// Buttons left out: those that close the form, open another one over it,
// or rewrite the site file.
const LEFT_OUT = new Set([1, 2, 1061, 1062]);

function scriptsFor(form) {
  const inputs = form.controls.filter(c => c.kind === 'edit' || c.kind === 'number');
  const presses = form.controls.filter(c => (c.kind === 'button' && !LEFT_OUT.has(c.id)) || c.kind === 'radio');
  const shown = form.controls.filter(c => ['edit', 'number', 'result', 'radio'].includes(c.kind));
  const lines = [];
  for (let s = 0; s < PER_FORM; ++s) {
    lines.push(`click ${MENU_ENTRY[form.id]}`, 'click 1');
    for (let k = 3 + Math.floor(next() * 10); k > 0; --k) {
      const r = next(), c = r < 0.55 && pick(inputs);
      if (c) lines.push(`set ${c.id} ${c.kind === 'number' ? pick(WHOLE) : pick(TEXTS)}`.trimEnd());
      else lines.push(r < 0.93 ? `click ${pick(presses).id}` : r < 0.97 || form.id !== 131 ? 'key enter' : 'rclick');
    }
    lines.push(...shown.map(c => `get ${c.id}`));
    // Leaving with "&Retour" needs whole numbers in the whole-number fields.
    lines.push(...inputs.filter(c => c.kind === 'number').map(c => `set ${c.id} 3`), 'click 1');
  }
  return lines;
}

// Plays the lines inside the page: values set and controls clicked by its
// own script, each message acknowledged with its OK button.
function playInPage(page, lines) {
  return page.evaluate(async commands => {
    const out = [];
    const top = () => document.querySelector('#desk > section.window:last-of-type');
    for (const line of commands) {
      const [word, id] = line.split(' ');
      const el = top().querySelector(`[data-id="${id}"]`);
      if (word === 'key') top().focus();  // Enter pressed in the form, not on a button
      if (word === 'set') el.value = line.split(' ').slice(2).join(' ');
      else if (word === 'get') out.push(`${id}=${el.type === 'radio' ? (el.checked ? 1 : 0) : el.value}`);
      else if (word === 'click') el.click();
      else if (word === 'key') top().dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
      else if (word === 'rclick') top().querySelector('.body').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, button: 2 }));
      for (;;) {
        while (!ZenkoPage.idle()) await new Promise(r => setTimeout(r, 0));
        out.push(...ZenkoPage.takeTrace());
        if (!document.getElementById('message').open) break;
        document.getElementById('messageOk').click();
        await new Promise(r => setTimeout(r, 0));
      }
    }
    return out;
  }, lines);
}

await run('consistency', async env => {
  const page = await openPage(env);
  // The control tables, as the page has them.
  const tables = [];
  for (const entry of Object.values(MENU_ENTRY)) {
    for (const id of [entry, 1]) await control(page, id).click();
    await settled(page);
    tables.push(await page.evaluate(() => ZenkoPage.table(1)));
    await control(page, 1).click();
    await settled(page);
  }
  const lines = tables.flatMap(scriptsFor);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zenko-consistency-'));
  fs.writeFileSync(path.join(dir, 'Zenko.loc'), Buffer.alloc(16));
  const script = ['open 102', ...lines].join('\n') + '\n';
  const node = DRIVER.endsWith('.js');
  const expected = execFileSync(node ? process.execPath : DRIVER, node ? [DRIVER] : [],
    { cwd: dir, input: script, encoding: 'utf8' }).split('\n').filter(l => l !== '');
  fs.rmSync(dir, { recursive: true });
  await openPage(env);
  await page.evaluate(() => { window.open = () => null; });
  // The script's input ends with the menu open: nothing more is printed.
  const got = await playInPage(page, lines);
  let first = got.findIndex((l, i) => l !== expected[i]);
  if (first < 0 && got.length !== expected.length) first = got.length;
  check(first < 0, `the page and zenko-script differ from line ${first + 1}: page "${got[first]}", zenko-script "${expected[first]}"`);
  console.log(`${tables.length * PER_FORM} random scripts (seed ${SEED}, ${lines.length} commands): ${expected.length} lines, ` +
              `${expected.filter(l => l.startsWith('message ')).length} messages, the same in the page: ${first < 0}`);
});
