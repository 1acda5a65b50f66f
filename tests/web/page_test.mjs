// The browser page in Debian's headless chromium: the same pixels and the same states as the
// headless driver for the same scripts, real input on the real page, the clips, the point's
// pause, and nothing fetched from anywhere but the page's own origin.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';

import { canvasPixels, clickSplash, ctrl, difference, done, fixtures, pause, readPng, sharedBrowser,
         state, tmpFile, trace } from './lib.mjs';

const shared = sharedBrowser();

const fresh = (query = '') => shared.open(query);
const view = (page) => page.evaluate(() => window.smashbol.view());
const script = (page, text) => page.evaluate((t) => window.smashbol.script(t), text);
// A frame drawn after everything asked so far.
const nextFrame = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

test('the start and scripted moments look as the driver shows them', async () => {
  const moments = [
    { name: 'the splash', lines: '', window: 'Form1', canvas: 'form1' },
    { name: 'the intro rally', lines: 'click splash\ntick1 tick4 40', window: 'Form1', canvas: 'form1' },
    { name: 'a match under way', lines: 'click splash\ntick1 tick4 25\nmenu med\nkeydown 39\ntick1 tick2 30\nkeyup 39\ntick1 9', window: 'Form1', canvas: 'form1' },
    { name: 'the result', lines: 'click splash\nmenu easy\nkeydown 80\nset Label11.Caption "2"\ntick1', window: 'Form1', canvas: 'form1' },
    { name: 'the about window', lines: 'click splash\nmenu about', window: 'Form2', canvas: 'modal' },
    { name: 'the help window', lines: 'click splash\nmenu hra', window: 'Form3', canvas: 'modal' },
  ];
  for (const moment of moments) {
    const opened = await fresh();
    await script(opened.page, moment.lines);
    await nextFrame(opened.page);
    const shot = tmpFile('shot.png');
    trace(`load\n${moment.lines}\nshot ${moment.window} ${shot}\n`);
    assert.equal(difference(await canvasPixels(opened.page, moment.canvas), readPng(shot)), null, moment.name);
    await done(opened);
  }
});

test('every trace fixture plays in the page to the driver\'s very states', async () => {
  const scripts = fs.readdirSync(fixtures).filter((f) => f.endsWith('.trace'));
  assert.ok(scripts.length >= 10);
  for (const name of scripts) {
    const text = fs.readFileSync(path.join(fixtures, name), 'utf8');
    // The page has loaded its game already: the script's own load stays a line (for the line
    // numbers of what it cannot read) that does nothing.
    const played = text.replace(/^load$/m, '# load');
    assert.notEqual(played, text, name);
    const opened = await fresh();
    const printed = await script(opened.page, played);
    const expected = fs.readFileSync(path.join(fixtures, name.replace(/\.trace$/, '.expected')), 'utf8');
    assert.equal(printed, expected, name);
    await done(opened);
  }
});

test('a click starts the intro, Ctrl+A the match, an arrow walks the player, P pauses', async () => {
  const opened = await fresh();
  const { page } = opened;
  await clickSplash(page);
  await pause(300);
  let s = await state(page);
  assert.equal((await view(page)).menuBar, true, 'the menu bar shows');
  assert.deepEqual([s.Timer1, s.Timer4], [true, true], 'the intro rally runs');
  const ballInRally = s.ball.Top;
  await pause(200);
  assert.notEqual((await state(page)).ball.Top, ballInRally, 'the ball flies');

  await ctrl(page, 'KeyA');
  s = await state(page);
  assert.deepEqual([s.Label4Visible, s.Timer1, s.Timer4, s.ballStepY], [true, false, false, 80]);
  const start = s.man.Left;

  await page.keyboard.down('ArrowRight');
  await pause(300);
  s = await state(page);
  assert.deepEqual([s.Timer1, s.Timer2, s.manKeyDir], [true, true, 'right']);
  assert.ok(s.man.Left > start, `the player walked right from ${start} to ${s.man.Left}`);
  await page.keyboard.up('ArrowRight');
  assert.equal((await state(page)).manKeyDir, '');

  await page.keyboard.press('KeyP');
  s = await state(page);
  assert.deepEqual([s.Timer1, s.Timer2, s.infoEnabled], [false, false, true], 'paused');
  await page.keyboard.press('KeyP');
  s = await state(page);
  assert.deepEqual([s.Timer1, s.Timer2], [true, true], 'going on');

  // A key held while the page loses the focus is let go, and the running match pauses.
  await page.keyboard.down('ArrowLeft');
  await pause(50);
  await page.evaluate(() => window.dispatchEvent(new Event('blur')));
  s = await state(page);
  assert.deepEqual(await page.evaluate(() => window.smashbol.heldKeys()), []);
  assert.deepEqual([s.manKeyDir, s.Timer1, s.Timer2], ['', false, false]);
  await page.keyboard.up('ArrowLeft');

  // A hidden tab pauses a running match too.
  await page.keyboard.press('KeyP');
  assert.equal((await state(page)).Timer1, true);
  const other = await shared.browser.newPage();
  await other.bringToFront();
  await pause(100);
  assert.equal(await page.evaluate(() => document.visibilityState), 'hidden');
  s = await state(page);
  assert.deepEqual([s.Timer1, s.Timer2], [false, false], 'paused while hidden');
  await other.close();
  await page.bringToFront();
  await done(opened);
});

