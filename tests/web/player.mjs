// Plays a form script of tests/scripts in the page with real clicks and
// keys, and gives back what the page printed in the script's own words:
// "ID=text" for a get, and the program's trace (open, focus, message, help,
// close, exit). Every message is read from the page's box (text and icon)
// and acknowledged with its OK button; after every command the control the
// program focused last has the focus, a text field with its whole text
// selected.
import fs from 'node:fs';
import { openPage, settled, control, typeInto, check, MENU_ENTRY } from './harness.mjs';

export function lines(text) { return text.split(/\r\n|\r|\n/).filter((l, i, all) => i < all.length - 1 || l !== ''); }

// A double as C's printf("%.17g").
export function g17(x) {
  const strip = s => s.replace(/(\.\d*?)0+$/, '$1').replace(/\.$/, '');
  const [m, e] = x.toExponential(16).split('e').map((s, i) => (i ? Number(s) : s));
  if (e >= -4 && e < 17) return Object.is(x, -0) ? '-0' : strip(x.toFixed(16 - e));
  return `${strip(m)}e${e < 0 ? '-' : '+'}${String(Math.abs(e)).padStart(2, '0')}`;
}

// The 16 bytes of a "site" command as hexadecimal digits (null: not 16).
export function hexOfSite(args) {
  if (args.startsWith('raw')) {
    const hex = args.slice(3).replace(/ /g, '').toLowerCase();
    return hex.length === 32 ? hex : null;
  }
  const [lon, lat, extra] = args.trim().split(/\s+/);
  if (extra !== undefined || lat === undefined) return null;
  const b = Buffer.alloc(16);
  b.writeDoubleLE(Number(lon), 0);
  b.writeDoubleLE(Number(lat), 8);
  return b.toString('hex');
}

// The commands of a script, or why the page cannot play it. A site file
// changed while the form runs ends what the page plays (partial: the
// transcript's first lines are compared). A page always has a site (a
// first visit stores 16 zero bytes): a script whose site file comes only
// while it runs is left to the drivers.
export function plan(file) {
  const all = lines(fs.readFileSync(file, 'utf8')).filter(l => l !== '' && !l.startsWith('#'));
  const open = all.findIndex(c => c.startsWith('open ')), end = all.findIndex((c, i) => i > open && c.startsWith('site '));
  const commands = end < 0 ? all : all.slice(0, end);
  const site = commands.filter(c => c.startsWith('site ')).map(c => hexOfSite(c.slice(5)));
  if (site.includes(null)) return { skip: 'a site file that is not 16 bytes' };
  if (end >= 0 && !site.length) return { skip: 'a site file given only while running' };
  if (commands.filter(c => c.startsWith('open ')).length > 1) return { skip: 'a second form opened by the script' };
  return { commands: commands.filter(c => !c.startsWith('site ')), siteHex: site.length ? site.at(-1) : null, partial: end >= 0 };
}

async function settle(page, out, state) {
  // Messages are read from the page and acknowledged with a click on OK.
  for (;;) {
    const now = await settled(page);
    for (const line of now.trace) {
      out.push(line);
      if (line.startsWith('focus ')) state.id = Number(line.slice(6));
      if (line.startsWith('message ')) state.message = line;
    }
    if (!now.message) return now.focus;
    const shown = `message ${now.message.icons.join()} ${now.message.text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n')}`;
    check(shown === state.message, `${state.name}: the box shows "${shown}" for "${state.message}"`);
    await page.click('#messageOk', { force: true });
  }
}

export async function play(env, name, { commands, siteHex }) {
  const page = await openPage(env, siteHex);
  await env.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: env.url });
  const out = [];
  const state = { id: 0, name };
  const opened = (commands.find(c => c.startsWith('open ')) || 'open 102').split(' ')[1];
  for (const command of commands) {
    const [word, idText, ...text] = command.split(' ');
    const el = control(page, idText);
    state.id = 0;
    // After the end of the program nothing more is played.
    if (await page.locator('#ended').isVisible()) break;
    if (word === 'open') {
      if (opened !== '102') for (const id of [MENU_ENTRY[opened], 1]) await control(page, id).click({ force: true });
    } else if (word === 'set') {
      await typeInto(page, idText, text.join(' '));
    } else if (word === 'get') {
      out.push(`${idText}=${await el.evaluate(e => (e.type === 'radio' ? Number(e.checked) : e.value))}`);
      continue;
    } else if (word === 'click' || word === 'dblclick') {
      await el[word]({ force: true });
    } else if (word === 'rclick') {
      await page.locator('#desk > section.window:last-of-type .body').first().click({ button: 'right', position: { x: 2, y: 2 } });
    } else if (word === 'key') {
      // Enter on a button presses that button; the script's Enter is the
      // one pressed elsewhere in the form, which presses its default button.
      if (idText === 'enter') await page.evaluate(() => document.activeElement instanceof HTMLButtonElement &&
        document.querySelector('#desk > section.window:last-of-type').focus());
      await page.keyboard.press(idText === 'escape' ? 'Escape' : 'Enter');
    } else if (word === 'clock') {
      // The page's clock seam answers with the script's instant, in UT.
      await page.evaluate(at => { ZenkoTools.clock = () => new Date(at); }, `${idText}T${text[0]}Z`);
      continue;
    } else if (word === 'now' || word === 'copy') {
      // The window's button; a form without the action has none.
      const tool = page.locator(`#desk > section.window:last-of-type > .tools > .${word}`);
      if (await tool.count()) await tool.click();
      if (word === 'copy' && await tool.count()) {
        await settle(page, out, state);
        const text = await page.evaluate(async () => { await ZenkoTools.copied(); return navigator.clipboard.readText(); });
        out.push(...lines(text).map(l => `copy ${l.replace(/\\/g, '\\\\')}`));
      }
    } else if (word === 'siteshow') {
      await settle(page, out, state);
      const b = Buffer.from(await page.evaluate(() => localStorage.getItem('Zenko.loc')), 'hex');
      out.push(`site ${g17(b.readDoubleLE(0))} ${g17(b.readDoubleLE(8))}`);
      continue;
    } else {
      check(false, `${name}: unknown command ${command}`);
    }
    const f = await settle(page, out, state);
    // The control the program focused last has the focus, its text selected.
    check(!state.id || (f && f.id === state.id && f.whole),
          `${name}: after "${command}" the focus is ${JSON.stringify(f)}, not ${state.id} with its text selected`);
  }
  out.push(...(await settled(page)).trace);
  // A calculator opened from the menu: its own opening is the script's, and
  // when it ends the program the menu's end is not the script's.
  if (opened !== '102' && out.includes(`open ${opened}`)) out.splice(out.indexOf(`open ${opened}`), 1);
  if (opened !== '102' && out[out.length - 1] === 'exit') out.pop();
  check(page.errors.length === 0, `${name}: errors in the page: ${page.errors}`);
  return out;
}
