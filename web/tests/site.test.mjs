// SPDX-License-Identifier: MIT
// The built site in Debian's Chromium: the windows, the automatic practice, a manual lot played
// with a real pointer and compared with the core, one copy at a time, the magnification.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch } from './browser.mjs';
import { kSite, serveSite } from './server.mjs';
import { element, hold, lines, open, replayed, screenshot, snapshot, touchHold, waitFor } from './session.mjs';

let site;
before(async () => {
  if (!fs.existsSync(path.join(kSite, 'index.html'))) throw new Error(`no site in ${kSite}: run scripts/web build`);
  site = await serveSite();
});
after(async () => {
  await site?.close();
});

async function withBrowser(options, body) {
  const browser = await launch(options);
  try {
    await body(browser.context);
  } finally {
    await browser.close();
  }
}

async function openPractice(page) {
  await element(page, 'kidou', 'Command1').click();
  await waitFor(page, () => document.querySelector('[data-window="Form1"] [data-name="ousatu"]'), 'the practice screen');
}

const lotEnded = () => /落札|流札/.test(document.querySelector('[data-window="Form1"] [data-name="ousatu"]').value);

test('the launcher opens the practice screen, whose automatic practice plays a lot as the core does', async () => {
  await withBrowser({}, async (context) => {
    const seed = 7;
    const { page, faults } = await open(context, site, `?seed=${seed}`);
    assert.equal(await page.title(), 'Kobaru - Tessaly');
    for (const [name, caption] of [['Command1', '練　習　開　始'], ['Command2', '使　用　方　法'], ['Command3', '終　　　　了'], ['Command4', 'バージョン情報']]) {
      assert.equal(await element(page, 'kidou', name).textContent(), caption);
      assert.equal(await element(page, 'kidou', name).getAttribute('aria-label'), caption);
    }
    assert.equal(await element(page, 'kidou', 'Label2').textContent(), 'Kobaru　ｖ１．０１');
    const notice = (await element(page, 'kidou', 'Text1').inputValue()).split('\n');
    assert.deepEqual([notice.length, notice[0], notice[6]], [7, '本ソフトは　自動競り機を使用した自動車オークシ', '場合があります。']);
    await screenshot(page, 'launcher');

    // The version window and the manual open beside the launcher.
    await element(page, 'kidou', 'Command4').click();
    assert.equal(await element(page, 'about', 'Command1').textContent(), '閉　じ　る');
    assert.deepEqual(await page.locator('[data-window="about"] .detail').allTextContents(),
      ['Tessaly', '〒100-0000 東京都千代田区例町1-2-3', 'https://www.example.com/', 'info@example.com']);
    await element(page, 'about', 'Command1').click();
    assert.equal(await page.locator('[data-window="about"]').count(), 0);
    await element(page, 'kidou', 'Command2').click();
    const manual = page.frameLocator('[data-window="help"] [data-name="brwWebBrowser"]');
    await manual.locator('a[href="start.htm"]').first().click();
    await waitFor(page, () => /start\.htm$/.test(document.querySelector('[data-name="brwWebBrowser"]').contentWindow.location.href), 'the manual page linked');
    await element(page, 'help', 'Back').click();
    await waitFor(page, () => /index\.htm$/.test(document.querySelector('[data-name="brwWebBrowser"]').contentWindow.location.href), 'Back to the start page');
    await screenshot(page, 'manual');
    await element(page, 'help', 'Command1').click();

    await openPractice(page);
    assert.equal(await page.locator('[data-window="kidou"]').count(), 0, 'the launcher is unloaded');
    assert.equal(await page.title(), 'Kobaru v1.01 - Tessaly');
    // One DOM element per element, each with its name and an accessible name.
    const unnamed = await page.$$eval('[data-window="Form1"] > *', (els) =>
      els.filter((el) => !el.dataset.name || !el.getAttribute('aria-label')).map((el) => el.outerHTML));
    assert.deepEqual(unnamed, []);
    const kinds = await page.$$eval('[data-window="Form1"] [data-name]', (els) =>
      Object.fromEntries(els.map((el) => [el.dataset.name, el.tagName.toLowerCase()])));
    assert.equal(kinds.ousatu, 'textarea');
    assert.equal(await element(page, 'Form1', 'ousatu').getAttribute('readonly'), '');
    assert.equal(kinds.Text6, 'input');
    assert.equal(kinds.Text7, 'input');
    assert.equal(kinds.Command12, 'button');
    assert.equal(await element(page, 'Form1', 'modo10').textContent(), 'デモモード');
    // The board's own faces, shipped with the site, not whatever the computer has.
    const faces = await page.evaluate(async () => {
      await document.fonts.ready;
      return [...document.fonts].map((f) => `${f.family} ${f.status}`).sort();
    });
    assert.deepEqual(faces, ['Kobaru Gothic loaded', 'Kobaru PGothic loaded', 'Kobaru PMincho loaded']);

    await waitFor(page, () => /スタート {2}/.test(document.querySelector('[data-name="ousatu"]').value), 'the first lot to start', undefined, 20_000);
    await page.waitForTimeout(1500);
    await screenshot(page, 'practice-playing');

    // The results window opens beside the board and follows the practice as it plays.
    await element(page, 'Form1', 'seiseki').click();
    const results = () => {
      const win = document.querySelector('[data-window="seiseki"]');
      const seen = win?.querySelector('dd[aria-label="競りを見た台数"]')?.textContent;
      const rows = [...(win?.querySelectorAll('tbody tr') ?? [])].map((tr) => [...tr.cells].map((td) => td.textContent));
      return { seen, rows };
    };
    await waitFor(page, () => document.querySelector('[data-window="seiseki"] tbody tr'), 'the lot under way in the results');
    let table = await page.evaluate(results);
    assert.equal(table.seen, '1');
    assert.deepEqual(table.rows.map((cells) => cells[8]), ['競り中']);
    assert.equal(await element(page, 'seiseki', 'copyAll').textContent(), 'すべてコピー');
    await screenshot(page, 'results-playing');

    await waitFor(page, lotEnded, 'the first lot to end', undefined, 120_000);
    await waitFor(page, () => !/競り中/.test(document.querySelector('[data-window="seiseki"] tbody tr:last-child').textContent), 'the ended lot in the results');
    table = await page.evaluate(results);
    assert.match(table.rows.at(-1)[8], /落札|流札/);
    assert.equal(table.rows.length, Number(table.seen));
    const shown = await snapshot(page);
    // The next car is shown: the site's second lot picture.
    await waitFor(page, () => /gazou\/1002\.jpg$/.test(document.querySelector('[data-name="Image1"]').src), 'the next lot picture');
    assert.deepEqual(lines(shown.record), lines(replayed(seed, shown.events, shown.t)));
    assert.ok(lines(shown.record).length > 3, shown.record);

    // Nothing is kept in the browser.
    const stored = await page.evaluate(async () => ({
      cookies: document.cookie,
      local: localStorage.length,
      session: sessionStorage.length,
      databases: (await indexedDB.databases()).length,
    }));
    assert.deepEqual(stored, { cookies: '', local: 0, session: 0, databases: 0 });
    assert.deepEqual(faults, []);
  });
});

