// The browser page's side of the conformance table: each session played on a new page in headless
// chromium (at zoom 1, muted, recorded), its windows' canvases saved where the session ends, then Ctrl+D and
// the page's recording saved; check.sh then has the driver replay and compare.
//   node tests/conformance/page.mjs WORK   (with the web tests' environment: SMASHBOL_SITE ...)
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { clickSplash, ctrl, done, launch, open, pause, serve } from '../web/lib.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const work = process.argv[2];
const keyNames = { Right: 'ArrowRight', Left: 'ArrowLeft', Down: 'ArrowDown', Up: 'ArrowUp',
                   Return: 'Enter', Escape: 'Escape', F10: 'F10', p: 'KeyP' };
const canvasOf = { Form1: '#form1', Form3: '#modal' };

async function play(page, inputs) {
  for (const input of inputs) {
    if (input === 'click') {
      await clickSplash(page);
    } else if (input.startsWith('wait-')) {
      await pause(Number(input.slice(5)));
    } else if (input.startsWith('ctrl+')) {
      await ctrl(page, `Key${input.slice(5).toUpperCase()}`);
    } else if (keyNames[input]) {
      await page.keyboard.press(keyNames[input]);
    } else {
      throw new Error(`no key ${input} in the table's words`);
    }
  }
}

const server = await serve();
const browser = await launch();
let n = 0;
try {
  for (const line of fs.readFileSync(path.join(here, 'sessions.txt'), 'utf8').split('\n')) {
    const [name, inputs = '', windows = ''] = line.split('|').map((s) => s.trim());
    if (!name || name.startsWith('#')) continue;
    const dir = path.join(work, String(++n));
    fs.rmSync(dir, { recursive: true, force: true });
    fs.mkdirSync(dir, { recursive: true });
    const opened = await open(browser, server.url, '?zoom=1&mute&record');
    const { page } = opened;
    await play(page, inputs.split(/\s+/).filter(Boolean));
    // Past any point's pause (0.7 s), whose picture is the one from before the point.
    await pause(800);
    await page.waitForFunction(() => !window.smashbol.view().held);
    for (const w of windows.split(/\s+/).filter(Boolean)) {
      const canvas = await page.$(canvasOf[w]);
      await canvas.screenshot({ path: path.join(dir, `${w}.screen.png`) });
    }
    if (windows.includes('Form3')) await page.keyboard.press('Escape');
    await ctrl(page, 'KeyD');
    await page.waitForFunction(() => window.smashbol.view().ended);
    fs.writeFileSync(path.join(dir, 'session.trace'),
                     await page.evaluate(() => window.smashbol.recording()));
    await done(opened).catch((error) => { throw new Error(`${name}: ${error.message}`); });
  }
} finally {
  await browser.close();
  server.close();
}
console.log(`${n} sessions played on the page`);