test('the menus open the help and about windows over the running game; a click closes them', async () => {
  const opened = await fresh();
  const { page } = opened;
  await clickSplash(page);
  for (const [item, window] of [['hra', 'Form3'], ['about', 'Form2']]) {
    await page.click('#menubar [data-name="info"]');
    await page.click(`#menubar [data-name="${item}"]`);
    assert.equal((await view(page)).modal, window);
    await page.evaluate(() => window.smashbol.tickCounts());
    await nextFrame(page);
    const first = await canvasPixels(page, 'modal');
    await page.keyboard.press('ArrowRight');  // taken by the window, not the game
    await pause(250);
    assert.ok((await page.evaluate(() => window.smashbol.tickCounts())).Timer1 > 0, 'the rally goes on behind it');
    // The globe turns: a frame soon differs from the first (every eighth tick shows it again).
    let turned = window !== 'Form2';
    for (let i = 0; i < 8 && !turned; ++i, await pause(10)) turned = difference(await canvasPixels(page, 'modal'), first);
    assert.ok(turned, 'the globe turns');
    const modal = await (await page.$('#modal')).boundingBox();
    await page.mouse.click(modal.x + 10, modal.y + 10);
    assert.equal((await view(page)).modal, '', `${window} closed`);
    assert.equal(await page.$eval('#modal-layer', (e) => e.hidden), true);
  }
  // The shortcuts reach the game with the menu bar showing, and its access keys choose.
  await ctrl(page, 'KeyB');
  assert.equal((await state(page)).ballStepY, 150);
  await page.keyboard.press('Alt');
  await page.keyboard.press('KeyO');
  await page.keyboard.press('KeyV');
  assert.equal((await state(page)).ballStepY, 200);
  await done(opened);
});

test('the clips decode, and a point plays its clips in the rules\' order', async () => {
  const opened = await fresh();
  const { page } = opened;
  const clips = await page.evaluate(() => window.smashbol.clipsDecoded());
  assert.deepEqual(clips.map((c) => c.id), [1, 2, 3, 4, 5, 6, 7, 8]);
  for (const c of clips) assert.ok(c.duration > 0.01, `clip ${c.id} lasts ${c.duration} s`);
  const printed = await script(page, [
    'click splash', 'menu easy', 'set Label2.Caption "5"', 'set Label4.Caption "4"', 'keydown 80',
    'print', 'set ball.Top -1', 'set ballDirY "up"', 'rnd 0.3', 'tick1', 'print'].join('\n'));
  const point = JSON.parse(printed.trim().split('\n')[1]);
  assert.deepEqual(point.clips, [8, 7, 2], 'point, set, the serve\'s stroke');
  assert.deepEqual(await page.evaluate(() => window.smashbol.clipsPlayed()), [6, 2, 2, 8, 7, 2]);
  await done(opened);
});

test('the point\'s pause holds the game; keys pressed meanwhile follow it in order', async () => {
  const opened = await fresh();
  const { page } = opened;
  await script(page, 'click splash\nmenu easy\nkeydown 80');
  const before = await state(page);
  const started = Date.now();
  const scored = script(page, 'set ball.Top -1\nset ballDirY "up"\ntick1\nprint');
  await pause(150);
  await page.keyboard.down('ArrowLeft');
  await page.keyboard.up('ArrowLeft');
  await page.keyboard.down('ArrowRight');
  const printed = JSON.parse((await scored).trim());
  const took = Date.now() - started;
  assert.ok(took >= 700, `the tick took ${took} ms`);
  assert.deepEqual(printed.sleeps, [700]);
  assert.equal(printed.manKeyDir, before.manKeyDir, 'no key reached the game during the pause');
  assert.equal((await state(page)).manKeyDir, 'right', 'the keys came after it, in order');
  await page.keyboard.up('ArrowRight');
  await done(opened);
});

