// SPDX-License-Identifier: MIT
// @ts-check
// The manual viewer help: the manual's own HTML pages in a frame, with Back and Forward, the
// address box and the close button. Only the site's own pages are shown.

import { FramedWindow } from './window_frame.js';

const kStartPage = 'help/index.htm';
const kClear = 8; // pixels left between the window and the menu button it keeps clear of

const kMissingPage =
  '<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"></head><body>' +
  '<h2>ページを表示できません</h2><p></p></body></html>';

export class HelpWindow extends FramedWindow {
  /** @type {HTMLIFrameElement} */
  #frame;
  /** @type {HTMLInputElement} */
  #address;
  /** @type {string[]} */
  #history = []; // addresses visited, in order
  #at = -1;
  #stepping = false; // a Back or Forward is under way: its page is no new visit

  /**
   * @param {{ caption: string, width: number, height: number }} layout the core's
   * @param {() => void} onClose
   */
  constructor(layout, onClose) {
    super('help', layout.caption, onClose);
    this.element.style.width = `${Math.min(layout.width, window.innerWidth)}px`;
    this.element.style.height = `${Math.min(layout.height, window.innerHeight)}px`;

    const body = document.createElement('div');
    body.className = 'help';
    body.innerHTML =
      '<div class="toolbar" data-name="tbToolBar" role="toolbar">' +
      '<button type="button" data-name="Back" aria-label="Back">◀ Back</button>' +
      '<button type="button" data-name="Forward" aria-label="Forward">Forward ▶</button></div>' +
      '<div class="address" data-name="picAddress">' +
      '<label data-name="lblAddress" for="help-address" accesskey="a">ｱﾄﾞﾚｽ(<u>A</u>):</label>' +
      '<button type="button" data-name="Command1" aria-label="閉　じ　る">閉　じ　る</button>' +
      '<input data-name="cboAddress" id="help-address" list="help-addresses" aria-label="アドレス" ' +
      'autocomplete="off" spellcheck="false"><datalist id="help-addresses"></datalist></div>' +
      '<iframe data-name="brwWebBrowser" title="使用方法の本文"></iframe>';
    this.element.append(body);

    this.#frame = /** @type {HTMLIFrameElement} */ (body.querySelector('iframe'));
    const address = /** @type {HTMLInputElement} */ (body.querySelector('[data-name="cboAddress"]'));
    this.#address = address;
    const start = new URL(kStartPage, document.baseURI).href;
    address.value = start;
    const option = document.createElement('option');
    option.value = start;
    body.querySelector('datalist').append(option);

    body.querySelector('[data-name="Back"]').addEventListener('click', () => this.#step(-1));
    body.querySelector('[data-name="Forward"]').addEventListener('click', () => this.#step(1));
    body.querySelector('[data-name="Command1"]').addEventListener('click', onClose);
    address.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') this.#navigate(address.value);
    });
    address.addEventListener('change', () => this.#navigate(address.value));
    this.#frame.addEventListener('load', () => this.#loaded());
    this.focus = () => address.focus();
    this.#navigate(start);
  }

  // Opened from the menu: beside its 練習開始 rather than over it, on the side with the most room,
  // and smaller if that side is narrower than the window. Without the menu, centred.
  centre() {
    const start = document.querySelector('[data-window="kidou"] [data-name="Command1"]');
    if (!start) {
      super.centre();
      return;
    }
    const b = start.getBoundingClientRect();
    const { clientWidth: width, clientHeight: height } = document.documentElement;
    const sides = [
      { left: b.right + kClear, top: 0, width: width - b.right - kClear, height },
      { left: 0, top: 0, width: b.left - kClear, height },
      { left: 0, top: b.bottom + kClear, width, height: height - b.bottom - kClear },
      { left: 0, top: 0, width, height: b.top - kClear },
    ].map((side) => ({
      ...side,
      fits: {
        width: Math.min(this.element.offsetWidth, Math.max(0, side.width)),
        height: Math.min(this.element.offsetHeight, Math.max(0, side.height)),
      },
    }));
    // The side where the window's shorter dimension is longest: a tall narrow strip beside the
    // menu on a phone is worse than the full width below it.
    const kept = ({ fits }) => Math.min(fits.width, fits.height);
    const best = sides.reduce((a, side) => (kept(side) > kept(a) ? side : a));
    this.element.style.width = `${Math.floor(best.fits.width)}px`;
    this.element.style.height = `${Math.floor(best.fits.height)}px`;
    this.moveTo(best.left + (best.width - best.fits.width) / 2, best.top + (best.height - best.fits.height) / 2);
  }

  // Goes to the address typed or chosen; anything outside the site, or a page it does not have,
  // shows the missing-page notice instead.
  async #navigate(text) {
    const where = text.trim();
    if (!where) return;
    const url = URL.canParse(where, document.baseURI) ? new URL(where, document.baseURI) : null;
    if (!url || url.origin !== location.origin || !(await this.#exists(url))) {
      this.#showMissing(where);
      return;
    }
    this.#frame.removeAttribute('srcdoc');
    this.#frame.src = url.href;
  }

  /** @param {URL} url */
  async #exists(url) {
    try {
      return (await fetch(url, { method: 'HEAD' })).ok;
    } catch (e) {
      console.error(`Asking whether the manual has ${url.href}:`, e);
      return false;
    }
  }

  /** @param {string} where */
  #showMissing(where) {
    const page = new DOMParser().parseFromString(kMissingPage, 'text/html');
    /** @type {HTMLElement} */ (page.querySelector('p')).textContent = where;
    this.#frame.srcdoc = page.documentElement.outerHTML;
  }

  // Each page shown, by a link or by the address box, is a visit to step back to; the address box
  // shows it.
  #loaded() {
    let href;
    try {
      href = /** @type {Window} */ (this.#frame.contentWindow).location.href;
    } catch (e) {
      console.error('Reading the address of the page the manual shows:', e);
      return;
    }
    if (href === 'about:srcdoc' || href === 'about:blank') return;
    this.#address.value = href;
    if (this.#stepping) {
      this.#stepping = false;
      return;
    }
    if (this.#history[this.#at] === href) return;
    this.#history.splice(this.#at + 1, Infinity, href);
    this.#at = this.#history.length - 1;
  }

  // Back or Forward within the manual's own pages; with no page to go to, nothing happens.
  /** @param {number} by */
  #step(by) {
    const to = this.#at + by;
    if (to < 0 || to >= this.#history.length) return;
    this.#at = to;
    this.#stepping = true;
    this.#frame.removeAttribute('srcdoc');
    /** @type {Window} */ (this.#frame.contentWindow).location.replace(this.#history[to]);
  }
}
