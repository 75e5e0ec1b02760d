// SPDX-License-Identifier: MIT
// The browser edition's figures, in Debian's headless Chromium against the built site served
// locally (gzip, as a static host serves it):
//   - bytes a first visit transfers: the launcher, then the practice screen playing for 10 s
//     (the manual's pictures aside: the manual is not opened);
//   - from navigation to the launcher painted (its fonts and backdrop in), median of 7 cold visits;
//   - the clock's climb over 20 s at the standard speed against the ideal;
//   - calls from JavaScript into WebAssembly for one press of the bid button, and from the press
//     to the next frame painted (p50 and p99 of 60 clicks on the bid button in a running lot).
// Usage: node bench/web_site.mjs   (after scripts/web build; KOBARU_SITE names another site)

import { launch } from '../web/tests/browser.mjs';
import { serveSite } from '../web/tests/server.mjs';

const site = await serveSite();

async function fresh(body) {
  const browser = await launch();
  try {
    const page = await browser.context.newPage();
    return await body(page);
  } finally {
    await browser.close();
  }
}

// Marks the moment the launcher, with its fonts and backdrop, reaches the screen.
function markLauncherPainted() {
  const painted = () =>
    new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => resolve(performance.now()))));
  window.kobaruPainted = new Promise((resolve) => {
    const look = async () => {
      const launcher = document.querySelector('[data-window="kidou"]');
      if (!launcher) return false;
      observer.disconnect();
      const backdrop = launcher.querySelector('[data-name="backdrop"]');
      await Promise.all([document.fonts.ready, backdrop.decode().catch(() => {})]);
      resolve(await painted());
      return true;
    };
    const observer = new MutationObserver(look);
    document.addEventListener('DOMContentLoaded', () => {
      observer.observe(document.body, { childList: true });
      look();
    });
  });
}

const firstVisit = await fresh(async (page) => {
  const before = site.sent();
  const from = site.requests.length;
  await page.goto(`${site.origin}/`);
  await page.waitForSelector('[data-window="kidou"] [data-name="Command1"]');
  await page.click('[data-window="kidou"] [data-name="Command1"]');
  await page.waitForSelector('[data-window="Form1"]');
  await page.waitForTimeout(10_000);
  return { bytes: site.sent() - before, files: site.requests.slice(from) };
});

const paints = [];
for (let i = 0; i < 7; ++i) {
  paints.push(
    await fresh(async (page) => {
      await page.addInitScript(markLauncherPainted);
      await page.goto(`${site.origin}/`);
      return page.evaluate(() => window.kobaruPainted);
    }),
  );
}
paints.sort((a, b) => a - b);

const climb = await fresh(async (page) => {
  await page.goto(`${site.origin}/`);
  await page.click('[data-window="kidou"] [data-name="Command1"]');
  const button = (name) => page.locator(`[data-window="Form1"] [data-name="${name}"]`);
  await button('Command23').click();
  await page.keyboard.type('200');
  await button('Command11').click();
  await button('Command1').focus();
  // Start and stop are timed in the page: Enter gives the click at once; the price is read half
  // a tick past the last whole tick, so the ideal count is not a race.
  return page.evaluate(
    (seconds) =>
      new Promise((resolve) => {
        const start = document.querySelector('[data-window="Form1"] [data-name="Command1"]');
        const t0 = performance.now();
        start.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
        setTimeout(() => {
          const elapsed = performance.now() - t0;
          const price = Number(document.querySelector('[data-name="Text9"]').textContent) * 10;
          resolve({ elapsed, climbed: Math.round(price - 200), ideal: 3 * Math.floor(elapsed / 50) });
        }, seconds * 1000 + 25);
      }),
    20,
  );
});

// Counts every call from JavaScript into the module: the functions of its table, through which
// the binding's methods are called, and its exports, which the binding's glue calls to pass
// strings (malloc and free).
function countCrossings() {
  window.kobaruCrossings = { binding: 0, glue: 0 };
  const counted = (f, kind) =>
    typeof f === 'function'
      ? function (...args) {
          window.kobaruCrossings[kind]++;
          return f.apply(this, args);
        }
      : f;
  const tableGet = WebAssembly.Table.prototype.get;
  WebAssembly.Table.prototype.get = function (i) {
    return counted(tableGet.call(this, i), 'binding');
  };
  const wrap = (result) => {
    const exports = {};
    for (const [name, value] of Object.entries(result.instance.exports)) exports[name] = counted(value, 'glue');
    return { module: result.module, instance: { exports } };
  };
  const streaming = WebAssembly.instantiateStreaming;
  WebAssembly.instantiateStreaming = (...args) => streaming(...args).then(wrap);
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = (...args) => instantiate(...args).then((r) => (r.instance ? wrap(r) : r));
}

const presses = await fresh(async (page) => {
  await page.addInitScript(countCrossings);
  await page.goto(`${site.origin}/`);
  await page.click('[data-window="kidou"] [data-name="Command1"]');
  const bid = page.locator('[data-window="Form1"] [data-name="Command12"]');
  await bid.waitFor();
  await page.waitForTimeout(3000); // the first lot under way
  await page.evaluate(() => {
    window.kobaruPresses = [];
    // Around the page's own listener on the button: before it as the press goes down to the
    // button, after it as the press bubbles up again.
    let before = { binding: 0, glue: 0 };
    window.addEventListener('pointerdown', () => (before = { ...window.kobaruCrossings }), { capture: true });
    window.addEventListener('pointerdown', (e) => {
      const now = window.kobaruCrossings;
      const crossings = { binding: now.binding - before.binding, glue: now.glue - before.glue };
      const at = e.timeStamp;
      requestAnimationFrame(() => {
        const { port1, port2 } = new MessageChannel();
        port1.onmessage = () => window.kobaruPresses.push({ crossings, paint: performance.now() - at });
        port2.postMessage(0);
      });
    });
  });
  const box = await bid.boundingBox();
  for (let i = 0; i < 60; i++) {
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down();
    await page.waitForTimeout(30);
    await page.mouse.up();
    await page.waitForTimeout(120);
  }
  return page.evaluate(() => window.kobaruPresses);
});

await site.close();

const kb = (n) => `${(n / 1024).toFixed(1)} KiB`;
console.log(`first visit: ${kb(firstVisit.bytes)} transferred in ${firstVisit.files.length} requests`);
console.log(`  ${[...new Set(firstVisit.files)].join(' ')}`);
console.log(
  `navigation to launcher painted: median ${paints[3].toFixed(0)} ms, ` +
    `min ${paints[0].toFixed(0)} ms, max ${paints[6].toFixed(0)} ms (7 cold visits)`,
);
console.log(
  `clock over ${(climb.elapsed / 1000).toFixed(3)} s at 0.05 s a step: climbed ${climb.climbed} of ideal ` +
    `${climb.ideal} (${((100 * (climb.climbed - climb.ideal)) / climb.ideal).toFixed(2)} %)`,
);
const paintsAfterPress = presses.map((p) => p.paint).sort((a, b) => a - b);
const centile = (q) => paintsAfterPress[Math.min(paintsAfterPress.length - 1, Math.floor(q * paintsAfterPress.length))];
const range = (kind) => {
  const counts = presses.map((p) => p.crossings[kind]);
  return `${Math.min(...counts)} to ${Math.max(...counts)}`;
};
console.log(
  `one press of the bid button: ${range('binding')} calls of the binding, ${range('glue')} of its glue ` +
    `(malloc, free); press to paint p50 ${centile(0.5).toFixed(1)} ms, p99 ${centile(0.99).toFixed(1)} ms ` +
    `(${presses.length} presses)`,
);
