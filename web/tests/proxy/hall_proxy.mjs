// SPDX-License-Identifier: MIT
// The practice hall behind nginx with TLS, as deploy/nginx/kobaru-hall.conf puts it: two
// kobaru-hall processes (KOBARU_HALL, instances a and b) behind one nginx, all of the test's own
// on free ports of 127.0.0.1, with a certificate made for the test. nginx sends each hall's
// WebSocket to the process its id names and refuses a page of another site. Through https alone,
// a trainer opens a new hall from trainer.html with no hall in its address, another opens the
// other process's hall; a trainee joins each, and each hall plays a manual lot to an award. The
// pages are a secure context, where the site's service worker registers.
//
// Run as a test of its own (ctest hall_proxy), apart from web/tests/*.test.mjs.

import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import https from 'node:https';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { fileURLToPath } from 'node:url';
import { launch } from '../browser.mjs';
import { board, recordOf, typeStartPrice, watchPage } from '../hall_pages.mjs';
import { kSite } from '../server.mjs';
import { kScreenshots, waitFor } from '../session.mjs';

const kHall = process.env.KOBARU_HALL ?? '';
const kNginx = process.env.KOBARU_NGINX ?? '/usr/sbin/nginx';
const kDeployed = path.resolve(fileURLToPath(new URL('.', import.meta.url)), '../../../deploy/nginx/kobaru-hall.conf');
const skip = kHall ? false : 'KOBARU_HALL is not set: set it to the kobaru-hall binary to run halls behind nginx';
const kStartMs = 30_000;
const kInstances = ['a', 'b'];
// Small limits, for the test to reach: instance a lets one address open so many halls, instance b
// holds so many, its own first hall among them.
const kLimits = { a: ['--most-halls-per-address', '4'], b: ['--most-halls', '3'] };

// The values the deployed configuration leaves to whoever deploys it, filled in for the test: how
// often each stands there, and what it becomes. The rest, its routing, is taken as it is.
const filledIn = ({ tls, ports, certificate, key }) => [
  ['listen 443 ssl http2;', 1, `listen 127.0.0.1:${tls} ssl http2;`],
  // The test's traffic stays on 127.0.0.1.
  ['listen [::]:443 ssl http2;', 1, ''],
  ['127.0.0.1:8101', 3, `127.0.0.1:${ports.a}`],
  ['127.0.0.1:8102', 3, `127.0.0.1:${ports.b}`],
  ['/etc/nginx/ssl/kobaru-hall.crt', 1, certificate],
  ['/etc/nginx/ssl/kobaru-hall.key', 1, key],
];

let home = '';
let origin = '';
let ca = '';
let passed = 0;
const processes = [];
const halls = {};
// The halls the tests opened with POST /halls on each process, all from 127.0.0.1.
const openedOn = { a: 0, b: 0 };

// Free ports of 127.0.0.1, each held until all are found, so that no two are the same.
async function freePorts(count) {
  const servers = await Promise.all(
    Array.from({ length: count }, () => new Promise((resolve, reject) => {
      const server = net.createServer();
      server.on('error', reject);
      server.listen(0, '127.0.0.1', () => resolve(server));
    })),
  );
  const ports = servers.map((s) => s.address().port);
  await Promise.all(servers.map((s) => new Promise((resolve) => s.close(resolve))));
  return ports;
}

// Starts `file`, its standard error (and output, which is kept to be read) in NAME.log in the
// test's folder.
function run(name, file, args, env = {}) {
  const log = path.join(home, `${name}.log`);
  const errors = fs.openSync(log, 'a');
  const child = spawn(file, args, { env: { ...process.env, ...env }, stdio: ['ignore', 'pipe', errors] });
  fs.closeSync(errors);
  const started = { name, child, log, out: '', exited: new Promise((resolve) => child.on('exit', (code, signal) => resolve(code ?? signal))) };
  child.stdout.on('data', (d) => {
    started.out += d;
    fs.appendFileSync(log, d);
  });
  processes.push(started);
  return started;
}

const tail = (started) => fs.readFileSync(started.log, 'utf8').slice(-3000);
const ended = (started) => started.child.exitCode !== null || started.child.signalCode !== null;

