// SPDX-License-Identifier: GPL-3.0-or-later
// Times the browser's Abacolo against the floor, in Debian's chromium, headless, both served from
// server.mjs on 127.0.0.1 with compression: the program's site (build-web/dist/) and a site of the same
// shape around the bare Qt window with one captioned button, built with the same Qt for WebAssembly
// (build-web/floor/, which the web build makes). Then the tab's memory once every screen has
// been opened.
//
// Each run starts a fresh browser with a fresh profile, for the program and for the floor in turn (the
// order swapped from one run to the next), and opens the page three times:
//   cold        the first visit: empty cache, no service worker;
//   warm        the second visit, the service worker left out (CDP's bypass): the browser's own HTTP
//               cache, every file revalidated ("not modified");
//   worker      the third visit, answered by the service worker both pages register once loaded.
// A visit is timed from navigation (performance.timeOrigin) to two frames after the first window is
// shown with its canvas: the program's start menu, the floor's window. A watcher put into the page
// before it loads looks for the window at every frame, the same for both.
//
// Memory: a fresh browser opens the program and walks through every screen once with the mouse, at the
// places the screen renderer gives (abacolo_screenshots --where WIDTHxHEIGHT); then the wasm memory (the
// module's WebAssembly.Memory), the page's JavaScript heap (CDP Performance.getMetrics) and the
// resident memory of chromium's renderer and GPU processes (/proc). The floor's tab after its start,
// and the program's after its start, for comparison.
//
// The networks and processors of a school: with DevTools' throttling (network and CPU), a fresh profile
// each visit, the program and the floor in turn, the first visit timed the same way, and the bytes that
// had moved by then (transferSize of the page and of every file that had arrived). Median of
// --network-runs visits of each.
//
// Prints a table, writes OUT/bench.json, and exits with 1 when --enforce is given and a median ratio is
// above the target, or the slow 4G start or its bytes above their limits.
//   node bench.mjs --program DIR --floor DIR --where FILE --out DIR [--runs 11] [--width 1280]
//                  [--height 800] [--ratio-target 1.2] [--enforce] [--timeout-ms 120000]
//                  [--network-runs 5]
import {mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {parseArgs} from 'node:util';
import puppeteer from 'puppeteer-core';
import {namesOf} from './names.mjs';
import {serve} from './server.mjs';
import {windowShown} from './walk.mjs';

const FLOOR_TITLE = 'Finestra con pulsante';
const CHROMIUM = {
  executablePath: '/usr/lib/chromium/chromium',
  // Chromium draws WebGL headless only with SwiftShader (as proof.mjs launches it).
  args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--no-first-run'],
};
const VISITS = ['cold', 'warm', 'worker'];
// Bytes per second from megabits per second.
const mbit = value => value * 1e6 / 8;
const NETWORKS = [
  {name: 'school Wi-Fi', download: mbit(10), upload: mbit(5), latency: 40, cpu: 1},
  {name: 'slow 4G', download: mbit(1.6), upload: mbit(0.75), latency: 150, cpu: 4},
  {name: 'CPU 6x', download: 0, upload: 0, latency: 0, cpu: 6},
];
// The slow 4G first visit: at most this long to the start menu, and this many bytes before it.
const SLOW_LIMITS = {ms: 15000, bytes: 2.5e6};
const MIB = 1024 * 1024;
// How long the tab is left before its memory is read: the last screen let go, timers run out.
const SETTLE_MS = 1000;

const {values: options} = parseArgs({
  options: {
    program: {type: 'string'},
    floor: {type: 'string'},
    where: {type: 'string'},
    out: {type: 'string'},
    runs: {type: 'string', default: '11'},
    width: {type: 'string', default: '1280'},
    height: {type: 'string', default: '800'},
    'ratio-target': {type: 'string', default: '1.2'},
    enforce: {type: 'boolean', default: false},
    'timeout-ms': {type: 'string', default: '120000'},
    'network-runs': {type: 'string', default: '5'},
  },
});
if (!options.program || !options.floor || !options.where || !options.out) {
  console.error('usage: node bench.mjs --program DIR --floor DIR --where FILE --out DIR [--runs 11] [--enforce]');
  process.exit(2);
}
const runs = Number(options.runs);
const timeout = Number(options['timeout-ms']);
const ratioTarget = Number(options['ratio-target']);
const viewport = {width: Number(options.width), height: Number(options.height)};
mkdirSync(options.out, {recursive: true});

// Where each control lies in full screen, the screens' titles and the tour, as the screen renderer
// says (abacolo_screenshots --where WIDTHxHEIGHT, written to FILE).
const {places, titles, tour: steps} = namesOf(readFileSync(options.where, 'utf8'));
const START_MENU_TITLE = titles.get('frminizio');

// Put into every document before its own scripts: at each frame, looks for a window of Qt's screen
// (in a shadow tree of the page) carrying the title and showing its canvas; two frames later the
// window is drawn. Also keeps the module's wasm memory, from the instance emscripten makes, and when
// the instance was ready (the wasm compiled and instantiated: what follows is the program's own start).
// Its look is walk.mjs's windowShown written out again: the page is sent this function on its own.
function watcher(title) {
  const shown = () => [...document.querySelectorAll('*')].filter(host => host.shadowRoot).some(
    host => [...host.shadowRoot.querySelectorAll('.qt-window')].some(
      window => window.querySelector('.window-name')?.textContent === title &&
                window.querySelector('canvas')?.getClientRects().length > 0));
  globalThis.benchDrawn = new Promise(done => {
    const look = () => {
      if (!shown())
        return requestAnimationFrame(look);
      const seen = performance.now();
      requestAnimationFrame(() => requestAnimationFrame(() => done({seen, drawn: performance.now()})));
    };
    requestAnimationFrame(look);
  });
  const keep = result => {
    globalThis.benchInstantiated = performance.now();
    const instance = result.instance ?? result;
    for (const value of Object.values(instance.exports ?? {})) {
      if (value instanceof WebAssembly.Memory)
        globalThis.benchMemory = value;
    }
    return result;
  };
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const original = WebAssembly[name];
    WebAssembly[name] = (...args) => original.apply(WebAssembly, args).then(keep);
  }
}

