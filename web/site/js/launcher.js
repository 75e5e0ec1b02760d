// SPDX-License-Identifier: MIT
// The launcher kidou: the program's menu over its backdrop, as the core lays it out.

import { cssColor, cssFont } from './fonts.js';
import { magnify, pixels } from './magnify.js';

// What each menu button does.
const kActions = { Command1: 'openPractice', Command2: 'showHelp', Command3: 'exitProgram', Command4: 'showAbout' };

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

function shownText(tag, text) {
  const el = placed(tag, text.name, text.place);
  el.setAttribute('aria-label', text.accessibleName);
  Object.assign(el.style, { color: cssColor(text.foreColor), font: cssFont(text.font) });
  return el;
}

export class Launcher {
  #caption;
  #unmagnify;

  // `core` is the WebAssembly module, whose layout and magnification the launcher shows.
  constructor(windows, core) {
    const layout = core.launcherLayout();
    const { designedWidth, designedHeight } = layout;
    this.#caption = layout.caption;
    this.element = document.createElement('div');
    this.element.className = 'screen launcher';
    this.element.dataset.window = 'kidou';
    this.element.setAttribute('aria-label', this.caption);

    const backdrop = placed('img', 'backdrop', { left: 0, top: 0, width: designedWidth, height: designedHeight });
    backdrop.className = 'picture';
    backdrop.src = 'backdrop.png';
    backdrop.alt = '';
    backdrop.draggable = false;
    backdrop.addEventListener('error', () => (backdrop.style.visibility = 'hidden'));

    const title = shownText('div', layout.title);
    title.className = 'label';
    title.textContent = layout.title.text;

    const notice = shownText('textarea', layout.notice);
    notice.className = 'record notice';
    notice.readOnly = true;
    notice.wrap = 'off';
    notice.value = layout.notice.text.replaceAll('\r\n', '\n').slice(0, -1);
    Object.assign(notice.style, { background: '#000000', overflow: 'hidden' });

    this.element.append(backdrop, title, notice);
    // The page keeps no results, so the button that waits for a practice's results never shows.
    for (const { name, caption, place } of layout.menu.filter((b) => !b.afterPractice)) {
      const b = placed('button', name, place);
      b.type = 'button';
      b.className = 'button';
      b.textContent = caption;
      b.style.background = '#f0f0f0';
      b.style.font = cssFont(layout.menuFont);
      b.setAttribute('aria-label', caption);
      b.addEventListener('click', () => windows[kActions[name]]());
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
