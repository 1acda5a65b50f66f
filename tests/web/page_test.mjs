// The browser page in Debian's headless chromium: the same pixels and the same states as the
// headless driver for the same scripts, real input on the real page, the windows and menus as the
// desktop's, the point's pause, the address and the settings kept, and nothing fetched from
// anywhere but the page's own origin.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { test } from 'node:test';

import { ballLeaves, canvasDiffers, clickSplash, ctrl, done, fixtures, held, nextFrame, pause,
         readPng, sharedBrowser, shown, state, tmpFile, trace, view } from './lib.mjs';

const shared = sharedBrowser();

const script = (page, text) => page.evaluate((t) => window.smashbol.script(t), text);
const driverShot = (lines, window, language = 'cs') => {
  const shot = tmpFile('shot.png');
  trace(`load\n${lines}\nshot ${window} ${shot}\n`, language);
  return readPng(shot);
};

// The splash, a match under way, Ctrl+A on the splash and the help window are the conformance
// table's (tests/conformance): moments a player cannot reach on time, by the page's own script.
test('scripted moments look as the driver shows them', async () => {
  for (const [name, lines, window, canvas] of [
    ['the intro rally', 'click splash\ntick1 tick4 40', 'Form1', 'form1'],
    ['the result', 'click splash\nmenu easy\nkeydown 80\nset Label11.Caption "2"\ntick1', 'Form1', 'form1'],
    ['the about window', 'click splash\nmenu about', 'Form2', 'modal']]) {
    const opened = await shared.open();
    await script(opened.page, lines);
    assert.equal(await canvasDiffers(opened.page, canvas, driverShot(lines, window)), null, name);
    await done(opened);
  }
});