const twoFrames = page => page.evaluate(
  () => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));

async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'abacolo-bench-'));
  const browser = await puppeteer.launch({...CHROMIUM, headless: true, userDataDir: profile, defaultViewport: viewport});
  return {browser, close: async () => {
    await browser.close().catch(() => {});
    rmSync(profile, {recursive: true, force: true});
  }};
}

// Opens a page with the watcher for TITLE; BYPASS leaves the service worker out.
async function openPage(browser, title, bypass = false) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(watcher, title);
  if (bypass)
    await page.setBypassServiceWorker(true);
  return page;
}

// One visit: milliseconds from navigation to the window drawn, and when the wasm had arrived.
async function visit(page, url) {
  await page.goto(url, {waitUntil: 'domcontentloaded', timeout});
  const times = await page.evaluate(() => globalThis.benchDrawn);
  const wasm = await page.evaluate(() => {
    const entry = performance.getEntriesByType('resource').find(entry => entry.name.endsWith('.wasm'));
    return entry ? {arrived: entry.responseEnd, bytes: entry.transferSize, worker: entry.workerStart > 0} : null;
  });
  return {...times, instantiated: await page.evaluate(() => globalThis.benchInstantiated), wasm};
}

// The three visits of one fresh browser.
async function visits(site) {
  const {browser, close} = await launch();
  try {
    const result = {};
    let page = await openPage(browser, site.title);
    result.cold = await visit(page, site.url);
    // The service worker the page registered once loaded keeps the files before the next visits.
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller)
        await new Promise(done => navigator.serviceWorker.addEventListener('controllerchange', done, {once: true}));
    });
    await page.close();
    page = await openPage(browser, site.title, true);
    result.warm = await visit(page, site.url);
    await page.close();
    page = await openPage(browser, site.title);
    result.worker = await visit(page, site.url);
    if (!result.worker.wasm?.worker)
      throw new Error(`${site.name}: the third visit did not come from the service worker`);
    await page.close();
    return result;
  } finally {
    await close();
  }
}

