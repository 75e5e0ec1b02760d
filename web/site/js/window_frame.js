// SPDX-License-Identifier: MIT
// @ts-check
// A window of its own size over the page, with its caption bar: it opens centred and can be
// dragged by the bar; the close box unloads it. It never reaches past the viewport: the
// stylesheet keeps it no larger, and its place is kept inside when dragged or when the viewport
// shrinks, so its caption bar and close box stay within reach.

export class FramedWindow {
  /** @type {HTMLDivElement} */
  element;
  #keepInside = () => this.moveTo(this.element.offsetLeft, this.element.offsetTop);

  /**
   * @param {string} name the window's name (its `data-window`)
   * @param {string} caption the caption bar's text, also the window's accessible name
   * @param {() => void} onClose run by the close box
   */
  constructor(name, caption, onClose) {
    this.element = framed(name, caption, onClose, (left, top) => this.moveTo(left, top));
    window.addEventListener('resize', this.#keepInside);
  }

  /** Once its content is in: centred in the viewport. */
  centre() {
    const { clientWidth, clientHeight } = document.documentElement;
    this.moveTo((clientWidth - this.element.offsetWidth) / 2, (clientHeight - this.element.offsetHeight) / 2);
  }

  /**
   * Places the window's top left corner at `left`, `top`, or as near as keeps it whole within the
   * viewport.
   * @param {number} left
   * @param {number} top
   */
  moveTo(left, top) {
    const within = (at, size, room) => Math.round(Math.max(0, Math.min(at, room - size)));
    this.element.style.left = `${within(left, this.element.offsetWidth, document.documentElement.clientWidth)}px`;
    this.element.style.top = `${within(top, this.element.offsetHeight, document.documentElement.clientHeight)}px`;
  }

  destroy() {
    window.removeEventListener('resize', this.#keepInside);
    this.element.remove();
  }
}

/**
 * @param {string} name
 * @param {string} caption
 * @param {() => void} onClose
 * @param {(left: number, top: number) => void} moveTo
 */
function framed(name, caption, onClose, moveTo) {
  const element = document.createElement('div');
  element.className = 'window';
  element.dataset.window = name;
  element.setAttribute('role', 'dialog');
  element.setAttribute('aria-label', caption);

  const bar = document.createElement('div');
  bar.className = 'caption';
  const title = document.createElement('span');
  title.className = 'title';
  title.textContent = caption;
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close';
  close.textContent = '×';
  close.setAttribute('aria-label', '閉じる');
  close.addEventListener('click', onClose);
  bar.append(title, close);
  element.append(bar);

  /** @type {{ x: number, y: number, id: number } | null} */
  let drag = null;
  bar.addEventListener('pointerdown', (e) => {
    if (e.target === close) return;
    drag = { x: e.clientX - element.offsetLeft, y: e.clientY - element.offsetTop, id: e.pointerId };
    bar.setPointerCapture(e.pointerId);
  });
  bar.addEventListener('pointermove', (e) => {
    if (drag && drag.id === e.pointerId) moveTo(e.clientX - drag.x, e.clientY - drag.y);
  });
  bar.addEventListener('pointerup', () => (drag = null));
  bar.addEventListener('pointercancel', () => (drag = null));
  return element;
}
