// SPDX-License-Identifier: MIT
// @ts-check
// The screen's wake-ups on the page's time: one timeout sleeps as long as the core says, then
// wakes it with a tick. A hidden tab, whose timeouts the browser slows down, is a pause: the core
// is told when it begins and ends, and the clock stands still between.

export class Clock {
  #wake;
  /** @type {ReturnType<typeof setTimeout> | null} */
  #timeout = null;
  #onVisibility = () => this.#wake(document.hidden ? 'hidden' : 'shown');

  /** @param {(kind: 'tick' | 'hidden' | 'shown') => void} wake sends the core that input */
  constructor(wake) {
    this.#wake = wake;
    document.addEventListener('visibilitychange', this.#onVisibility);
  }

  /** @param {number} ms until the next tick; below 0 for no wake-up */
  sleep(ms) {
    this.#cancel();
    if (ms < 0) return;
    this.#timeout = setTimeout(() => {
      this.#timeout = null;
      this.#wake('tick');
    }, ms);
  }

  stop() {
    this.#cancel();
    document.removeEventListener('visibilitychange', this.#onVisibility);
  }

  #cancel() {
    if (this.#timeout !== null) clearTimeout(this.#timeout);
    this.#timeout = null;
  }
}
