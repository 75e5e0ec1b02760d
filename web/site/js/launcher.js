// SPDX-License-Identifier: MIT
// The launcher kidou: the program's menu over its backdrop.

import { cssFont } from './fonts.js';
import { magnify, pixels } from './magnify.js';

const kDesignedWidth = 12000;
const kDesignedHeight = 9000;

const kNotice =
  '本ソフトは　自動競り機を使用した自動車オークシ\r\n' +
  'ョンの模擬応札練習ソフトであり、実際の相場を覚\r\n' +
  'えるためのソフトではありません。　　　　　　　　　　\r\n' +
  'また、いかなる場合も、実際の競りで起こり得た　\r\n' +
  '損害等には当社は一切の責任を負いません。\r\n' +
  '各会場によりこのソフトと実際の競り表示が異なる\r\n' +
  '場合があります。\r\n';

// name, caption, place (left, top, width, height in twips), what it does
const kButtons = [
  ['Command1', '練　習　開　始', [720, 3960, 1815, 1215], 'openPractice'],
  ['Command2', '使　用　方　法', [2760, 3960, 1815, 495], 'showHelp'],
  ['Command3', '終　　　　了', [4800, 4680, 1815, 495], 'exitProgram'],
  ['Command4', 'バージョン情報', [2760, 4680, 1815, 495], 'showAbout'],
];

function placed(tag, name, [left, top, width, height]) {
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

export class Launcher {
  constructor(windows) {
    this.element = document.createElement('div');
    this.element.className = 'screen launcher';
    this.element.dataset.window = 'kidou';
    this.element.setAttribute('aria-label', this.caption);

    const backdrop = placed('img', 'backdrop', [0, 0, kDesignedWidth, kDesignedHeight]);
    backdrop.className = 'picture';
    backdrop.src = 'backdrop.png';
    backdrop.alt = '';
    backdrop.draggable = false;
    backdrop.addEventListener('error', () => (backdrop.style.visibility = 'hidden'));

    const title = placed('div', 'Label2', [4680, 1320, 2415, 375]);
    title.className = 'label';
    title.textContent = 'Kobaru　ｖ１．０１';
    Object.assign(title.style, { color: '#ffffff', font: cssFont({ face: 'gothic', size: 12, bold: true }) });

    const notice = placed('textarea', 'Text1', [8040, 7200, 3855, 1335]);
    notice.className = 'record notice';
    notice.readOnly = true;
    notice.wrap = 'off';
    notice.value = kNotice.replaceAll('\r\n', '\n').slice(0, -1);
    notice.setAttribute('aria-label', '注意事項');
    Object.assign(notice.style, {
      color: '#ffffc0',
      background: '#000000',
      overflow: 'hidden',
      font: cssFont({ face: 'gothic', size: 8.25, bold: false }),
    });

    this.element.append(backdrop, title, notice);
    for (const [name, caption, place, action] of kButtons) {
      const b = placed('button', name, place);
      b.type = 'button';
      b.className = 'button';
      b.textContent = caption;
      b.style.background = '#f0f0f0';
      b.style.font = cssFont({ face: 'pgothic', size: 9.75, bold: false });
      b.setAttribute('aria-label', caption);
      b.addEventListener('click', () => windows[action]());
      this.element.append(b);
    }
    this.#unmagnify = magnify(this.element, kDesignedWidth, kDesignedHeight);
  }

  #unmagnify;

  get caption() {
    return 'Kobaru - Tessaly';
  }

  destroy() {
    this.#unmagnify();
    this.element.remove();
  }
}
