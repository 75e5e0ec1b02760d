// SPDX-License-Identifier: MIT
// The practice screen Form1: the core's board drawn as one DOM element per element, fed with the
// trainee's pointer and keys and with the page's time.
//
// Events reach the core one at a time. Whatever the core asks of the platform during a handler
// (a cue, the beep, a message, the launcher, closing the screen) is done in order once the
// handler has returned; a message holds everything after it, the board and its clock included,
// until the trainee closes it, so the screen behaves as on the desktop, where the message box
// returns only when closed.

import { Clock } from './clock.js';
import { showMessage } from './dialogs.js';
import { viewOf } from './elements.js';
import { magnify } from './magnify.js';

const kDesignedWidth = 11895;
const kDesignedHeight = 8700;
const kPrimary = 0;

export class PracticeScreen {
  #board;
  #views = new Map(); // name -> view
  #effects = [];
  #blocked = false;
  #closed = false;
  #clock;
  #unmagnify;
  #held = null; // { name, pointerId, button } of the button held down
  #releaseWhileBlocked = null;
  #spaceDown = null;
  #log = null;

  // `core` is the WebAssembly module; `windows` opens and closes the program's windows;
  // `sounds` plays the cues; `files` holds the site's files, named from its folder; `results`
  // (the core's Results, which outlive the screen) follow its lots. With a `seed` the draws are the seeded generator's; a `replay`
  // object then receives every event delivered (in `events`, with the board's virtual time) and
  // a `now()` that tells that time, so that the session can be replayed elsewhere.
  constructor({ core, windows, sounds, files, results, firstCopy, seed = 0, replay = null }) {
    this.element = document.createElement('div');
    this.element.className = 'screen';
    this.element.dataset.window = 'Form1';
    this.element.setAttribute('role', 'application');
    this.element.setAttribute('aria-label', this.caption);
    this.element.addEventListener('contextmenu', (e) => e.preventDefault());
    if (replay) {
      this.#log = replay.events;
      replay.now = () => (this.#closed ? -1 : this.#board.now());
    }

    const page = {
      playSound: (path) => this.#effects.push(() => sounds.play(path)),
      beep: () => this.#effects.push(() => sounds.beep()),
      showMessage: (text, title, icon) => this.#effects.push(() => showMessage(text, title, icon)),
      closePracticeScreen: () => this.#effects.push(() => windows.closePractice()),
      showLauncher: () => this.#effects.push(() => windows.showLauncher()),
      showResults: () => this.#effects.push(() => windows.showResults()),
      isRegularFile: (path) => files.has(path.replace(/^\.\//, '')),
    };
    this.#board = new core.Board(page, results, !firstCopy, performance.now(), seed);
    for (const state of this.#board.elements()) {
      const view = viewOf(state);
      this.#views.set(state.name, view);
      this.element.append(view.el);
    }
    this.#bind(core.Board.buttonEvents(), core.Board.entryEvents());
    this.#unmagnify = magnify(core, this.element, kDesignedWidth, kDesignedHeight);
    this.#clock = new Clock(this.#board, () => this.#run('tick', '', (t) => this.#board.tick(t)));
  }

  get caption() {
    return 'Kobaru v1.01 - Tessaly';
  }

  // Runs the screen's opening handler; resolves once its messages, if any, are closed.
  load() {
    return this.#run('load', '', (t) => this.#board.load(t));
  }

  // The screen unloads: every timer stops and the core's board is freed.
  destroy() {
    if (this.#closed) return;
    this.#closed = true;
    this.#clock.stop();
    this.#unmagnify();
    this.element.remove();
    this.#board.delete();
  }

  #bind(buttons, entries) {
    for (const b of buttons) this.#bindButton(this.#views.get(b.name).el, b);
    for (const e of entries) this.#bindEntry(this.#views.get(e.name).el, e);
    // Whatever is typed into any entry goes into the form at once.
    for (const [name, view] of this.#views) {
      if (view.el instanceof HTMLInputElement) {
        view.el.addEventListener('input', () => {
          this.#record('typed', name, view.el.value);
          this.#board.typed(name, view.el.value);
        });
      }
    }
  }

  // Press, release and click as a mouse gives them, for a finger too: the pointer is captured,
  // so the release reaches the button wherever it happens, and it is a click only when the
  // primary button is released over the button. Space and Enter give the click alone.
  #bindButton(el, events) {
    const name = events.name;
    el.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      if (this.#held || this.#blocked) return; // a second button while one is held adds nothing
      this.#held = { name, pointerId: e.pointerId, button: e.button };
      el.setPointerCapture(e.pointerId);
      el.classList.add('down');
      el.focus({ preventScroll: true });
      if (events.press) this.#deliver('press', name);
    });
    const end = (e, over) => {
      const held = this.#held;
      if (!held || held.name !== name || held.pointerId !== e.pointerId) return;
      this.#held = null;
      el.classList.remove('down');
      const click = over && held.button === kPrimary && events.click;
      if (this.#blocked) {
        // A message came up while the button was held: the release still ends the hold, once
        // the message is closed.
        if (events.release) this.#releaseWhileBlocked = name;
        return;
      }
      if (events.release) this.#deliver('release', name);
      if (click) this.#deliver('click', name);
    };
    el.addEventListener('pointerup', (e) => {
      const r = el.getBoundingClientRect();
      end(e, e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom);
    });
    el.addEventListener('pointercancel', (e) => end(e, false));
    el.addEventListener('lostpointercapture', (e) => end(e, false));
    el.addEventListener('keydown', (e) => {
      if (e.key === ' ') {
        e.preventDefault();
        if (!e.repeat) this.#spaceDown = name;
      } else if (e.key === 'Enter') {
        e.preventDefault();
        if (!e.repeat && events.click) this.#deliver('click', name);
      }
    });
    el.addEventListener('keyup', (e) => {
      if (e.key !== ' ') return;
      e.preventDefault();
      if (this.#spaceDown !== name) return;
      this.#spaceDown = null;
      if (events.click) this.#deliver('click', name);
    });
    // A press lost to another window (the focus moving away) does not click later.
    el.addEventListener('blur', () => {
      if (this.#spaceDown === name) this.#spaceDown = null;
    });
  }

  // The entries' handlers see each character typed (and Backspace), before it lands in the box,
  // and a click into the box once the pointer is released over it.
  #bindEntry(el, events) {
    const name = events.name;
    if (events.keyPress) {
      el.addEventListener('keydown', (e) => {
        if (e.isComposing || e.ctrlKey || e.metaKey || e.altKey) return;
        const chars = [...e.key];
        if (chars.length === 1) this.#deliver('key', name, chars[0].codePointAt(0));
        else if (e.key === 'Backspace') this.#deliver('key', name, 8);
      });
    }
    if (events.click) {
      el.addEventListener('pointerup', (e) => {
        const r = el.getBoundingClientRect();
        const over =
          e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom;
        if (over && e.button === kPrimary) this.#deliver('entryClick', name);
      });
    }
  }

  #deliver(kind, name, key) {
    const board = this.#board;
    const handlers = {
      press: (t) => board.press(name, t),
      release: (t) => board.release(name, t),
      click: (t) => board.click(name, t),
      key: (t) => board.keyPress(name, key, t),
      entryClick: (t) => board.entryClick(name, t),
    };
    this.#run(kind, name, handlers[kind], key);
  }

  #record(kind, name, detail) {
    this.#log?.push({ kind, name, t: this.#board.now(), ...(detail === undefined ? {} : { detail }) });
  }

