// SPDX-License-Identifier: MIT
// @ts-check
// The trainer's hall panel beside the practice screen: the trainees' address (as text and as a QR
// code for their phones), who is in the hall, the standings and every lot of every trainee, and
// the results to save as CSV. Everything a trainee wrote (their name) is set as text, never as
// markup.

import { qrImage } from './qr.js';

/**
 * @typedef {{ bidder: number, name: string, connected: boolean, right: boolean, bids: number, won: number }} Trainee
 * @typedef {{ place: number, bidder: number, name: string, bids: number, won: number, averageDifference: number | string | null }} Standing
 */

/**
 * @param {string} tag
 * @param {string} [className]
 * @param {string} [text]
 */
function made(tag, className = '', text = '') {
  const el = document.createElement(tag);
  if (className) el.className = className;
  if (text) el.textContent = text;
  return el;
}

/** @param {unknown} v */
const shown = (v) => (typeof v === 'string' ? v : typeof v === 'number' && Number.isFinite(v) ? String(v) : '');

/** @param {unknown} v */
function difference(v) {
  if (typeof v === 'number' && Number.isFinite(v)) return `${v > 0 ? '+' : ''}${v.toFixed(1)}`;
  return typeof v === 'string' && v ? v : '—';
}

// A table of the panel: its headings, then its rows set whole each time.
class Table {
  element;
  #body;
  #head;

  /** @param {string} name its accessible name @param {string[]} headings */
  constructor(name, headings) {
    this.element = made('div', 'scroller');
    const table = /** @type {HTMLTableElement} */ (made('table'));
    table.setAttribute('aria-label', name);
    this.#head = table.createTHead().insertRow();
    this.headings = headings;
    this.#body = table.createTBody();
    this.element.append(table);
  }

  /** @param {string[]} headings */
  set headings(headings) {
    this.#head.replaceChildren(...headings.map((h) => made('th', '', h)));
  }

  /** @param {string[][]} rows */
  set rows(rows) {
    this.#body.replaceChildren(
      ...rows.map((cells) => {
        const tr = document.createElement('tr');
        for (const text of cells) tr.insertCell().textContent = text;
        return tr;
      }),
    );
  }
}

export class HallPanel {
  /** @type {HTMLElement} */
  element;
  #link = /** @type {HTMLAnchorElement} */ (made('a', 'join-address'));
  #qr = made('div', 'qr-holder');
  #count = made('span', 'count');
  #trainees = new Table('練習者', ['番号', '名前', '接続', '権利', '応札', '落札']);
  #standings = new Table('順位', ['順位', '名前', '応札', '落札', '目安との差の平均（万円）']);
  #lots = new Table('出品ごとの成績', ['名前']);
  #results = made('section', 'hall-results');
  #kept = made('section', 'hall-kept');
  #keptList = made('ul');
  #storage = made('p', 'storage-failed');
  #csv;