test('a manual lot played with the pointer gives the record the core gives for the same events', async () => {
  await withBrowser({ hasTouch: true }, async (context) => {
    const seed = 11;
    const { page, faults } = await open(context, site, `?seed=${seed}`);
    await openPractice(page);
    const button = (name) => element(page, 'Form1', name);

    await button('Command23').click(); // forced stop: manual mode, the start price entry focused
    assert.equal(await button('modo10').textContent(), '手動モード');
    await waitFor(page, () => document.activeElement?.dataset.name === 'Text6', 'the focus in the start price');
    await page.keyboard.type('200');
    await button('Command11').click();
    await button('Command1').focus();
    await page.keyboard.press('Enter'); // start, from the keyboard
    await page.waitForTimeout(400);
    await button('Command12').click(); // a bid while the price climbs
    await page.waitForTimeout(200);
    await button('Command2').click(); // the operator stops the clock
    await touchHold(page, button('Command12'), 700); // held by a finger, the clock stopped: it climbs
    await hold(page, button('Command13'), 500); // the others raise
    const away = await button('Command14').boundingBox();
    // Held again and let go off the button: the release ends the hold, and there is no click.
    await hold(page, button('Command12'), 500, { x: away.x + 5, y: away.y + 5 });
    await button('Command8').click(); // sell-out
    await button('Command12').focus();
    await page.keyboard.press(' '); // Space on the bid button: the right at the sell-out price
    await button('Command9').click(); // decision
    await waitFor(page, lotEnded, 'the lot to be awarded', undefined, 20_000);
    await screenshot(page, 'practice-manual');

    const shown = await snapshot(page);
    const recorded = lines(shown.record);
    for (const label of ['YOU  ', 'ベタ YOU  ', '連続 CO  ', 'うりきり  ', '権利 YOU  ', '自分落札  ']) {
      assert.ok(recorded.some((l) => l.includes(label)), `the record holds "${label}":\n${shown.record}`);
    }
    assert.ok(recorded.filter((l) => l.startsWith('ベタ YOU  ')).length === 2, shown.record);
    // The page sent the hand raw: the bid button went down three times (mouse, finger, mouse)
    // and came up over it but the last time; Space on it, Enter on the start.
    const sent = (name, kind) => shown.events.filter((e) => e.input.name === name && e.input.kind === kind).map((e) => e.input);
    assert.equal(sent('Command12', 'buttonDown').length, 3);
    assert.deepEqual(sent('Command12', 'buttonUp').filter((i) => i.over).length, 2);
    assert.deepEqual(sent('Command12', 'keyUp').map((i) => i.key), [32]);
    assert.deepEqual(sent('Command1', 'keyDown').map((i) => i.key), [13]);
    assert.deepEqual(recorded, lines(replayed(seed, shown.events, shown.t)));
    assert.deepEqual(faults, []);
  });
});

