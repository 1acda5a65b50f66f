// Figures of the browser's game, printed, not judged: the site's files and their gzip -9 and
// brotli sizes, what a first and a second visit download from a host that sends validators, load
// to first frame (median of 5), the page's main thread over 10 s of the intro rally at zoom 1 and
// 2 and with 2002's timing beside this browser's own floor, and the module's memory over minutes
// of intro and play, in headless chromium on a local server.
//   SMASHBOL_NODE_MODULES=build/tests/web/npm/node_modules SMASHBOL_SITE=build-web/site \
//   node bench/web_figures.mjs
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

import { clickSplash, ctrl, launch, open, pause, serve, site } from '../tests/web/lib.mjs';

const start = { bytes: 0, gzip: 0, brotli: 0 }, whole = { bytes: 0, gzip: 0, brotli: 0 };
for (const name of fs.readdirSync(site).sort()) {
  const bytes = fs.readFileSync(path.join(site, name));
  const sizes = {
    bytes: bytes.length,
    gzip: zlib.gzipSync(bytes, { level: 9 }).length,
    brotli: zlib.brotliCompressSync(bytes, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }).length,
  };
  console.log(`${name.padEnd(22)} ${String(sizes.bytes).padStart(9)} B  gzip -9 ${String(sizes.gzip).padStart(8)} B  brotli ${String(sizes.brotli).padStart(8)} B`);
  // What the page needs to start: the page, its style, its scripts and the module.
  const counts = [whole, ...(/\.(html|css|js|wasm)$/.test(name) && name !== 'sw.js' ? [start] : [])];
  for (const sum of counts) for (const key in sum) sum[key] += sizes[key];
}
console.log(`the page's files (page, style, scripts, module): ${start.bytes} B, gzip -9 ${start.gzip} B, brotli ${start.brotli} B`);
console.log(`the whole site (service worker, manifest and icons with them): ${whole.bytes} B, gzip -9 ${whole.gzip} B, brotli ${whole.brotli} B`);

// A host as the README asks for: no-cache with an ETag. Each answer is counted: 200 with its
// bytes, or 304.
const answers = [];
const host = http.createServer((request, response) => {
  let file = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
  file = path.normalize(file);
  let data;
  try {
    data = fs.readFileSync(path.join(site, file));
  } catch {
    response.writeHead(404);
    response.end();
    return;
  }
  const etag = '"' + crypto.createHash('sha1').update(data).digest('hex') + '"';
  const type = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                 '.css': 'text/css', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
  const headers = { 'Content-Type': type[path.extname(file)] || 'application/octet-stream',
                    'Cache-Control': 'no-cache', ETag: etag };
  if (request.headers['if-none-match'] === etag) {
    answers.push({ file, status: 304, bytes: 0 });
    response.writeHead(304, headers);
    response.end();
    return;
  }
  answers.push({ file, status: 200, bytes: data.length });
  response.writeHead(200, headers);
  response.end(data);
});
await new Promise((resolve) => host.listen(0, '127.0.0.1', resolve));
const hostUrl = `http://127.0.0.1:${host.address().port}/`;
const visitor = await launch();
for (const visit of ['first', 'second']) {
  answers.length = 0;
  const { page: tab } = await open(visitor, hostUrl);
  await tab.evaluate(() => navigator.serviceWorker.ready);
  await pause(1500);
  await tab.close();
  const twice = Object.entries(answers.reduce((n, a) => ((n[a.file] = (n[a.file] || 0) + (a.status === 200)), n), {}))
    .filter(([, n]) => n > 1).map(([file]) => file);
  const full = answers.filter((a) => a.status === 200);
  console.log(`${visit} visit: ${full.length} files downloaded (${full.reduce((n, a) => n + a.bytes, 0)} B), ` +
              `${answers.length - full.length} revalidated (304); downloaded twice: ${twice.join(', ') || 'none'}`);
}
await visitor.close();
host.close();

