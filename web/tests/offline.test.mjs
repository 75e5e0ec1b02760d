// SPDX-License-Identifier: MIT
// The site kept by its service worker: after a first visit it opens and plays with the network
// off; without its store it says so; a new release takes over whole at a later visit, never
// mixed with the old, and a release caught halfway up is not taken at all.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test } from 'node:test';
import { withBrowser } from './browser.mjs';
import { kSite, serveSite } from './server.mjs';
import { element, open, screenshot, waitFor } from './session.mjs';

const kStamp = path.resolve(fileURLToPath(new URL('.', import.meta.url)), '../release.py');

// Waits until the page is served by the worker of a stored release; gives the names of the stores.
async function stored(page) {
  await waitFor(page, () => navigator.serviceWorker.controller?.state === 'activated', 'the service worker to serve the page');
  return page.evaluate(() => caches.keys());
}

// Polls `fn` (run in the page, and async, which waitFor does not await) until it gives something
// true; a page that loads again meanwhile is asked again.
async function until(page, fn, what, timeout = 30_000) {
  const end = Date.now() + timeout;
  for (;;) {
    try {
      if (await page.evaluate(fn)) return;
    } catch (e) {
      if (!/context was destroyed|navigation/i.test(e.message)) throw e;
    }
    if (Date.now() > end) throw new Error(`timed out after ${timeout} ms waiting for ${what}`);
    await page.waitForTimeout(100);
  }
}

// The release a built site's worker stores.
const releaseOf = (folder) => /const kRelease = '([0-9a-f]+)';/.exec(fs.readFileSync(path.join(folder, 'sw.js'), 'utf8'))[1];

test('after a first visit the site opens and plays a lot with the network off, and says so without its store', async () => {
  if (!fs.existsSync(path.join(kSite, 'sw.js'))) throw new Error(`no site in ${kSite}: run scripts/web build`);
  const site = await serveSite();
  try {
    await withBrowser({}, async (context) => {
      const { page, faults } = await open(context, site);
      assert.deepEqual(await stored(page), [`kobaru-${releaseOf(kSite)}`]);
      // Every file of the site, the manual's pages and pictures among them.
      const files = JSON.parse(fs.readFileSync(path.join(kSite, 'files.json'), 'utf8'));
      const held = await page.evaluate(async () => (await (await caches.open((await caches.keys())[0])).keys()).map((r) => r.url));
      assert.deepEqual(held.map((url) => url.slice(site.url.length)).sort(), [...files, 'files.json'].filter((f) => f !== 'sw.js').sort());
      assert.ok(files.some((f) => /^help\/images\/.+\.png$/.test(f)), 'the manual\'s pictures are listed');

      // Installable: the manifest's name, start, display and colour, and icons of the sizes it says.
      const app = await page.evaluate(async () => {
        const link = document.querySelector('link[rel="manifest"]');
        const manifest = await (await fetch(link.href)).json();
        const drawn = (icon) => new Promise((resolve) => {
          const img = new Image();
          img.onload = () => resolve(`${img.naturalWidth}x${img.naturalHeight}`);
          img.onerror = () => resolve(`${icon.src} missing`);
          img.src = new URL(icon.src, link.href).href;
        });
        return {
          names: [manifest.name, manifest.short_name],
          start: new URL(manifest.start_url, link.href).href,
          display: manifest.display,
          theme: manifest.theme_color,
          icons: await Promise.all(manifest.icons.map(drawn)),
          sizes: manifest.icons.map((icon) => icon.sizes),
        };
      });
      assert.deepEqual(app.names, ['Kobaru - Tessaly', 'Kobaru']);
      assert.deepEqual([app.start, app.display, app.theme], [site.url, 'standalone', '#000000']);
      assert.deepEqual(app.icons, ['192x192', '512x512']);
      assert.deepEqual(app.sizes, app.icons);

      await context.setOffline(true);
      await page.reload();
      await waitFor(page, () => document.querySelector('[data-window="kidou"]'), 'the launcher with the network off');
      await element(page, 'kidou', 'Command2').click();
      const manual = page.frameLocator('[data-window="help"] [data-name="brwWebBrowser"]');
      await manual.locator('a[href="start.htm"]').first().click();
      await waitFor(page, () => /start\.htm$/.test(document.querySelector('[data-name="cboAddress"]').value), 'a manual page with the network off');
      assert.equal(await manual.locator('h1, h2').first().isVisible(), true);
      await element(page, 'help', 'Command1').click();
      await element(page, 'kidou', 'Command1').click();
      await waitFor(page, () => document.querySelector('[data-window="Form1"] [data-name="ousatu"]'), 'the practice screen with the network off');
      await waitFor(page, () => /落札|流札/.test(document.querySelector('[data-name="ousatu"]').value), 'a lot to end with the network off', undefined, 120_000);
      await screenshot(page, 'offline-practice');
      // The store holds the site's files only: nothing about the trainee.
      const kept = await page.evaluate(async () => ({
        local: localStorage.length,
        session: sessionStorage.length,
        databases: (await indexedDB.databases()).length,
        cookies: document.cookie,
      }));
      assert.deepEqual(kept, { local: 0, session: 0, databases: 0, cookies: '' });

      // Without its store (a browser that cleared it), the worker tells what to do.
      await page.evaluate(async () => Promise.all((await caches.keys()).map((name) => caches.delete(name))));
      await page.reload();
      await waitFor(page, () => document.querySelector('[role="alert"] h1'), 'the offline notice');
      assert.equal(await page.locator('[role="alert"] h1').textContent(), 'ネットワークにつながっていないため、Kobaru を開けません。');
      assert.match(await page.locator('[role="alert"] p').textContent(), /ネットワークにつないでから、ページを再読み込みしてください。$/);
      await screenshot(page, 'offline-without-store');
      // Only the notice's own answer, 503, is reported.
      assert.deepEqual(faults.filter((f) => !/status of 503/.test(f)), []);
    });
  } finally {
    await site.close();
  }
});

