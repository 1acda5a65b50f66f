// The table of hostile recordings (hostile_recordings.txt) given to the browser page, each file
// by its picker: within 10 s a refused one is said in a notice with the table's one line, and the
// game the page had plays on; one that plays is watched to its end, eight times as fast, and
// prints the driver's state for the same file.
//   node --test tests/robustness/hostile_recordings_page.mjs   (with the web tests' environment)
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { ballLeaves, clickSplash, done, sharedBrowser, shown, state, tmpFile, traceDriver, view } from '../web/lib.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.join(here, '..', '..');
const shared = sharedBrowser();
const notice = async (page) => (await shown(page, '#notices')).replace(/×$/, '');

const rows = fs.readFileSync(path.join(here, 'hostile_recordings.txt'), 'utf8').split('\n')
  .filter((row) => row && !row.startsWith('#'))
  .map((row) => {
    const [name, ...rest] = row.split(' | '), want = rest.pop();
    return { name, make: rest.join(' | '), want };
  });

test('the table has its rows', () => assert.ok(rows.length >= 10, `${rows.length} rows`));

for (const row of rows) {
  test(row.name, async () => {
    const file = tmpFile('hostile.trace');
    fs.writeFileSync(file, execFileSync('bash', ['-c', row.make], { cwd: root, maxBuffer: 1 << 30 }));
    const [, verdict, said = ''] = /^(refused|plays)(?: (.*))?$/.exec(row.want);
    const opened = await shared.open('?mute');
    const { page } = opened;
    await clickSplash(page);
    const started = Date.now();
    let decided = 0;
    await (await page.$('#replay-file')).uploadFile(file);
    if (verdict === 'refused') {
      await page.waitForFunction(() => document.getElementById('notices').textContent, { timeout: 10000 });
      assert.ok((await notice(page)).startsWith(`Nahrávku hra nepřehraje: hostile.trace: ${said}`), await notice(page));
      assert.equal((await view(page)).watching, 0, 'no watching');
      decided = Date.now() - started;
      await ballLeaves(page, (await state(page)).ball.Top, 'the intro plays on');
    } else {
      await page.waitForFunction(() => window.smashbol.view().watching, { timeout: 10000 });
      decided = Date.now() - started;
      assert.equal(await notice(page), said && `Nahrávka se přehraje jen zčásti: hostile.trace: ${said}`);
      for (let faster = 0; faster < 3; ++faster) await page.keyboard.press('ArrowRight');
      await page.waitForFunction(() => document.title.includes(' - dohráno'), { timeout: 60000 });
      const driver = spawnSync(traceDriver, ['--replay', file], { encoding: 'utf8' });
      assert.equal(await page.evaluate(() => window.smashbol.replayState()), driver.stdout, 'the driver\'s state');
    }
    console.log(`${row.name}: ${row.want} (decided in ${decided} ms)`);
    await done(opened);
  });
}
