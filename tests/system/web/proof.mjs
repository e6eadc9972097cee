// SPDX-License-Identifier: GPL-3.0-or-later
// Proves the browser's Abacolo in one of Debian's browsers, headless, driven by puppeteer-core
// (chromium through its DevTools protocol, firefox-esr through WebDriver BiDi):
//   served     build-web/dist/ from server.mjs on 127.0.0.1 with a fresh profile: the start menu
//              appears; the bytes the page received and the bytes the server sent on this first visit
//              are counted;
//   offline    once the service worker keeps the files, the server is stopped (and the browser put
//              offline where it can be) and the page reloaded: the start menu appears again, from the
//              service worker;
//   update     back online, the site as a new version would be (its service worker's set named anew):
//              a reload installs the new set and removes the old one;
//   walks      a pupil's walk with a finger (walk.mjs) on the served page at each size, and once with
//              the page resized half-way, then on the single file opened from file:// at each size;
//   teacher    the teacher's page tapped with a finger, served and beside the single file: every link
//              opens the start menu titled with its choice (the title as the program gives it: TOOL
//              --title QUERY), served, offline and from file://; an address the program does not know
//              shows one line and the links in the program's place.
// Each step photographs the screen into OUT (BROWSER-STEP.png, the walks BROWSER-PAGE-SIZE-NN-STEP.png)
// and writes the page's console beside it; the figures go to OUT/BROWSER.json. A first visit that sends
// more than the limit fails, and so does any check of a walk.
//   node proof.mjs --browser chromium|firefox --dist DIR --single FILE --teacher-file FILE --out DIR
//                  --where TOOL [--sizes 1280x800,1920x1080,1080x1920]
//                  [--resize 1280x800:1080x1920] [--first-visit-limit BYTES] [--timeout-ms 120000]
// TOOL is the screen renderer (abacolo_screenshots), which says where the controls lie at each size.
import {execFileSync} from 'node:child_process';
import {copyFileSync, cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {basename, join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {parseArgs} from 'node:util';
import puppeteer from 'puppeteer-core';
import {serve} from './server.mjs';
import {namesAt} from './names.mjs';
import {listenToPage, touchWalk, viewportOf, windowShown} from './walk.mjs';

const BROWSERS = {
  chromium: {
    executablePath: '/usr/lib/chromium/chromium',
    // Chromium draws WebGL headless only with SwiftShader.
    args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run'],
  },
  firefox: {browser: 'firefox', protocol: 'webDriverBiDi', executablePath: '/usr/bin/firefox-esr'},
};

const {values: options} = parseArgs({
  options: {
    browser: {type: 'string', default: 'chromium'},
    dist: {type: 'string'},
    single: {type: 'string'},
    'teacher-file': {type: 'string'},
    out: {type: 'string'},
    where: {type: 'string'},
    sizes: {type: 'string', default: '1280x800,1920x1080,1080x1920'},
    resize: {type: 'string', default: '1280x800:1080x1920'},
    'timeout-ms': {type: 'string', default: '120000'},
    'first-visit-limit': {type: 'string', default: '6000000'},
  },
});
const settings = BROWSERS[options.browser];
if (!settings || !options.dist || !options.single || !options['teacher-file'] || !options.out || !options.where) {
  console.error('usage: node proof.mjs --browser chromium|firefox --dist DIR --single FILE --teacher-file FILE --out DIR --where TOOL');
  process.exit(2);
}
const timeout = Number(options['timeout-ms']);
mkdirSync(options.out, {recursive: true});
const name = options.browser;
const sizes = options.sizes.split(',');
const START_MENU_TITLE = namesAt(options.where, sizes[0]).titles.get('frminizio');
const resize = options.resize ? options.resize.split(':') : null;

// The time since navigation once two more frames are drawn.
const drawnAfter = page => page.evaluate(
  () => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now())))));

// The start menu's title at the teacher's choice of an address's query, as the program gives it.
const titleAt = query => execFileSync(options.where, ['--title', query], {encoding: 'utf8'}).trim();

