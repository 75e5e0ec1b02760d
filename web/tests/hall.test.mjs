// SPDX-License-Identifier: MIT
// The practice hall in Debian's Chromium: the server kobaru-hall (KOBARU_HALL) serves the built
// site and one seeded hall; a trainer and three trainees, each a browser of their own (the third
// on a phone held upright), play a manual lot and then a few automatic ones. Every page's record
// is what the core gives that viewer for the hall's journal, played again natively
// (KOBARU_HALL_REPLAY); each lot awarded to a trainee reads 自分落札 on exactly one page; the CSV the
// trainer saves lists every lot of every trainee.

import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { launch } from './browser.mjs';
import { board, recordOf, typeStartPrice, watchPage } from './hall_pages.mjs';
import { kSite } from './server.mjs';
import { kScreenshots, waitFor } from './session.mjs';

const kHall = process.env.KOBARU_HALL ?? '';
const kHallReplay = process.env.KOBARU_HALL_REPLAY ?? '';
const skip = kHall ? false : 'KOBARU_HALL is not set: set it to the kobaru-hall binary (and KOBARU_HALL_REPLAY to kobaru_hall_replay) to play a hall';
const kStartSeconds = 30;

// Every hall a test started, ended after the tests.
const halls = [];

// Starts kobaru-hall on a free port of 127.0.0.1 with folders of its own; resolves once it has
// printed the trainer's and the trainees' addresses.
function startHall() {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'kobaru-hall-test-'));
  const folders = { TMPDIR: path.join(home, 'tmp'), XDG_RUNTIME_DIR: path.join(home, 'runtime'), XDG_DATA_HOME: path.join(home, 'data') };
  for (const folder of Object.values(folders)) fs.mkdirSync(folder, { mode: 0o700 });
  const journal = path.join(folders.TMPDIR, 'journal.tsv');
  const child = spawn(kHall, ['--port', '0', '--bind', '127.0.0.1', '--site', kSite, '--seed', '7', '--journal', journal], {
    env: { ...process.env, ...folders, HOME: home },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  let out = '';
  let err = '';
  child.stderr.on('data', (d) => (err += d));
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      child.kill('SIGKILL');
      reject(new Error(`timed out after ${kStartSeconds} s waiting for kobaru-hall to print its "trainer " and "join " lines; stdout: ${JSON.stringify(out)} stderr: ${JSON.stringify(err)}`));
    }, kStartSeconds * 1000);
    child.on('exit', (code, signal) => {
      clearTimeout(timer);
      reject(new Error(`kobaru-hall ended (${code ?? signal}) before printing its addresses; stderr: ${err}`));
    });
    child.stdout.on('data', (d) => {
      out += d;
      const trainer = out.match(/^trainer (\S+)$/m)?.[1];
      const join = out.match(/^join (\S+)$/m)?.[1];
      if (!trainer || !join) return;
      clearTimeout(timer);
      const hall = { child, exited, home, journal, trainer, join, origin: new URL(join).origin };
      halls.push(hall);
      resolve(hall);
    });
  });
}

before(() => {
  if (!skip && !fs.existsSync(path.join(kSite, 'join.html'))) throw new Error(`no hall pages in ${kSite}: run scripts/web build`);
});

after(async () => {
  await Promise.all(
    halls.map(async (hall) => {
      hall.child.kill('SIGINT');
      const ended = await Promise.race([hall.exited, new Promise((r) => setTimeout(() => r(null), 10_000))]);
      if (!ended) hall.child.kill('SIGKILL');
      fs.rmSync(hall.home, { recursive: true, force: true });
    }),
  );
});

async function openTrainee(browser, hall, name) {
  const page = await browser.context.newPage();
  const faults = watchPage(page, hall.origin);
  await page.goto(hall.join);
  await page.getByLabel('お名前').fill(name);
  await page.getByRole('button', { name: '入場' }).click();
  await waitFor(page, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), `${name}'s seat in the hall`);
  return { page, faults, name };
}

