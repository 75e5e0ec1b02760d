// SPDX-License-Identifier: MIT
// What the page adds to the browser's globals.

interface Window {
  /** With ?seed=N: the inputs sent to the board, and its virtual time. */
  kobaruReplay?: { events: object[]; now: () => number };
}
