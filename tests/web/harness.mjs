// What the browser tests share: the site served on a free port, Debian's
// chromium driven by playwright-core, and the page's own hooks
// (ZenkoPage.idle, ZenkoPage.takeTrace) to wait for the program and to see
// what it did.
import { chromium } from 'playwright-core';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

export const SITE = path.resolve(process.env.ZENKO_SITE || new URL('../../build-web/site', import.meta.url).pathname);

// The menu entry (radio button) that opens each calculator.
export const MENU_ENTRY = { 131: 1000, 143: 1001, 146: 1009, 144: 1007, 130: 1002, 135: 1006,
                            129: 1003, 132: 1004, 134: 1005, 164: 1130 };

// The types a browser needs: .wasm as application/wasm to compile the
// module as it arrives.
const TYPES = { '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript; charset=utf-8',
                '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
                '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// Runs a test with the site served on a free port of 127.0.0.1 and the
// browser started; then no error may be left in the page. Prints its
// time, then exits with 1 when a check failed. launch: more options for
// chromium.launch.
export async function run(what, test, launch = {}) {
  let root = SITE;
  const server = http.createServer((req, res) => {
    // path.normalize keeps "/.." inside the site.
    const file = path.join(root, path.normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)
      .replace(/\/$/, '/index.html')));
    fs.readFile(file, (error, data) => {
      res.writeHead(error ? 404 : 200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
                                         'Cache-Control': 'max-age=3600' });
      res.end(data);
    });
  });
  await new Promise(listening => server.listen(0, '127.0.0.1', listening));
  // Without the background services, which the closed network refuses.
  const browser = await chromium.launch({ executablePath: process.env.ZENKO_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--no-first-run'], ...launch });
  // One page, loaded again for each test: its cache keeps the module.
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', e => page.errors.push(e.message));
  // Help pages open in tabs of their own; the tests that look at them wait
  // for them, the others let them close.
  context.on('page', p => { if (!context.keepTabs) setTimeout(() => p.close().catch(() => {}), 200); });
  const env = { url: `http://127.0.0.1:${server.address().port}/`, browser, context, page }, began = Date.now();
  // The server stopped, then serving again at the same address, the site or
  // another folder.
  const port = server.address().port;
  env.stopServer = () => new Promise(closed => { server.close(closed); server.closeAllConnections(); });
  env.serve = (folder = SITE) => { root = folder; return new Promise(listening => server.listen(port, '127.0.0.1', listening)); };
  try {
    await test(env);
    check(page.errors.length === 0, `errors in the page: ${page.errors}`);
  } finally { await browser.close(); }
  console.log(`${what}: ${((Date.now() - began) / 1000).toFixed(1)} s`);
  process.exit(failures ? 1 : 0);
}

// Waits for the menu of a page just loaded.
export async function menuShown(page) {
  await page.waitForSelector('.window[data-form="102"]:not([hidden])');
  await page.waitForFunction(() => ZenkoPage.idle(), null, { polling: 2, timeout: 10000 });
}

// The page started afresh with the menu shown: its storage holds the site
// siteHex (32 hexadecimal digits), or nothing (a first visit) for null.
export async function openPage(env, siteHex = null) {
  const page = env.page;
  if (!page.url().startsWith(env.url)) await page.goto(env.url);
  await page.evaluate(hex => { localStorage.clear(); if (hex !== null) localStorage.setItem('Zenko.loc', hex); }, siteHex);
  page.errors.length = 0;
  await page.goto(env.url);
  await menuShown(page);
  return page;
}

// Waits until the program waits for the user, then says what it did, the
// message box shown (if any) and the focused control (a text field: with
// its whole text selected?), in one call.
export async function settled(page) {
  return page.evaluate(async () => {
    for (const began = Date.now(); !ZenkoPage.idle(); await new Promise(r => setTimeout(r, 1)))
      if (Date.now() - began > 10000) throw new Error('the program does not answer');
    const d = document.getElementById('message'), el = document.activeElement;
    const text = el instanceof HTMLInputElement && el.type === 'text';
    return { trace: ZenkoPage.takeTrace(),
      message: d.open ? { text: document.getElementById('messageText').textContent, icons: ['error', 'warning', 'information']
        .filter(n => getComputedStyle(d.querySelector(`.icon-${n}`)).display !== 'none') } : null,
      focus: el?.dataset?.id ? { id: Number(el.dataset.id),
        whole: !text || (el.selectionStart === 0 && el.selectionEnd === el.value.length) } : null };
  });
}

// The element of a control of the top window.
export function control(page, id) {
  return page.locator(`#desk > section.window:last-of-type [data-id="${id}"]`);
}

// Types a text into a field as a user does: a click, everything selected,
// then the keys (or Delete for an empty text).
export async function typeInto(page, id, text) {
  await control(page, id).click({ force: true });
  await page.keyboard.press('Control+a');
  await (text === '' ? page.keyboard.press('Delete') : page.keyboard.type(text));
}

let failures = 0;
export function check(ok, what) { if (!ok) { ++failures; console.log(`FAIL ${what}`); } return ok; }

// Opens a form from the menu (134: from 132 after 132's example) and plays
// its worked example (set and click lines) in the page (the transcripts
// test real keys and clicks); or, for null, goes back to the menu with
// "&Retour". The program then waits for the user.
export async function showExample(page, form) {
  const open = f => (f === 134 ? [...open(132), 'example', 'click 1061'] : f === 102 ? [] : [`click ${MENU_ENTRY[f]}`, 'click 1']);
  await page.evaluate(async steps => {
    const top = () => document.querySelector('#desk > section.window:last-of-type');
    const depth = () => Number(top().style.getPropertyValue('--depth'));
    const play = async lines => {
      for (const [word, id, ...text] of lines.map(line => line.split(' '))) {
        if (word === 'example') await play(ZenkoPage.table(depth()).example.split('\n').filter(Boolean));
        else if (word === 'set') top().querySelector(`[data-id="${id}"]`).value = text.join(' ');
        else for (top().querySelector(`[data-id="${id}"]`).click(); !ZenkoPage.idle();) await new Promise(r => setTimeout(r, 1));
      }
    };
    await play(steps ?? Array(depth()).fill('click 1'));
  }, form === null ? null : [...open(form), 'example']);
  return settled(page);
}
