// SPDX-License-Identifier: MIT
// @ts-check
// The practice screen Form1: the core's session drawn as one DOM element per element. The page
// forwards the trainee's hand raw (pointer and keys on the buttons, characters and text in the
// entries, the focus) and the page's time; the session decides what they mean and returns what
// to do: the platform's effects in order, the changed elements, the focus and the next wake-up.
// A message holds the session until the trainee closes it, as on the desktop, where the message
// box returns only when closed.

import { Clock } from './clock.js';
import { showMessage } from './dialogs.js';
import { viewOf } from './elements.js';
import { magnify } from './magnify.js';

/**
 * @typedef {{ kind: string, name?: string, pointer?: number, primary?: boolean, over?: boolean,
 *   repeat?: boolean, key?: number, text?: string }} Input the raw input the core takes
 * @typedef {{ kind: string, path?: string, text?: string, title?: string, icon?: string }} Effect
 * @typedef {{ effects: Effect[], changes: any[], focus: string | null, held: string,
 *   sleep: number }} Reply what the core returns for an input
 */

const kPrimary = 0;
const kSpace = 32;
const kEnter = 13;
const kBackspace = 8;

/** @param {HTMLElement} el @param {PointerEvent} e */
function over(el, e) {
  const r = el.getBoundingClientRect();
  return e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom;
}

export class PracticeScreen {
  #board;
  #views = new Map(); // name -> view
  #closed = false;
  #clock;
  #unmagnify;
  #held = '';
  #focusing = false; // the focus moves where the core put it: the core knows already
  /** @type {{ input: Input, t: number }[] | null} */
  #log = null;
  #effects;

