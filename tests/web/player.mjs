// Plays a form script of tests/scripts in the page with real clicks and
// keys, and gives back what the page printed in the script's own words:
// "ID=text" for a get, and the program's trace (open, focus, message, help,
// close, exit). Every message is read from the page's box (text and icon)
// and acknowledged with its OK button; after every command the control the
// program focused last has the focus, a text field with its whole text
// selected.
import fs from 'node:fs';
import { openPage, idle, trace, settled, control, typeInto, check, MENU_ENTRY } from './harness.mjs';

export function lines(text) { return text.split(/\r\n|\r|\n/).filter((l, i, all) => i < all.length - 1 || l !== ''); }

// A double as C's printf("%.17g").
export function g17(x) {
  if (x === 0) return Object.is(x, -0) ? '-0' : '0';
  const e = Number(x.toExponential(16).split('e')[1]);
  const strip = s => (s.includes('.') ? s.replace(/0+$/, '').replace(/\.$/, '') : s);
  if (e < -4 || e >= 17) {
    const [m, ex] = x.toExponential(16).split('e');
    const n = Number(ex);
    return `${strip(m)}e${n < 0 ? '-' : '+'}${String(Math.abs(n)).padStart(2, '0')}`;
  }
  return strip(x.toFixed(16 - e));
}

export function hexOfSite(args) {
  if (args.startsWith('raw')) {
    const hex = args.slice(3).replace(/ /g, '').toLowerCase();
    return hex.length === 32 ? hex : null;
  }
  const [lon, lat, extra] = args.trim().split(/\s+/);
  if (extra !== undefined || lat === undefined) return null;
  const view = new DataView(new ArrayBuffer(16));
  view.setFloat64(0, Number(lon), true);
  view.setFloat64(8, Number(lat), true);
  return Array.from(new Uint8Array(view.buffer), b => b.toString(16).padStart(2, '0')).join('');
}

// The commands of a script, or why the page cannot play it.
export function plan(file) {
  const commands = lines(fs.readFileSync(file, 'latin1') === '' ? '' : fs.readFileSync(file, 'utf8'))
    .filter(l => l !== '' && !l.startsWith('#'));
  let siteHex = null;
  let opened = false;
  for (const c of commands) {
    const word = c.split(' ')[0];
    if (word === 'clock' || word === 'now') return { skip: 'a fixed clock' };
    if (word === 'site') {
      if (opened) return { skip: 'a site file changed while running' };
      siteHex = hexOfSite(c.slice(5));
      if (siteHex === null) return { skip: 'a site file that is not 16 bytes' };
    }
    if (word === 'open') {
      if (opened) return { skip: 'a second form opened by the script' };
      opened = true;
    }
  }
  return { commands: commands.filter(c => !c.startsWith('site ')), siteHex };
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
    const [, icon] = state.message.split(' ');
    const text = state.message.slice(`message ${icon} `.length);
    check(now.message.text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n') === text,
          `${state.name}: the box shows "${now.message.text}"`);
    check(now.message.icons.length === 1 && now.message.icons[0] === icon,
          `${state.name}: the box draws the icon ${now.message.icons} for ${icon}`);
    await page.click('#messageOk', { force: true });
  }
}

export async function play(env, name, { commands, siteHex }) {
  const page = await openPage(env, siteHex);
  const out = [];
  const state = { id: 0, name };
  let base = 0;  // the depth of the script's first form: the menu, or a calculator over it
  for (const command of commands) {
    const [word, idText] = command.split(' ');
    const id = Number(idText);
    const text = command.split(' ').slice(2).join(' ');
    state.id = 0;
    // After the end of the program nothing more is played.
    if (await page.evaluate(() => !document.getElementById('ended').hidden)) break;
    if (word === 'open') {
      if (id !== 102) {
        base = 1;
        await (await control(page, MENU_ENTRY[id])).click({ force: true });
        await (await control(page, 1)).click({ force: true });
      }
    } else if (word === 'set') {
      await typeInto(page, id, text);
    } else if (word === 'get') {
      const el = await control(page, id);
      const radio = await el.evaluate(e => e.type === 'radio');
      out.push(`${id}=${radio ? (await el.isChecked() ? 1 : 0) : await el.inputValue()}`);
      continue;
    } else if (word === 'click') {
      await (await control(page, id)).click({ force: true });
    } else if (word === 'dblclick') {
      await (await control(page, id)).dblclick({ force: true });
    } else if (word === 'rclick') {
      const depth = await page.evaluate(() => document.querySelectorAll('#desk .window').length - 1);
      await page.locator(`#desk .window >> nth=${depth} >> .body`).first().click({ button: 'right', position: { x: 2, y: 2 } });
    } else if (word === 'key') {
      // Enter on a button presses that button; the script's Enter is the
      // one pressed elsewhere in the form, which presses its default button.
      if (idText === 'enter')
        await page.evaluate(() => {
          const wins = document.querySelectorAll('#desk .window');
          if (document.activeElement instanceof HTMLButtonElement) wins[wins.length - 1].focus();
        });
      await page.keyboard.press(idText === 'escape' ? 'Escape' : 'Enter');
    } else if (word === 'siteshow') {
      await settle(page, out, state);
      const hex = await page.evaluate(() => localStorage.getItem('Zenko.loc'));
      const view = new DataView(new Uint8Array(hex.match(/../g).map(h => parseInt(h, 16))).buffer);
      out.push(`site ${g17(view.getFloat64(0, true))} ${g17(view.getFloat64(8, true))}`);
      continue;
    } else {
      check(false, `${name}: unknown command ${command}`);
    }
    const f = await settle(page, out, state);
    // The control the program focused last has the focus, its text selected.
    if (state.id) {
      check(f && f.id === state.id && f.whole,
            `${name}: after "${command}" the focus is ${JSON.stringify(f)}, not ${state.id} with its text selected`);
    }
  }
  await idle(page);
  out.push(...await trace(page));
  // A calculator opened from the menu: its own opening is the script's, and
  // when it ends the program the menu's end is not the script's.
  let shown = out;
  if (base === 1) {
    const at = shown.indexOf(`open ${commands.find(c => c.startsWith('open')).split(' ')[1]}`);
    if (at >= 0) shown = shown.slice(0, at).concat(shown.slice(at + 1));
    const end = shown.lastIndexOf('exit');
    if (end >= 0 && end === shown.length - 1) shown = shown.slice(0, -1);
  }
  check(page.errors.length === 0, `${name}: errors in the page: ${page.errors}`);
  return shown;
}

