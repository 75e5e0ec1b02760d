// SPDX-License-Identifier: MIT
// @ts-check
// The practice screen Form1 of the single-user page: the core's session runs in the page, on the
// page's clock. The board view forwards the trainee's hand raw and draws what the session returns;
// the session's wake-ups go to the clock. On a narrow portrait screen the trainee's view of the
// board shows, and a button brings back the operator's panel, which this trainee works too.

import { BoardLayout } from './board_layout.js';
import { BoardView } from './board_view.js';
import { Clock } from './clock.js';
import { showMessage } from './dialogs.js';

/**
 * @typedef {import('./board_view.js').Input} Input
 * @typedef {import('./board_view.js').Reply & { sleep: number }} Reply what the core returns for
 *   an input, with the milliseconds until it wants to be woken
 */

export class PracticeScreen {
  #board;
  #view;
  #layout;
  #closed = false;
  #clock;
  /** @type {{ input: Input, t: number }[] | null} */
  #log = null;

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
    if (replay) {
      this.#log = /** @type {{ input: Input, t: number }[]} */ (replay.events);
      replay.now = () => (this.#closed ? -1 : this.#board.now());
    }
    this.#view = new BoardView({
      caption: this.caption,
      elements: this.#board.elements(),
      send: (input) => this.#send(input),
      effects: {
        sound: (e) => sounds.play(e.path),
        beep: () => sounds.beep(),
        message: (e) => showMessage(e.text ?? '', e.title ?? '', e.icon ?? 'information'),
        closePracticeScreen: () => windows.closePractice(),
        showLauncher: () => windows.showLauncher(),
        showResults: () => windows.showResults(),
      },
      applied: (reply) => this.#clock.sleep(/** @type {Reply} */ (reply).sleep),
    });
    this.#layout = new BoardLayout(core, this.#view, layout, { panel: 'wide' });
    this.element = this.#layout.element;
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
    this.#view.destroy();
    this.#layout.destroy();
    this.#board.delete();
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
    return this.#view.apply(reply);
  }
}