// Opens URL (or reloads) in PAGE until the start menu is drawn, photographs it; returns seconds.
async function startMenu(page, step, open, title = START_MENU_TITLE) {
  const lines = [];
  page.on('console', message => lines.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', error => lines.push(`page error: ${error.message}`));
  const photo = join(options.out, `${name}-${step}.png`);
  try {
    await open();
    await windowShown(page, title, timeout);
    const seconds = (await drawnAfter(page)) / 1000;
    await page.screenshot({path: photo});
    return seconds;
  } catch (error) {
    await page.screenshot({path: photo}).catch(() => {});
    throw new Error(`${step}: the start menu did not appear (${error.message.split('\n')[0]})`);
  } finally {
    writeFileSync(join(options.out, `${name}-${step}.log`), lines.join('\n') + '\n');
  }
}

const profile = mkdtempSync(join(tmpdir(), `abacolo-${name}-`));
const browser = await puppeteer.launch({
  ...settings, headless: true, userDataDir: profile,
  defaultViewport: viewportOf(sizes[0]),
});
let server = await serve(options.dist);
const temporary = [profile];
const url = `http://127.0.0.1:${server.port}/`;
const figures = {browser: `${name} ${await browser.version()}`};
const failures = [];
let page;
// What the server sent so far: the first visit's bytes.
const countSent = () => {
  figures.serverSentBytes = server.sent.reduce((sum, record) => sum + record.bytes, 0);
  figures.firstVisit = server.sent.map(({path, status, encoding, bytes}) => `${status} ${path} ${encoding || '-'} ${bytes}`);
};
try {
  // --- Served, first visit ---------------------------------------------------------------------
  page = await browser.newPage();
  let received = null;
  if (name === 'chromium') {
    // What reached the page over the network, compressed as it came (the service worker's own
    // fetches are counted by the server).
    received = 0;
    const session = await page.createCDPSession();
    await session.send('Network.enable');
    session.on('Network.loadingFinished', event => { received += event.encodedDataLength; });
  }
  // The type and encoding each file came with.
  const served = {};
  page.on('response', response => {
    if (!response.url().startsWith('http'))
      return;
    const headers = response.headers();
    served[new URL(response.url()).pathname] = `${headers['content-type']} ${headers['content-encoding'] ?? '-'}`;
  });
  figures.servedSeconds = await startMenu(page, 'served', () => page.goto(url, {waitUntil: 'load'}));
  figures.served = served;
  for (const [path, type] of [['/abacolo.wasm', 'application/wasm br'], ['/abacolo.js', 'text/javascript; charset=utf-8 br']]) {
    if (served[path] !== type)
      failures.push(`served: ${path} came as "${served[path]}", not "${type}"`);
  }
  // The service worker has kept the files once it controls the page.
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise(done => navigator.serviceWorker.addEventListener('controllerchange', done, {once: true}));
  });
  // The first visit ends here: what the proof asks for itself below is not counted.
  figures.pageReceivedBytes = received;
  countSent();
  // The page's links to the licences lead somewhere (the source archive is put beside the page by
  // whoever publishes it) and the manifest is what a home screen reads.
  const links = await page.evaluate(async () => Promise.all(
    [...document.querySelectorAll('#about a')].filter(link => !link.href.endsWith('.tar.xz')).map(
      async link => `${(await fetch(link.href)).status} ${link.getAttribute('href')}`)));
  const manifest = await page.evaluate(async () => {
    const response = await fetch(document.querySelector('link[rel=manifest]').href);
    const {name, lang, display, icons} = await response.json();
    return `${response.headers.get('content-type')} ${name} ${lang} ${display} ${icons.map(icon => icon.sizes).join(' ')}`;
  });
  figures.links = links;
  figures.manifest = manifest;
  for (const link of links.filter(link => !link.startsWith('200 ')))
    failures.push(`served: the link ${link} leads nowhere`);
  if (manifest !== 'application/manifest+json Abacolo it fullscreen 192x192 512x512')
    failures.push(`served: the manifest is "${manifest}"`);
  if (name === 'chromium') {
    // Chromium says what would keep it from installing the page on a home screen.
    const session = await page.createCDPSession();
    const {installabilityErrors: errors} = await session.send('Page.getInstallabilityErrors');
    figures.installable = errors.length ? `not installable: ${errors.map(error => error.errorId).join(', ')}`
                                        : 'installable (manifest, icons, service worker)';
    if (errors.length)
      failures.push(`served: ${figures.installable}`);
  }

  // --- Offline --------------------------------------------------------------------------------
  await server.close();
  figures.offlineMode = await page.setOfflineMode(true).then(() => true, () => false);
  const fromWorker = [];
  page.on('response', response => {
    if (response.url().startsWith('http'))
      fromWorker.push(`${response.fromServiceWorker() ? 'service worker' : 'not service worker'}: ${response.url()}`);
  });
  const sentBefore = server.sent.length;
  figures.offlineSeconds = await startMenu(page, 'offline', () => page.reload({waitUntil: 'load'}));
  if (server.sent.length !== sentBefore)
    failures.push('offline: the stopped server was asked');
  figures.offlineResponses = fromWorker;
  // The page and the program came through the service worker: it controls the reloaded page, so
  // every request of the page went to it, and the server it could have asked was stopped. Chromium
  // also says so of each response, and gives the worker's start in the program's timing (firefox
  // gives 0 there).
  figures.offlineWorker = await page.evaluate(() => {
    const wasm = performance.getEntriesByType('resource').find(entry => entry.name.endsWith('/abacolo.wasm'));
    return `controller: ${Boolean(navigator.serviceWorker.controller)}, program's workerStart: ${wasm?.workerStart}`;
  });
  if (!figures.offlineWorker.startsWith('controller: true'))
    failures.push(`offline: no service worker controls the page (${figures.offlineWorker})`);
  // The teacher's choice in the address, offline as well: the service worker answers it with the page.
  const offlineChoice = 'entro=999&cambio=no';
  const chosen = await browser.newPage();
  if (figures.offlineMode)
    await chosen.setOfflineMode(true);
  await startMenu(chosen, 'offline-choice', () => chosen.goto(`${url}?${offlineChoice}`, {waitUntil: 'load'}),
                  titleAt(offlineChoice));
  await chosen.close();
  figures.offlineChoice = `?${offlineChoice}: ${titleAt(offlineChoice)}`;
  if (name === 'chromium' && !(/workerStart: [1-9]/.test(figures.offlineWorker) &&
      fromWorker.some(line => line.startsWith('service worker') && line.endsWith('/abacolo.wasm'))))
    failures.push('offline: the program did not come from the service worker');

  // --- An update ------------------------------------------------------------------------------
  // The site as a new version would be: the same files, the service worker's set named anew. Back
  // online, a reload finds the new worker, which keeps the new set and removes the old one.
  const kept = await page.evaluate(() => caches.keys());
  const updated = mkdtempSync(join(tmpdir(), 'abacolo-update-'));
  temporary.push(updated);
  cpSync(options.dist, updated, {recursive: true, preserveTimestamps: true});
  const worker = join(updated, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const CACHE = '([^']+)'/, "const CACHE = '$1-update'"));
  rmSync(`${worker}.br`, {force: true});
  rmSync(`${worker}.gz`, {force: true});
  if (figures.offlineMode)
    await page.setOfflineMode(false);
  server = await serve(updated, server.port);
  await startMenu(page, 'update', () => page.reload({waitUntil: 'load'}));
  const expected = kept.map(name => `${name}-update`).join(' ');
  figures.update = await page.waitForFunction(
    async expected => (await caches.keys()).join(' ') === expected && (await caches.keys()).join(' '),
    {timeout, polling: 100}, expected).then(handle => `${kept.join(' ')} replaced by ${expected}`,
    async () => `${kept.join(' ')} not replaced: ${(await page.evaluate(() => caches.keys())).join(' ')}`);
  if (!figures.update.includes(' replaced by '))
    failures.push(`update: ${figures.update}`);
  await page.close();
} catch (error) {
  failures.push(error.message);
  if (figures.serverSentBytes === undefined)
    countSent();
}

