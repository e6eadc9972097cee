// SPDX-License-Identifier: GPL-3.0-or-later
// The names the browser's proof and benchmark need, as the program gives them (abacolo_screenshots
// --where WIDTHxHEIGHT): where every control of every screen lies in full screen at that size, each
// screen's title, and the tour that opens every screen.
//   namesOf(text)             from the renderer's output
//   namesAt(whereTool, size)  runs the renderer (the desktop build's) and reads its output, once a size
import {execFileSync} from 'node:child_process';

export function namesOf(text) {
  const names = {places: new Map(), titles: new Map(), tour: []};
  for (const line of text.split('\n')) {
    const words = line.trim().split(/\s+/);
    if (words[0] === 'title')
      names.titles.set(words[1], line.trim().split(/\s+/).slice(2).join(' '));
    else if (words[0] === 'tour')
      names.tour.push({screen: words[1], control: words[2], next: words[3], photo: words[4] === '-' ? null : words[4]});
    else if (words.length === 4)
      names.places.set(`${words[0]} ${words[1]}`, {x: Number(words[2]), y: Number(words[3])});
  }
  for (const wanted of ['frminizio', 'frmaddizioni', 'frmpunteggio']) {
    if (!names.titles.has(wanted))
      throw new Error(`the screen renderer told no title of ${wanted}`);
  }
  if (!names.tour.length)
    throw new Error('the screen renderer told no tour');
  return names;
}

const bySize = new Map();
export function namesAt(whereTool, size) {
  if (!bySize.has(size)) {
    bySize.set(size, namesOf(execFileSync(whereTool, ['--where', size], {
      encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'], env: {...process.env, QT_QPA_PLATFORM: 'offscreen'},
    })));
  }
  return bySize.get(size);
}
