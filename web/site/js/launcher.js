// SPDX-License-Identifier: MIT
// @ts-check
// The launcher kidou: the program's menu over its backdrop, as the core lays it out.

import { cssColor, cssFont } from './fonts.js';
import { magnify, pixels } from './magnify.js';

/** @typedef {{ left: number, top: number, width: number, height: number }} Place */

/**
 * @param {string} tag
 * @param {string} name
 * @param {Place} place
 */
function placed(tag, name, { left, top, width, height }) {
  const el = document.createElement(tag);
  el.dataset.name = name;
  Object.assign(el.style, {
    left: `${pixels(left)}px`,
    top: `${pixels(top)}px`,
    width: `${pixels(width)}px`,
    height: `${pixels(height)}px`,
  });
  return el;
}

/**
 * @param {string} tag
 * @param {{ name: string, accessibleName: string, place: Place, font: any, foreColor: number }} text
 */
function shownText(tag, text) {
  const el = placed(tag, text.name, text.place);
  el.setAttribute('aria-label', text.accessibleName);
  Object.assign(el.style, { color: cssColor(text.foreColor), font: cssFont(text.font) });
  return el;
}

export class Launcher {
  #caption;
  #unmagnify;

  /**
   * Shows the core's layout; a menu button asks `windows` for its action, and the one that waits
   * for a practice's results shows once `windows.practised`.
   * @param {{ practised: boolean, perform(action: any): void }} windows
   * @param {any} core the WebAssembly module
   */
  constructor(windows, core) {
    const layout = core.launcherLayout();
    const { designedWidth, designedHeight } = layout;
    this.#caption = layout.caption;
    this.element = document.createElement('div');
    this.element.className = 'screen launcher';
    this.element.dataset.window = 'kidou';
    this.element.setAttribute('aria-label', this.caption);

    const backdrop = /** @type {HTMLImageElement} */ (placed('img', 'backdrop', { left: 0, top: 0, width: designedWidth, height: designedHeight }));
    backdrop.className = 'picture';
    backdrop.src = 'backdrop.png';
    backdrop.alt = '';
    backdrop.draggable = false;
    backdrop.addEventListener('error', () => (backdrop.style.visibility = 'hidden'));

    const title = shownText('div', layout.title);
    title.className = 'label';
    title.textContent = layout.title.text;

    const notice = /** @type {HTMLTextAreaElement} */ (shownText('textarea', layout.notice));
    notice.className = 'record notice';
    notice.readOnly = true;
    notice.wrap = 'off';
    notice.value = layout.noticeLines.join('\n');
    Object.assign(notice.style, { background: '#000000', overflow: 'hidden' });

    this.element.append(backdrop, title, notice);
    for (const { name, caption, place, action, afterPractice } of layout.menu) {
      if (afterPractice && !windows.practised) continue;
      const b = /** @type {HTMLButtonElement} */ (placed('button', name, place));
      b.type = 'button';
      b.className = 'button';
      b.textContent = caption;
      b.style.background = '#f0f0f0';
      b.style.font = cssFont(layout.menuFont);
      b.setAttribute('aria-label', caption);
      b.addEventListener('click', () => windows.perform(action));
      this.element.append(b);
    }
    this.#unmagnify = magnify(core, this.element, designedWidth, designedHeight);
  }

  get caption() {
    return this.#caption;
  }

  destroy() {
    this.#unmagnify();
    this.element.remove();
  }
}
