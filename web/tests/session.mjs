// SPDX-License-Identifier: MIT
// What the tests share: opening the site, waiting with a reason, reading the board, and
// replaying a session through the core natively.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { watch } from './browser.mjs';

const here = fileURLToPath(new URL('.', import.meta.url));
export const kReplay = process.env.KOBARU_REPLAY ?? path.resolve(here, '../../build-test/bin/kobaru_replay');
export const kScreenshots = process.env.KOBARU_SCREENSHOTS ?? path.resolve(here, '../../build-web/screenshots');

// Opens the site `site` serves, with `query` after its address.
export async function open(context, site, query = '') {
  const page = await context.newPage();
  const faults = watch(page, site.origin);
  await page.goto(`${site.url}${query}`);
  await waitFor(page, () => document.querySelector('[data-window="kidou"]'), 'the launcher to open');
  return { page, faults };
}

// Waits until `fn` (run in the page) gives something true; a timeout names what was awaited.
export async function waitFor(page, fn, what, arg = undefined, timeout = 30_000) {
  try {
    return await page.waitForFunction(fn, arg, { timeout, polling: 50 });
  } catch (e) {
    throw new Error(`timed out after ${timeout} ms waiting for ${what}: ${e.message.split('\n')[0]}`, { cause: e });
  }
}

export const element = (page, win, name) => page.locator(`[data-window="${win}"] [data-name="${name}"]`);

export async function record(page) {
  return page.locator('[data-window="Form1"] [data-name="ousatu"]').inputValue();
}

export function lines(text) {
  return text.split(/\r?\n/);
}

export async function screenshot(page, name) {
  fs.mkdirSync(kScreenshots, { recursive: true });
  await page.screenshot({ path: path.join(kScreenshots, `${name}.png`) });
}

// The board's virtual time and its record, read together; the inputs sent so far.
export async function snapshot(page) {
  return page.evaluate(() => ({
    t: window.kobaruReplay.now(),
    record: document.querySelector('[data-window="Form1"] [data-name="ousatu"]').value,
    events: window.kobaruReplay.events,
  }));
}

// The record the core itself leaves for the same seed and the same inputs at the same times.
export function replayed(seed, events, t) {
  const bit = (flag, absent) => ((flag ?? absent) ? '1' : '0');
  const escaped = (text) => (text ?? '').replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\n/g, '\\n');
  const text = [
    ...events.map(({ input: i, t: at }) =>
      [at, i.kind, i.name ?? '', i.pointer ?? 0, bit(i.primary, true), bit(i.over, true), bit(i.repeat, false), i.key ?? 0, escaped(i.text)].join('\t'),
    ),
    `${t}\tat`,
  ].join('\n');
  return execFileSync(kReplay, [String(seed)], { input: `${text}\n`, encoding: 'utf8' });
}

// Holds the primary button down over `locator`'s centre for `ms`, then lets it go there, or at
// `releaseAt` (a point on the page) after moving there while held.
export async function hold(page, locator, ms, releaseAt = null) {
  const box = await locator.boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await page.waitForTimeout(ms);
  if (releaseAt) await page.mouse.move(releaseAt.x, releaseAt.y, { steps: 4 });
  await page.mouse.up();
}

// The same with a finger on a touch screen.
export async function touchHold(page, locator, ms) {
  const box = await locator.boundingBox();
  const point = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  await page.waitForTimeout(ms);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await cdp.detach();
}
