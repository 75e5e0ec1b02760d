// SPDX-License-Identifier: MIT
// The page's start: load the core, which lays out and magnifies the launcher, and show the
// launcher once it is there; ask for the one-copy lock and the list of files behind it, since only
// the practice screen needs them.

import { holdTheOnlyCopy } from './lock.js';
import { Sounds } from './sounds.js';
import { Windows } from './windows.js';

// For replaying a session elsewhere: ?seed=N (a whole number above 0) makes the draws the seeded
// generator's and keeps the events delivered, with the board's virtual time, in
// window.kobaruReplay. It changes nothing else.
function seedFromAddress() {
  const seed = Number(new URLSearchParams(location.search).get('seed'));
  return Number.isSafeInteger(seed) && seed > 0 ? seed : 0;
}

const lock = holdTheOnlyCopy();
const seed = seedFromAddress();
const replay = seed > 0 ? { events: [], now: () => -1 } : null;
if (replay) window.kobaruReplay = replay;

// The site's files, as the site build lists them: the practice screen asks whether a lot
// picture is there before showing it. Without the list, none is, and the first picture stays.
const files = fetch('files.json')
  .then((r) => (r.ok ? r.json() : []))
  .catch(() => [])
  .then((names) => new Set(Array.isArray(names) ? names : []));
const core = await import('../kobaru.mjs').then((m) => m.default());
const windows = new Windows(core, lock, files, {
  sounds: new Sounds(),
  seed,
  replay,
  // The program has ended: the page stays black, and another tab may start it.
  end: () => {
    lock.then((held) => held.release());
    document.title = 'Kobaru';
  },
});
windows.showLauncher();
