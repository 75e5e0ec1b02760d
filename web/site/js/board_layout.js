// SPDX-License-Identifier: MIT
// @ts-check
// Where the practice screen is drawn: the whole designed screen, magnified to its room as the
// desktop does; or the trainee's view of it, without the operator's panel: on a wide screen the
// trainee's area magnified, on a narrow portrait one (a phone held upright) the core's parts one
// under the other, each across the width with its own designed look, the bid button and 確認 side
// by side and big enough for a finger, the record filling what is left. Nothing is laid out anew
// inside a part: its elements keep their designed places, scaled with it.

import { fitInto, pixels } from './magnify.js';

/**
 * @typedef {{ left: number, top: number, width: number, height: number }} Rect
 * @typedef {Rect & { name: string, elements: string[] }} Part a part of the trainee's view, in twips
 * @typedef {{ width: number, height: number, traineeArea: Rect, parts: Part[] }} Layout the core's
 * @typedef {'always' | 'never' | 'wide'} Panel when the operator's panel shows: always (the
 *   trainer), never (a trainee) or on all but a narrow portrait screen, where a button brings it
 *   back (the single-user trainee, who is their own operator)
 */

// The least height of a finger's button, in CSS pixels.
const kTouchPixels = 44;
// Between the bid button and 確認, in the part's designed pixels.
const kButtonGap = 8;
// The record keeps room for a few lines however tall the boards are.
const kLeastRecordPixels = 48;

/** @param {Rect} r @returns {Rect} */
const inPixels = (r) => ({ left: pixels(r.left), top: pixels(r.top), width: pixels(r.width), height: pixels(r.height) });

/** @param {Rect[]} rects @returns {Rect} */
function around(rects) {
  const left = Math.min(...rects.map((r) => r.left));
  const top = Math.min(...rects.map((r) => r.top));
  const right = Math.max(...rects.map((r) => r.left + r.width));
  const bottom = Math.max(...rects.map((r) => r.top + r.height));
  return { left, top, width: right - left, height: bottom - top };
}

export class BoardLayout {
  /** The stage: the room the screen is fitted into, and the bar under it. */
  element = document.createElement('div');
  /** The bar for the page's own controls, under the screen; hidden while empty. */
  bar = document.createElement('div');
  #room = document.createElement('div');
  #core;
  #board;
  #form;
  #panel;
  /** @type {{ name: string, area: Rect, drawn: import('./board_view.js').Drawn[], kind: 'board' | 'row' | 'fill' }[]} */
  #parts;
  #area;
  #width;
  #height;
  /** @type {'whole' | 'area' | 'stacked' | ''} */
  #mode = '';
  #panelShown = false;
  #recordShown = true;
  /** @type {HTMLDivElement[]} */
  #wrappers = [];
  #toggle = document.createElement('button');
  #observer = new ResizeObserver(() => this.update());