// --- The single file from file:// -------------------------------------------------------------
try {
  page = await browser.newPage();
  const fileUrl = pathToFileURL(resolve(options.single)).href;
  figures.fileSeconds = await startMenu(page, 'file', () => page.goto(fileUrl, {waitUntil: 'load'}));
  await page.close();
} catch (error) {
  failures.push(error.message);
}

// --- The teacher's page, with a finger: served, and beside the single file as the download has it.
// Each link opens the program at its choice; an address it does not know shows the links instead.
try {
  const folder = mkdtempSync(join(tmpdir(), 'abacolo-teacher-'));
  temporary.push(folder);
  copyFileSync(options.single, join(folder, basename(options.single)));
  copyFileSync(options['teacher-file'], join(folder, 'insegnanti.html'));
  const pages = [{page: 'served', teacher: `${url}insegnanti.html`},
                 {page: 'file', teacher: pathToFileURL(join(folder, 'insegnanti.html')).href}];
  figures.teacher = [];
  for (const {page: where, teacher} of pages) {
    page = await browser.newPage();
    await page.setViewport(viewportOf(sizes[0]));
    await page.goto(teacher, {waitUntil: 'load'});
    const links = await page.$$eval('main a', anchors => anchors.map(anchor => ({
      text: anchor.textContent, href: anchor.href, search: new URL(anchor.href).search})));
    if (links.length === 0)
      failures.push(`teacher ${where}: the teacher's page has no links`);
    for (const [index, link] of links.entries()) {
      if (index > 0)
        await page.goto(teacher, {waitUntil: 'load'});
      const title = titleAt(link.search);
      const box = await (await page.$(`main li:nth-child(${index + 1}) a`)).boundingBox();
      const step = `teacher-${where}-${link.search.replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '')}`;
      try {
        await startMenu(page, step, async () => {
          await page.screenshot({path: join(options.out, `${name}-teacher-${where}.png`)});
          await Promise.all([page.waitForNavigation({waitUntil: 'load'}),
                             page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2)]);
        }, title);
        figures.teacher.push(`${where}: "${link.text}" (${link.search}) opens "${title}"`);
      } catch (error) {
        failures.push(`teacher ${where}: "${link.text}": ${error.message}`);
      }
    }
    // An address the program does not know: a line, the same links, and no program.
    const refused = where === 'served' ? `${url}?entro=98` : `${pathToFileURL(join(folder, basename(options.single))).href}?entro=98`;
    await page.goto(refused, {waitUntil: 'load'});
    const answer = await page.waitForFunction(() => {
      const status = document.getElementById('status');
      return status?.hasAttribute('data-refused') && !status.hidden && {
        line: document.getElementById('message').textContent,
        links: [...document.querySelectorAll('#choices a')].map(anchor => new URL(anchor.href).search),
        windows: [...document.querySelectorAll('*')].filter(host => host.shadowRoot).flatMap(
          host => [...host.shadowRoot.querySelectorAll('.qt-window canvas')]).filter(canvas => canvas.getClientRects().length).length,
      };
    }, {timeout, polling: 100}).then(handle => handle.jsonValue(), error => ({failed: error.message.split('\n')[0]}));
    await page.screenshot({path: join(options.out, `${name}-teacher-${where}-refused.png`)});
    figures.teacher.push(`${where}: ?entro=98 answers "${answer.line}" with ${answer.links?.length} links`);
    if (answer.failed || !answer.line.includes('entro=98') || answer.windows !== 0 ||
        answer.links.join(' ') !== links.map(link => link.search).join(' '))
      failures.push(`teacher ${where}: ?entro=98 answered ${JSON.stringify(answer)}`);
    await page.close();
  }
} catch (error) {
  failures.push(`teacher: ${error.message}`);
}

