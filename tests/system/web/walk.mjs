// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's walk through the browser's Abacolo with a finger, for proof.mjs: from the start menu to an
// addition, a wrong answer typed on the digit pad, a right one, the score screen and its grade, "&OK",
// "&Esci" and "Ricomincia". Every control is tapped where the program itself says it lies in full
// screen on a display of the page's size (abacolo_screenshots --where WIDTHxHEIGHT): the page is the
// program's display, one CSS pixel one pixel of it. At every step the walk reads what a screen reader
// in the browser hears (the page's live region, and in chromium the live region as the accessibility
// tree holds it), the page's title and the tones the page played, photographs the screen, and stops
// at the first thing that is not as a pupil should find it.
import {join} from 'node:path';
import {namesAt} from './names.mjs';

const LIVE_REGION = 'abacolo-annunci';
const WRONG = 'Sbagliato! Ripeti';
const RIGHT = 'Complimenti! Vai avanti';
const ENDED = 'Abacolo è chiuso.';
const RESTART = 'Ricomincia';
// One right answer and one wrong: half right, the lowest band's grade.
const SCORE_SENTENCE = 'Risposte giuste: 1. Risposte sbagliate: 1. Non ci siamo. Esercitati di più.';
// The addition's operation line as the screen shows it and the live region says it.
const OPERATION = /^(\d+) \+ (\d+) \+ (\d+)$/;
// The result row from the units leftwards.
const RESULT_BOXES = ['txturis', 'txtdaris', 'txthris', 'txtkris'];
// How long the page may take to answer a tap (a screen to open, the live region to change).
const ANSWER_MS = 20000;

export const viewportOf = size => {
  const [width, height] = size.split('x').map(Number);
  return {width, height, deviceScaleFactor: 1, hasTouch: true, isMobile: false};
};

// Waits, up to TIMEOUT ms, for a window of Qt's screen (in a shadow tree of the page) that carries
// TITLE and shows its canvas.
export function windowShown(page, title, timeout) {
  return page.waitForFunction(
    title => [...document.querySelectorAll('*')].filter(host => host.shadowRoot).some(
      host => [...host.shadowRoot.querySelectorAll('.qt-window')].some(
        window => window.querySelector('.window-name')?.textContent === title &&
                  window.querySelector('canvas')?.getClientRects().length > 0)),
    {timeout, polling: 50}, title);
}

// Run in the page before its own scripts: counts every sound source the page starts (the program's
// tone is an oscillator started per alert) and records every paragraph written into the live region,
// in order, even those replaced within the same turn of the page.
export function listenToPage() {
  const heard = globalThis.abacoloWalk = {tones: 0, said: []};
  for (const type of [globalThis.AudioScheduledSourceNode, globalThis.OscillatorNode]) {
    const prototype = type?.prototype;
    if (!prototype || !Object.hasOwn(prototype, 'start'))
      continue;
    const start = prototype.start;
    prototype.start = function(...rest) {
      ++heard.tones;
      return start.apply(this, rest);
    };
  }
  // What kind of pointer each tap came as, and whether touch events came too.
  heard.pointers = {};
  for (const type of ['pointerdown', 'touchstart', 'mousedown'])
    addEventListener(type, event => {
      const kind = event.pointerType ? `${type} ${event.pointerType}` : type;
      heard.pointers[kind] = (heard.pointers[kind] ?? 0) + 1;
    }, {capture: true});
  new MutationObserver(records => {
    for (const record of records) {
      if (record.target.id === 'abacolo-annunci')
        heard.said.push(...[...record.addedNodes].map(node => node.textContent));
    }
  }).observe(document, {childList: true, subtree: true});
}

