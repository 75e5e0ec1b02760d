// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, through playwright-core: a fresh profile and its own temporary
// folders each time, and never a browser of Playwright's own.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const kChromium = process.env.KOBARU_CHROMIUM ?? '/usr/bin/chromium';

const kArgs = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Resolves to { context, close() }; `args` are added to Chromium's, the other `options` go to the
// context (viewport, hasTouch ...).
export async function launch({ args = [], ...options } = {}) {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'kobaru-chromium-'));
  const runtime = path.join(home, 'xdg-runtime');
  const tmp = path.join(home, 'tmp');
  fs.mkdirSync(runtime, { mode: 0o700 });
  fs.mkdirSync(tmp);
  const context = await chromium.launchPersistentContext(path.join(home, 'profile'), {
    executablePath: kChromium,
    headless: true,
    args: [...kArgs, ...args],
    env: { ...process.env, TMPDIR: tmp, XDG_RUNTIME_DIR: runtime, HOME: home },
    viewport: { width: 1200, height: 900 },
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      fs.rmSync(home, { recursive: true, force: true });
    },
  };
}

// Runs `body` with the context of a browser launched with `options`, and closes it afterwards.
export async function withBrowser(options, body) {
  const browser = await launch(options);
  try {
    await body(browser.context);
  } finally {
    await browser.close();
  }
}

// What a page did that it must not: console errors, uncaught exceptions, and requests for
// anything but the site's own files.
export function watch(page, origin) {
  const faults = [];
  page.on('console', (m) => {
    if (m.type() === 'error') faults.push(`console error: ${m.text()}`);
  });
  page.on('pageerror', (e) => faults.push(`uncaught: ${e.message}`));
  page.on('request', (r) => {
    const url = r.url();
    if (!url.startsWith(`${origin}/`) && !url.startsWith('data:') && url !== 'about:srcdoc') {
      faults.push(`request outside the site: ${url}`);
    }
  });
  return faults;
}