  /**
   * @param {import('./magnify.js').Fitting} core
   * @param {import('./board_view.js').BoardView} board
   * @param {Layout} layout
   * @param {{ panel: Panel }} options
   */
  constructor(core, board, layout, { panel }) {
    this.#core = core;
    this.#board = board;
    this.#form = board.element;
    this.#panel = panel;
    this.#width = pixels(layout.width);
    this.#height = pixels(layout.height);
    this.#area = inPixels(layout.traineeArea);
    const byName = new Map(board.drawn.map((d) => [d.name, d]));
    this.#parts = layout.parts.map((part) => {
      const drawn = part.elements.map((name) => byName.get(name)).filter((d) => d !== undefined);
      const kind = drawn.some((d) => d.control === 'record') ? 'fill' : drawn.length > 0 && drawn.every((d) => d.control === 'button') ? 'row' : 'board';
      return { name: part.name, area: inPixels(part), drawn, kind };
    });

    this.element.className = 'stage';
    this.#room.className = 'room';
    this.bar.className = 'bar';
    this.#room.append(this.#form);
    this.element.append(this.#room, this.bar);
    if (panel === 'wide') {
      this.#toggle.type = 'button';
      this.#toggle.className = 'panel-toggle';
      this.#toggle.addEventListener('click', () => {
        this.#panelShown = !this.#panelShown;
        this.update();
      });
      this.bar.append(this.#toggle);
    }
    this.update();
    this.#observer.observe(this.#room);
  }

  /** Whether the parts are stacked for a narrow portrait screen. */
  get stacked() {
    return this.#mode === 'stacked';
  }

  /** The trainee's record shown or not: their own choice, on this page only. */
  set recordShown(shown) {
    this.#recordShown = shown;
    this.#mode = '';
    this.update();
  }

  get recordShown() {
    return this.#recordShown;
  }

  destroy() {
    this.#observer.disconnect();
    this.element.remove();
  }

  // A portrait screen narrower than the trainee's area at its designed size.
  #narrow() {
    return window.innerHeight > window.innerWidth && window.innerWidth < this.#area.width;
  }

  update() {
    const narrow = this.#narrow();
    const mode =
      this.#panel === 'always' ? 'whole' : this.#panel === 'never' ? (narrow ? 'stacked' : 'area') : narrow && !this.#panelShown ? 'stacked' : 'whole';
    if (this.#panel === 'wide') {
      this.bar.hidden = !narrow;
      this.#toggle.textContent = mode === 'whole' ? '操作盤を隠す' : '操作盤を表示';
      this.#toggle.setAttribute('aria-pressed', String(mode === 'whole'));
    }
    if (mode !== this.#mode) this.#arrange(mode);
    // Before the stage is in the page, its room is the viewport it is made to fill.
    const width = this.#room.clientWidth || window.innerWidth;
    const height = this.#room.clientHeight || window.innerHeight;
    if (mode === 'stacked') this.#stack(width, height);
    else this.#fit(mode, width, height);
  }

  #shownParts() {
    return this.#parts.filter((p) => this.#recordShown || p.kind !== 'fill');
  }

  /** @param {'whole' | 'area' | 'stacked'} mode */
  #arrange(mode) {
    this.#mode = mode;
    const shown = new Set(mode === 'whole' ? this.#board.drawn : this.#shownParts().flatMap((p) => p.drawn));
    for (const d of this.#board.drawn) d.el.classList.toggle('offstage', !shown.has(d));
    this.#form.classList.toggle('stacked', mode === 'stacked');
    // Moved back where they stand in the designed screen, in stacking order, or into the parts.
    this.#form.append(...this.#board.drawn.map((d) => d.el));
    for (const wrapper of this.#wrappers) wrapper.remove();
    this.#wrappers = [];
    if (mode === 'stacked') {
      for (const part of this.#shownParts()) {
        const wrapper = document.createElement('div');
        wrapper.className = `part ${part.kind}`;
        wrapper.dataset.part = part.name;
        let inner = wrapper;
        if (part.kind === 'board') {
          inner = document.createElement('div');
          inner.className = 'origin';
          inner.style.left = `${-part.area.left}px`;
          inner.style.top = `${-part.area.top}px`;
          wrapper.append(inner);
        }
        inner.append(...part.drawn.map((d) => d.el));
        this.#wrappers.push(wrapper);
        this.#form.append(wrapper);
      }
    }
    // A record moved keeps showing its newest line.
    for (const d of this.#board.drawn) if (d.control === 'record') d.el.scrollTop = d.el.scrollHeight;
  }

  /** @param {'whole' | 'area'} mode @param {number} width @param {number} height */
  #fit(mode, width, height) {
    const form = this.#form;
    form.style.width = `${this.#width}px`;
    form.style.height = `${this.#height}px`;
    const area =
      mode === 'whole'
        ? { left: 0, top: 0, width: this.#width, height: this.#height }
        : this.#recordShown
          ? this.#area
          : around(this.#shownParts().map((p) => p.area));
    form.style.clipPath =
      mode === 'whole' ? '' : `inset(${area.top}px ${this.#width - area.left - area.width}px ${this.#height - area.top - area.height}px ${area.left}px)`;
    fitInto(this.#core, form, area, width, height);
  }

  // Each part across the width at its own scale; the bid button and 確認 at least a finger high;
  // the record at the boards' scale, so its text is as big as theirs, over the height left.
  /** @param {number} width @param {number} height */
  #stack(width, height) {
    const form = this.#form;
    Object.assign(form.style, { width: `${width}px`, height: `${height}px`, transform: 'none', clipPath: '' });
    const parts = this.#shownParts();
    const boards = parts.filter((p) => p.kind === 'board').map((p) => width / p.area.width);
    const recordFactor = boards.length ? Math.min(...boards) : 1;
    const sizes = parts.map((p) => {
      const factor = p.kind === 'fill' ? recordFactor : width / p.area.width;
      const designed = p.kind === 'row' ? Math.max(p.area.height, Math.ceil(kTouchPixels / factor)) : p.area.height;
      return { factor, height: designed * factor };
    });
    const fills = parts.filter((p) => p.kind === 'fill').length;
    const fixed = sizes.reduce((sum, s, i) => sum + (parts[i].kind === 'fill' ? 0 : s.height), 0);
    const left = Math.max(kLeastRecordPixels, (height - fixed) / Math.max(1, fills));
    let top = 0;
    parts.forEach((part, i) => {
      const { factor } = sizes[i];
      const shownHeight = part.kind === 'fill' ? left : sizes[i].height;
      Object.assign(this.#wrappers[i].style, {
        width: `${width / factor}px`,
        height: `${shownHeight / factor}px`,
        gap: part.kind === 'row' ? `${kButtonGap}px` : '',
        transform: `translate(0px, ${top}px) scale(${factor})`,
      });
      top += shownHeight;
    });
  }
}