test('a new release is taken whole at the visit after it is found, and one caught halfway up not at all', async () => {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'kobaru-release-'));
  fs.cpSync(kSite, root, { recursive: true });
  const site = await serveSite(root);
  const marked = (page) => page.evaluate(async () => (await (await fetch('help/index.htm')).text()).includes('release-b'));
  try {
    await withBrowser({}, async (context) => {
      const faults = [];
      const visit = async () => {
        const opened = await open(context, site);
        faults.push(opened.faults);
        return opened.page;
      };
      let page = await visit();
      const first = releaseOf(root);
      assert.deepEqual(await stored(page), [`kobaru-${first}`]);
      await page.close();

      // Caught halfway: the worker names a new release, but a file is still the old one's.
      const index = path.join(root, 'help/index.htm');
      const old = fs.readFileSync(index, 'utf8');
      fs.writeFileSync(index, old.replace('</body>', '<p id="release-b">B</p></body>'));
      execFileSync('/usr/bin/python3', [kStamp, root]);
      fs.writeFileSync(index, old);
      page = await visit();
      // The install fails, and with it the update: the reason is the worker's to tell.
      await page.evaluate(async () => (await navigator.serviceWorker.ready).update().catch((e) => e.message));
      await until(page, async () => {
        const r = await navigator.serviceWorker.getRegistration();
        return !r.installing && !r.waiting;
      }, 'the half release to be turned down');
      assert.deepEqual(await page.evaluate(() => caches.keys()), [`kobaru-${first}`]);
      assert.equal(await marked(page), false);
      await page.close();

      // Put up whole: found at this visit, which stays with the old release throughout.
      fs.writeFileSync(index, old.replace('</body>', '<p id="release-b">B</p></body>'));
      execFileSync('/usr/bin/python3', [kStamp, root]);
      const second = releaseOf(root);
      assert.notEqual(second, first);
      page = await visit();
      await page.evaluate(async () => (await navigator.serviceWorker.ready).update());
      await until(page, async () => (await navigator.serviceWorker.getRegistration()).waiting, 'the new release to be stored');
      assert.equal(await marked(page), false, 'the open page keeps its release');
      await page.close();

      // With no page of the old release open, the new one takes over and the old store goes.
      // Asked of the site's workers themselves, as no page is open.
      const only = JSON.stringify([`kobaru-${second}`]);
      const end = Date.now() + 30_000;
      for (;;) {
        const answers = await Promise.all(context.serviceWorkers().map((worker) =>
          worker.evaluate(() => caches.keys()).catch((e) => `${worker.url()}: ${e.message}`)));
        if (answers.some((names) => JSON.stringify(names) === only)) break;
        if (Date.now() > end) throw new Error(`timed out after 30000 ms waiting for the old store to go: ${JSON.stringify(answers)}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
      }

      // The next visit is the new release's.
      page = await visit();
      await until(page, async () => (await caches.keys()).length === 1 && (await fetch('help/index.htm').then((r) => r.text())).includes('release-b'),
        'the new release at the next visit');
      assert.deepEqual(await page.evaluate(() => caches.keys()), [`kobaru-${second}`]);
      assert.deepEqual(faults.flat(), []);
    });
  } finally {
    await site.close();
    fs.rmSync(root, { recursive: true, force: true });
  }
});