// Presses the bid button the way each trainee's device does: a finger on the phone, the mouse
// elsewhere.
async function bid(trainee) {
  if (trainee.touch) await board(trainee.page, 'Command12').tap();
  else await board(trainee.page, 'Command12').click();
}

// Waits until every page's record has stood still for a while: the hall is quiet.
async function settled(pages) {
  let last = '';
  for (let i = 0; i < 60; i++) {
    const now = JSON.stringify(await Promise.all(pages.map(recordOf)));
    if (now === last) return;
    last = now;
    await pages[0].waitForTimeout(700);
  }
  throw new Error('timed out after about 42 s waiting for the records to stand still');
}

// On the phone, upright, while a lot runs: the parts stacked, the bid button a finger high, no
// text smaller than 12 px as shown (its computed size times the scale it is drawn at).
async function checkPhone(phone) {
  const look = await phone.evaluate(() => {
    const bid = document.querySelector('[data-window="Form1"] [data-name="Command12"]').getBoundingClientRect();
    const small = [...document.querySelectorAll('[data-window="Form1"] [data-name]')]
      .filter((el) => el instanceof HTMLElement && el.offsetParent && /\S/.test(el.textContent + (el.value ?? '')))
      .map((el) => [el.dataset.name, parseFloat(getComputedStyle(el).fontSize) * (el.getBoundingClientRect().width / el.offsetWidth)])
      .filter(([, px]) => px < 12 - 0.01);
    return { bid: bid.height, small, parts: [...document.querySelectorAll('[data-window="Form1"] > .part')].map((p) => p.dataset.part) };
  });
  assert.ok(look.bid >= 44, `the bid button is ${look.bid} px high`);
  assert.deepEqual(look.small, []);
  assert.deepEqual(look.parts, ['upperBoard', 'buttons', 'guide', 'lowerBoard', 'record']);
}

async function screenshots(shots) {
  if (!process.env.KOBARU_SCREENSHOTS) return;
  fs.mkdirSync(kScreenshots, { recursive: true });
  for (const [name, page] of Object.entries(shots)) await page.screenshot({ path: path.join(kScreenshots, `${name}.png`) });
}

// What no page of the hall can read, and what it must make nothing of: each is let be.
const kOddMessages = [
  'not json',
  '[]',
  '42',
  'null',
  '{"type":5}',
  '{"type":"nonsense","changes":[]}',
  '{"type":"toString"}',
  '{"type":"view","changes":"none","effects":{"kind":"beep"},"focus":7,"held":false}',
  '{"type":"view","changes":[null,7,{"name":"Nothing"}],"effects":[null,{"kind":"constructor"},{"kind":"nonsense"}]}',
  '{"type":"welcome","role":"trainee"}',
  '{"type":"welcome","role":"trainee","seat":"x","layout":{},"elements":[]}',
  '{"type":"welcome","role":"trainer","layout":null}',
  '{"type":"results","results":{"summary":"x"}}',
  '{"type":"results","results":{"summary":[],"rows":[[1]],"differences":[]}}',
  '{"type":"trainees","trainees":[null,5,{"bidder":9,"name":"<img src=x onerror=alert(1)>","connected":true}]}',
  '{"type":"results","standings":[{"place":1,"name":"<i>x</i>"}],"lots":[{"cells":"no"},null],"headings":[1]}',
  '{"type":"csv","text":5}',
  '{"type":"pong","t":"soon"}',
  '{"type":"error","code":"whatever"}',
];