// The resident memory (VmRSS, bytes) of chromium's renderer and GPU processes started by BROWSER.
function chromiumMemory(browser) {
  const root = browser.process().pid;
  const status = pid => {
    try {
      return readFileSync(`/proc/${pid}/status`, 'utf8');
    } catch {
      return '';
    }
  };
  const parent = pid => Number(/^PPid:\s+(\d+)/m.exec(status(pid))?.[1] ?? 0);
  const descends = pid => {
    for (let at = pid; at > 1; at = parent(at)) {
      if (at === root)
        return true;
    }
    return false;
  };
  const found = {renderer: [], gpu: []};
  for (const entry of readdirSync('/proc').filter(name => /^\d+$/.test(name))) {
    const pid = Number(entry);
    let command;
    try {
      command = readFileSync(`/proc/${pid}/cmdline`, 'utf8');
    } catch {
      continue;
    }
    const type = /--type=(renderer|gpu-process)/.exec(command)?.[1];
    if (!type || !descends(pid))
      continue;
    const rss = Number(/^VmRSS:\s+(\d+) kB/m.exec(status(pid))?.[1] ?? 0) * 1024;
    found[type === 'renderer' ? 'renderer' : 'gpu'].push(rss);
  }
  // The tab's renderer is the largest (chromium may keep a spare one ready).
  return {rendererRss: Math.max(0, ...found.renderer), gpuRss: Math.max(0, ...found.gpu)};
}

// The tab's memory once it has settled: wasm memory, JavaScript heap, processes.
async function tabMemory(browser, page) {
  // Give the program a moment to let go of what the last screen used, and the heap a collection.
  await new Promise(done => setTimeout(done, SETTLE_MS));
  const session = await page.createCDPSession();
  await session.send('HeapProfiler.collectGarbage');
  await session.send('Performance.enable');
  const {metrics} = await session.send('Performance.getMetrics');
  const metric = name => metrics.find(entry => entry.name === name)?.value ?? 0;
  return {
    wasmMemory: await page.evaluate(() => globalThis.benchMemory?.buffer.byteLength ?? 0),
    jsHeapUsed: metric('JSHeapUsedSize'),
    jsHeapTotal: metric('JSHeapTotalSize'),
    ...chromiumMemory(browser),
  };
}

// Clicks CONTROL of SCREEN where the screen renderer places it, and lets two frames be drawn.
async function click(page, screen, control) {
  const place = places.get(`${screen} ${control}`);
  if (!place)
    throw new Error(`the screen renderer gave no place for ${screen} ${control}`);
  await page.mouse.click(place.x, place.y);
  await twoFrames(page);
}

// Clicks CONTROL of SCREEN, then waits for the window TITLE to be drawn.
async function press(page, screen, control, title) {
  await click(page, screen, control);
  await windowShown(page, title, timeout);
  await twoFrames(page);
}

// Every screen once, along the program's tour: a press, then the next screen drawn (the score,
// computed, stays the score screen).
async function tour(page) {
  for (const step of steps) {
    if (step.next === step.screen)
      await click(page, step.screen, step.control);
    else
      await press(page, step.screen, step.control, titles.get(step.next));
  }
}

async function memory(site, walk) {
  const {browser, close} = await launch();
  try {
    const page = await openPage(browser, site.title);
    await visit(page, site.url);
    const started = await tabMemory(browser, page);
    if (!walk)
      return {started};
    await tour(page);
    await page.screenshot({path: join(options.out, 'memory-tour-end.png')});
    return {started, toured: await tabMemory(browser, page)};
  } finally {
    await close();
  }
}