  /**
   * @param {HTMLElement} element the panel (`data-window="hall"`), filled here
   * @param {{ csv: (hall?: string) => void }} actions what the panel's buttons ask of the page:
   *   the results as CSV, this hall's or a kept one's
   */
  constructor(element, { csv }) {
    this.element = element;
    this.#csv = csv;
    const address = made('section', 'hall-address');
    const copy = made('button', 'copy', 'アドレスをコピー');
    copy.setAttribute('type', 'button');
    copy.addEventListener('click', () => navigator.clipboard?.writeText(this.#link.href).catch((e) => console.error('copying the address:', e)));
    copy.hidden = !navigator.clipboard;
    address.append(made('h2', '', '参加用アドレス'), this.#qr, this.#link, copy);

    const trainees = made('section', 'hall-trainees');
    const heading = made('h2', '', '練習者');
    heading.append(this.#count);
    trainees.append(heading, this.#trainees.element);

    const save = made('button', 'save-csv', '成績をCSVで保存');
    save.setAttribute('type', 'button');
    save.addEventListener('click', () => csv());
    this.#results.tabIndex = -1;
    this.#results.append(made('h2', '', '順位'), this.#standings.element, made('h2', '', '出品ごとの成績'), this.#lots.element, save);
    this.#storage.setAttribute('role', 'alert');
    this.#storage.hidden = true;
    this.#kept.hidden = true;
    this.#kept.append(made('h2', '', 'これまでの練習会場'), this.#keptList);
    this.element.append(this.#storage, address, trainees, this.#results, this.#kept);
  }

  /**
   * The halls whose results the server keeps, each with its download; this one is above.
   * @param {unknown} list
   */
  halls(list) {
    const earlier = (Array.isArray(list) ? list : []).filter((h) => h && typeof h === 'object' && !h.current && typeof h.hall === 'string');
    this.#kept.hidden = earlier.length === 0;
    this.#keptList.replaceChildren(
      ...earlier.map((h) => {
        const item = made('li');
        const opened = typeof h.opened === 'string' ? new Date(h.opened) : null;
        const when = opened && !Number.isNaN(opened.getTime()) ? opened.toLocaleString('ja-JP') : '—';
        const save = made('button', 'save-kept', 'CSVで保存');
        save.setAttribute('type', 'button');
        save.setAttribute('aria-label', `${when} の成績をCSVで保存`);
        save.addEventListener('click', () => this.#csv(h.hall));
        item.append(made('span', '', `${when}（${shown(h.lots) || '0'}件）`), save);
        return item;
      }),
    );
  }

  /**
   * Whether the server keeps the results; when it cannot, the trainer reads why, and that no
   * new lot starts.
   * @param {boolean} ok
   * @param {string} why
   */
  storage(ok, why) {
    this.#storage.hidden = ok;
    this.#storage.textContent = ok ? '' : `成績をサーバーに保存できなくなりました。新しい競りは始められません。（${why}）`;
  }

  /**
   * @param {unknown} url the trainees' address
   * @param {unknown} qr its QR code's rows
   */
  address(url, qr) {
    const href = typeof url === 'string' ? url : '';
    this.#link.href = href;
    this.#link.target = '_blank';
    this.#link.rel = 'noopener';
    this.#link.textContent = href;
    const image = qrImage(qr, '参加用アドレスのQRコード');
    this.#qr.replaceChildren(...(image ? [image] : []));
  }

  /** @param {unknown} list */
  trainees(list) {
    const trainees = /** @type {Trainee[]} */ (Array.isArray(list) ? list.filter((t) => t && typeof t === 'object') : []);
    this.#count.textContent = `（${trainees.length}人）`;
    this.#trainees.rows = trainees.map((t) => [
      shown(t.bidder),
      shown(t.name),
      t.connected ? '接続中' : '切断',
      t.right ? '権利' : '',
      shown(t.bids),
      shown(t.won),
    ]);
  }

  /** @param {{ standings?: unknown, lots?: unknown, headings?: unknown }} results */
  results({ standings, lots, headings }) {
    if (Array.isArray(headings) && headings.every((h) => typeof h === 'string')) this.#lots.headings = ['名前', ...headings];
    if (Array.isArray(standings)) {
      this.#standings.rows = /** @type {Standing[]} */ (standings.filter((s) => s && typeof s === 'object')).map((s) => [
        shown(s.place),
        shown(s.name),
        shown(s.bids),
        shown(s.won),
        difference(s.averageDifference),
      ]);
    }
    if (Array.isArray(lots)) {
      this.#lots.rows = lots
        .filter((l) => l && typeof l === 'object' && Array.isArray(l.cells))
        .map((l) => [shown(l.name), ...l.cells.map(shown)]);
    }
  }

  // The core's 練習成績 at the end of practice: the standings come into view.
  showResults() {
    this.#results.scrollIntoView({ block: 'start', behavior: 'smooth' });
    this.#results.focus({ preventScroll: true });
  }
}
