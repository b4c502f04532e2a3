// The browser version's pictures for the README and the help, made by the
// browser tests' own chromium: the menu and form 130 after its worked
// example on a desktop screen, and form 130 on a phone, by day and at night.
// Usage (after scripts/web.sh --build-only): node scripts/web-pictures.mjs [DIR]
//   DIR defaults to help/pictures.
import path from 'node:path';
import { run, openPage, menuShown, settled, control } from '../tests/web/harness.mjs';

const dir = path.resolve(process.argv[2] || new URL('../help/pictures', import.meta.url).pathname);

async function form130(page) {
  await control(page, 1002).click();
  await control(page, 1).click();
  await settled(page);
  await page.fill('#f1-1018', '01/01/2000');
  await page.fill('#f1-1025', '12:00:00');
  await control(page, 1019).click();
  await settled(page);
}

await run('pictures of the web page', async env => {
  const page = await openPage(env);
  const shot = name => page.screenshot({ path: path.join(dir, name) });
  await page.setViewportSize({ width: 1280, height: 800 });
  await shot('web102.png');
  await form130(page);
  await shot('web130.png');
  await page.setViewportSize({ width: 360, height: 640 });
  for (const [night, name] of [[false, 'web130-phone.png'], [true, 'web130-phone-nuit.png']]) {
    // A fresh page (its storage cleared), night vision as chosen.
    await openPage(env);
    if (night) {
      await page.evaluate(() => localStorage.setItem('zenko.nuit', '1'));
      await page.reload();
      await menuShown(page);
    }
    await form130(page);
    // The field focused after Calcul keeps its caret out of the picture.
    await page.evaluate(() => document.activeElement.blur());
    await shot(name);
  }
  console.log(`pictures written in ${dir}`);
});
