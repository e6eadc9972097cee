// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the browser's Abacolo with axe-core (pinned by package-lock.json) in Debian's chromium,
// headless, served by server.mjs: the start menu, and the addition after "+" with its focus in a box,
// each with no critical or serious violation; then, zoomed to 200 % (the page at half the width and
// height, each CSS pixel two of the display's), the start menu whole inside the page and "+" still
// opening the addition. Writes OUT/axe.json and the zoomed photograph; exits with 1 on a failure.
//   node axe.mjs --dist DIR --where FILE --out DIR
import {createRequire} from 'node:module';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {parseArgs} from 'node:util';
import puppeteer from 'puppeteer-core';
import {namesOf} from './names.mjs';
import {serve} from './server.mjs';
import {windowShown} from './walk.mjs';

const {values: options} = parseArgs({
  options: {dist: {type: 'string'}, where: {type: 'string'}, out: {type: 'string'}},
});
if (!options.dist || !options.where || !options.out) {
  console.error('usage: node axe.mjs --dist DIR --where FILE --out DIR');
  process.exit(2);
}
const TIMEOUT = 60000;
const SIZE = {width: 1280, height: 800};
const BLOCKING = ['critical', 'serious'];
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
// FILE: abacolo_screenshots --where 1280x800 (the places, the titles).
const {places, titles} = namesOf(readFileSync(options.where, 'utf8'));
const failures = [];
const report = {};

async function audit(page, name) {
  await page.evaluate(axeSource);
  const result = await page.evaluate(() => globalThis.axe.run(document, {resultTypes: ['violations']}));
  const violations = result.violations.map(({id, impact, nodes}) => ({id, impact, nodes: nodes.length}));
  report[name] = violations;
  console.log(`   ${name}: ${violations.length ? violations.map(v => `${v.id} (${v.impact}, ${v.nodes})`).join(', ') : 'no violation'}`);
  for (const violation of violations.filter(v => BLOCKING.includes(v.impact)))
    failures.push(`${name}: ${violation.id} (${violation.impact}) on ${violation.nodes} element(s)`);
}

const plus = places.get('frminizio cmdadd');
if (!plus)
  failures.push('the screen renderer gave no place for the start menu\'s "+"');
const server = await serve(options.dist);
const profile = mkdtempSync(join(tmpdir(), 'abacolo-axe-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/lib/chromium/chromium', headless: true, userDataDir: profile, defaultViewport: SIZE,
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--no-first-run'],
});
try {
  const page = await browser.newPage();
  const url = `http://127.0.0.1:${server.port}/`;
  await page.goto(url, {waitUntil: 'domcontentloaded'});
  await windowShown(page, titles.get('frminizio'), TIMEOUT);
  await audit(page, 'start menu');
  if (plus) {
    await page.mouse.click(plus.x, plus.y);
    await windowShown(page, titles.get('frmaddizioni'), TIMEOUT);
    await audit(page, 'addition');
  }
  // 200 %: the browser's zoom halves the page's CSS size and doubles its pixels.
  await page.setViewport({width: SIZE.width / 2, height: SIZE.height / 2, deviceScaleFactor: 2});
  await page.goto(url, {waitUntil: 'domcontentloaded'});
  await windowShown(page, titles.get('frminizio'), TIMEOUT);
  const fits = await page.evaluate(() => [...document.querySelectorAll('*')].filter(host => host.shadowRoot)
    .flatMap(host => [...host.shadowRoot.querySelectorAll('.qt-window canvas')])
    .filter(canvas => canvas.getClientRects().length > 0)
    .map(canvas => canvas.getBoundingClientRect())
    .every(box => box.left >= 0 && box.top >= 0 && box.right <= innerWidth + 0.5 && box.bottom <= innerHeight + 0.5));
  await page.screenshot({path: join(options.out, 'zoom-200-start-menu.png')});
  report.zoomed = {whole: fits};
  if (!fits)
    failures.push('zoomed to 200 %, the start menu does not fit the page');
  if (plus) {
    await page.mouse.click(plus.x / 2, plus.y / 2);
    await windowShown(page, titles.get('frmaddizioni'), TIMEOUT)
      .then(() => console.log('   zoomed to 200 %: the start menu whole, "+" opens the addition'))
      .catch(() => failures.push('zoomed to 200 %, "+" did not open the addition'));
  }
} catch (error) {
  failures.push(error.message.split('\n')[0]);
} finally {
  await browser.close().catch(() => {});
  rmSync(profile, {recursive: true, force: true});
  await server.close();
}
report.failures = failures;
writeFileSync(join(options.out, 'axe.json'), JSON.stringify(report, null, 2) + '\n');
for (const failure of failures)
  console.log(`   FAILED: ${failure}`);
process.exit(failures.length ? 1 : 0);
