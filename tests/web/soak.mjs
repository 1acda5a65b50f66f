// A soak of the page: sessions of a restless player, each doing at random moments what a player
// does (clicks on the splash, Ctrl+A/B/C, the menus, the arrows, P, the settings menu, the about
// and help windows opened and closed), and at its end no page error and the picture still moving.
// Seeded: a failure prints the seed that replays it.
//   node tests/web/soak.mjs [--engine chromium|firefox] [--sessions 20] [--events 25] [--seed 1]
// (SMASHBOL_NODE_MODULES and SMASHBOL_SITE as for the other browser tests.)
import { parseArgs } from 'node:util';

import { clickSplash, ctrl, launch, open, pause, serve } from './lib.mjs';

const { values } = parseArgs({ options: {
  engine: { type: 'string', default: 'chromium' }, sessions: { type: 'string', default: '20' },
  events: { type: 'string', default: '25' }, seed: { type: 'string', default: String(Date.now() % 100000) },
} });
const sessions = Number(values.sessions), perSession = Number(values.events), seed = Number(values.seed);

// A small seeded source (mulberry32): the same seed, the same player.
function randomOf(seed) {
  let a = seed >>> 0;
  const next = () => {
    a = (a + 0x6D2B79F5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return { next, int: (n) => Math.floor(next() * n), pick: (list) => list[Math.floor(next() * list.length)] };
}

// A visible element of the page among those `selector` finds, clicked in its middle.
async function clickOne(page, selector, random) {
  const middles = await page.$$eval(selector, (all) => all.filter((e) => e.checkVisibility()).map((e) => {
    const box = e.getBoundingClientRect();
    return [box.x + box.width / 2, box.y + box.height / 2];
  }));
  if (!middles.length) return false;
  await page.mouse.click(...random.pick(middles));
  return true;
}

// A digest of the game's picture, taken in the page.
const picture = (page) => page.evaluate(() => {
  const canvas = document.getElementById('form1');
  let hash = 0;
  for (const byte of canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data)
    hash = Math.imul(hash ^ byte, 0x01000193);
  return hash;
});

const actions = [
  ['splash', (page) => clickSplash(page)],
  ['shortcut', (page, r) => ctrl(page, r.pick(['KeyA', 'KeyB', 'KeyC']))],
  ['menu', async (page, r) => {
    if (await clickOne(page, '#menubar > .top', r))
      await clickOne(page, '#menubar .item:not(.opens):not([data-name="exit"])', r);
  }],
  ['arrow', async (page, r) => {
    const key = r.pick(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']);
    await page.keyboard.down(key);
    await pause(r.int(400));
    await page.keyboard.up(key);
  }],
  ['p', (page) => page.keyboard.press('KeyP')],
  ['settings', async (page, r) => {
    if (r.next() < 0.5) {
      const box = await (await page.$('#form1')).boundingBox();
      await page.mouse.click(box.x + r.int(box.width), box.y + r.int(box.height), { button: 'right' });
    } else await ctrl(page, 'F10', 'Shift');
    for (let i = r.int(4); i > 0; --i) await page.keyboard.press(r.pick(['ArrowDown', 'ArrowUp', 'ArrowRight', 'ArrowLeft']));
    if (r.next() < 0.5) await clickOne(page, '#settings .item:not(.opens):not([data-name="fullscreen"])', r);
    else await page.keyboard.press(r.pick(['Escape', 'Enter']));
  }],
  ['window', async (page, r) => {
    if (!await clickOne(page, '#menubar [data-name="info"]', r) ||
        !await clickOne(page, `#menubar [data-name="${r.pick(['hra', 'about'])}"]`, r)) return;
    await pause(r.int(300));
    // A command in a point's pause comes after it.
    if (!await page.waitForFunction(() => window.smashbol.view().modalWindow >= 0, { timeout: 1500 }).catch(() => null))
      return;
    const close = r.pick(['Escape', '#dialog-close', '#modal']);
    if (close === 'Escape') await page.keyboard.press('Escape');
    else await clickOne(page, close, r);
  }],
  ['wait', (page, r) => pause(r.int(300))],
];

async function session(browser, url, sessionSeed) {
  const random = randomOf(sessionSeed);
  const opened = await open(browser, url);
  const { page, trouble } = opened;
  const done = [];
  try {
    for (let i = 0; i < perSession; ++i) {
      const [name, act] = random.pick(actions);
      done.push(name);
      await act(page, random);
      await pause(random.int(120));
    }
    // Whatever is open closes, and a match starts: the picture must move.
    for (let i = 0; i < 3; ++i) await page.keyboard.press('Escape');
    await page.mouse.click(2, 2);
    await ctrl(page, 'KeyB');
    await page.keyboard.press('KeyP');
    // The picture stands during a point's pause, and moves within a second otherwise.
    const first = await picture(page);
    let moved = false;
    for (let waited = 0; waited < 2000 && !moved; waited += 100) moved = await pause(100) || await picture(page) !== first;
    if (!moved) {
      const { held, modalWindow, matchRunning } = await page.evaluate(() => window.smashbol.view());
      trouble.push(`the picture stands still (${JSON.stringify({ held, modalWindow, matchRunning })})`);
    }
  } catch (error) {
    trouble.push(`${error.message} (after ${done.join(' ')})`);
  }
  await page.close();
  return { events: done.length, trouble };
}

const server = await serve();
const browser = await launch(values.engine);
let events = 0, failed = 0;
try {
  for (let i = 0; i < sessions; ++i) {
    const result = await session(browser, server.url, seed + i);
    events += result.events;
    if (result.trouble.length) {
      ++failed;
      console.log(`session seed ${seed + i} (rerun with --seed ${seed + i} --sessions 1): ${result.trouble.join('; ')}`);
    }
    if ((i + 1) % 10 === 0) console.log(`${i + 1} of ${sessions} sessions, ${events} events, ${failed} with errors`);
  }
} finally {
  await browser.close();
  server.close();
}
console.log(`soak in ${values.engine}: ${sessions} sessions, ${events} events, ${failed} with errors (seed ${seed})`);
console.log(`${sessions - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
