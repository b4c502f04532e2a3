// The page for assistive technologies: axe-core finds no serious or critical
// fault on any form after its worked example, by day and in night vision, nor
// on a message box; the message box is a modal dialog named "Zenko" whose
// description is its text; a command's new results are read out politely.
import { createRequire } from 'node:module';
import { run, openPage, settled, control, check, showExample } from './harness.mjs';

const FORMS = [102, 131, 143, 146, 144, 130, 135, 129, 132, 134, 164];

// The serious and critical faults axe finds in the page (whole: the menu
// and the message box; else the top window), as texts.
async function faults(page, whole) {
  return page.evaluate(async top => (await axe.run(top ? { include: [['#desk > section.window:last-of-type']] } : document,
                                                   { resultTypes: ['violations'] })).violations
    .filter(v => ['serious', 'critical'].includes(v.impact))
    .map(v => `${v.id}: ${v.nodes.slice(0, 3).map(n => n.target.join(' ')).join(', ')}`), !whole);
}

await run('accessibility tests', async env => {
  const page = await openPage(env);
  await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core') });
  for (const form of FORMS) {
    await showExample(page, form);
    for (const night of [false, true]) {
      await page.evaluate(on => document.documentElement.classList.toggle('nuit', on), night);
      for (const fault of await faults(page, form === 102)) check(false, `form ${form}${night ? ' at night' : ''}: ${fault}`);
    }
    await page.evaluate(() => document.documentElement.classList.remove('nuit'));
    if (form === 131) check((await page.locator('[data-form="131"] [role=radiogroup]').evaluateAll(all => all.map(g => g.ariaLabel))).join() ===
      'format de la fonction 1,format de la fonction 2', 'form 131: its radio buttons in two named groups');
    // 130's example ends with the date of JD 2451545.0, the epoch J2000.0:
    // 1 January 2000 (a Saturday) at 12 h UT; only that command's results.
    if (form === 130) check(await page.locator('[data-form="130"] .live').textContent() ===
      'Date : samedi 1 janvier 2000\nHeure : 12h 0m 0.0s UT', 'form 130 reads out its new results');
    await showExample(page, null);  // "&Retour", back to the menu
  }
  // A message box: 130 with a date that is not one.
  await showExample(page, 130);
  await control(page, 1018).fill('32/01/2000');
  await control(page, 1019).click();
  const { message } = await settled(page);
  for (const fault of await faults(page, true)) check(false, `message box: ${fault}`);
  const cdp = await env.context.newCDPSession(page);
  const { root } = await cdp.send('DOM.getDocument');
  const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: '#message' });
  const [box] = (await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false })).nodes;
  check(message && await page.evaluate(() => document.getElementById('message').matches(':modal')) && box.role.value === 'dialog' &&
        box.name.value === 'Zenko' && box.description?.value === message.text.replace(/\s+/g, ' '),
        `the message box: a modal dialog named Zenko described by its text (${JSON.stringify([box.role, box.name, box.description])})`);
});