const server = await serve();
const browser = await launch();
const loads = [];
for (let i = 0; i < 5; ++i) {
  const { page } = await open(browser, server.url);
  loads.push(await page.evaluate(async () => { await window.smashbol.ready; return performance.now(); }));
  await page.close();
}
loads.sort((a, b) => a - b);
console.log(`load to first frame: median ${loads[2].toFixed(0)} ms (${loads.map((t) => t.toFixed(0)).join(', ')})`);

// The main thread's busy share over `seconds` of what a page is doing.
async function busyPercent(page, seconds) {
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const busy = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const startBusy = await busy(), started = Date.now();
  await pause(seconds * 1000);
  return { seconds: (Date.now() - started) / 1000, percent: 100 * ((await busy()) - startBusy) / ((Date.now() - started) / 1000) };
}

let canvasSize = [0, 0];  // the main window's canvas at zoom 1
for (const query of ['?zoom=1', '?zoom=2', '?zoom=1&classic-timing']) {
  const { page } = await open(browser, server.url, query);
  await clickSplash(page);
  await pause(1000);
  const { seconds, percent } = await busyPercent(page, 10);
  const zoom = (await page.evaluate(() => window.smashbol.view())).zoom;
  if (query === '?zoom=1') canvasSize = await page.$eval('#form1', (c) => [c.width, c.height]);
  console.log(`intro rally at zoom ${zoom}${query.includes('classic') ? ', classic-timing' : ''} over ${seconds.toFixed(2)} s: page's main thread busy ${percent.toFixed(1)} %`);
  await page.close();
}

// The floor of this browser: a bare page that asks for every animation frame, and one that also
// puts a 20x20 square at each on a canvas the size of the game's, as the game's page does at least.
const floorDir = fs.mkdtempSync(path.join(os.tmpdir(), 'smashbol-floor-'));
fs.writeFileSync(path.join(floorDir, 'index.html'), `<!doctype html><canvas id=c></canvas><script>
const put = location.search === '?put', [w, h] = [${canvasSize}];
const c = document.getElementById('c'); c.width = w; c.height = h;
const context = c.getContext('2d'), image = new ImageData(w, h);
let x = 0;
(function frame() {
  requestAnimationFrame(frame);
  if (!put) return;
  x = (x + 3) % (w - 20);
  image.data.fill(x & 255, (10 * w + x) * 4, (30 * w + x) * 4);
  context.putImageData(image, 0, 0, x, 10, 20, 20);
})();
</script>`);
const floorServer = await serve(floorDir);
for (const query of ['', '?put']) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 800 });
  await page.goto(floorServer.url + query);
  await pause(1000);
  const { seconds, percent } = await busyPercent(page, 10);
  console.log(`floor, a bare page ${query ? 'putting a 20x20 square each frame' : 'asking for every frame'} over ${seconds.toFixed(2)} s: main thread busy ${percent.toFixed(1)} %`);
  await page.close();
}
floorServer.close();

// The module's memory and the script's heap over the intro and then a match at the easy level
// (MEMORY_MINUTES, 2 by default; 30 for the long look): a WebAssembly memory only grows, so a
// leak shows as a growth after the first minute.
const minutes = Number(process.env.MEMORY_MINUTES || 2);
{
  const { page } = await open(browser, server.url);
  await clickSplash(page);
  const memory = () => page.evaluate(() => ({ wasm: window.smashbol.memoryBytes(), heap: performance.memory ? performance.memory.usedJSHeapSize : 0 }));
  const seen = [['intro, 0 min', await memory()]];
  for (let minute = 1; minute <= minutes; ++minute) {
    if (minute === Math.ceil(minutes / 2) + 1) {
      await ctrl(page, 'a');
      await page.keyboard.press('p');
    }
    await pause(60000);
    seen.push([`${minute <= Math.ceil(minutes / 2) ? 'intro' : 'play'}, ${minute} min`, await memory()]);
  }
  console.log(`WebAssembly memory and script heap: ${seen.map(([at, m]) => `${at} ${m.wasm} B / ${m.heap} B`).join('; ')}`);
  await page.close();
}
await browser.close();
server.close();
