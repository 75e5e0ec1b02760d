// SPDX-License-Identifier: MIT
// The manual viewer help: the manual's own HTML pages in a frame, with Back and Forward, the
// address box and the close button. Only the site's own pages are shown.

import { FramedWindow } from './window_frame.js';

const kStartPage = 'help/index.htm';

const kMissingPage =
  '<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"></head><body>' +
  '<h2>ページを表示できません</h2><p></p></body></html>';

export class HelpWindow extends FramedWindow {
  #frame;
  #history = []; // addresses visited, in order
  #at = -1;
  #stepping = false; // a Back or Forward is under way: its page is no new visit

  // `layout` is the core's: {caption, width, height}.
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

    this.#frame = body.querySelector('iframe');
    const address = body.querySelector('[data-name="cboAddress"]');
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

  // Goes to the address typed or chosen; anything outside the site, or a page it does not have,
  // shows the missing-page notice instead.
  async #navigate(text) {
    const where = text.trim();
    if (!where) return;
    let url;
    try {
      url = new URL(where, document.baseURI);
    } catch {
      url = null;
    }
    if (!url || url.origin !== location.origin || !(await this.#exists(url))) {
      this.#showMissing(where);
      return;
    }
    this.#frame.removeAttribute('srcdoc');
    this.#frame.src = url.href;
  }

  async #exists(url) {
    try {
      return (await fetch(url, { method: 'HEAD' })).ok;
    } catch {
      return false;
    }
  }

  #showMissing(where) {
    const page = new DOMParser().parseFromString(kMissingPage, 'text/html');
    page.querySelector('p').textContent = where;
    this.#frame.srcdoc = page.documentElement.outerHTML;
  }

  // Each page shown, by a link or by the address box, is a visit to step back to.
  #loaded() {
    let href;
    try {
      href = this.#frame.contentWindow.location.href;
    } catch {
      return;
    }
    if (href === 'about:srcdoc' || href === 'about:blank') return;
    if (this.#stepping) {
      this.#stepping = false;
      return;
    }
    if (this.#history[this.#at] === href) return;
    this.#history.splice(this.#at + 1, Infinity, href);
    this.#at = this.#history.length - 1;
  }

  // Back or Forward within the manual's own pages; with no page to go to, nothing happens.
  #step(by) {
    const to = this.#at + by;
    if (to < 0 || to >= this.#history.length) return;
    this.#at = to;
    this.#stepping = true;
    this.#frame.removeAttribute('srcdoc');
    this.#frame.contentWindow.location.replace(this.#history[to]);
  }
}