test('the captions read around a box show their words on either side of it, units included', async () => {
  await withBrowser({ viewport: { width: 1600, height: 1170 } }, async (context) => {
    const { page, faults } = await open(context, site);
    await openPractice(page);
    const sides = (name) => page.locator(`[data-window="Form1"] [data-name="${name}"] .around`);
    for (const [label, box, words] of [
      ['meyasu', 'meyasugaku', ['落札の目安', '万円']],
      ['Label8', 'Text7', ['競り速度', '秒']],
      ['nokori', 'nokori2', ['決定まであと', '秒']],
    ]) {
      assert.deepEqual(await sides(label).allTextContents(), words, label);
      if (!(await element(page, 'Form1', label).isVisible())) continue; // the countdown's, hidden till it runs
      const [before, after] = [await sides(label).nth(0).boundingBox(), await sides(label).nth(1).boundingBox()];
      const room = await element(page, 'Form1', box).boundingBox();
      assert.ok(before.x + before.width <= room.x + 1, `${label}: "${words[0]}" ends where ${box} begins`);
      assert.ok(Math.abs(after.x - (room.x + room.width)) <= 1, `${label}: "${words[1]}" begins where ${box} ends`);
    }
    await screenshot(page, 'practice-captions');
    assert.deepEqual(faults, []);
  });
});

