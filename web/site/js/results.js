// SPDX-License-Identifier: MIT
// @ts-check
// The results window 練習成績: the core's summary, its chart of the won lots' differences to the
// guide and the table of lots, newest first, following the practice as it plays.

import { cssColor, cssFont } from './fonts.js';
import { FramedWindow } from './window_frame.js';

const kSvg = 'http://www.w3.org/2000/svg';
// Where an SVG text stands against the x of its place, by the core's alignment.
const kAnchors = { left: 'start', center: 'middle', right: 'end' };

export class ResultsWindow extends FramedWindow {
  #core;
  #results;
  #shown = -1;
  /** @type {HTMLElement[]} */
  #summary = [];
  #chart;
  #rows;
  #columns;
  #look;

  /**
   * @param {any} core the WebAssembly module, whose layout and chart the window shows
   * @param {{ revision(): number, view(): any, tsv(): string }} results the core's Results, which
   *   outlive the practice screen
   * @param {() => void} onClose
   * @param {'single' | 'hall'} [kept] who keeps the results: the page alone, or the hall too
   */
  constructor(core, results, onClose, kept = 'single') {
    const layout = core.resultsLayout();
    super('seiseki', layout.title, onClose);
    this.#core = core;
    this.#results = results;
    this.#columns = layout.headings.length;
    const body = document.createElement('div');
    body.className = 'results';
    Object.assign(body.style, {
      width: `min(${layout.width}px, 96vw)`,
      height: `min(${layout.height}px, 90vh)`,
      font: cssFont(layout.font),
    });

    const summary = document.createElement('div');
    summary.className = 'summary';
    for (const column of results.view().summary) {
      const group = document.createElement('dl');
      for (const line of column) {
        const label = document.createElement('dt');
        label.textContent = line.label;
        const value = document.createElement('dd');
        value.setAttribute('aria-label', line.label);
        group.append(label, value);
        this.#summary.push(value);
      }
      summary.append(group);
    }

    this.#chart = /** @type {SVGSVGElement} */ (document.createElementNS(kSvg, 'svg'));
    this.#chart.classList.add('chart');
    this.#chart.setAttribute('role', 'img');
    this.#chart.setAttribute('aria-label', layout.chartTitle);
    // The frame is the chart's own, drawn within its size as on the desktop.
    Object.assign(this.#chart.style, { height: `${layout.chartHeight}px`, border: 'none', background: 'none' });

    const scroller = document.createElement('div');
    scroller.className = 'lots';
    const table = document.createElement('table');
    table.setAttribute('aria-label', layout.tableName);
    const head = table.createTHead().insertRow();
    for (const heading of layout.headings) {
      const th = document.createElement('th');
      th.textContent = heading;
      head.append(th);
    }
    this.#rows = table.createTBody();
    scroller.append(table);

    const bottom = document.createElement('div');
    bottom.className = 'bottom';
    const note = document.createElement('p');
    note.className = 'nothing-saved';
    note.textContent = kept === 'hall' ? layout.hallNothingSaved : layout.nothingSaved;
    const copy = document.createElement('button');
    copy.type = 'button';
    copy.dataset.name = 'copyAll';
    copy.textContent = layout.copyAll;
    copy.addEventListener('click', () =>
      navigator.clipboard?.writeText(results.tsv()).catch((e) => console.error('copying the results to the clipboard:', e)),
    );
    bottom.append(note, copy);

    body.append(summary, this.#chart, scroller, bottom);
    this.element.append(body);
    // Ctrl+A takes the window's text, not the page's, ready for Ctrl+C.
    this.element.addEventListener('keydown', (e) => {
      if ((e.ctrlKey || e.metaKey) && e.key.toLowerCase() === 'a') {
        e.preventDefault();
        getSelection().selectAllChildren(body);
      }
    });
    this.focus = () => copy.focus();
    // Drawn once in the page, where the chart has its size.
    queueMicrotask(() => this.#refresh());
    this.#look = setInterval(() => this.#refresh(), layout.refreshMs);
  }

  destroy() {
    clearInterval(this.#look);
    super.destroy();
  }

  #refresh() {
    if (this.#results.revision() === this.#shown) return;
    const view = this.#results.view();
    this.#shown = view.revision;
    view.summary.flat().forEach((line, i) => setText(this.#summary[i], line.value));
    this.#drawRows(view.rows);
    this.#drawChart(view.differences);
  }

  /**
   * Only the newest lot changes within a session: the older rows are kept as they are.
   * @param {string[][]} rows
   */
  #drawRows(rows) {
    const body = this.#rows;
    while (body.rows.length > rows.length) body.deleteRow(0);
    while (body.rows.length < rows.length) {
      const tr = body.insertRow(0);
      for (let i = 0; i < this.#columns; i++) tr.insertCell();
    }
    rows.forEach((cells, r) => cells.forEach((text, c) => setText(body.rows[r].cells[c], text)));
  }

  // The core's chart for the chart's own size in pixels, so its text keeps the window's size.
  /** @param {{ lot: number, difference: number, percent: number }[]} differences */
  #drawChart(differences) {
    const svg = this.#chart;
    const { clientWidth: width, clientHeight: height } = svg;
    const chart = this.#core.resultsChart(differences, width, height);
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    svg.style.font = cssFont(chart.font);
    svg.replaceChildren(
      shape('rect', { x: 0.5, y: 0.5, width: Math.max(0, width - 1), height: Math.max(0, height - 1), class: 'frame' }, { fill: cssColor(chart.background), stroke: cssColor(chart.frame) }),
    );
    for (const t of chart.texts) {
      const { left, top, width: w, height: h } = t.place;
      const x = { left, center: left + w / 2, right: left + w }[t.align];
      const el = shape('text', { x, y: top + h / 2, class: t.kind }, { fill: cssColor(t.color), textAnchor: kAnchors[t.align], dominantBaseline: 'central' });
      el.textContent = t.text;
      svg.append(el);
    }
    if (chart.zero) {
      const { x1, y1, x2, y2, color } = chart.zero;
      // Half a pixel down, so the one-pixel line covers its row of pixels as on the desktop.
      svg.append(shape('line', { x1, y1: y1 + 0.5, x2, y2: y2 + 0.5, class: 'zero' }, { stroke: cssColor(color) }));
    }
    for (const bar of chart.bars) {
      const { left, top, width: w, height: h } = bar.place;
      svg.append(shape('rect', { x: left, y: top, width: w, height: h, class: bar.side, 'data-lot': bar.lot }, { fill: cssColor(bar.color) }));
    }
  }
}

/**
 * @param {Element} el
 * @param {string} value
 */
function setText(el, value) {
  if (el.textContent !== value) el.textContent = value;
}

/**
 * An SVG element with its attributes, coloured and placed by `style`, which wins over the page's
 * style sheet.
 * @param {string} name
 * @param {Record<string, string | number>} attributes
 * @param {Partial<CSSStyleDeclaration>} style
 * @returns {SVGElement}
 */
function shape(name, attributes, style) {
  const el = /** @type {SVGElement} */ (document.createElementNS(kSvg, name));
  for (const [key, value] of Object.entries(attributes)) el.setAttribute(key, String(value));
  Object.assign(el.style, style);
  return el;
}
