// SPDX-License-Identifier: MIT
// What the hall's browser tests do on its pages: find an element of the practice screen, read
// the record, type the trainer's start price, and note what a page must not do.

import { waitFor } from './session.mjs';

export const board = (page, name) => page.locator(`[data-window="Form1"] [data-name="${name}"]`);
export const recordOf = (page) => board(page, 'ousatu').inputValue();

// Console errors, uncaught exceptions, and requests to anywhere but `origin` (the hall's server,
// or the proxy in front of it), as the page makes them.
export function watchPage(page, origin) {
  const faults = [];
  page.on('console', (m) => {
    if (m.type() === 'error') faults.push(`console error: ${m.text()}`);
  });
  page.on('pageerror', (e) => faults.push(`uncaught: ${e.message}`));
  page.on('request', (r) => {
    if (!r.url().startsWith(`${origin}/`) && !r.url().startsWith('blob:')) faults.push(`request outside ${origin}: ${r.url()}`);
  });
  return faults;
}

// Forced stop opens the start price, which the hall's first screen had locked: the box becomes an
// entry the trainer types into, its keys going to the hall.
export async function typeStartPrice(trainer, price) {
  await board(trainer, 'Command23').click();
  await waitFor(trainer, () => document.activeElement?.matches('input[data-name="Text6"]'), 'the start price open for typing, with the focus');
  await trainer.keyboard.press('Control+A');
  await trainer.keyboard.type(price, { delay: 120 });
  await waitFor(trainer, (p) => document.querySelector('[data-window="Form1"] [data-name="Text6"]').value === p, 'the start price typed', price);
}