test('a second tab is refused while the first plays; a message holds the board until closed', async () => {
  await withBrowser({}, async (context) => {
    const first = await open(context, site);
    await openPractice(first.page);
    const second = await open(context, site);
    await element(second.page, 'kidou', 'Command1').click();
    const notice = second.page.getByRole('alertdialog');
    await notice.waitFor({ timeout: 15_000 });
    assert.equal(await notice.locator('.title').textContent(), '確認');
    assert.equal(await notice.locator('.text').textContent(), 'このアプリケーションは、即に起動済みです。');
    await screenshot(second.page, 'second-copy');
    await notice.getByRole('button', { name: 'OK' }).click();
    await waitFor(second.page, () => !document.querySelector('[data-window]'), 'the second copy to end');

    // The end of practice: its message stops the board until it is closed, then the launcher.
    const page = first.page;
    await element(page, 'Form1', 'Command25').click();
    const message = page.getByRole('alertdialog');
    await message.waitFor({ timeout: 5000 });
    assert.equal(await message.locator('.text').textContent(), '練習を終了して　メニューへ戻ります');
    const price = await element(page, 'Form1', 'Text9').textContent();
    await element(page, 'Form1', 'Command12').click({ force: true, timeout: 2000 }).catch(() => {});
    await page.waitForTimeout(600);
    assert.equal(await element(page, 'Form1', 'Text9').textContent(), price, 'the board stands still');
    await screenshot(page, 'end-of-practice');
    await message.getByRole('button', { name: 'OK' }).click();
    await waitFor(page, () => document.querySelector('[data-window="kidou"]') && !document.querySelector('[data-window="Form1"]'), 'the launcher again');

    // Once the first copy has ended, another tab may start.
    await element(page, 'kidou', 'Command3').click();
    await waitFor(page, () => !document.querySelector('[data-window]'), 'the program to end');
    await second.page.reload();
    await waitFor(second.page, () => document.querySelector('[data-window="kidou"]'), 'the launcher in the second tab');
    await openPractice(second.page);
    assert.equal(await second.page.getByRole('alertdialog').count(), 0);
    assert.deepEqual([...first.faults, ...second.faults], []);
  });
});

test('a message that cannot be shown is reported, and the screen goes on as if it had been closed', async () => {
  await withBrowser({}, async (context) => {
    const { page, faults } = await open(context, site);
    await openPractice(page);
    await page.evaluate(() => {
      const append = document.body.append.bind(document.body);
      document.body.append = (...nodes) => {
        if (nodes.some((n) => n instanceof Element && n.classList.contains('modal'))) throw new Error('no room for a message');
        append(...nodes);
      };
    });
    await element(page, 'Form1', 'Command25').click();
    await waitFor(page, () => document.querySelector('[data-window="kidou"]') && !document.querySelector('[data-window="Form1"]'), 'the launcher after the end of practice');
    assert.equal(faults.length, 1, faults.join('\n'));
    assert.match(faults[0], /練習を終了して.*no room for a message/s);
    assert.equal(await page.evaluate(() => [...document.body.children].filter((el) => el.inert).length), 0);
  });
});

test('each window is magnified to the largest size that fits the viewport, and centred, in any folder of a host', async () => {
  const deep = await serveSite(kSite, '/training/kobaru/');
  for (const viewport of [{ width: 1600, height: 900 }, { width: 600, height: 1000 }]) {
    await withBrowser({ viewport }, async (context) => {
      const { page, faults } = await open(context, deep);
      const check = async (win, width, height) => {
        const factor = Math.min(viewport.width / width, viewport.height / height);
        const r = await page.locator(`[data-window="${win}"]`).boundingBox();
        const near = (a, b, what) => assert.ok(Math.abs(a - b) < 1, `${win} at ${viewport.width}x${viewport.height}: ${what} ${a}, not ${b}`);
        near(r.width, width * factor, 'width');
        near(r.height, height * factor, 'height');
        near(r.x, (viewport.width - width * factor) / 2, 'left');
        near(r.y, (viewport.height - height * factor) / 2, 'top');
        return { factor, r };
      };
      await check('kidou', 800, 600);
      await openPractice(page);
      const { factor, r } = await check('Form1', 793, 580);
      // An element keeps its designed place, magnified: the bid button at 6240, 3720 twips.
      const bid = await element(page, 'Form1', 'Command12').boundingBox();
      assert.ok(Math.abs(bid.x - (r.x + 416 * factor)) < 1 && Math.abs(bid.y - (r.y + 248 * factor)) < 1, JSON.stringify(bid));
      assert.ok(Math.abs(bid.width - 81 * factor) < 1, JSON.stringify(bid));
      await screenshot(page, `practice-${viewport.width}x${viewport.height}`);
      assert.deepEqual(faults, []);
    });
  }
  assert.ok(deep.requests.every((r) => r.startsWith('/training/kobaru/')), deep.requests.join(' '));
  await deep.close();
});