// A first visit on a throttled network and processor: the time to the window drawn, and the bytes that
// had arrived by then.
async function throttledVisit(site, network) {
  const {browser, close} = await launch();
  try {
    const page = await openPage(browser, site.title);
    if (network.download)
      await page.emulateNetworkConditions(network);
    await page.emulateCPUThrottling(network.cpu > 1 ? network.cpu : null);
    const result = await visit(page, site.url);
    result.bytes = await page.evaluate(drawn => {
      const [navigation] = performance.getEntriesByType('navigation');
      return performance.getEntriesByType('resource').filter(entry => entry.responseEnd <= drawn)
        .reduce((sum, entry) => sum + entry.transferSize, navigation?.transferSize ?? 0);
    }, result.drawn);
    return result;
  } finally {
    await close();
  }
}

const median = values => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const servers = {program: await serve(options.program), floor: await serve(options.floor)};
const sites = {
  program: {name: 'program', title: START_MENU_TITLE, url: `http://127.0.0.1:${servers.program.port}/`},
  floor: {name: 'floor', title: FLOOR_TITLE, url: `http://127.0.0.1:${servers.floor.port}/`},
};
const figures = {runs, viewport, samples: {program: [], floor: []}};
const failures = [];
try {
  {
    const {browser, close} = await launch();
    figures.browser = await browser.version();
    await close();
  }
  // One visit of each first, not counted: the system's own caches (the browser's files, fonts) warm.
  await visits(sites.program);
  await visits(sites.floor);
  for (let run = 0; run < runs; ++run) {
    const order = run % 2 ? ['floor', 'program'] : ['program', 'floor'];
    for (const name of order)
      figures.samples[name].push(await visits(sites[name]));
    process.stdout.write(`   run ${run + 1}/${runs}\r`);
  }
  figures.networks = {};
  for (const network of NETWORKS) {
    const samples = {program: [], floor: []};
    for (let run = 0; run < Number(options['network-runs']); ++run) {
      for (const name of run % 2 ? ['floor', 'program'] : ['program', 'floor'])
        samples[name].push(await throttledVisit(sites[name], network));
      process.stdout.write(`   ${network.name} ${run + 1}/${options['network-runs']}\r`);
    }
    figures.networks[network.name] = {network, samples};
  }
  figures.memory = {
    program: await memory(sites.program, true),
    floor: await memory(sites.floor, false),
  };
} catch (error) {
  failures.push(error.message.split('\n')[0]);
} finally {
  await servers.program.close();
  await servers.floor.close();
}

// Medians, spreads (the middle half: first to third quartile) and ratios.
const quartiles = values => {
  const sorted = [...values].sort((a, b) => a - b);
  const at = share => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
  return [at(0.25), at(0.75)];
};
figures.medians = {};
const rows = [];
for (const kind of VISITS) {
  const program = figures.samples.program.map(sample => sample[kind].drawn);
  const floor = figures.samples.floor.map(sample => sample[kind].drawn);
  if (!program.length || program.length !== floor.length)
    continue;
  const ratio = median(program) / median(floor);
  // The ratio's spread: the runs' own ratios, each run's program against its floor.
  const ratios = program.map((value, index) => value / floor[index]);
  figures.medians[kind] = {
    program: median(program), floor: median(floor), ratio, programQuartiles: quartiles(program),
    floorQuartiles: quartiles(floor), runRatioQuartiles: quartiles(ratios),
  };
  // Where the time went: the wasm arrived, then compiled and instantiated, then the window drawn.
  for (const name of ['program', 'floor']) {
    const samples = figures.samples[name].map(sample => sample[kind]);
    figures.medians[kind][`${name}Stages`] = {
      wasmArrived: median(samples.map(sample => sample.wasm?.arrived ?? 0)),
      instantiated: median(samples.map(sample => sample.instantiated ?? 0)),
    };
  }
  rows.push(kind);
}
const ms = value => `${Math.round(value)} ms`;
const mib = value => `${(value / MIB).toFixed(1)} MiB`;
const lines = [`   ${figures.browser ?? 'chromium'}, ${viewport.width} x ${viewport.height}, median of ${runs} visits each, interleaved`,
  '   visit    program (middle half)       floor (middle half)        ratio  (runs\' middle half)  target'];