// --- The walks with a finger: served at each size, served and resized half-way, the single file at
// each size. Each walk in a page of its own, which counts the tones and records the live region from
// before the program starts.
try {
  const fileUrl = pathToFileURL(resolve(options.single)).href;
  const walks = [...sizes.map(size => ({page: 'served', url, size})),
                 ...(resize ? [{page: 'served', url, size: resize[0], resizeTo: resize[1]}] : []),
                 ...sizes.map(size => ({page: 'file', url: fileUrl, size}))];
  figures.walks = [];
  for (const walk of walks) {
    const label = `${walk.page}-${walk.size}${walk.resizeTo ? `-to-${walk.resizeTo}` : ''}`;
    const steps = [];
    const log = line => {
      console.log(line);
      steps.push(line.trim());
    };
    console.log(`   walk with a finger, ${walk.page}, ${walk.size}${walk.resizeTo ? `, resized to ${walk.resizeTo} after the wrong answer` : ''}:`);
    const lines = [];
    const started = Date.now();
    page = await browser.newPage();
    page.on('console', message => lines.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', error => lines.push(`page error: ${error.message}`));
    try {
      await page.evaluateOnNewDocument(listenToPage);
      await touchWalk({page, url: walk.url, size: walk.size, resizeTo: walk.resizeTo, whereTool: options.where,
                       out: options.out, log, tree: name === 'chromium',
                       prefix: `${name}-${walk.page}${walk.resizeTo ? '-resized' : ''}`});
      figures.walks.push({walk: label, seconds: (Date.now() - started) / 1000, steps});
    } catch (error) {
      failures.push(`walk ${error.message}`);
      console.log(`   FAILED: walk ${error.message}`);
      figures.walks.push({walk: label, failed: error.message, steps});
    } finally {
      writeFileSync(join(options.out, `${name}-walk-${label}.log`), lines.join('\n') + '\n');
      await page.close().catch(() => {});
    }
  }
} catch (error) {
  failures.push(error.message);
} finally {
  await server.close().catch(() => {});
  await browser.close().catch(() => {});
  for (const folder of temporary)
    rmSync(folder, {recursive: true, force: true});
}

// What a first visit sent: the most of what the page received and what the server sent (the server's
// count holds the service worker's own requests, answered "not modified" when the page just had them).
const limit = Number(options['first-visit-limit']);
const firstVisit = Math.max(figures.pageReceivedBytes ?? 0, figures.serverSentBytes ?? 0);
if (firstVisit > limit)
  failures.push(`a first visit sent ${firstVisit} bytes, more than ${limit}`);
figures.failures = failures;
writeFileSync(join(options.out, `${name}.json`), JSON.stringify(figures, null, 2) + '\n');
const seconds = value => value === undefined ? 'not reached' : `${value.toFixed(2)} s`;
const bytes = value => value === null || value === undefined ? 'not counted' : `${value.toLocaleString('en')} bytes`;
console.log(`   ${figures.browser}
   first visit, served:     start menu after ${seconds(figures.servedSeconds)}; the page received ${bytes(figures.pageReceivedBytes)}, the server sent ${bytes(figures.serverSentBytes)}
   reloaded offline:        start menu after ${seconds(figures.offlineSeconds)}${figures.offlineMode ? ' (server stopped, browser offline)' : ' (server stopped)'}
   updated:                 ${figures.update ?? 'not reached'}
   home screen:             ${figures.installable ?? 'not asked of this browser'}
   single file, file://:    start menu after ${seconds(figures.fileSeconds)}
   offline with a choice:   ${figures.offlineChoice ?? 'not reached'}
   teacher's page:          ${(figures.teacher ?? []).join('\n                            ') || 'not reached'}
   walks with a finger:     ${(figures.walks ?? []).map(walk => `${walk.walk} ${walk.failed ? 'FAILED' : `passed (${walk.seconds.toFixed(1)} s)`}`).join(', ') || 'none'}`);
for (const failure of failures)
  console.log(`   FAILED: ${failure}`);
process.exit(failures.length ? 1 : 0);