test('the results outlive the practice screen, and the windows open at the sizes and titles the desktop gives them', async () => {
  await withBrowser({ viewport: { width: 1600, height: 900 } }, async (context) => {
    const { page, faults } = await open(context, site);
    const box = async (selector) => page.locator(selector).boundingBox();
    const caption = (win) => page.locator(`[data-window="${win}"] > .caption > .title`).textContent();
    assert.equal(await element(page, 'kidou', 'Command5').count(), 0, 'no results before a practice');

    await element(page, 'kidou', 'Command2').click();
    assert.equal(await caption('help'), '使用方法 Kobaru - Tessaly');
    const help = await box('[data-window="help"]');
    assert.deepEqual([help.width, help.height], [850, 640]);
    await element(page, 'help', 'Command1').click();
    await element(page, 'kidou', 'Command4').click();
    assert.equal(await caption('about'), 'Kobaru - バージョン情報');
    assert.ok((await box('[data-window="about"]')).width >= 380);
    await element(page, 'about', 'Command1').click();

    await openPractice(page);
    await waitFor(page, () => /スタート {2}/.test(document.querySelector('[data-name="ousatu"]').value), 'the first lot to start', undefined, 20_000);
    await element(page, 'Form1', 'seiseki').click();
    assert.equal(await caption('seiseki'), '練習成績');
    const body = await box('[data-window="seiseki"] .results');
    assert.deepEqual([body.width, body.height], [1100, 640]);
    assert.equal(await page.locator('[data-window="seiseki"] table').getAttribute('aria-label'), '出品ごとの成績');
    const columns = await page.$$eval('[data-window="seiseki"] .summary dl', (dls) => dls.map((dl) => dl.querySelector('dt').textContent));
    assert.deepEqual(columns, ['競りを見た台数', '目安との差の平均（万円）', 'スタートからの反応の中央値（秒）']);
    // The core's chart for the chart's size: the title at the top left, and with no lot won the
    // note in the middle of the plot, right of the axis texts and under the title.
    await waitFor(page, () => document.querySelector('[data-window="seiseki"] .chart text.noLots'), 'the chart to be drawn');
    const chart = await page.$eval('[data-window="seiseki"] .chart', (svg) => ({
      width: svg.clientWidth,
      height: svg.clientHeight,
      title: svg.querySelector('text.title').textContent,
      none: ['x', 'y'].map((a) => Number(svg.querySelector('text.noLots').getAttribute(a))),
      noneText: svg.querySelector('text.noLots').textContent,
      frame: getComputedStyle(svg.querySelector('rect.frame')).stroke,
    }));
    assert.equal(chart.height, 130);
    assert.equal(chart.title, '落札した車の目安との差（万円）');
    assert.equal(chart.noneText, '目安のある車をまだ落札していません');
    assert.deepEqual(chart.none, [56 + (chart.width - 62) / 2, 28 + (chart.height - 34) / 2]);
    assert.equal(chart.frame, 'rgb(128, 128, 128)');

    // The end of practice: the screen goes, the results stay, and the launcher offers them.
    await element(page, 'Form1', 'Command25').click();
    await page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    await waitFor(page, () => document.querySelector('[data-window="kidou"] [data-name="Command5"]'), 'the launcher with 練習成績');
    const outcomes = () => [...document.querySelectorAll('[data-window="seiseki"] tbody tr')].map((tr) => tr.cells[8].textContent);
    await waitFor(page, () => [...document.querySelectorAll('[data-window="seiseki"] tbody tr')].some((tr) => tr.cells[8].textContent === '未了（練習終了）'), 'the lot the end of practice cut short');
    const kept = await page.evaluate(outcomes);
    await page.waitForTimeout(600); // the window looks again: still there, still the same
    assert.deepEqual(await page.evaluate(outcomes), kept);
    const results = element(page, 'kidou', 'Command5');
    assert.equal(await results.textContent(), '練習成績');
    assert.equal(await results.getAttribute('aria-label'), '練習成績');
    await page.locator('[data-window="seiseki"] > .caption > .close').click();
    assert.equal(await page.locator('[data-window="seiseki"]').count(), 0);
    await screenshot(page, 'launcher-after-practice');
    await results.click();
    await waitFor(page, () => document.querySelector('[data-window="seiseki"] tbody tr'), 'the results again from the launcher');
    assert.deepEqual(await page.evaluate(outcomes), kept);
    await screenshot(page, 'results-after-practice');

    // A new practice is a new session, in the same window (which lies over the menu button).
    await element(page, 'kidou', 'Command1').dispatchEvent('click');
    await waitFor(page, () => document.querySelector('[data-window="Form1"] [data-name="ousatu"]'), 'the practice screen again');
    await waitFor(page, () => ![...document.querySelectorAll('[data-window="seiseki"] tbody tr')].some((tr) => tr.cells[8].textContent === '未了（練習終了）'), 'the old session to be cleared');
    assert.equal(await page.locator('[data-window="seiseki"]').count(), 1);
    assert.deepEqual(faults, []);
  });
});

