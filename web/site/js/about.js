// SPDX-License-Identifier: MIT
// @ts-check
// The version window about, as the core lays it out.

import { FramedWindow } from './window_frame.js';

export class AboutWindow extends FramedWindow {
  /**
   * @param {{ caption: string, product: string, description: string, makerHeading: string, maker: string[], close: string, width: number }} layout
   *   the core's: the texts, heading to foot, and the least width in pixels
   * @param {() => void} onClose
   */
  constructor(layout, onClose) {
    super('about', layout.caption, onClose);
    this.element.style.minWidth = `min(${layout.width}px, 100vw)`;
    const body = document.createElement('div');
    body.className = 'about';
    body.innerHTML =
      '<div class="heading"><img src="kobaru.png" alt=""><span class="product"></span></div>' +
      '<div class="description"></div><div class="maker"></div>' +
      layout.maker.map(() => '<div class="detail"></div>').join('') +
      '<hr><button type="button" data-name="Command1"></button>';
    body.querySelector('.product').textContent = layout.product;
    body.querySelector('.description').textContent = layout.description;
    body.querySelector('.maker').textContent = layout.makerHeading;
    body.querySelectorAll('.detail').forEach((el, i) => (el.textContent = layout.maker[i]));
    const close = /** @type {HTMLButtonElement} */ (body.querySelector('[data-name="Command1"]'));
    close.textContent = layout.close;
    close.setAttribute('aria-label', layout.close);
    close.addEventListener('click', onClose);
    this.element.append(body);
    this.focus = () => close.focus();
  }
}
