// SPDX-License-Identifier: MIT
// @ts-check
// One copy at a time: the first tab of the site holds a lock for as long as the program runs; a
// later tab finds it taken and is the second copy.

const kLockName = 'kobaru';

/** @typedef {{ firstCopy: boolean, release: () => void }} Lock */

/**
 * Resolves to { firstCopy, release }. Where the browser has no Web Locks (a page served without
 * HTTPS from another computer), every tab counts as the first.
 * @returns {Promise<Lock>}
 */
export function holdTheOnlyCopy() {
  if (!navigator.locks) return Promise.resolve({ firstCopy: true, release() {} });
  return new Promise((resolve) => {
    navigator.locks.request(kLockName, { ifAvailable: true }, (lock) => {
      if (!lock) {
        resolve({ firstCopy: false, release() {} });
        return undefined;
      }
      // The lock is held until this promise settles: when the program ends or the tab closes.
      return new Promise((release) => resolve({ firstCopy: true, release: () => release(undefined) }));
    });
  });
}
