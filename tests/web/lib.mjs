// What the page's tests share: the site on a small server of their own on 127.0.0.1, Debian's
// chromium (or firefox-esr) driven by puppeteer-core, the headless driver's shots read back, and a
// watch on the console and on every request the page makes.
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';

const require = createRequire(path.resolve(process.env.SMASHBOL_NODE_MODULES, 'x.js'));
const puppeteer = require('puppeteer-core');
export const { KnownDevices } = puppeteer;  // the phones and tablets a page can emulate

export const site = process.env.SMASHBOL_SITE;
export const traceDriver = process.env.SMASHBOL_TRACE;
export const fixtures = process.env.SMASHBOL_FIXTURES;

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.css': 'text/css',
};

export async function serve(root = site) {
  const server = http.createServer((request, response) => {
    let file = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (file.endsWith('/')) file += 'index.html';
    fs.readFile(path.join(root, path.normalize(file)), (error, data) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      response.end(data);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

export async function launch(engine = 'chromium') {
  if (engine === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
                              extraPrefsFirefox: { 'media.autoplay.default': 0 } });
  }
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'smashbol-chromium-')),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--autoplay-policy=no-user-gesture-required', '--window-size=1000,800'],
  });
}

// A page on the game, with what went wrong on it collected: console errors and warnings, page
// errors, and requests to anywhere but the page's own origin. On a desktop's screen, or on an
// emulated `device`. The browser asks for Czech unless told other `languages`; `remembered` is
// the text of the page's stored settings (none by default).
export async function open(browser, origin, query = '',
                           { device = null, languages = ['cs-CZ', 'cs'], remembered } = {}) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument((wanted, stored) => {
    Object.defineProperty(navigator, 'languages', { get: () => wanted });
    if (stored) localStorage.setItem('smashbol.settings', stored);
    else localStorage.removeItem('smashbol.settings');
  }, languages, remembered || '');
  if (device) await page.emulate(device);
  else await page.setViewport({ width: 1000, height: 800 });
  const trouble = [];
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'warning') trouble.push(`console ${m.type()}: ${m.text()}`);
  });
  page.on('pageerror', (e) => trouble.push(`page error: ${e.message}`));
  page.on('request', (r) => {
    if (!r.url().startsWith(origin) && !r.url().startsWith('data:')) trouble.push(`request outside: ${r.url()}`);
  });
  await page.goto(origin + query);
  await page.waitForFunction(() => window.smashbol && window.smashbol.view());
  await page.evaluate(() => window.smashbol.ready);
  return { page, trouble };
}

// The page's view of the game, and a frame drawn after everything asked so far.
export const view = (page) => page.evaluate(() => window.smashbol.view());
export const nextFrame = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
// What an element of the page shows (its text unless `read` says other) once the next frame has
// drawn what was done so far: the page draws its menus, windows and title anew at a frame, not
// at the key or the click.
export async function shown(page, selector, read = (e) => e.textContent) {
  await nextFrame(page);
  return page.$eval(selector, read);
}
// Until the game holds its clock (a point's pause).
export const held = (page) => page.waitForFunction(() => window.smashbol.view().held, { polling: 'raf', timeout: 20000 });

// The page closed, with nothing gone wrong on it.
export async function done({ page, trouble }) {
  await page.close();
  if (trouble.length) throw new Error(`console errors or requests outside the page: ${trouble.join('; ')}`);
}
// The game's state once it holds nothing (a point's pause hands the input that came meanwhile
// over at its end).
export async function state(page) {
  await page.waitForFunction(() => !window.smashbol.view().held, { polling: 20 });
  return page.evaluate(() => window.smashbol.state());
}

// The game's state once `wanted` holds of it, looked at every 20 ms for up to 5 s: a busy machine
// can hold the page's frames and the browser's events back far longer than a tick.
export async function stateUntil(page, wanted, message) {
  for (const deadline = Date.now() + 5000; ; await pause(20)) {
    const s = await state(page);
    if (wanted(s)) return s;
    if (Date.now() > deadline) throw new Error(`${message} (still not so after 5 s)`);
  }
}
// The ball gone from `top`: the game runs on.
export const ballLeaves = (page, top, message) => stateUntil(page, (s) => s.ball.Top !== top, message);

// A test file's server and browser, started before its tests and ended after them; `open` opens
// a page of the site on them.
export function sharedBrowser(engine) {
  const shared = { open: (query, options) => open(shared.browser, shared.server.url, query, options) };
  before(async () => {
    shared.server = await serve();
    shared.browser = await launch(engine);
  });
  after(async () => {
    await shared.browser.close();
    shared.server.close();
  });
  return shared;
}

// The middle of an element on the screen; a click in the main window's starts the intro.
export async function middle(page, selector) {
  const box = await (await page.$(selector)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
}
export const clickSplash = async (page) => page.mouse.click(...await middle(page, '#form1'));

// A key with Ctrl (or another modifier) held, as a player presses them.
export const ctrl = async (page, key, modifier = 'Control') => {
  for (const [act, k] of [['down', modifier], ['press', key], ['up', modifier]]) await page.keyboard[act](k);
};

// The headless driver on a script; its shots are written where asked, in Czech unless told.
export function trace(script, language = 'cs') {
  return execFileSync(traceDriver, { input: script, encoding: 'utf8',
                                     env: { ...process.env, LANGUAGE: language } });
}

// A PNG's size and its pixels as RGBA bytes, read by ImageMagick as the end-to-end tests read
// their shots.
export function readPng(file) {
  const [width, height] = execFileSync('identify', ['-format', '%w %h', file], { encoding: 'utf8' }).split(' ').map(Number);
  const rgba = new Uint8Array(execFileSync('convert', [file, '-depth', '8', 'rgba:-'], { maxBuffer: 1 << 26 }));
  return { width, height, rgba };
}

// Where a canvas of the page differs, once the next frame is drawn, from a picture: null where
// it shows the very same pixels.
export async function canvasDiffers(page, id, want) {
  await nextFrame(page);
  const got = await page.evaluate((id) => {
    const canvas = document.getElementById(id);
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, rgba: Array.from(data) };
  }, id);
  if (got.width !== want.width || got.height !== want.height)
    return `size ${got.width}x${got.height}, want ${want.width}x${want.height}`;
  const first = want.rgba.findIndex((sample, i) => got.rgba[i] !== sample) >> 2;
  return first < 0 ? null : `pixels differ, the first at (${first % want.width}, ${Math.floor(first / want.width)})`;
}

export const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export function tmpFile(name) {
  return path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'smashbol-web-')), name);
}
