// SPDX-License-Identifier: MIT
// The browser edition never leaves a black page: a core or a module that does not come, a refused
// second tab and the program's end each say in the page what happened and what to do. Its
// windows fit a phone's viewport, and the manual keeps clear of the menu and within the viewport.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, test } from 'node:test';
import { withBrowser } from './browser.mjs';
import { kSite, serveSite } from './server.mjs';
import { element, open, screenshot, waitFor } from './session.mjs';

if (!fs.existsSync(path.join(kSite, 'index.html'))) throw new Error(`no site in ${kSite}: run scripts/web build`);
const site = await serveSite();
after(() => site.close());

// Pages here are never stored by the service worker, so that a route is all they see.
const withPage = (options, body) => withBrowser({ serviceWorkers: 'block', ...options }, body);

// The notice that has taken the page's place: its heading and advice, and what else is left.
async function notice(page, what) {
  await waitFor(page, () => document.querySelector('.notice[role="alert"] h1')?.textContent, what);
  return page.evaluate(() => ({
    heading: document.querySelector('.notice h1').textContent,
    advice: document.querySelector('.notice .advice').textContent,
    windows: document.querySelectorAll('[data-window]').length,
    // The notice is there to be read: light text on the page's black.
    colour: getComputedStyle(document.querySelector('.notice')).color,
    title: document.title,
  }));
}

test('a site without its core, its modules or its stylesheet says which, and to reload', async () => {
  const cases = [
    {
      name: 'core-blocked',
      block: /\/kobaru\.wasm$/,
      heading: '練習プログラムの本体（kobaru.wasm）を読み込めませんでした。',
      console: /Loading the core/,
    },
    {
      name: 'module-missing',
      block: /\/js\/windows\.js$/,
      heading: 'Kobaru のファイルを読み込めませんでした。',
      console: /Loading the page's modules/,
    },
    {
      name: 'stylesheet-missing',
      block: /\/kobaru\.css$/,
      heading: '画面の体裁のファイル（kobaru.css）を読み込めませんでした。',
      console: /Loading the stylesheet/,
    },
  ];
  for (const c of cases) {
    await withPage({}, async (context) => {
      const page = await context.newPage();
      const errors = [];
      page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
      page.on('pageerror', (e) => errors.push(`uncaught: ${e.message}`));
      await page.route(c.block, (route) => route.abort('blockedbyclient'));
      await page.goto(site.url);
      const shown = await notice(page, `the notice for ${c.name}`);
      assert.equal(shown.heading, c.heading, c.name);
      assert.match(shown.advice, /再読み込みしてください。$/, c.name);
      assert.equal(shown.windows, 0, c.name);
      assert.equal(shown.colour, 'rgb(255, 255, 255)', c.name);
      assert.ok(errors.some((e) => c.console.test(e)), `${c.name}: the console says what was being done: ${errors.join(' | ')}`);
      assert.ok(!errors.some((e) => e.startsWith('uncaught')), `${c.name}: ${errors.join(' | ')}`);
      await screenshot(page, `notice-${c.name}`);

      // With the file back, a reload starts the program.
      await page.unroute(c.block);
      await page.reload();
      await waitFor(page, () => document.querySelector('[data-window="kidou"]'), `the launcher after reloading (${c.name})`);
    });
  }
});

test('a refused second tab, after its notice, and the program ended by 終了 each say what to do', async () => {
  await withPage({}, async (context) => {
    const first = await open(context, site);
    await element(first.page, 'kidou', 'Command1').click();
    await waitFor(first.page, () => document.querySelector('[data-window="Form1"]'), 'the practice screen');

    const second = await open(context, site);
    await element(second.page, 'kidou', 'Command1').click();
    const refusal = second.page.getByRole('alertdialog');
    await refusal.waitFor({ timeout: 15_000 });
    await refusal.getByRole('button', { name: 'OK' }).click();
    const refused = await notice(second.page, 'the refused tab to say so');
    assert.deepEqual([refused.heading, refused.advice, refused.windows],
      ['Kobaru はほかのタブで起動しています。', 'このタブを閉じて、起動しているタブをお使いください。', 0]);
    await screenshot(second.page, 'notice-refused-tab');

    // The first copy goes back to the menu and ends there.
    await element(first.page, 'Form1', 'Command25').click();
    await first.page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    await waitFor(first.page, () => document.querySelector('[data-window="kidou"]'), 'the launcher again');
    await element(first.page, 'kidou', 'Command3').click();
    const ended = await notice(first.page, 'the ended program to say so');
    assert.deepEqual([ended.heading, ended.advice, ended.windows, ended.title],
      ['Kobaru を終了しました。', 'もう一度始めるには、ページを再読み込みしてください。', 0, 'Kobaru']);
    await screenshot(first.page, 'notice-ended');

    // As it says: a reload starts again, and now the first tab's end lets the other one play.
    await first.page.reload();
    await waitFor(first.page, () => document.querySelector('[data-window="kidou"]'), 'the launcher after the reload');
    assert.deepEqual([...first.faults, ...second.faults], []);
  });
});

