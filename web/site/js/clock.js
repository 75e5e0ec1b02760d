// SPDX-License-Identifier: MIT
// The screen's timers on the page's time: one timeout sleeps until the next tick is due, then
// `wake` runs everything due by then. A hidden tab, whose timeouts the browser slows down, is a
// pause: the clock stands still from hiding to showing and is not replayed.

export class Clock {
  #board;
  #wake;
  #timeout = null;
  #running = false;
  #onVisibility = () => this.#visibilityChanged();

  constructor(board, wake) {
    this.#board = board;
    this.#wake = wake;
    document.addEventListener('visibilitychange', this.#onVisibility);
  }

  // Sleeps until the next tick; called after every event, since handlers switch timers.
  schedule() {
    this.#running = true;
    this.#sleep();
  }

  // No wake-ups until schedule() is called again.
  hold() {
    this.#running = false;
    this.#cancel();
  }

  stop() {
    this.hold();
    document.removeEventListener('visibilitychange', this.#onVisibility);
  }

  #sleep() {
    this.#cancel();
    if (!this.#running || document.hidden) return;
    const wait = this.#board.wait(performance.now());
    if (wait < 0) return;
    this.#timeout = setTimeout(() => {
      this.#timeout = null;
      this.#wake();
    }, wait);
  }

  #cancel() {
    if (this.#timeout !== null) clearTimeout(this.#timeout);
    this.#timeout = null;
  }

  #visibilityChanged() {
    if (document.hidden) {
      // The pause begins: what is due by now runs, then nothing until the tab is shown again.
      if (this.#running) this.#wake();
      this.#cancel();
    } else if (this.#running) {
      this.#board.resumeAfterPause(performance.now());
      this.#wake();
    }
  }
}