// What the page holds now: its title, the tones started, everything said, the live region's paragraphs,
// the canvas of the Qt window on view (its title and rectangle), the ended panel.
function pageState(page) {
  return page.evaluate(() => {
    const region = document.getElementById('abacolo-annunci');
    const windows = [...document.querySelectorAll('*')].filter(host => host.shadowRoot).flatMap(
      host => [...host.shadowRoot.querySelectorAll('.qt-window')]);
    const shown = windows.filter(window => window.querySelector('canvas')?.getClientRects().length > 0).map(window => ({
      title: window.querySelector('.window-name')?.textContent,
      rect: window.querySelector('canvas').getBoundingClientRect(),
    }));
    const status = document.getElementById('status');
    return {
      title: document.title,
      tones: globalThis.abacoloWalk?.tones,
      pointers: globalThis.abacoloWalk?.pointers,
      said: [...(globalThis.abacoloWalk?.said ?? [])],
      region: region ? [...region.children].map(paragraph => paragraph.textContent) : null,
      windows: shown.map(({title, rect}) => ({title, x: rect.x, y: rect.y, width: rect.width, height: rect.height})),
      ended: status && !status.hidden ? document.getElementById('message')?.textContent : null,
      restart: [...document.querySelectorAll('#status button')].map(button => button.textContent),
      // Qt's hidden text fields, wherever they are, and what keyboard they ask of a touch panel.
      inputs: [document, ...[...document.querySelectorAll('*')].filter(host => host.shadowRoot).map(host => host.shadowRoot)]
        .flatMap(root => [...root.querySelectorAll('input, textarea')]).map(field => field.getAttribute('inputmode')),
    };
  });
}

// The live region as chromium's accessibility tree holds it: its liveness and the text of each of its
// paragraphs.
async function regionInTree(session) {
  // Chromium builds the tree once asked to; a reload forgets it.
  await session.send('Accessibility.enable');
  const {result} = await session.send('Runtime.evaluate', {expression: `document.getElementById('${LIVE_REGION}')`});
  if (!result.objectId)
    return null;
  const {nodes: [region]} = await session.send('Accessibility.getPartialAXTree', {objectId: result.objectId, fetchRelatives: false});
  await session.send('Runtime.releaseObject', {objectId: result.objectId});
  const property = name => region.properties?.find(property => property.name === name)?.value.value;
  const texts = async node => {
    if (node.role?.value === 'StaticText')
      return node.name?.value ?? '';
    const {nodes} = await session.send('Accessibility.getChildAXNodes', {id: node.nodeId});
    return (await Promise.all(nodes.filter(child => child.parentId === node.nodeId).map(texts))).join('');
  };
  const {nodes: children} = await session.send('Accessibility.getChildAXNodes', {id: region.nodeId});
  const paragraphs = await Promise.all(children.filter(child => child.parentId === region.nodeId).map(texts));
  return {live: property('live'), atomic: property('atomic'), paragraphs};
}

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const quoted = list => list === null ? 'none' : list.map(text => `"${text}"`).join(' + ') || '(empty)';
const sleep = ms => new Promise(done => setTimeout(done, ms));