test('on a phone the results window fits the viewport and scrolls inside itself', async () => {
  const viewport = { width: 390, height: 844 };
  await withPage({ viewport, hasTouch: true, isMobile: true }, async (context) => {
    const { page, faults } = await open(context, site);
    await element(page, 'kidou', 'Command1').tap();
    await waitFor(page, () => document.querySelector('[data-window="Form1"] [data-name="seiseki"]'), 'the practice screen');
    // Upright on a phone the board shows the trainee's view; 練習成績 is on the operator's panel.
    await page.getByRole('button', { name: '操作盤を表示' }).tap();
    const board = await page.locator('[data-window="Form1"]').boundingBox();
    await element(page, 'Form1', 'seiseki').tap();
    await waitFor(page, () => document.querySelector('[data-window="seiseki"] dd'), 'the results window');
    await page.waitForTimeout(500);
    const sizes = await page.evaluate(() => {
      const win = document.querySelector('[data-window="seiseki"]').getBoundingClientRect();
      const body = document.querySelector('[data-window="seiseki"] .results');
      return {
        page: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
        window: [win.left, win.top, win.right, win.bottom],
        inner: [window.innerWidth, window.innerHeight],
        scrolls: getComputedStyle(body).overflow,
        fits: body.scrollWidth <= body.clientWidth,
      };
    });
    await screenshot(page, 'results-phone');
    assert.ok(sizes.page[0] <= viewport.width && sizes.page[1] <= viewport.height, JSON.stringify(sizes));
    assert.deepEqual(sizes.inner, [viewport.width, viewport.height], 'the page is not zoomed out');
    const [left, top, right, bottom] = sizes.window;
    assert.ok(left >= 0 && top >= 0 && right <= viewport.width && bottom <= viewport.height, JSON.stringify(sizes));
    assert.equal(sizes.scrolls, 'auto', 'what does not fit scrolls inside the window');
    assert.ok(sizes.fits, `the summary, the chart and the table take the window's width: ${JSON.stringify(sizes)}`);
    // The board behind stays as it was.
    assert.deepEqual(await page.locator('[data-window="Form1"]').boundingBox(), board);
    assert.deepEqual(faults, []);
  });
});

test('the manual opens clear of 練習開始, stays within the viewport when dragged, and shows the address of its page', async () => {
  for (const viewport of [{ width: 1200, height: 900 }, { width: 390, height: 844 }]) {
    await withPage({ viewport }, async (context) => {
      const { page, faults } = await open(context, site);
      await element(page, 'kidou', 'Command2').click();
      const help = page.locator('[data-window="help"]');
      await help.waitFor();
      const start = await element(page, 'kidou', 'Command1').boundingBox();
      let box = await help.boundingBox();
      const apart = box.x >= start.x + start.width || box.x + box.width <= start.x ||
        box.y >= start.y + start.height || box.y + box.height <= start.y;
      assert.ok(apart, `${viewport.width}x${viewport.height}: the manual ${JSON.stringify(box)} covers 練習開始 ${JSON.stringify(start)}`);
      assert.ok(box.width >= 300 && box.height >= 200, `${viewport.width}x${viewport.height}: ${JSON.stringify(box)}`);
      await screenshot(page, `manual-placed-${viewport.width}x${viewport.height}`);

      // Dragged by its caption far past each corner, it stops at the viewport's edge.
      const bar = help.locator('.caption .title');
      for (const [dx, dy] of [[5000, 5000], [-5000, -5000], [5000, -5000]]) {
        const grip = await bar.boundingBox();
        await page.mouse.move(grip.x + 10, grip.y + 10);
        await page.mouse.down();
        await page.mouse.move(grip.x + 10 + dx, grip.y + 10 + dy, { steps: 5 });
        await page.mouse.up();
        box = await help.boundingBox();
        const inside = box.x >= 0 && box.y >= 0 && box.x + box.width <= viewport.width + 0.5 && box.y + box.height <= viewport.height + 0.5;
        assert.ok(inside, `dragged by ${dx}, ${dy}: ${JSON.stringify(box)}`);
      }
      // Pressed into a corner, it is there.
      assert.ok(Math.abs(box.x + box.width - viewport.width) < 1 && box.y === 0, JSON.stringify(box));

      // The address box follows the page shown, by a link and by Back.
      const address = element(page, 'help', 'cboAddress');
      assert.match(await address.inputValue(), /\/help\/index\.htm$/);
      await page.frameLocator('[data-window="help"] [data-name="brwWebBrowser"]').locator('a[href="start.htm"]').first().click();
      await waitFor(page, () => /\/help\/start\.htm$/.test(document.querySelector('[data-name="cboAddress"]').value), 'the address of the linked page');
      await element(page, 'help', 'Back').click();
      await waitFor(page, () => /\/help\/index\.htm$/.test(document.querySelector('[data-name="cboAddress"]').value), 'the address after Back');
      assert.deepEqual(faults, []);
    });
  }
});