test('the hall\'s pages let be any message they cannot read, say so on a wrong key, come back by themselves when the connection drops, and give way to a copy of the tab', { skip, timeout: 180_000 }, async () => {
  const hall = await startHall();
  const browser = await launch({ viewport: { width: 1200, height: 800 } });
  try {
    // Wrong keys: one that is no key is never sent; one that is not the hall's is refused.
    for (const [address, heading] of [
      [hall.trainer.replace(/#.*/, '#nokey'), 'このアドレスでは練習会場を開けません。'],
      [hall.trainer.replace(/#.*/, `#${'0'.repeat(32)}`), '講師用の鍵が違うため、練習会場を開けません。'],
    ]) {
      const wrong = await browser.context.newPage();
      await wrong.goto(address);
      await waitFor(wrong, (h) => document.querySelector('.hall-notice h1')?.textContent === h, `the notice "${heading}"`, heading);
      assert.equal(await wrong.locator('[data-window="Form1"]').count(), 0);
      await wrong.close();
    }

    // The trainer and a trainee, each connection passing through a route the test can speak into
    // and cut.
    const routes = new Map();
    const routed = async (page) => {
      await page.routeWebSocket(/\/ws\?hall=/, (ws) => {
        ws.connectToServer();
        routes.set(page, ws);
      });
      return page;
    };
    const trainer = await routed(await browser.context.newPage());
    const trainerFaults = watchPage(trainer, hall.origin);
    await trainer.goto(hall.trainer);
    await waitFor(trainer, () => document.querySelector('[data-window="Form1"] [data-name="ousatu"]'), "the trainer's screen");
    const trainee = await routed(await browser.context.newPage());
    const traineeFaults = watchPage(trainee, hall.origin);
    await trainee.goto(hall.join);
    await trainee.getByLabel('お名前').fill('山本');
    await trainee.getByRole('button', { name: '入場' }).click();
    await waitFor(trainee, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), "the trainee's seat");
    await waitFor(trainer, () => document.querySelector('[data-window="hall"] table[aria-label="練習者"] tbody tr'), 'the trainee in the hall panel');

    // The screen keeps its elements, each as it was made (what they show moves on
    // meanwhile: the hall's clock runs).
    const elements = () => [...document.querySelectorAll('[data-window="Form1"] [data-name]')].map((el) => `${el.dataset.name} ${el.tagName}`);
    for (const page of [trainer, trainee]) {
      const before = await page.evaluate(elements);
      for (const message of kOddMessages) routes.get(page).send(message);
      await page.waitForTimeout(500);
      assert.deepEqual(await page.evaluate(elements), before, 'the screen is as it was');
    }
    // A list of trainees is taken whole, as far as it can be read, and a name is text.
    const listed = () => [...document.querySelectorAll('[data-window="hall"] table[aria-label="練習者"] tbody tr')].map((tr) => tr.cells[1].textContent);
    assert.deepEqual(await trainer.evaluate(listed), ['<img src=x onerror=alert(1)>']);
    assert.equal(await trainer.locator('[data-window="hall"] img, [data-window="hall"] i').count(), 0);

    // Cut (the server going away), the trainee's page says so and comes back into the same seat
    // by itself.
    const first = routes.get(trainee);
    await first.close({ code: 1001, reason: 'going away' });
    await waitFor(trainee, () => /回復/.test(document.querySelector('.hall-status')?.textContent ?? ''), 'the status line to tell of the reconnection');
    await waitFor(trainee, () => /^接続(しました|中)/.test(document.querySelector('.hall-status')?.textContent ?? ''), 'the connection to come back', undefined, 20_000);
    assert.notEqual(routes.get(trainee), first, 'a new connection');
    await waitFor(trainee, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), 'the seat again');
    assert.equal(await trainee.locator('[data-window="join"]').isVisible(), false, 'no name asked again');
    await waitFor(trainer, () => document.querySelector('[data-window="hall"] table[aria-label="練習者"] tbody tr')?.cells[1].textContent === '山本', 'the hall to list its one trainee again');

    // A copy of the tab, with its seat, takes the seat over; the first page says so and does not
    // take it back unless asked to, and then the copy says so.
    const seat = await trainee.evaluate(() => Object.entries(sessionStorage));
    const copy = await browser.context.newPage();
    const copyFaults = watchPage(copy, hall.origin);
    await copy.addInitScript((entries) => entries.forEach(([k, v]) => sessionStorage.setItem(k, v)), seat);
    await copy.goto(hall.join);
    await waitFor(copy, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), 'the seat in the copy of the tab');
    const taken = () => /ほかのページで開かれました/.test(document.querySelector('.hall-notice')?.textContent ?? '');
    await waitFor(trainee, taken, 'the first page to say its seat was taken');
    await trainee.waitForTimeout(1500);
    assert.equal(await copy.evaluate(taken), false, 'the first page does not take the seat back by itself');
    await trainee.getByRole('button', { name: 'このページで続ける' }).click();
    await waitFor(copy, taken, 'the copy to say the seat went back');
    assert.equal(await trainee.evaluate(taken), false);
    await waitFor(trainer, () => document.querySelector('[data-window="hall"] table[aria-label="練習者"] tbody tr')?.cells[2].textContent === '接続中', 'the trainee connected');
    assert.deepEqual([...trainerFaults, ...traineeFaults, ...copyFaults], []);
  } finally {
    await browser.close();
  }
});

test('a trainer and three trainees play a manual lot and automatic ones; every record is the core\'s, and the CSV has every lot', { skip, timeout: 600_000 }, async () => {
  const hall = await startHall();
  const browsers = await Promise.all([
    launch({ viewport: { width: 1400, height: 800 }, acceptDownloads: true }),
    launch({ viewport: { width: 1000, height: 800 } }),
    launch({ viewport: { width: 1000, height: 800 } }),
    launch({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true }),
  ]);
  try {
    const trainerPage = await browsers[0].context.newPage();
    const trainerFaults = watchPage(trainerPage, hall.origin);
    await trainerPage.goto(hall.trainer);
    await waitFor(trainerPage, () => document.querySelector('[data-window="Form1"] [data-name="ousatu"]') && document.querySelector('[data-window="hall"] svg.qr'), "the trainer's screen and the hall panel");
    const panel = trainerPage.locator('[data-window="hall"]');
    assert.equal(await panel.locator('.join-address').textContent(), hall.join);
    // The QR code with its quiet zone of four modules on each side.
    const qr = await panel.locator('svg.qr').evaluate((svg) => ({ box: svg.getAttribute('viewBox'), name: svg.getAttribute('aria-label') }));
    const side = Number(qr.box.split(' ')[2]);
    assert.ok(side >= 21 + 8 && (side - 8 - 17) % 4 === 0, `a QR code's size with its quiet zone: ${qr.box}`);
    assert.equal(qr.name, '参加用アドレスのQRコード');
    // The trainees' buttons are shown, not pressable.
    for (const name of ['Command12', 'Command14']) assert.equal(await board(trainerPage, name).getAttribute('aria-disabled'), 'true', name);

    // A name that is no name is not sent; three trainees take their seats, one with markup in
    // their name, which stays text.
    const names = ['鈴木', '<b>佐藤</b>', '田中'];
    const first = await browsers[1].context.newPage();
    const firstFaults = watchPage(first, hall.origin);
    await first.goto(hall.join);
    await first.getByRole('button', { name: '入場' }).click();
    assert.match(await first.locator('[data-window="join"] .error').textContent(), /1〜20文字/);
    assert.equal(await first.locator('[data-window="Form1"]').count(), 0);
    await first.getByLabel('お名前').fill(names[0]);
    await first.getByRole('button', { name: '入場' }).click();
    await waitFor(first, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), `${names[0]}'s seat`);
    const trainees = [
      { page: first, faults: firstFaults, name: names[0] },
      await openTrainee(browsers[2], hall, names[1]),
      { ...(await openTrainee(browsers[3], hall, names[2])), touch: true },
    ];
    const traineeRows = () => [...document.querySelectorAll('[data-window="hall"] table[aria-label="練習者"] tbody tr')].map((tr) => [...tr.cells].map((c) => c.textContent));
    await waitFor(trainerPage, () => document.querySelectorAll('[data-window="hall"] table[aria-label="練習者"] tbody tr').length === 3, 'three trainees in the hall panel');
    const rows = await trainerPage.evaluate(traineeRows);
    assert.deepEqual(rows.map((r) => r.slice(0, 3)), names.map((n, i) => [String(i + 1), n, '接続中']));
    assert.equal(await panel.locator('b').count(), 0, 'a name is text, never markup');

    // A reload comes back into the same seat without asking for the name again.
    await trainees[1].page.reload();
    await waitFor(trainees[1].page, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), 'the seat again after a reload');
    assert.equal(await trainees[1].page.locator('[data-window="join"]').isVisible(), false);
    assert.match(await trainees[1].page.locator('.bar .who').textContent(), /佐藤/);
    await waitFor(trainees[1].page, () => /往復 \d+ ms/.test(document.querySelector('.hall-status')?.textContent ?? ''), 'the round trip in the status line');
    await waitFor(trainerPage, (n) => document.querySelectorAll('[data-window="hall"] table[aria-label="練習者"] tbody tr').length === n, 'still three trainees after the reload', 3);

    // The manual lot: the trainer sets a start price and starts; two trainees bid while the price
    // climbs, the third raises with the clock stopped; after the sell-out the first takes the
    // right, the decision awards it, and the winner confirms.
    const press = (name) => board(trainerPage, name).click();
    await typeStartPrice(trainerPage, '200');
    await press('Command11');
    await press('Command1');
    await waitFor(trainerPage, () => /スタート {2}/.test(document.querySelector('[data-name="ousatu"]').value), 'the manual lot to start');
    await trainerPage.waitForTimeout(400);
    await bid(trainees[0]);
    await trainerPage.waitForTimeout(300);
    await bid(trainees[1]);
    await trainerPage.waitForTimeout(300);
    await press('Command2');
    await trainerPage.waitForTimeout(300);
    await bid(trainees[2]);
    await trainerPage.waitForTimeout(300);
    await press('Command8');
    await waitFor(trainerPage, () => /うりきり/.test(document.querySelector('[data-name="ousatu"]').value), 'the sell-out in the record');
    await bid(trainees[0]);
    await trainerPage.waitForTimeout(300);
    await press('Command9');
    await waitFor(trainees[0].page, () => /自分落札/.test(document.querySelector('[data-name="ousatu"]').value), 'the manual lot awarded to the first trainee', undefined, 20_000);
    await waitFor(trainees[0].page, () => document.querySelector('[data-name="Command14"]').style.background === 'rgb(255, 0, 0)', '確認 to turn red for the winner');
    await board(trainees[0].page, 'Command14').click();
    assert.match(await recordOf(trainerPage), /鈴木落札/);

    // 全自動: a few lots run by themselves. Each trainee bids once a lot at most, while the price
    // climbs under the guide (every bid restarts the countdown, so the lots still end). Each lot's
    // record starts afresh: an award is checked as it comes, on every page.
    await press('Command26');
    const lotNumber = async () => Number(await board(trainerPage, 'syuppin').textContent());
    const firstAutomatic = await lotNumber();
    const deadline = Date.now() + 300_000;
    const bidOn = new Map();
    const startPrice = new Map();
    let looked = false;
    const awarded = new Map(); // lot -> the trainee it went to, or null for the floor
    let round = 0;
    while ((await lotNumber()) < firstAutomatic + 3) {
      assert.ok(Date.now() < deadline, `timed out after 300 s waiting for three automatic lots to end:\n${await recordOf(trainerPage)}`);
      const [lot, price, guide] = await Promise.all(['syuppin', 'Text9', 'meyasugaku'].map((name) => board(trainerPage, name).textContent()));
      const operator = await recordOf(trainerPage);
      if (!awarded.has(lot) && /^\S*落札 {2}/m.test(operator)) {
        const winner = trainees.find((t) => operator.split('\n').some((l) => l.startsWith(`${t.name}落札  `))) ?? null;
        awarded.set(lot, winner);
        await Promise.all(trainees.map((t) => waitFor(t.page, () => /^\S*落札 {2}/m.test(document.querySelector('[data-name="ousatu"]').value), `${t.name}'s record to show lot ${lot}'s award`)));
        const own = [];
        for (const t of trainees) if (/^自分落札 {2}/m.test(await recordOf(t.page))) own.push(t.name);
        assert.deepEqual(own, winner ? [winner.name] : [], `lot ${lot}: 自分落札 on the winner's page alone:\n${operator}`);
      }
      const trainee = trainees[round++ % trainees.length];
      // A press before the clock runs (the start price shown) is no bid.
      if (!startPrice.has(lot)) startPrice.set(lot, Number(price));
      const climbing = Number(price) > startPrice.get(lot) && Number(price) < Number(guide) - 3;
      if (climbing && !looked) {
        looked = true;
        await checkPhone(trainees[2].page);
        await screenshots({ 'hall-trainee-phone': trainees[2].page, 'hall-trainer': trainerPage, 'hall-trainee': trainees[0].page });
      }
      if (bidOn.get(trainee) !== lot && climbing) {
        bidOn.set(trainee, lot);
        await bid(trainee);
      }
      const red = await board(trainee.page, 'Command14').evaluate((el) => el.style.background === 'rgb(255, 0, 0)');
      if (red) await board(trainee.page, 'Command14').click();
      await trainerPage.waitForTimeout(300);
    }
    assert.ok(looked, 'the phone was looked at while a lot ran');
    // Forced stop: manual mode, and the hall stands still.
    await press('Command23');
    const pages = [trainerPage, ...trainees.map((t) => t.page)];
    await settled(pages);

    // Every record is the core's for the same events.
    const replayed = JSON.parse(execFileSync(kHallReplay, [hall.journal], { encoding: 'utf8' }));
    assert.equal(await recordOf(trainerPage), replayed.operator);
    for (const [i, t] of trainees.entries()) assert.equal(await recordOf(t.page), replayed.trainees[String(i + 1)], `${t.name}'s record`);
    // Each trainee's own results window; the trainer's CSV has every lot of every trainee, in
    // UTF-8 with a byte order mark.
    const seen = [];
    for (const t of trainees) {
      await t.page.getByRole('button', { name: '成績', exact: true }).click();
      await waitFor(t.page, () => document.querySelector('[data-window="seiseki"] tbody tr'), `${t.name}'s results`);
      seen.push(await t.page.locator('[data-window="seiseki"] tbody tr').count());
      if (process.env.KOBARU_SCREENSHOTS && t.touch) await t.page.screenshot({ path: path.join(kScreenshots, 'hall-trainee-results-phone.png') });
      await t.page.locator('[data-window="seiseki"] > .caption > .close').click();
    }
    const download = trainerPage.waitForEvent('download', { timeout: 10_000 });
    await trainerPage.getByRole('button', { name: '成績をCSVで保存' }).click();
    const saved = await download;
    assert.equal(saved.suggestedFilename(), 'kobaru-hall-results.csv');
    const bytes = fs.readFileSync(await saved.path());
    assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
    const csv = bytes.toString('utf8').slice(1).trim().split(/\r?\n/);
    assert.match(csv[0], /^名前,/);
    const lotRows = await trainerPage.locator('[data-window="hall"] table[aria-label="出品ごとの成績"] tbody tr').count();
    assert.equal(csv.length - 1, lotRows);
    trainees.forEach((t, i) => {
      const own = csv.slice(1).filter((line) => line.startsWith(`${t.name},`) || line.startsWith(`"${t.name}",`)).length;
      assert.equal(own, seen[i], `${t.name}'s lots in the CSV, as their results window lists them`);
    });

    // 練習終了 asks first; キャンセル keeps the hall, OK ends it for everybody.
    await press('Command25');
    const question = trainerPage.getByRole('alertdialog');
    assert.equal(await question.locator('.text').textContent(), '練習会場を終了します。全員の練習が終わります。よろしいですか？');
    await question.getByRole('button', { name: 'キャンセル' }).click();
    await trainerPage.waitForTimeout(500);
    assert.equal(await trainees[0].page.locator('.hall-notice').count(), 0, 'the hall goes on');
    await press('Command25');
    await trainerPage.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    for (const page of pages) {
      await waitFor(page, () => /練習会場は終了しました/.test(document.querySelector('.hall-notice')?.textContent ?? ''), 'the notice that the hall has ended');
    }
    assert.deepEqual([...trainerFaults, ...trainees.flatMap((t) => t.faults)], []);
  } finally {
    await Promise.all(browsers.map((b) => b.close()));
  }
});