// Walks PAGE (listenToPage runs before its scripts), a touch viewport of SIZE, from opening URL to the
// start menu after "Ricomincia". RESIZE_TO, when given, is a size the page takes after the wrong answer: the rest
// of the walk is tapped at the places of that size. Each step is photographed into OUT as
// PREFIX-SIZE-NN-STEP.png and written to LOG; the first failing check throws. TREE: read the live
// region also from chromium's accessibility tree.
export async function touchWalk({page, url, size, resizeTo, whereTool, out, prefix, log, tree}) {
  let {places, titles} = namesAt(whereTool, size);
  const [startMenuTitle, additionTitle, scoreTitle] = ['frminizio', 'frmaddizioni', 'frmpunteggio'].map(
    screen => titles.get(screen));
  let viewport = viewportOf(size);
  let stepNumber = 0;
  let saidBefore = 0;
  const session = tree ? await page.createCDPSession() : null;

  // Waits until CHECK(state) gives no complaint, up to ANSWER_MS; the last complaint fails the step.
  const until = async check => {
    const deadline = Date.now() + ANSWER_MS;
    for (;;) {
      const state = await pageState(page);
      const complaint = check(state);
      if (!complaint)
        return state;
      if (Date.now() > deadline)
        throw new Error(complaint);
      await sleep(50);
    }
  };
  const screenOnView = (title, state) => {
    if (state.ended)
      return `the page says "${state.ended}" instead of the screen "${title}"`;
    const window = state.windows.find(window => window.title === title);
    if (!window)
      return `the screen "${title}" is not on view (on view: ${state.windows.map(w => `"${w.title}"`).join(', ') || 'none'})`;
    // The program fills the page, as in full screen.
    if (window.x !== 0 || window.y !== 0 || window.width !== viewport.width || window.height !== viewport.height)
      return `the screen "${title}" covers ${window.width}x${window.height} at ${window.x},${window.y}, not the page's ${viewport.width}x${viewport.height}`;
    if (state.title !== title)
      return `the page's title is "${state.title}" on the screen "${title}"`;
    return null;
  };
  // What the live region said since the step began, and holds now, against EXPECTED (texts, or patterns).
  const matches = (expected, texts) => texts.length === expected.length &&
    expected.every((want, i) => want instanceof RegExp ? want.test(texts[i]) : want === texts[i]);
  const said = (expected, state) => {
    const news = state.said.slice(saidBefore);
    if (!matches(expected, news))
      return `the live region said ${quoted(news)}, not ${expected.map(String).join(' + ')}`;
    // Said in one turn, heard together: the region holds them all.
    if (!same(state.region, news))
      return `the live region holds ${quoted(state.region)} after saying ${quoted(news)}`;
    return null;
  };
  const tap = async (screen, control) => {
    const place = places.get(`${screen} ${control}`);
    if (!place)
      throw new Error(`the program told no place of ${screen} ${control} at ${viewport.width}x${viewport.height}`);
    await page.touchscreen.tap(place.x, place.y);
  };
  // Ends a step: the tree (chromium) holds what the region holds, the photograph, the log line.
  const step = async (name, state, extra = '') => {
    let treeText = '';
    if (session) {
      const deadline = Date.now() + ANSWER_MS;
      let held;
      while (!same((held = await regionInTree(session))?.paragraphs, state.region ?? []) ||
             held.live !== 'assertive' || held.atomic !== true) {
        if (Date.now() > deadline)
          throw new Error(`the accessibility tree holds the live region as ${held ? `${held.live} ${held.atomic ? 'atomic' : 'not atomic'} ${quoted(held.paragraphs)}` : 'nothing'}, not ${quoted(state.region ?? [])}`);
        await sleep(50);
      }
      treeText = `; accessibility tree: ${held.live}, atomic, ${quoted(held.paragraphs)}`;
    }
    ++stepNumber;
    const photo = `${prefix}-${viewport.width}x${viewport.height}-${String(stepNumber).padStart(2, '0')}-${name}.png`;
    await page.screenshot({path: join(out, photo)});
    log(`   ${String(stepNumber).padStart(2)} ${name.padEnd(14)} title "${state.title}"; live region ${quoted(state.region)}${treeText}; tones ${state.tones}${extra}; ${photo}`);
    saidBefore = state.said.length;
  };
  const failedAt = async (name, error) => {
    await page.screenshot({path: join(out, `${prefix}-${viewport.width}x${viewport.height}-failed-${name}.png`)}).catch(() => {});
    return new Error(`${prefix} ${size}${resizeTo ? `→${resizeTo}` : ''}: ${name}: ${error.message.split('\n')[0]}`);
  };
  let name = 'start-menu';
  // The next step: a tap on one control, then the page's state once `ready` finds nothing amiss.
  const tapThenWait = async (stepName, screen, control, ready) => {
    name = stepName;
    await tap(screen, control);
    return until(ready);
  };
  try {
    await page.setViewport(viewport);
    await page.goto(url, {waitUntil: 'load'});
    let state = await until(state => screenOnView(startMenuTitle, state) ?? (state.tones === 0 ? null : `${state.tones} tones at the start`));
    await step(name, state);

    state = await tapThenWait('addition', 'frminizio', 'cmdadd',
                              state => screenOnView(additionTitle, state) ?? said([OPERATION], state));
    let [, ...addends] = OPERATION.exec(state.said.at(-1));
    // Qt's hidden text field asks no system keyboard of a touch panel.
    if (!state.inputs.length || state.inputs.some(mode => mode !== 'none'))
      throw new Error(`Qt's text fields ask for the keyboards ${JSON.stringify(state.inputs)}, not "none"`);
    await step(name, state, `; problem ${addends.join(' + ')}; ${state.inputs.length} text field inputmode none`);

    // A wrong answer: a units digit that is not the sum.
    name = 'wrong';
    let sum = addends.reduce((total, addend) => total + Number(addend), 0);
    const wrongDigit = (sum + 1) % 10;
    await tap('frmaddizioni', 'txturis');
    await tap('frmaddizioni', `pad${wrongDigit}`);
    await tap('frmaddizioni', 'cmdconferma');
    state = await until(state => said([WRONG], state) ?? (state.tones === 1 ? null : `${state.tones} tones after a wrong answer`));
    await step(name, state, `; answered ${wrongDigit} for ${sum}`);

    if (resizeTo) {
      name = 'resized';
      viewport = viewportOf(resizeTo);
      places = namesAt(whereTool, resizeTo).places;
      await page.setViewport(viewport);
      state = await until(state => screenOnView(additionTitle, state));
      await step(name, state, `; from ${size} to ${resizeTo}`);
    }

    // The right answer, digit by digit from the units: each box tapped, its digit tapped on the pad.
    name = 'right-typed';
    const digits = [...String(sum)].reverse();
    for (const [i, digit] of digits.entries()) {
      await tap('frmaddizioni', RESULT_BOXES[i]);
      await tap('frmaddizioni', `pad${digit}`);
    }
    // The boxes draw what was typed before the photograph.
    await page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
    state = await pageState(page);
    await step(name, state, `; typed ${sum}`);

    state = await tapThenWait('right', 'frmaddizioni', 'cmdconferma', state => said([RIGHT, OPERATION], state) ??
                              (state.tones === 1 ? null : `${state.tones} tones after the right answer`));
    [, ...addends] = OPERATION.exec(state.said.at(-1));
    await step(name, state, `; new problem ${addends.join(' + ')}`);

    state = await tapThenWait('score', 'frmaddizioni', 'cmdpunteggio', state => screenOnView(scoreTitle, state));
    await step(name, state);
    state = await tapThenWait('score-computed', 'frmpunteggio', 'cmdcalcola',
                              state => screenOnView(scoreTitle, state) ?? said([SCORE_SENTENCE], state));
    await step(name, state);
    state = await tapThenWait('ok', 'frmpunteggio', 'cmdok', state => screenOnView(startMenuTitle, state));
    await step(name, state);

    state = await tapThenWait('ended', 'frminizio', 'cmdesci', state => state.ended === ENDED && same(state.restart, [RESTART]) && !state.windows.length ? null
      : `the page says "${state.ended}" with the buttons ${JSON.stringify(state.restart)} and ${state.windows.length} screens on view`);
    // Every tap reached the page as a touch.
    const pointers = Object.entries(state.pointers).map(([kind, count]) => `${count} ${kind}`).join(', ');
    if (Object.keys(state.pointers).some(kind => kind.startsWith('pointerdown') && kind !== 'pointerdown touch'))
      throw new Error(`the taps came as ${pointers}`);
    await step(name, state, `; the taps came as ${pointers}`);

    // "Ricomincia" reloads the page: the start menu again, with nothing played or said yet.
    name = 'restarted';
    const button = await page.$('#status button');
    const box = await button.boundingBox();
    await Promise.all([page.waitForNavigation({waitUntil: 'load'}),
                       page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2)]);
    saidBefore = 0;
    state = await until(state => screenOnView(startMenuTitle, state) ?? said([], state) ??
                                 (state.tones === 0 ? null : `${state.tones} tones after starting again`));
    await step(name, state);
  } catch (error) {
    throw await failedAt(name, error);
  } finally {
    await session?.detach().catch(() => {});
  }
}