  /**
   * @param {object} options
   * @param {any} options.core the WebAssembly module
   * @param {any} options.windows opens and closes the program's windows
   * @param {any} options.sounds plays the cues
   * @param {Set<string>} options.files the site's files, named from its folder
   * @param {any} options.results the core's Results, which outlive the screen, follow its lots
   * @param {boolean} options.firstCopy
   * @param {number} [options.seed] with a seed the draws are the seeded generator's
   * @param {{ events: object[], now: () => number } | null} [options.replay] then receives every
   *   input but the wake-ups (with the board's virtual time) and a `now()` that tells that time,
   *   so that the session can be replayed elsewhere
   */
  constructor({ core, windows, sounds, files, results, firstCopy, seed = 0, replay = null }) {
    const page = { isRegularFile: (/** @type {string} */ path) => files.has(path.replace(/^\.\//, '')) };
    this.#board = new core.Board(page, results, !firstCopy, performance.now(), seed);
    const layout = this.#board.layout();
    this.caption = layout.caption;
    this.element = document.createElement('div');
    this.element.className = 'screen';
    this.element.dataset.window = 'Form1';
    this.element.setAttribute('role', 'application');
    this.element.setAttribute('aria-label', this.caption);
    this.element.addEventListener('contextmenu', (e) => e.preventDefault());
    if (replay) {
      this.#log = /** @type {{ input: Input, t: number }[]} */ (replay.events);
      replay.now = () => (this.#closed ? -1 : this.#board.now());
    }
    /** @type {Record<string, (e: Effect) => unknown>} */
    this.#effects = {
      sound: (e) => sounds.play(e.path),
      beep: () => sounds.beep(),
      message: (e) => showMessage(e.text ?? '', e.title ?? '', e.icon ?? 'information'),
      closePracticeScreen: () => windows.closePractice(),
      showLauncher: () => windows.showLauncher(),
      showResults: () => windows.showResults(),
    };

    for (const state of this.#board.elements()) {
      const view = viewOf(state);
      this.#views.set(state.name, view);
      this.element.append(view.el);
      if (state.control === 'button') this.#bindButton(view.el, state.name);
      else if (state.control === 'entry') this.#bindEntry(view.el, state.name);
    }
    this.#bindFocus();
    this.#unmagnify = magnify(core, this.element, layout.width, layout.height);
    this.#clock = new Clock((kind) => this.#send({ kind }));
  }

  // Runs the screen's opening handler; resolves once its messages, if any, are closed.
  load() {
    return this.#send({ kind: 'load' });
  }

  // The screen unloads: its wake-ups stop and the core's board is freed.
  destroy() {
    if (this.#closed) return;
    this.#closed = true;
    this.#clock.stop();
    this.#unmagnify();
    this.element.remove();
    this.#board.delete();
  }

  // Pointer and keys as they come. The pointer is captured, so its release reaches the button
  // wherever it happens; a lost capture is a release away from the button.
  /** @param {HTMLElement} el @param {string} name */
  #bindButton(el, name) {
    el.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      el.setPointerCapture(e.pointerId);
      this.#send({ kind: 'buttonDown', name, pointer: e.pointerId, primary: e.button === kPrimary });
    });
    el.addEventListener('pointerup', (e) => this.#send({ kind: 'buttonUp', name, pointer: e.pointerId, over: over(el, e) }));
    const lost = (/** @type {PointerEvent} */ e) => this.#send({ kind: 'buttonUp', name, pointer: e.pointerId, over: false });
    el.addEventListener('pointercancel', lost);
    el.addEventListener('lostpointercapture', lost);
    /** @param {string} kind */
    const key = (kind) => (/** @type {KeyboardEvent} */ e) => {
      const code = e.key === ' ' ? kSpace : e.key === 'Enter' ? kEnter : 0;
      if (!code) return;
      e.preventDefault();
      this.#send({ kind, name, key: code, repeat: e.repeat });
    };
    el.addEventListener('keydown', key('keyDown'));
    el.addEventListener('keyup', key('keyUp'));
  }

  // Each character typed (and Backspace) before it lands in the box, the text once it has, and
  // the pointer coming up over the box.
  /** @param {HTMLElement} el @param {string} name */
  #bindEntry(el, name) {
    const input = /** @type {HTMLInputElement} */ (el);
    el.addEventListener('keydown', (e) => {
      if (e.isComposing || e.ctrlKey || e.metaKey || e.altKey) return;
      const chars = [...e.key];
      if (chars.length === 1) this.#send({ kind: 'entryKey', name, key: chars[0].codePointAt(0) });
      else if (e.key === 'Backspace') this.#send({ kind: 'entryKey', name, key: kBackspace });
    });
    el.addEventListener('input', () => this.#send({ kind: 'entryText', name, text: input.value }));
    el.addEventListener('pointerup', (e) => this.#send({ kind: 'entryClick', name, over: over(el, e), primary: e.button === kPrimary }));
  }

  // The handlers see where the keyboard focus is.
  #bindFocus() {
    this.element.addEventListener('focusin', (e) => {
      if (this.#focusing) return;
      const target = e.target instanceof HTMLElement ? e.target : null;
      this.#send({ kind: 'focus', name: target?.dataset.name ?? '' });
    });
    this.element.addEventListener('focusout', (e) => {
      if (!(e.relatedTarget instanceof Node && this.element.contains(e.relatedTarget))) this.#send({ kind: 'focus', name: '' });
    });
  }

  /**
   * One input to the core, then what it returns done; resolves once that is done, messages
   * closed included.
   * @param {Input} input
   * @returns {Promise<void>}
   */
  #send(input) {
    if (this.#closed) return Promise.resolve();
    /** @type {Reply} */
    const reply = this.#board.input(input, performance.now());
    if (this.#log && input.kind !== 'tick') this.#log.push({ input, t: this.#board.now() });
    return this.#apply(reply);
  }

  /** @param {Reply} reply */
  async #apply(reply) {
    for (const effect of reply.effects) {
      if (effect.kind === 'message') {
        // The session holds until the message is closed; a message that could not be shown
        // still releases it.
        try {
          await this.#effects.message(effect);
        } catch (e) {
          console.error(`showing the message "${effect.text}" failed:`, e);
        }
        return this.#send({ kind: 'messageClosed' });
      }
      try {
        this.#effects[effect.kind](effect);
      } catch (e) {
        console.error(`the screen's ${effect.kind} failed:`, e);
      }
    }
    if (this.#closed) return;
    for (const state of reply.changes) this.#views.get(state.name).apply(state);
    if (reply.focus) {
      this.#focusing = true;
      this.#views.get(reply.focus)?.el.focus({ preventScroll: true });
      this.#focusing = false;
    }
    if (reply.held !== this.#held) {
      this.#views.get(this.#held)?.el.classList.remove('down');
      this.#held = reply.held;
      this.#views.get(this.#held)?.el.classList.add('down');
    }
    this.#clock.sleep(reply.sleep);
  }
}
