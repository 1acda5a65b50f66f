// The page as an app, in headless chromium: the touch screen's buttons on emulated phones and the
// recording of what they sent, downloaded, that the headless driver replays to the state it ends
// with, the game opening offline and a rebuilt site taking over, the manifest and its icons.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';

import { KnownDevices, done, middle, open, pause, readPng, serve, sharedBrowser, shown, site, state, stateUntil, tmpFile, trace, view } from './lib.mjs';

const shared = sharedBrowser();

// A tap, and the moment the page takes to turn its touch into pointer and mouse events.
const tap = async (page, selector) => {
  await page.touchscreen.tap(...await middle(page, selector));
  await pause(50);
};

// Where the page's downloads land, and the one that lands next.
async function downloadsTo(page) {
  const folder = path.dirname(tmpFile('x'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  return async () => {
    for (let waited = 0; waited < 5000; waited += 50, await pause(50)) {
      const files = fs.readdirSync(folder).filter((f) => f.endsWith('.trace'));
      if (files.length) return fs.readFileSync(path.join(folder, files[0]), 'utf8');
    }
    throw new Error('no download');
  };
}

test('on a phone upright and on its side: buttons below the court, the page fits, taps play', async () => {
  // The Galaxy S5 on its side is 360 px high: the game with its buttons fits only below its own
  // size, at the largest scale that gives each pixel a whole number of the screen's three.
  for (const [device, scale] of [['iPhone 13', 1], ['Galaxy S5 landscape', 2 / 3]]) {
    const opened = await shared.open('?record', { device: KnownDevices[device] });
    const { page } = opened;
    const downloaded = await downloadsTo(page);
    const at = (selector) => shown(page, selector, (e) => e.getBoundingClientRect().toJSON());
    await tap(page, '#form1');
    assert.equal((await state(page)).Timer4, true, `${device}: a tap on the splash starts the intro`);
    assert.equal((await view(page)).scale, scale, device);
    const [court, bar, window] = [await at('#form1'), await at('#touch'), await at('#window')];
    assert.ok(bar.top >= court.bottom, `${device}: the buttons lie below the court`);
    const viewport = page.viewport();
    assert.ok(window.left >= 0 && window.top >= 0 && window.right <= viewport.width &&
              window.bottom <= viewport.height, `${device}: ${JSON.stringify(window)} fits`);

    // The menus by tap, their rows a finger high.
    for (const name of ['menu', 'dif']) await tap(page, `#menubar [data-name="${name}"]`);
    assert.ok((await at('#menubar [data-name="easy"]')).height >= 44, `${device}: a row a finger high`);
    await tap(page, '#menubar [data-name="easy"]');
    assert.equal((await state(page)).ballStepY, 80, `${device}: the level chosen by tap`);

    // Held, the right button goes down and repeats as a key does; slid off, it comes up.
    const right = '#touch [data-code="ArrowRight"]';
    const from = (await state(page)).man.Left;
    await page.touchscreen.touchStart(...await middle(page, right));
    await pause(800);
    let s = await state(page);
    assert.deepEqual([s.manKeyDir, s.Timer2], ['right', true], device);
    assert.ok(s.man.Left > from, `${device}: man walked right from ${from} to ${s.man.Left}`);
    await page.touchscreen.touchMove(...await middle(page, '#form1'));
    // The pointer's events come a moment after the touch's.
    s = await stateUntil(page, (t) => t.manKeyDir === '', `${device}: slid off the button, the key came up`);
    await page.touchscreen.touchEnd();
    await pause(100);
    assert.equal((await state(page)).man.Left, s.man.Left, `${device}: man stands`);
    await tap(page, '#touch [data-code="KeyP"]');
    s = await stateUntil(page, (t) => !t.Timer1, `${device}: paused`);
    assert.deepEqual([s.Timer1, s.Timer2, s.infoEnabled], [false, false, true], `${device}: paused`);

    // What the buttons sent is what keys send: held, the key repeated; lifted, it stopped.
    for (const name of ['menu', 'exit']) await tap(page, `#menubar [data-name="${name}"]`);
    await tap(page, '#notices button');
    const text = await downloaded(), lines = text.split('\n');
    assert.match(text, /^# smashbol session: replay with smashbol-trace --replay smashbol-[-0-9]+\.trace\n(# .*\n)*load\n/);
    assert.equal(text.trim().split('\n').pop(), `# ${trace(text).trim().split('\n').pop()}`, `${device}: the driver's replay ends there`);
    const downs = lines.filter((l) => l === 'keydown 39').length;
    assert.ok(downs > 3, `${device}: ${downs} key-downs of the right button`);
    assert.equal(lines.filter((l) => l === 'keyup 39').length, 1, device);
    assert.ok(lines.lastIndexOf('keydown 39') < lines.lastIndexOf('keyup 39'), `${device}: no repeat after the lift`);
    await done(opened);
  }
});

test('the game opens offline, and a rebuilt site takes over on the next load with a network', async () => {
  // A site of its own, on a server of its own, to rebuild.
  const copy = path.dirname(tmpFile('x'));
  fs.cpSync(site, copy, { recursive: true });
  const own = await serve(copy);
  const opened = await open(shared.browser, own.url);
  const { page } = opened;
  await page.waitForFunction(() => navigator.serviceWorker.controller, { timeout: 10000 });
  const caches = () => page.evaluate(() => caches.keys());
  const build = () => /const BUILD = '([0-9a-f]{16})'/.exec(fs.readFileSync(path.join(copy, 'sw.js'), 'utf8'))[1];
  assert.deepEqual(await caches(), [`smashbol-${build()}`]);
  assert.equal(await page.$eval('link[rel="manifest"]', (e) => e.getAttribute('href')), 'manifest.webmanifest');

  const offline = async (expect) => {
    await page.setOfflineMode(true);
    await page.reload();
    await page.evaluate(() => window.smashbol.ready);
    await page.click('#form1');
    assert.equal((await state(page)).Timer4, true, `offline, ${expect}: the game starts`);
    assert.equal(await page.evaluate(() => Boolean(document.getElementById('rebuilt'))), expect === 'rebuilt');
    await page.setOfflineMode(false);
  };
  await offline('first build');

  const index = path.join(copy, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('</body>', '<i id="rebuilt"></i></body>'));
  execFileSync(process.env.SMASHBOL_CMAKE, ['-DSITE=' + copy, '-DTEMPLATE=' + process.env.SMASHBOL_SW_TEMPLATE,
                                            '-P', process.env.SMASHBOL_SW_SCRIPT]);
  await page.reload();
  // Untouched, the page starts again on the new build as soon as it has it whole.
  await page.waitForFunction(() => document.getElementById('rebuilt'), { timeout: 10000 });
  assert.deepEqual(await caches(), [`smashbol-${build()}`], 'only the new build is kept');
  await offline('rebuilt');
  await done(opened);
  own.close();
});

test('the manifest parses, and every icon it lists is there at its size, unblurred', async () => {
  const manifest = JSON.parse(fs.readFileSync(path.join(site, 'manifest.webmanifest'), 'utf8'));
  assert.ok(manifest.name && manifest.short_name && manifest.display === 'standalone');
  const sizes = manifest.icons.map((icon) => icon.sizes);
  for (const size of [16, 24, 32, 48, 64, 128, 192, 256, 512]) assert.ok(sizes.includes(`${size}x${size}`), `${size}`);
  const colours = (png) => new Set(Array.from({ length: png.width * png.height }, (_, i) => png.rgba.slice(i * 4, i * 4 + 4).join()));
  const own = colours(readPng(path.join(site, 'icon-32.png')));
  for (const icon of manifest.icons) {
    const png = readPng(path.join(site, icon.src));
    assert.equal(`${png.width}x${png.height}`, icon.sizes, icon.src);
    assert.equal(icon.type, 'image/png');
    for (const colour of colours(png)) assert.ok(own.has(colour), `${icon.src}: ${colour} is no colour of the icon`);
  }
});