test('the core takes any input the page could send: what it cannot read changes nothing, and no time is any harm', async () => {
  await withBrowser({}, async (context) => {
    const { page, faults } = await open(context, site);
    const replies = await page.evaluate(async () => {
      const core = await (await import('./kobaru.mjs')).default();
      const results = new core.Results();
      const board = new core.Board({ isRegularFile: () => false }, results, false, 0, 7);
      const loaded = board.input({ kind: 'load' }, 0);
      const before = board.elements().map((e) => JSON.stringify(e)).join('\n');
      const inputs = [
        null, undefined, 42, 'load', [], {}, { kind: 5 }, { kind: 'nonsense', name: 'Command1' },
        { kind: 'buttonDown', name: 7, pointer: 1e300, primary: 'yes' },
        { kind: 'buttonUp', name: 'Command99', pointer: NaN, over: {} },
        { kind: 'keyDown', name: 'Command1', key: -13 },
        { kind: 'entryKey', name: 'Text6', key: 0x110000 },
        { kind: 'entryKey', name: 'Text6', key: 2.5 },
        { kind: 'entryText', name: 'Text6', text: 123 },
        { kind: 'entryText', name: 'ousatu', text: 'not typed into a locked box' },
        { kind: 'focus', name: { toString: () => 'Command12' } },
        { kind: 'messageClosed' },
      ];
      const replies = [];
      const shape = (r) => [Array.isArray(r.effects), Array.isArray(r.changes), typeof r.sleep, typeof r.held];
      for (const input of inputs) replies.push(shape(board.input(input, 0)));
      const after = board.elements().map((e) => JSON.stringify(e)).join('\n');
      // A time that is no time reads as 0, a clock that steps back moves nothing: at worst the
      // clock catches up one tick, as after a pause.
      for (const t of [NaN, Infinity, -Infinity, -1e308, 1e308]) replies.push(shape(board.input({ kind: 'tick' }, t)));
      board.delete();
      results.delete();
      const changed = after.split('\n').filter((line, i) => line !== before.split('\n')[i]);
      return { loaded: loaded.effects.map((e) => e.kind), replies, changed };
    });
    assert.deepEqual(replies.loaded, []);
    for (const r of replies.replies) assert.deepEqual(r, [true, true, 'number', 'string']);
    assert.deepEqual(replies.changed, [], 'the screen is as it was');
    assert.deepEqual(faults, []);
  });
});

