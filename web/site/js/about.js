// SPDX-License-Identifier: MIT
// The version window about.

import { FramedWindow } from './window_frame.js';

// The maker's details; the addresses are placeholders under a reserved example domain.
const kMaker = ['Tessaly', '〒100-0000 東京都千代田区例町1-2-3', 'https://www.example.com/', 'info@example.com'];

export class AboutWindow extends FramedWindow {
  constructor(onClose) {
    super('about', 'Kobaru - バージョン情報', onClose);
    const body = document.createElement('div');
    body.className = 'about';
    body.innerHTML =
      '<div class="heading"><img src="kobaru.png" alt=""><span class="product">Ｋｏｂａｒｕ</span></div>' +
      '<div>Tessaly オークション応札練習ソフト</div><div class="maker">システム開発元</div>' +
      kMaker.map(() => '<div class="detail"></div>').join('') +
      '<hr><button type="button" data-name="Command1">閉　じ　る</button>';
    body.querySelectorAll('.detail').forEach((el, i) => (el.textContent = kMaker[i]));
    const close = body.querySelector('[data-name="Command1"]');
    close.setAttribute('aria-label', '閉　じ　る');
    close.addEventListener('click', onClose);
    this.element.append(body);
    this.focus = () => close.focus();
  }
}
