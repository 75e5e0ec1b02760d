// SPDX-License-Identifier: MIT
// @ts-check
// The version window about, with the core's texts.

import { FramedWindow } from './window_frame.js';

export class AboutWindow extends FramedWindow {
  /**
   * @param {{ caption: string, product: string, description: string, makerHeading: string,
   *   maker: string[], close: string }} texts the core's
   * @param {() => void} onClose
   */
  constructor(texts, onClose) {
    super('about', texts.caption, onClose);
    const body = document.createElement('div');
    body.className = 'about';
    body.innerHTML =
      '<div class="heading"><img src="kobaru.png" alt=""><span class="product"></span></div>' +
      '<div class="description"></div><div class="maker"></div>' +
      texts.maker.map(() => '<div class="detail"></div>').join('') +
      '<hr><button type="button" data-name="Command1"></button>';
    body.querySelector('.product').textContent = texts.product;
    body.querySelector('.description').textContent = texts.description;
    body.querySelector('.maker').textContent = texts.makerHeading;
    body.querySelectorAll('.detail').forEach((el, i) => (el.textContent = texts.maker[i]));
    const close = /** @type {HTMLButtonElement} */ (body.querySelector('[data-name="Command1"]'));
    close.textContent = texts.close;
    close.setAttribute('aria-label', texts.close);
    close.addEventListener('click', onClose);
    this.element.append(body);
    this.focus = () => close.focus();
  }
}
