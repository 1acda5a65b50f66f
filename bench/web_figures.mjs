// Figures of the browser's game, printed, not judged: the site's files and their gzip -9 sizes,
// load to first frame (median of 5), the timers' rates over 10 s of the intro rally with today's
// timing and with 2002's, and the page's CPU meanwhile, in headless chromium on a local server.
//   SMASHBOL_NODE_MODULES=build/tests/web/npm/node_modules SMASHBOL_SITE=build-web/site \
//   node bench/web_figures.mjs
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import { clickSplash, launch, open, pause, serve, site } from '../tests/web/lib.mjs';

let total = 0, totalGzip = 0, whole = 0, wholeGzip = 0;
for (const name of fs.readdirSync(site).sort()) {
  const bytes = fs.readFileSync(path.join(site, name));
  const gzip = zlib.gzipSync(bytes, { level: 9 }).length;
  console.log(`${name.padEnd(22)} ${String(bytes.length).padStart(9)} B  gzip -9 ${String(gzip).padStart(8)} B`);
  whole += bytes.length;
  wholeGzip += gzip;
  if (/^(index\.html|smashbol\.js|smashbol\.wasm)$/.test(name)) {
    total += bytes.length;
    totalGzip += gzip;
  }
}
console.log(`page, script and module: ${total} B, gzip -9 ${totalGzip} B`);
console.log(`the whole site (service worker, manifest, style and icons with them): ${whole} B, gzip -9 ${wholeGzip} B`);

const server = await serve();
const browser = await launch();
const loads = [];
for (let i = 0; i < 5; ++i) {
  const { page } = await open(browser, server.url);
  loads.push(await page.evaluate(() => window.smashbol.ready));
  await page.close();
}
loads.sort((a, b) => a - b);
console.log(`load to first frame: median ${loads[2].toFixed(0)} ms (${loads.map((t) => t.toFixed(0)).join(', ')})`);

for (const query of ['', '?classic-timing']) {
  const { page } = await open(browser, server.url, query);
  await clickSplash(page);
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const busy = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  await page.evaluate(() => window.smashbol.tickCounts());
  const startBusy = await busy();
  const started = Date.now();
  await pause(10000);
  const counts = await page.evaluate(() => window.smashbol.tickCounts());
  const seconds = (Date.now() - started) / 1000;
  const cpu = (await busy()) - startBusy;
  console.log(`intro rally${query && ', ' + query.slice(1)} over ${seconds.toFixed(2)} s: Timer1 ${(counts.Timer1 / seconds).toFixed(1)}/s, ` +
              `Timer4 ${(counts.Timer4 / seconds).toFixed(1)}/s; page's main thread busy ${(100 * cpu / seconds).toFixed(1)} %`);
  await page.close();
}
await browser.close();
server.close();