test('the results chart draws the core\'s bars for the lots the trainee won', async () => {
  await withBrowser({ viewport: { width: 1600, height: 900 } }, async (context) => {
    const { page, faults } = await open(context, site);
    // A session played in virtual time on a board of the page's core, by a trainee who bids
    // up to 20,000 yen over the guide and confirms what they win; then its results window.
    const shown = await page.evaluate(async () => {
      const core = await (await import('./kobaru.mjs')).default();
      const { ResultsWindow } = await import('./js/results.js');
      const { useTwipsOf } = await import('./js/magnify.js');
      useTwipsOf(core);
      const results = new core.Results();
      const board = new core.Board({ isRegularFile: () => false }, results, false, 0, 7);
      const now = {};
      let confirm = false;
      const send = (input, t) => {
        for (const c of board.input(input, t).changes) {
          now[c.name] = c.caption ?? c.text;
          if (c.name === 'Command14') confirm = c.backColor === 0xff0000;
        }
      };
      send({ kind: 'load' }, 0);
      const won = () => results.view().rows.filter((cells) => /自分落札|自見切落札/.test(cells[8])).length;
      for (let step = 1; step <= 120_000 && (step % 200 || won() < 3); step++) {
        const t = step * 50;
        send({ kind: 'tick' }, t);
        if (step % 15 === 0 && Number(now.Text9) < Number(now.meyasugaku) + 2) {
          send({ kind: 'buttonDown', name: 'Command12', pointer: 1 }, t);
          send({ kind: 'buttonUp', name: 'Command12', pointer: 1, over: true }, t);
        }
        if (confirm) send({ kind: 'keyDown', name: 'Command14', key: 13 }, t);
      }
      board.delete();
      const win = new ResultsWindow(core, results, () => {});
      document.body.append(win.element);
      win.centre();
      const svg = win.element.querySelector('.chart');
      for (let i = 0; i < 100 && !svg.querySelector('rect.over, rect.under'); i++) await new Promise((r) => setTimeout(r, 20));
      const place = (p) => [p.left, p.top, p.width, p.height];
      const chart = core.resultsChart(results.view().differences, svg.clientWidth, svg.clientHeight);
      return {
        won: won(),
        expected: chart.bars.map((b) => [b.side, ...place(b.place), b.color]),
        drawn: [...svg.querySelectorAll('rect.over, rect.under')].map((r) => [
          r.getAttribute('class'),
          ...['x', 'y', 'width', 'height'].map((a) => Number(r.getAttribute(a))),
          Number(`0x${getComputedStyle(r).fill.match(/\d+/g).map((n) => Number(n).toString(16).padStart(2, '0')).join('')}`),
        ]),
        axis: [...svg.querySelectorAll('text.axis')].map((t) => t.textContent),
        expectedAxis: chart.texts.filter((t) => t.kind === 'axis').map((t) => t.text),
      };
    });
    assert.ok(shown.won >= 3, `won ${shown.won} lots`);
    assert.ok(shown.expected.length >= 3, JSON.stringify(shown));
    assert.deepEqual(shown.drawn, shown.expected);
    assert.deepEqual(shown.axis, shown.expectedAxis);
    await screenshot(page, 'results-chart');
    assert.deepEqual(faults, []);
  });
});