  // One event: the handler, then what it asked of the platform, then the board redrawn, the
  // focus moved where the handler put it, and the clock set for the next tick.
  #run(kind, name, handler, detail) {
    if (this.#blocked || this.#closed) return Promise.resolve();
    const board = this.#board;
    board.setFocus(this.#focusedName());
    const focusBefore = board.focus();
    handler(performance.now());
    if (kind !== 'tick') this.#record(kind, name, detail);
    return new Promise((resolve) => {
      this.#afterEffects(() => {
        if (!this.#closed) this.#redraw(focusBefore);
        resolve();
      });
    });
  }

  #afterEffects(done) {
    while (this.#effects.length > 0) {
      const pending = this.#effects.shift()();
      if (pending instanceof Promise) {
        this.#blocked = true;
        this.#clock.hold();
        pending.then(() => {
          this.#blocked = false;
          this.#afterEffects(done);
        });
        return;
      }
    }
    done();
  }

  #redraw(focusBefore) {
    const board = this.#board;
    for (const state of board.changes()) this.#views.get(state.name).apply(state);
    const focus = board.focus();
    if (focus && focus !== focusBefore) this.#views.get(focus)?.el.focus({ preventScroll: true });
    if (this.#releaseWhileBlocked) {
      const name = this.#releaseWhileBlocked;
      this.#releaseWhileBlocked = null;
      this.#deliver('release', name);
      return;
    }
    this.#clock.schedule();
  }

  #focusedName() {
    const active = document.activeElement;
    return active instanceof HTMLElement && this.element.contains(active)
      ? (active.dataset.name ?? '')
      : '';
  }
}