test('points in real time pause the game and play on', async () => {
  const opened = await fresh();
  const { page } = opened;
  await clickSplash(page);
  await ctrl(page, 'KeyC');
  await state(page);  // forget what came before
  await page.keyboard.press('KeyP');
  let points = 0, s;
  for (let waited = 0; points < 2 && waited < 20000; waited += 500) {
    await pause(500);
    s = await state(page);
    points += s.sleeps.length;
  }
  assert.ok(points >= 2, `${points} points in 20 s`);
  assert.equal(s.Timer1, true, 'the match plays on after its pauses');
  await done(opened);
});

// A bad address parameter is said in one line, in the language shown, and the game starts anyway.
test('the words follow ?lang=, then the remembered choice, then the browser\'s languages', async () => {
  const rows = [
    { languages: ['cs-CZ', 'en'], code: 'cs', top: 'Hra' },
    { languages: ['de-DE', 'en-US'], code: 'en', top: 'Game' },
    { languages: ['de-DE'], code: 'cs', top: 'Hra' },
    { languages: ['en-US'], remembered: { language: 'cs' }, code: 'cs', top: 'Hra' },
    { query: '?lang=en', remembered: { language: 'cs' }, code: 'en', top: 'Game' },
    { query: '?zoom=9&lang=xx&bogus&mute', languages: ['en-GB'], code: 'en', top: 'Game',
      notice: /zoom=9 is not valid.*parameter bogus;.*parameter lang=xx is not valid/ },
  ];
  const topMenu = (page) => page.$eval('#menubar .top',
                                        (e) => e.textContent.replace(e.querySelector('.menu').textContent, ''));
  for (const row of rows) {
    const opened = await shared.open(row.query, row);
    const { page } = opened;
    const name = JSON.stringify(row);
    assert.equal(await page.evaluate(() => document.documentElement.lang), row.code, name);
    assert.equal(await topMenu(page), row.top, name);
    const notice = await page.$eval('#notice', (e) => e.textContent);
    if (row.notice) assert.match(notice, row.notice, name); else assert.equal(notice, '', name);
    assert.equal(await page.evaluate(() => window.smashbol.zoom()), 2, 'the fitting zoom');
    if (row.code === 'en') {
      // The windows drawn in English, as the driver draws them under LANGUAGE=en.
      await script(page, 'click splash\nmenu hra');
      await nextFrame(page);
      const shot = tmpFile('help-en.png');
      trace(`load\nclick splash\nmenu hra\nshot Form3 ${shot}\n`, 'en');
      assert.equal(difference(await canvasPixels(page, 'modal'), readPng(shot)), null, name);
    }
    await done(opened);
  }
  // Chosen on the page's own menu (a right click on the game): at once, and remembered.
  const opened = await shared.open();
  const { page } = opened;
  await clickSplash(page);
  await page.click('#form1', { button: 'right' });
  const items = await page.$$eval('#language-menu .item', (all) => all.map((e) => e.textContent));
  assert.deepEqual(items, ['\u2713 Jazyk prohlížeče', 'Čeština', 'English'], 'the browser\'s, ticked');
  await (await page.$$('#language-menu .item'))[2].click();
  await page.waitForFunction(() => document.documentElement.lang === 'en');
  assert.equal(await topMenu(page), 'Game');
  const stored = await page.evaluate(() => JSON.parse(localStorage.getItem('smashbol.settings')));
  assert.equal(stored.language, 'en');
  await done(opened);
});

test('the intro\'s timers tick by their intervals, or both on the beat of 2002', async () => {
  for (const [query, fastPerSlow] of [['', 10], ['?classic-timing', 1]]) {
    const opened = await fresh(query);
    assert.equal((await view(opened.page)).classicTiming, query !== '');
    await clickSplash(opened.page);
    await opened.page.evaluate(() => window.smashbol.tickCounts());
    await pause(1000);
    const counts = await opened.page.evaluate(() => window.smashbol.tickCounts());
    assert.equal(Math.round(counts.Timer4 / counts.Timer1), fastPerSlow, `${query} ${JSON.stringify(counts)}`);
    await done(opened);
  }
});