// Asks until `answered()` gives something other than undefined, at most `ms`; a process of the
// test that ends meanwhile fails the wait with its log.
async function until(started, answered, what, ms = kStartMs) {
  const deadline = Date.now() + ms;
  for (;;) {
    const answer = await answered();
    if (answer !== undefined) return answer;
    if (ended(started)) throw new Error(`${started.name} ended (${started.child.exitCode ?? started.child.signalCode}) while the test waited for ${what}:\n${tail(started)}`);
    if (Date.now() > deadline) throw new Error(`timed out after ${ms} ms waiting for ${what}; ${started.name}'s log:\n${tail(started)}`);
    await sleep(100);
  }
}

// One request to nginx, trusting the test's certificate alone: { status, headers, body }. A
// WebSocket handshake taken (101) is closed at once.
function request(target, { method = 'GET', headers = {} } = {}) {
  return new Promise((resolve, reject) => {
    const req = https.request({ host: '127.0.0.1', port: new URL(origin).port, path: target, method, headers, ca, agent: false });
    req.setTimeout(10_000, () => req.destroy(new Error(`timed out after 10 s waiting for nginx's answer to ${method} ${target}`)));
    req.on('upgrade', (res, socket) => {
      socket.destroy();
      resolve({ status: res.statusCode, headers: res.headers, body: '' });
    });
    req.on('response', (res) => {
      let body = '';
      res.setEncoding('utf8');
      res.on('data', (d) => (body += d));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body }));
    });
    req.on('error', reject);
    req.end();
  });
}

