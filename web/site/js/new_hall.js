// SPDX-License-Identifier: MIT
// @ts-check
// The trainer's page opened without a hall (trainer.html alone): a button that opens a new hall on
// the server and goes on to its trainer's page. When the server opens none, the notice says why,
// in the server's words where it gave them, and the button stays for another try.

import { showHallNotice } from './hall_page.js';

// The server's answers that it opens no hall now and says why: too many halls of this address
// (429), or the server holds its most (503).
const kRefusals = new Set([429, 503]);

/**
 * The trainer's address in the server's answer, if it is one.
 * @param {any} answer
 */
function trainerAddress(answer) {
  if (typeof answer?.trainer !== 'string') return null;
  try {
    const url = new URL(answer.trainer, location.href);
    return url.protocol === 'https:' || url.protocol === 'http:' ? url.href : null;
  } catch {
    return null;
  }
}

/**
 * Asks the server for a new hall: its trainer's address, or why there is none.
 * @returns {Promise<{ trainer: string } | { advice: string }>}
 */
async function newHall() {
  let response;
  try {
    response = await fetch('halls', { method: 'POST', cache: 'no-store' });
  } catch (e) {
    console.warn('Opening a new hall:', e);
    return { advice: 'サーバーに接続できませんでした。ネットワークの接続を確かめて、もう一度お試しください。' };
  }
  if (response.status === 201) {
    const trainer = trainerAddress(await response.json().catch(() => null));
    return trainer ? { trainer } : { advice: 'サーバーの答えを読めませんでした。もう一度お試しください。' };
  }
  const text = kRefusals.has(response.status) ? (await response.text().catch(() => '')).trim() : '';
  return { advice: text || `サーバーが練習会場を開きませんでした（${response.status}）。しばらくしてから、もう一度お試しください。` };
}

/** Shows the page's offer of a new hall in place of the hall's screen and panel. */
export function offerNewHall() {
  const offer = /** @type {HTMLElement} */ (document.querySelector('[data-window="new-hall"]'));
  const button = /** @type {HTMLButtonElement} */ (offer.querySelector('button'));
  /** @type {HTMLElement} */ (document.querySelector('.trainer-hall')).hidden = true;
  offer.hidden = false;
  button.addEventListener('click', async () => {
    button.disabled = true;
    document.querySelector('.hall-notice')?.remove();
    const answer = await newHall();
    if ('trainer' in answer) {
      // The button stays pressed while the hall's page comes.
      location.assign(answer.trainer);
      return;
    }
    showHallNotice('新しい練習会場を開けませんでした。', answer.advice);
    button.disabled = false;
  });
  button.focus();
}
