// SPDX-License-Identifier: MIT
// @ts-check
// The page's start: load the core, which lays out and magnifies the launcher, and show the
// launcher once it is there; ask for the one-copy lock and the list of files behind it, since only
// the practice screen needs them. When the program cannot start, or has ended, the page says what
// happened and what to do.

import { loadCore } from './core.js';
import { holdTheOnlyCopy } from './lock.js';
import { kNotices, showFailure, showNotice } from './notice.js';
import { keepForOffline } from './offline.js';
import { Sounds } from './sounds.js';
import { Windows } from './windows.js';

// For replaying a session elsewhere: ?seed=N (a whole number above 0) makes the draws the seeded
// generator's and keeps the inputs sent, with the board's virtual time, in
// window.kobaruReplay. It changes nothing else.
function seedFromAddress() {
  const seed = Number(new URLSearchParams(location.search).get('seed'));
  return Number.isSafeInteger(seed) && seed > 0 ? seed : 0;
}

// The site's files, as the site build lists them: the practice screen asks whether a lot
// picture is there before showing it. Without the list, none is, and the first picture stays.
/** @returns {Promise<Set<string>>} */
async function siteFiles() {
  try {
    const response = await fetch('files.json');
    if (!response.ok) {
      console.warn(`The list of the site's files is missing (${response.status}): the first lot picture stays`);
      return new Set();
    }
    const names = await response.json();
    return new Set(Array.isArray(names) ? names : []);
  } catch (e) {
    console.error("Reading the list of the site's files:", e);
    return new Set();
  }
}

// The stylesheet sets a mark of its own; without it, the windows would be drawn unstyled.
function stylesheetLoaded() {
  return getComputedStyle(document.documentElement).getPropertyValue('--kobaru-stylesheet').trim() !== '';
}

const lock = holdTheOnlyCopy();

async function start() {
  if (!stylesheetLoaded()) {
    showFailure('Loading the stylesheet', new Error('kobaru.css did not load'), kNotices.stylesheetMissing);
    return false;
  }
  const seed = seedFromAddress();
  const replay = seed > 0 ? { events: [], now: () => -1 } : null;
  if (replay) window.kobaruReplay = replay;
  const files = siteFiles();
  let core;
  try {
    core = await loadCore();
  } catch (e) {
    showFailure('Loading the core (kobaru.mjs and kobaru.wasm)', e, kNotices.coreMissing);
    return false;
  }
  const windows = new Windows(core, lock, files, {
    sounds: new Sounds(),
    seed,
    replay,
    // The program has ended, by 終了, by its last window closing, or as a second copy: another
    // tab may start it, and this one says so.
    end: () => {
      lock.then((held) => {
        held.release();
        document.title = 'Kobaru';
        showNotice(held.firstCopy ? kNotices.ended : kNotices.refused);
      });
    },
  });
  windows.showLauncher();
  return true;
}

const started = await start().catch((e) => {
  showFailure('Starting the program', e, kNotices.failed);
  return false;
});
if (started) {
  keepForOffline();
} else {
  // Nothing runs: another tab may start the program.
  lock.then((held) => held.release());
}