const handshake = (query, from) =>
  request(`/ws${query}`, {
    headers: { Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13', 'Sec-WebSocket-Key': crypto.randomBytes(16).toString('base64'), Origin: from },
  });
const newHall = (from) => request('/halls', { method: 'POST', headers: { Origin: from } });
const idOf = (address) => new URL(address).searchParams.get('hall');

async function startHall(instance, port) {
  const folder = path.join(home, instance);
  const folders = { TMPDIR: path.join(folder, 'tmp'), XDG_RUNTIME_DIR: path.join(folder, 'runtime'), XDG_DATA_HOME: path.join(folder, 'data') };
  for (const f of Object.values(folders)) fs.mkdirSync(f, { recursive: true, mode: 0o700 });
  const hall = run(`kobaru-hall-${instance}`, kHall, [
    '--instance', instance, '--bind', '127.0.0.1', '--port', String(port), '--proxy', '127.0.0.1', '--public', origin,
    '--site', kSite, '--data', path.join(folder, 'hall.sqlite'), ...kLimits[instance],
  ], { ...folders, HOME: folder });
  const printed = () => (/^join \S+$/m.test(hall.out) ? true : undefined);
  await until(hall, printed, `kobaru-hall --instance ${instance} to print its "trainer " and "join " lines`);
  return { ...hall, trainer: hall.out.match(/^trainer (\S+)$/m)[1], join: hall.out.match(/^join (\S+)$/m)[1] };
}

async function startNginx(ports) {
  const folder = path.join(home, 'nginx');
  fs.mkdirSync(folder);
  let site = fs.readFileSync(kDeployed, 'utf8');
  for (const [from, count, to] of filledIn({ tls: new URL(origin).port, ports, certificate: path.join(home, 'cert.pem'), key: path.join(home, 'key.pem') })) {
    assert.equal(site.split(from).length - 1, count, `"${from}" in ${kDeployed}`);
    site = site.replaceAll(from, to);
  }
  fs.writeFileSync(path.join(folder, 'kobaru-hall.conf'), site);
  // Everything nginx writes stays in the folder: its temporary files, its log, its pid. Run as
  // root, its workers are root too, as they could not reach into the folder otherwise.
  const paths = ['client_body', 'proxy', 'fastcgi', 'uwsgi', 'scgi'].map((p) => `    ${p}_temp_path ${path.join(folder, p)};`);
  fs.writeFileSync(path.join(folder, 'nginx.conf'), [
    process.getuid() === 0 ? 'user root;' : '',
    'worker_processes 1;',
    'events { worker_connections 256; }',
    'http {',
    `    access_log ${path.join(folder, 'access.log')};`,
    ...paths,
    `    include ${path.join(folder, 'kobaru-hall.conf')};`,
    '}',
    '',
  ].join('\n'));
  const nginx = run('nginx', kNginx, ['-p', `${folder}/`, '-c', path.join(folder, 'nginx.conf'), '-e', 'stderr', '-g', `daemon off; pid ${path.join(folder, 'nginx.pid')};`]);
  // nginx says nothing once it listens: it is asked until it answers.
  const answering = () => request('/join.html').then((r) => (r.status === 200 ? true : undefined), () => undefined);
  await until(nginx, answering, `nginx to serve ${origin}/join.html`);
}

before(async () => {
  if (skip) return;
  if (!fs.existsSync(path.join(kSite, 'trainer.html'))) throw new Error(`no hall pages in ${kSite}: run scripts/web build`);
  if (!fs.existsSync(kNginx)) throw new Error(`no nginx at ${kNginx}: run scripts/setup deploy`);
  home = fs.mkdtempSync(path.join(os.tmpdir(), 'kobaru-hall-proxy-'));
  // A self-signed certificate for 127.0.0.1, as a room without an office CA would make one.
  execFileSync('openssl', [
    'req', '-x509', '-newkey', 'ec', '-pkeyopt', 'ec_paramgen_curve:prime256v1', '-nodes', '-days', '2',
    '-subj', '/CN=127.0.0.1', '-addext', 'subjectAltName=IP:127.0.0.1',
    '-keyout', path.join(home, 'key.pem'), '-out', path.join(home, 'cert.pem'),
  ], { env: { ...process.env, HOME: home }, stdio: ['ignore', 'ignore', 'pipe'], timeout: 30_000 });
  ca = fs.readFileSync(path.join(home, 'cert.pem'), 'utf8');
  const [tls, a, b] = await freePorts(3);
  origin = `https://127.0.0.1:${tls}`;
  const ports = { a, b };
  for (const instance of kInstances) halls[instance] = await startHall(instance, ports[instance]);
  await startNginx(ports);
});

after(async () => {
  await Promise.all(
    processes.map(async (p) => {
      if (ended(p)) return;
      p.child.kill('SIGTERM');
      if ((await Promise.race([p.exited.then(() => true), sleep(10_000)])) !== true) p.child.kill('SIGKILL');
      await p.exited;
    }),
  );
  if (!home) return;
  // The folder, its logs among it, stays for a look when a test failed.
  if (passed === 3) fs.rmSync(home, { recursive: true, force: true });
  else console.log(`the test's folder, with the logs of nginx and both halls: ${home}`);
});

test('nginx sends each hall\'s WebSocket to the process that holds it, by the prefix of its id, opens new halls on both, and refuses a page of another site', { skip, timeout: 120_000 }, async () => {
  for (const instance of kInstances) {
    const hall = halls[instance];
    assert.match(idOf(hall.join), new RegExp(`^${instance}-[0-9a-f]{32}$`), `instance ${instance}'s hall id`);
    assert.ok(hall.trainer.startsWith(`${origin}/trainer.html?hall=${idOf(hall.join)}#`), `instance ${instance}'s trainer's address: ${hall.trainer}`);
    assert.equal(hall.join, `${origin}/join.html?hall=${idOf(hall.join)}`);
  }
  const [a, b] = kInstances.map((i) => idOf(halls[i].join));
  const elsewhere = 'https://elsewhere.example';
  for (const [what, query, from, status] of [
    ["instance a's hall", `?hall=${a}`, origin, 101],
    ["instance b's hall", `?hall=${b}`, origin, 101],
    ["instance a's hall from a page of another site", `?hall=${a}`, elsewhere, 403],
    ["instance b's hall from a page of another site", `?hall=${b}`, elsewhere, 403],
    ["instance a's hall asked of instance b", `?hall=b-${a.slice(2)}`, origin, 404],
    ['an instance nginx does not know', `?hall=c-${a.slice(2)}`, origin, 404],
    ['a hall of no instance', `?hall=${a.slice(2)}`, origin, 404],
    ['no hall', '', origin, 404],
  ]) {
    assert.equal((await handshake(query, from)).status, status, what);
  }

  // New halls: a page of another site may not open one; the site's own opens one on each
  // process in turn, each reached through its id.
  assert.equal((await newHall(elsewhere)).status, 403, 'a new hall asked by a page of another site');
  const opened = [];
  for (let i = 0; i < kInstances.length; i++) {
    const answer = await newHall(origin);
    assert.equal(answer.status, 201, `a new hall: ${answer.body}`);
    const { trainer, join } = JSON.parse(answer.body);
    const id = idOf(join);
    assert.match(id, /^[ab]-[0-9a-f]{32}$/);
    assert.ok(trainer.startsWith(`${origin}/trainer.html?hall=${id}#`), trainer);
    assert.equal(join, `${origin}/join.html?hall=${id}`);
    assert.equal((await handshake(`?hall=${id}`, origin)).status, 101, `the new hall ${id}'s WebSocket`);
    opened.push(id[0]);
    openedOn[id[0]]++;
  }
  assert.deepEqual(opened.sort(), kInstances, 'new halls on every process');
  passed++;
});

const recordShows = (page, pattern, what) =>
  waitFor(page, (source) => new RegExp(source, 'm').test(document.querySelector('[data-window="Form1"] [data-name="ousatu"]').value), what, pattern.source);

// A manual lot on a trainer's page to an award: the start price, スタート and 停止 at once, the
// trainee's bid on the stopped clock, the sell-out and the decision.
async function manualLot(trainer, trainee) {
  const press = (name) => board(trainer, name).click();
  await typeStartPrice(trainer, '200');
  await press('Command11');
  await press('Command1');
  await recordShows(trainer, /^スタート {2}/, 'the manual lot to start');
  await press('Command2');
  await recordShows(trainer, /^停止/, 'the clock to stop');
  await board(trainee.page, 'Command12').click();
  await recordShows(trainee.page, /^ベタ YOU {2}/, `${trainee.name}'s bid in their own record`);
  await recordShows(trainer, new RegExp(`^ベタ ${trainee.name} {2}`), `${trainee.name}'s bid in the trainer's record`);
  await press('Command8');
  await recordShows(trainer, /^うりきり {2}/, 'the sell-out');
  await press('Command9');
  await recordShows(trainee.page, /^自分落札 {2}/, `the lot awarded to ${trainee.name}, on their page`);
  await recordShows(trainer, new RegExp(`^${trainee.name}落札 {2}`), `the lot awarded to ${trainee.name}, on the trainer's page`);
}

test('through https, a trainer opens a new hall from trainer.html alone and another the other process\'s; a trainee in each wins a manual lot; the pages are a secure context with the service worker', { skip, timeout: 300_000 }, async () => {
  // Chromium takes the certificate as a trusted one's for the service worker's script, which it
  // fetches refusing any certificate error; the pages are let through it as well.
  const spki = crypto.createHash('sha256').update(new crypto.X509Certificate(ca).publicKey.export({ type: 'spki', format: 'der' })).digest('base64');
  const browser = await launch({ ignoreHTTPSErrors: true, viewport: { width: 1400, height: 800 }, args: [`--ignore-certificate-errors-spki-list=${spki}`] });
  const faults = [];
  const page = async () => {
    const p = await browser.context.newPage();
    faults.push(watchPage(p, origin));
    return p;
  };
  try {
    // trainer.html with no hall offers a new one, on whichever process nginx asks.
    const first = await page();
    await first.goto(`${origin}/trainer.html`);
    const offer = first.getByRole('button', { name: '新しい練習会場を開く' });
    await offer.waitFor({ timeout: 10_000 });
    assert.equal(await first.locator('.trainer-hall').isVisible(), false, 'no hall screen while there is no hall');
    if (process.env.KOBARU_SCREENSHOTS) {
      fs.mkdirSync(kScreenshots, { recursive: true });
      await first.screenshot({ path: path.join(kScreenshots, 'hall-new.png') });
    }
    await offer.click();
    const trainerPage = () => (document.querySelector('[data-window="Form1"] [data-name="ousatu"]') && document.querySelector('[data-window="hall"] .join-address')) || document.querySelector('.hall-notice');
    await waitFor(first, trainerPage, "the new hall's trainer's screen and panel");
    assert.deepEqual(await first.locator('.hall-notice').allTextContents(), [], 'no notice on the new hall');
    const opened = idOf(first.url());
    assert.match(opened, /^[ab]-[0-9a-f]{32}$/, first.url());
    openedOn[opened[0]]++;
    assert.match(new URL(first.url()).hash, /^#[0-9a-f]{32}$/, "the trainer's key in the address");
    // The other process's hall, from the address it printed.
    const other = kInstances.find((i) => i !== opened[0]);
    const second = await page();
    await second.goto(halls[other].trainer);
    await waitFor(second, trainerPage, `instance ${other}'s trainer's screen and panel`);
    assert.deepEqual(await second.locator('.hall-notice').allTextContents(), [], `no notice on instance ${other}'s hall`);

    const rooms = [];
    for (const [trainer, name] of [[first, '鈴木'], [second, '佐藤']]) {
      const join = await trainer.locator('[data-window="hall"] .join-address').textContent();
      assert.equal(join, `${origin}/join.html?hall=${idOf(trainer.url())}`, "the join address on the trainer's panel");
      const trainee = { page: await page(), name };
      await trainee.page.goto(join);
      await trainee.page.getByLabel('お名前').fill(name);
      await trainee.page.getByRole('button', { name: '入場' }).click();
      await waitFor(trainee.page, () => document.querySelector('[data-window="Form1"] [data-name="Command12"]'), `${name}'s seat in the hall`);
      rooms.push({ trainer, trainee });
    }
    for (const { trainer, trainee } of rooms) {
      for (const p of [trainer, trainee.page]) {
        assert.deepEqual(await p.evaluate(() => [isSecureContext, typeof navigator.locks?.request]), [true, 'function'], `${p.url()} is a secure context, with Web Locks`);
      }
      // Each hall lists its own trainee alone.
      const listed = () => [...document.querySelectorAll('[data-window="hall"] table[aria-label="練習者"] tbody tr')].map((tr) => tr.cells[1].textContent);
      await waitFor(trainer, (n) => document.querySelector('[data-window="hall"] table[aria-label="練習者"] tbody tr')?.cells[1].textContent === n, `${trainee.name} in the hall panel`, trainee.name);
      assert.deepEqual(await trainer.evaluate(listed), [trainee.name]);
      await manualLot(trainer, trainee);
    }
    // Each record is its own hall's.
    assert.doesNotMatch(await recordOf(rooms[0].trainer), /佐藤/);
    assert.doesNotMatch(await recordOf(rooms[1].trainer), /鈴木/);

    // The browser edition through the same proxy: its service worker registers and serves it.
    const site = await page();
    await site.goto(`${origin}/`);
    await waitFor(site, () => navigator.serviceWorker.controller?.state === 'activated', 'the service worker to serve the site');
    assert.deepEqual(faults.flat(), []);
    passed++;
  } finally {
    await browser.close();
  }
});

test('a browser that writes other addresses into X-Forwarded-For is still counted as itself; a new hall opens wherever there is room, and the page tells the server\'s words when there is none', { skip, timeout: 120_000 }, async () => {
  // The halls the two processes can still open for this address.
  const room = Number(kLimits.a[1]) - openedOn.a + (Number(kLimits.b[1]) - 1 - openedOn.b);
  const answers = [];
  for (let i = 0; i < room + 2; i++) {
    answers.push(await request('/halls', { method: 'POST', headers: { Origin: origin, 'X-Forwarded-For': `198.51.100.${i + 1}` } }));
  }
  const statuses = answers.map((a) => a.status);
  assert.deepEqual(statuses.slice(0, room), Array(room).fill(201), `every hall there is room for opens, on whichever process has it: ${statuses}`);
  const refusals = new Set();
  for (const refusal of answers.slice(room)) {
    assert.ok([429, 503].includes(refusal.status), `a refusal once every process is full, not ${refusal.status}: ${refusal.body}`);
    assert.match(refusal.headers['content-type'], /^text\/plain/);
    refusals.add(refusal.body.trim());
  }

  const browser = await launch({ ignoreHTTPSErrors: true });
  try {
    const page = await browser.context.newPage();
    await page.goto(`${origin}/trainer.html`);
    const offer = page.getByRole('button', { name: '新しい練習会場を開く' });
    await offer.click();
    await waitFor(page, () => document.querySelector('.hall-notice'), 'the notice that no hall was opened');
    assert.equal(await page.locator('.hall-notice h1').textContent(), '新しい練習会場を開けませんでした。');
    const advice = await page.locator('.hall-notice p').textContent();
    assert.ok(refusals.has(advice), `the server's words in the notice: ${advice}, of ${[...refusals].join(' | ')}`);
    assert.equal(await offer.isEnabled(), true, 'the button stays for another try');
    assert.equal(new URL(page.url()).search, '', 'the page stays where it is');
    passed++;
  } finally {
    await browser.close();
  }
});
