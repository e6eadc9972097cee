// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the browser's Abacolo in Debian's chromium, headless, waits for the start menu to be drawn and
// photographs it; prints the time from navigation to the drawn start menu. What the page writes to its
// console goes to the log beside the photograph.
//   node startmenu.mjs --url URL --photo FILE [--width 1280] [--height 800] [--timeout-ms 120000]
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {parseArgs} from 'node:util';
import puppeteer from 'puppeteer-core';

const START_MENU_TITLE = 'Metto in colonna e calcolo entro il 9.999';

const {values: options} = parseArgs({
  options: {
    url: {type: 'string'},
    photo: {type: 'string'},
    width: {type: 'string', default: '1280'},
    height: {type: 'string', default: '800'},
    'timeout-ms': {type: 'string', default: '120000'},
    chromium: {type: 'string', default: '/usr/lib/chromium/chromium'},
  },
});
if (!options.url || !options.photo) {
  console.error('usage: node startmenu.mjs --url URL --photo FILE [--width W] [--height H]');
  process.exit(2);
}

// A fresh profile each time: nothing cached from an earlier run.
const profile = mkdtempSync(join(tmpdir(), 'abacolo-chromium-'));
const browser = await puppeteer.launch({
  executablePath: options.chromium,
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--no-first-run'],
});
const consoleLines = [];
let status = 0;
try {
  const page = await browser.newPage();
  page.on('console', message => consoleLines.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', error => consoleLines.push(`page error: ${error.message}`));
  await page.setViewport({width: Number(options.width), height: Number(options.height)});
  await page.goto(options.url, {waitUntil: 'load'});
  // The start menu is shown when a window of Qt's screen (in a shadow tree of the page) carries its
  // title and shows its canvas; it is drawn by two frames later.
  await page.waitForFunction(
    title => [...document.querySelectorAll('*')].filter(host => host.shadowRoot).some(
      host => [...host.shadowRoot.querySelectorAll('.qt-window')].some(
        window => window.querySelector('.window-name')?.textContent === title &&
                  window.querySelector('canvas')?.getClientRects().length > 0)),
    {timeout: Number(options['timeout-ms']), polling: 20}, START_MENU_TITLE);
  const drawnMs = await page.evaluate(
    () => new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now())))));
  await page.screenshot({path: options.photo});
  console.log(`start menu drawn ${(drawnMs / 1000).toFixed(2)} s after navigation: ${options.photo}`);
} catch (error) {
  console.error(`the start menu did not appear: ${error.message}`);
  status = 1;
  const [page] = (await browser.pages()).slice(-1);
  if (page)
    await page.screenshot({path: options.photo}).catch(() => {});
} finally {
  writeFileSync(options.photo.replace(/\.png$/, '') + '.log', consoleLines.join('\n') + '\n');
  await browser.close();
  rmSync(profile, {recursive: true, force: true});
}
process.exit(status);
