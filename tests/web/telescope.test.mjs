// The window's tools: Maintenant (TU) and Copier les résultats from their
// buttons and keys, on the browser's own clock in a time zone far from UT,
// the focus left where it was, the copy's confirmation (a polite live
// region) shown then gone, a refused clipboard said. The texts themselves:
// the now and copy transcripts played in the page.
import { run, openPage, settled, control, typeInto, check, MENU_ENTRY } from './harness.mjs';

await run('tools of the windows', async env => {
  const page = await openPage(env);
  await env.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: env.url });
  // 21:30:05 UT is 03:15:05 the next day in Kathmandu (UT+5:45).
  await (await env.context.newCDPSession(page)).send('Emulation.setTimezoneOverride', { timezoneId: 'Asia/Kathmandu' });
  await page.clock.setFixedTime(new Date('2025-03-21T21:30:05Z'));
  const tools = '#desk > section.window:last-of-type > .titlebar + .tools', none = await page.locator('.tools').count();
  for (const c of [MENU_ENTRY[130], 1]) await control(page, c).click();
  await settled(page);
  const shown = await page.locator(`${tools} > *`).evaluateAll(b => b.map(x => `${x.className}: ${x.textContent} ${x.title}`));
  check(none === 0 && /^button now: Maintenant \(TU\) .*\(F2\),button copy: Copier les résultats .*\(F8\)$/.test(shown),
        `the menu has ${none} tool rows, form 130 ${shown}`);
  const refuse = () => page.evaluate(() => { navigator.clipboard.writeText = () => Promise.reject(new Error('no')); });
  const now = ['21/03/2025', '21:30:05', '2460756.3958912'];
  for (const [act, ...want] of [  // what is done, then the three fields, the focus and the note
    [() => typeInto(page, 1025, 'abc'), '', 'abc', '', '1025', ''],
    [() => page.keyboard.press('F2'), ...now, '1025', ''],
    [() => typeInto(page, 1018, '1/1/2000'), '1/1/2000', ...now.slice(1), '1018', ''],
    [() => page.click(`${tools} > .now`), ...now, '1018', ''],
    [() => page.keyboard.press('F8'), ...now, '1018', 'Résultats copiés.'],
    [() => page.waitForFunction(() => document.getElementById('toolnote').textContent === ''), ...now, '1018', ''],
    [() => refuse().then(() => page.click(`${tools} > .copy`)), ...now, '1018',
     'Copie refusée par le navigateur : rien n\'a été copié.'],
  ]) {
    await act();
    await settled(page);
    const got = await page.evaluate(async () => { await ZenkoTools.copied(); const n = document.getElementById('toolnote');
      return [1018, 1025, 1020].map(id => document.querySelector(`[data-id="${id}"]`).value)
        .concat(document.activeElement.dataset.id, n.role === 'status' && n.ariaLive === 'polite' && n.textContent); });
    check(got.every((v, i) => v === want[i]), `tools: ${got} for ${want}`);
  }
});