for (const kind of rows) {
  const m = figures.medians[kind];
  const verdict = kind === 'worker' ? '' : m.ratio <= ratioTarget ? `<= ${ratioTarget} met` : `<= ${ratioTarget} MISSED`;
  lines.push(`   ${kind.padEnd(8)} ${ms(m.program).padStart(8)} (${ms(m.programQuartiles[0])}-${ms(m.programQuartiles[1])})`.padEnd(40) +
    `${ms(m.floor).padStart(8)} (${ms(m.floorQuartiles[0])}-${ms(m.floorQuartiles[1])})`.padEnd(27) +
    `${m.ratio.toFixed(2)}   (${m.runRatioQuartiles[0].toFixed(2)}-${m.runRatioQuartiles[1].toFixed(2)})`.padEnd(22) + verdict);
}
lines.push('   medians: the wasm arrived, compiled and instantiated, then the window drawn (program | floor)');
for (const kind of rows) {
  const {programStages: p, floorStages: f, program, floor} = figures.medians[kind];
  lines.push(`   ${kind.padEnd(8)} ${ms(p.wasmArrived)}, ${ms(p.instantiated)}, ${ms(program)} | ` +
    `${ms(f.wasmArrived)}, ${ms(f.instantiated)}, ${ms(floor)}`);
}
if (figures.networks) {
  lines.push('   first visit, throttled, cold   program: start menu, bytes before it   floor: window, bytes   limit');
  for (const [name, {samples}] of Object.entries(figures.networks)) {
    const m = {
      program: median(samples.program.map(sample => sample.drawn)),
      programBytes: median(samples.program.map(sample => sample.bytes)),
      floor: median(samples.floor.map(sample => sample.drawn)),
      floorBytes: median(samples.floor.map(sample => sample.bytes)),
    };
    figures.networks[name].medians = m;
    let verdict = '';
    if (name === 'slow 4G') {
      const met = m.program <= SLOW_LIMITS.ms && m.programBytes <= SLOW_LIMITS.bytes;
      verdict = `${SLOW_LIMITS.ms / 1000} s, ${SLOW_LIMITS.bytes / 1e6} MB ${met ? 'met' : 'MISSED'}`;
      if (!met && options.enforce)
        failures.push(`slow 4G: the start menu after ${ms(m.program)}, ${m.programBytes} bytes before it`);
    }
    const mb = value => `${(value / 1e6).toFixed(2)} MB`;
    lines.push(`   ${name.padEnd(30)} ${ms(m.program).padStart(9)}, ${mb(m.programBytes).padStart(8)}`.padEnd(72) +
      `${ms(m.floor).padStart(9)}, ${mb(m.floorBytes).padStart(8)}   ${verdict}`);
  }
}
if (figures.memory) {
  const {program, floor} = figures.memory;
  const row = (label, m) => `   ${label.padEnd(34)} ${mib(m.wasmMemory).padStart(10)} ${mib(m.jsHeapUsed).padStart(10)} ` +
    `${mib(m.rendererRss).padStart(10)} ${mib(m.gpuRss).padStart(10)}`;
  lines.push('   the tab\'s memory                    wasm memory    JS heap   renderer   GPU proc.');
  lines.push(row('floor, started', floor.started));
  lines.push(row('program, started', program.started));
  lines.push(row('program, every screen opened once', program.toured));
}
for (const kind of ['cold', 'warm']) {
  const m = figures.medians[kind];
  if (m && m.ratio > ratioTarget && options.enforce)
    failures.push(`${kind}: the start took ${m.ratio.toFixed(2)} x the floor's, more than ${ratioTarget}`);
}
figures.failures = failures;
writeFileSync(join(options.out, 'bench.json'), JSON.stringify(figures, null, 2) + '\n');
console.log(lines.join('\n'));
for (const failure of failures)
  console.log(`   FAILED: ${failure}`);
process.exit(failures.length ? 1 : 0);
