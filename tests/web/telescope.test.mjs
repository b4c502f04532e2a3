// The window's tools: Maintenant (TU) and Copier les résultats from their
// buttons and keys, on the browser's own clock in a time zone far from UT,
// the focus left where it was, the copy's confirmation shown then gone, a
// refused clipboard said. The texts themselves: the now and copy
// transcripts played in the page.
import { run, openPage, settled, control, typeInto, check, MENU_ENTRY } from './harness.mjs';

await run('tools of the windows', async env => {
  const page = await openPage(env);
  await env.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: env.url });
  const tools = '#desk > section.window:last-of-type > .titlebar + .tools';
  check(await page.locator('.tools').count() === 0, 'the menu has no tools');
  const open = async id => {
    for (const c of [MENU_ENTRY[id], 1]) await control(page, c).click();
    await settled(page);
  };
  await open(164);
  check(await page.locator(`${tools} > *`).evaluateAll(b => b.map(x => x.className).join()) === 'button copy',
        'form 164: copy only');
  await page.keyboard.press('Escape');
  await openPage(env);
  // 21:30:05 UT is 03:15:05 the next day in Kathmandu (UT+5:45).
  await (await env.context.newCDPSession(page)).send('Emulation.setTimezoneOverride', { timezoneId: 'Asia/Kathmandu' });
  await page.clock.setFixedTime(new Date('2025-03-21T21:30:05Z'));
  await open(130);
  const titles = await page.locator(`${tools} > *`).evaluateAll(b => b.map(x => `${x.textContent} ${x.title}`).join('|'));
  check(/^Maintenant \(TU\) .*\(F2\)\|Copier les résultats .*\(F8\)$/.test(titles), `form 130: tools ${titles}`);
  const state = () => page.evaluate(() => [1018, 1025, 1020].map(id => document.querySelector(`[data-id="${id}"]`).value)
    .concat(document.activeElement.dataset.id, document.getElementById('toolnote').textContent));
  const note = text => page.waitForFunction(t => document.getElementById('toolnote').textContent === t, text, { timeout: 5000 });
  const cases = [  // what is done, then the three fields, the focus and the note
    [() => typeInto(page, 1025, 'abc'), '', 'abc', '', '1025', ''],
    [() => page.keyboard.press('F2'), '21/03/2025', '21:30:05', '2460756.3958912', '1025', ''],
    [() => typeInto(page, 1018, '1/1/2000'), '1/1/2000', '21:30:05', '2460756.3958912', '1018', ''],
    [() => page.click(`${tools} > .now`), '21/03/2025', '21:30:05', '2460756.3958912', '1018', ''],
    [() => page.keyboard.press('F8'), '21/03/2025', '21:30:05', '2460756.3958912', '1018', 'Résultats copiés.'],
    [() => note(''), '21/03/2025', '21:30:05', '2460756.3958912', '1018', ''],
    [() => page.evaluate(() => { navigator.clipboard.writeText = () => Promise.reject(new Error('no')); }).then(() =>
      page.click(`${tools} > .copy`)), '21/03/2025', '21:30:05', '2460756.3958912', '1018',
     'Copie refusée par le navigateur : rien n\'a été copié.'],
  ];
  for (const [act, ...want] of cases) {
    await act();
    await settled(page);
    await page.evaluate(() => ZenkoTools.copied());
    const got = await state();
    check(got.every((v, i) => v === want[i]), `tools: ${got} for ${want}`);
  }
  const live = await page.locator('#toolnote').evaluate(n => `${n.getAttribute('role')} ${n.getAttribute('aria-live')}`);
  check(live === 'status polite', `the note is a ${live} region`);
});
