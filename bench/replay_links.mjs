// How long a whole match's #replay= link is: each level played out on the page (?record) by a
// player who stands still, one who walks to the ball, and one who walks to it but stands idle at
// times (the closest matches); each link made as the page's menu makes it, then watched on a new
// page at eight times the pace to the state the recording closes with.
//   SMASHBOL_NODE_MODULES=build-web/npm/node_modules SMASHBOL_SITE=build-web/site \
//   node bench/replay_links.mjs [--keep DIR]
import fs from 'node:fs';
import path from 'node:path';
import { clickSplash, ctrl, launch, open, pause, serve } from '../tests/web/lib.mjs';

const keep = process.argv.includes('--keep') ? process.argv[process.argv.indexOf('--keep') + 1] : null;
const levels = { easy: 'KeyA', med: 'KeyB', hard: 'KeyC' };
const players = { still: 0, chasing: 0, idle: 0.3 };  // how often, every 2 s, one stands 1.5 s idle
let seed = 2002;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;

// Until the match is decided: the player walks to the ball's middle, unless still or idle.
async function playOut(page, player) {
  let held = '', idleUntil = 0, nextChoice = 0;
  const started = Date.now();
  while (!(await page.evaluate(() => window.smashbol.view().matchDecided)) && Date.now() - started < 1200e3) {
    if (Date.now() > nextChoice) {
      nextChoice = Date.now() + 2000;
      if (random() < players[player]) idleUntil = Date.now() + 1500;
    }
    let key = '';
    if (player !== 'still' && Date.now() > idleUntil) {
      const s = await page.evaluate(() => window.smashbol.state());
      const off = s.ball.Left + s.ball.Width / 2 - (s.man.Left + s.man.Width / 2);
      key = Math.abs(off) < 60 ? '' : off < 0 ? 'ArrowLeft' : 'ArrowRight';
    }
    if (key !== held) {
      if (held) await page.keyboard.up(held);
      if (key) await page.keyboard.down(key);
      held = key;
    }
    await pause(player === 'still' ? 500 : 15);
  }
  return (Date.now() - started) / 1000;
}

const server = await serve();
const browser = await launch();
try {
  for (const [level, key] of Object.entries(levels)) {
    for (const player of Object.keys(players)) {
      const { page } = await open(browser, server.url, '?mute&record');
      await clickSplash(page);
      await pause(300);
      await ctrl(page, key);
      await page.keyboard.press('KeyP');
      const seconds = await playOut(page, player);
      await pause(1000);
      const text = await page.evaluate(() => window.smashbol.recording());
      const link = await page.evaluate((t) => import('./replay.js').then((m) => m.replayLink(t)), text);
      const closing = text.trim().split('\n').pop().slice(2), last = JSON.parse(closing);
      await page.close();
      if (keep) fs.writeFileSync(path.join(keep, `${level}-${player}.trace`), text);
      const watched = await open(browser, server.url, link.slice(link.indexOf('#')));
      for (let faster = 0; faster < 3; ++faster) await watched.page.keyboard.press('ArrowRight');
      await watched.page.waitForFunction(() => document.title.includes(' - dohráno'), { timeout: 170e3 });
      const same = (await watched.page.evaluate(() => window.smashbol.replayState())).trim() === closing;
      await watched.page.close();
      console.log(`${level} ${player}: ${seconds.toFixed(0)} s, sets ${last.Label9}:${last.Label11}, ` +
                  `${text.length} bytes, link ${link.length} characters${link.length > 8192 ? ' (past 8 KB)' : ''}, ` +
                  `watched to its state: ${same}`);
    }
  }
} finally {
  await browser.close();
  server.close();
}