test('every trace fixture plays in the page to the driver\'s very states', async () => {
  const scripts = fs.readdirSync(fixtures).filter((f) => f.endsWith('.trace'));
  assert.ok(scripts.length >= 10);
  const opened = await shared.open();
  const read = (name) => fs.readFileSync(path.join(fixtures, name), 'utf8');
  for (const name of scripts) {
    // The page has loaded its game already: the script's own load stays a line (for the line
    // numbers of what it cannot read) that does nothing.
    const played = read(name).replace(/^load$/m, '# load');
    assert.match(played, /^# load$/m, name);
    await opened.page.reload();
    await opened.page.evaluate(() => window.smashbol.ready);
    assert.equal(await script(opened.page, played), read(name.replace(/\.trace$/, '.expected')), name);
  }
  await done(opened);
});

test('a click starts the intro, an arrow walks the player, P pauses', async () => {
  const opened = await shared.open();
  const { page } = opened;
  assert.equal(await shown(page, '#touch', (e) => e.hidden), true, 'no buttons without a touch screen');
  await clickSplash(page);
  await pause(300);
  let s = await state(page);
  assert.equal((await view(page)).menuBarShown, 1, 'the menu bar shows');
  assert.deepEqual([s.Timer1, s.Timer4], [true, true], 'the intro rally runs');
  await ctrl(page, 'KeyA');  // the match it sets up: the Ctrl+A test below
  const start = (await state(page)).man.Left;
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
  // A key held while the page loses the focus is let go, and the running match pauses; a
  // hidden tab pauses it too.
  await page.keyboard.down('ArrowLeft');
  await page.evaluate(() => window.dispatchEvent(new Event('blur')));
  s = await state(page);
  assert.deepEqual([s.manKeyDir, s.Timer1, s.Timer2], ['', false, false]);
  await page.keyboard.up('ArrowLeft');
  await page.keyboard.press('KeyP');
  assert.equal((await state(page)).Timer1, true);
  const other = await shared.browser.newPage();
  await other.bringToFront();
  await pause(100);
  assert.deepEqual([(await state(page)).Timer1, await page.evaluate(() => document.hidden)], [false, true]);
  await other.close();
  await page.bringToFront();
  await done(opened);
});

test('the about and help windows: a title bar, Escape, the close button, a click; the focus comes back', async () => {
  const opened = await shared.open();
  const { page } = opened;
  await clickSplash(page);
  for (const [item, window, close] of [['hra', 2, 'Escape'], ['about', 1, 'button'], ['hra', 2, 'click']]) {
    await page.click('#menubar [data-name="info"]');
    await page.click(`#menubar [data-name="${item}"]`);
    const opened = await view(page);
    assert.equal(opened.modalWindow, window);
    assert.equal(await shown(page, '#dialog-title'), opened.modalTitle);
    assert.match(opened.modalTitle, /^SMASHBOL 2002 - /);
    assert.equal(await shown(page, 'body', () => document.activeElement.id), 'dialog', 'the window has the focus');
    const ball = (await state(page)).ball.Top;
    await page.keyboard.press('ArrowRight');  // taken by the window, not the game
    await ballLeaves(page, ball, 'the rally goes on behind it');
    if (close === 'Escape') await page.keyboard.press('Escape');
    else if (close === 'button') await page.click('#dialog-close');
    else await page.click('#modal');
    assert.equal((await view(page)).modalWindow, -1, `closed by ${close}`);
    assert.equal(await shown(page, '#dialog-layer', (e) => e.hidden), true);
    assert.equal(await shown(page, 'body', () => document.activeElement.id), 'form1', 'the focus is back');
  }
  // The shortcuts reach the game with the menu bar showing, and the walk's access keys choose.
  await ctrl(page, 'KeyB');
  assert.equal((await state(page)).ballStepY, 150);
  await page.keyboard.press('F10');
  assert.equal(await shown(page, '#menubar .top.active', (e) => e.dataset.name), 'menu', 'F10 marks the first menu');
  await page.keyboard.press('Enter');
  await page.keyboard.press('KeyO');
  await page.keyboard.press('KeyV');
  assert.equal((await state(page)).ballStepY, 200);
  await done(opened);
});

// Ctrl+A on the splash is the conformance table's.
test('Ctrl+A at any moment of the intro or of a point\'s pause never breaks the page', async () => {
  // In the intro, by the time since the click; in a match, by the time since its pause began.
  for (const [during, after] of [['intro', 0], ['intro', 150], ['intro', 900], ['intro', 2500],
                                 ['pause', 0], ['pause', 350], ['pause', 690], ['pause', 720]]) {
    const { page, trouble } = await shared.open();
    await clickSplash(page);
    if (during === 'pause') {
      await ctrl(page, 'KeyC');
      await page.keyboard.press('KeyP');
      await held(page);
    }
    await pause(after);
    await ctrl(page, 'KeyA');
    await pause(800);
    const s = await state(page);
    assert.deepEqual([s.ballStepY, s.Timer1, s.Timer4], [80, false, false], `Ctrl+A ${after} ms into the ${during}`);
    await page.keyboard.press('KeyP');
    await ballLeaves(page, (await state(page)).ball.Top, 'the match plays');
    await done({ page, trouble });
  }
});

test('in real time (?classic-timing) a point\'s pause holds the game, keys pressed meanwhile follow it in order, and the match plays on', async () => {
  const opened = await shared.open('?classic-timing');
  const { page } = opened;
  assert.equal((await view(page)).classicTiming, 1);
  await clickSplash(page);
  await ctrl(page, 'KeyC');
  await page.keyboard.press('KeyP');
  await held(page);
  const result = await page.evaluate(async (wait) => {
    const before = await window.smashbol.state();
    for (const [type, key] of [['keydown', 'ArrowLeft'], ['keyup', 'ArrowLeft'], ['keydown', 'ArrowRight']])
      window.dispatchEvent(new KeyboardEvent(type, { key, code: key }));
    const during = await window.smashbol.state();
    await new Promise((resolve) => setTimeout(resolve, wait));
    return { before, during, after: await window.smashbol.state() };
  }, 800);
  assert.deepEqual(result.before.sleeps, [700]);
  assert.equal(result.during.manKeyDir, result.before.manKeyDir, 'no key reached the game during the pause');
  assert.deepEqual([result.after.manKeyDir, result.after.Timer1], ['right', true], 'the keys came after it, in order');
  await page.keyboard.up('ArrowRight');
  await done(opened);
});

test('the clips decode, and a point plays its clips in the rules\' order', async () => {
  const opened = await shared.open();
  const { page } = opened;
  // A point that wins the set; the clips' order within it is the engine's court test's too.
  await script(page, [
    'click splash', 'menu easy', 'set Label2.Caption "5"', 'set Label4.Caption "4"', 'keydown 80',
    'set ball.Top -1', 'set ballDirY "up"', 'rnd 0.3', 'tick1'].join('\n'));
  await pause(300);
  const clips = await page.evaluate(() => window.smashbol.clips());
  assert.equal(clips.length, 6, 'the intro, two menu cues, the point, the set, the stroke');
  for (const clip of clips) assert.ok(clip.seconds > 0.01, JSON.stringify(clip));
  // The page makes the clips from their recipes: the very bytes the desktop carries (the length
  // and FNV-1a of clips 6, 8, 7 and 2, as the clips test pins them), the point's in the rules'
  // order: point, set, the serve's stroke.
  assert.deepEqual([0, 3, 4, 5].map((i) => clips[i].fingerprint),
                   [`313116:${0xb0524fe5}`, `32136:${0x6b5b5cf5}`, `28076:${0x778cab7f}`, `2284:${0xfd7319b7}`]);
  await done(opened);
});

// A bad address parameter is said in one line, in the language shown, and the game starts anyway.
test('the address, the kept settings and the browser\'s languages', async () => {
  const rows = [
    { name: 'Czech first', languages: ['cs-CZ', 'en'], code: 'cs', top: 'Hra' },
    { name: 'English second', languages: ['de-DE', 'en-US'], code: 'en', top: 'Game' },
    { name: 'none spoken', languages: ['de-DE'], code: 'cs', top: 'Hra' },
    { name: 'kept', languages: ['en-US'], remembered: '[game]\nlanguage=cs\n', code: 'cs', top: 'Hra' },
    { name: 'a bad kept language forgotten', languages: ['en-US'], remembered: '[game]\nlanguage=xx\n', code: 'en', top: 'Game' },
    { name: 'a tag', query: '?lang=en-GB', remembered: '[game]\nlanguage=cs\n', code: 'en', top: 'Game' },
    { name: 'capitals', query: '?lang=CS', languages: ['en'], code: 'cs', top: 'Hra' },
    { name: 'all wrong', query: '?zoom=9&lang=xx&bogus=1&mute=yes', languages: ['en-GB'], code: 'en', top: 'Game',
      notice: /zoom=9 is not valid.*parameter bogus;.*mute=yes is not valid.*lang=xx is not valid/s },
    { name: 'a zoom cut', query: '?zoom=4', code: 'cs', top: 'Hra', notice: /^Zvětšení 4× .* 2×/ },
  ];
  for (const row of rows) {
    const opened = await shared.open(row.query, row);
    const { page } = opened;
    assert.equal(await shown(page, 'html', (e) => e.lang), row.code, row.name);
    await ctrl(page, 'KeyA');
    assert.equal(await shown(page, '#menubar .top', (e) => e.firstChild.textContent), row.top, row.name);
    assert.match(await shown(page, '#notices'), row.notice || /^$/, row.name);
    assert.equal((await view(page)).zoom, 2, 'no zoom beyond the viewport');
    // Dismissed, the notices are gone.
    while (await page.$('#notices button')) await page.click('#notices button:last-child');
    assert.equal(await shown(page, '#notices'), '');
    await done(opened);
  }
});

test('the settings menu by the keyboard: the zoom and the sound, kept; a bad kept text replaced', async () => {
  const opened = await shared.open('', { remembered: '\u0000garbage' });
  const { page } = opened;
  await clickSplash(page);
  await ctrl(page, 'F10', 'Shift');
  const box = await shown(page, '#settings', (e) => e.getBoundingClientRect().toJSON());
  assert.ok(box.right <= 1000 && box.bottom <= 800 && box.left >= 0 && box.top >= 0, JSON.stringify(box));
  // Zoom 1 (the first entry, its first choice), then the sound off.
  for (const key of ['Enter', 'Enter']) await page.keyboard.press(key);
  assert.equal((await view(page)).zoom, 1);
  await page.click('#form1', { button: 'right' });
  await nextFrame(page);
  await page.click('#settings [data-name="sound"]');
  const kept = await page.evaluate(() => localStorage.getItem('smashbol.settings'));
  assert.match(kept, /zoom=1/);
  assert.match(kept, /mute=true/);
  assert.equal(await shown(page, '#settings', (e) => e.hidden), true);
  await done(opened);
});

// A session recorded on the page, its link copied by the page's menu and made anew here, watched
// to its end on a new page: the driver's frame and state. What is no recording (a link that does
// not unpack, one that unpacks to no recording, a file dropped) is refused in a notice, and the
// game runs on; a file picked is the hostile table's (tests/robustness).
test('a recording watched from its link; a broken link or file refused', async () => {
  const context = shared.browser.defaultBrowserContext();
  await context.overridePermissions(new URL(shared.server.url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const recorded = await shared.open('?record&mute');
  await clickSplash(recorded.page);
  await pause(400);
  await ctrl(recorded.page, 'KeyA');
  await recorded.page.keyboard.down('ArrowRight');
  await pause(600);
  await recorded.page.keyboard.up('ArrowRight');
  await pause(900);
  await state(recorded.page);
  for (const item of ['recording', 'replay-link']) await recorded.page.click(`#menubar [data-name="${item}"]`);
  await recorded.page.waitForFunction(() => /ve schránce/.test(document.getElementById('notices').textContent));
  const copied = await recorded.page.evaluate(() => navigator.clipboard.readText());
  const text = await recorded.page.evaluate(() => window.smashbol.recording());
  const packed = (t) => zlib.deflateRawSync(Buffer.from(t)).toString('base64url');
  assert.equal(zlib.inflateRawSync(Buffer.from(copied.split('#replay=')[1], 'base64url')).toString(), text);
  assert.ok(copied.startsWith(`${shared.server.url}?record&mute#replay=`), copied.slice(0, 80));
  await done(recorded);

  const shot = tmpFile('shot.png');
  const driver = trace(`${text}shot Form1 ${shot}\n`).trim().split('\n').pop();
  const rows = [
    { name: 'a link that does not unpack', hash: '#replay=@@no-base64', notice: /^Odkaz nenese nahrávku/ },
    { name: 'a link of no recording', hash: `#replay=${packed('hello\n')}`, notice: /^Nahrávku hra nepřehraje: #replay: line 1: / },
    { name: 'a file dropped', drop: 'load\ntick1 60000000\n', notice: /^Nahrávku hra nepřehraje: dropped\.trace: line 2: a count of 60000000 is more ticks/ },
  ];
  const opened = await shared.open();
  const { page } = opened;
  await clickSplash(page);
  for (const row of rows) {
    if (row.hash) await page.evaluate((hash) => { location.hash = hash; }, row.hash);
    else {
      await page.evaluate((text) => {
        const dataTransfer = new DataTransfer();
        dataTransfer.items.add(new File([text], 'dropped.trace'));
        document.getElementById('form1').dispatchEvent(new DragEvent('drop', { dataTransfer, bubbles: true }));
      }, row.drop);
    }
    await page.waitForFunction(() => document.getElementById('notices').textContent);
    assert.match(await shown(page, '#notices'), row.notice, row.name);
    await page.click('#notices button:last-child');
    await ballLeaves(page, (await state(page)).ball.Top, `${row.name}: the intro plays on`);
    assert.deepEqual([(await view(page)).watching, await shown(page, 'title')], [0, 'SMASHBOL 2002'], row.name);
  }
  // The link opened on a page that is running: a new game watches it, at the pace it was played.
  await page.evaluate((hash) => { location.hash = hash; }, `#replay=${packed(text)}`);
  await page.waitForFunction(() => document.title === 'SMASHBOL 2002 - Záznam - dohráno', { timeout: 20000 });
  assert.equal(await canvasDiffers(page, 'form1', readPng(shot)), null, 'the last frame');
  assert.equal((await page.evaluate(() => window.smashbol.replayState())).trim(), driver, 'the state printed');
  await done(opened);
});
