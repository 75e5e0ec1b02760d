// SPDX-License-Identifier: MIT
// The results window 練習成績: the core's summary, a chart of the won lots' differences to the
// guide and the table of lots, newest first, following the practice as it plays.

import { FramedWindow } from './window_frame.js';

const kLookMs = 250;
const kSvg = 'http://www.w3.org/2000/svg';
// The chart's bars as the desktop draws them; the newest that fit are shown.
const kChart = { margin: 6, label: 44, bar: 8, gap: 3, title: 16 };

export class ResultsWindow extends FramedWindow {
  #source;
  #shown = -1;
  #summary = [];
  #chart;
  #rows;
  #texts;
  #look;

  // `texts` are the core's; `source` is the practice screen's results: {revision(), view(),
  // tsv()}.
  constructor(texts, source, onClose) {
    super('seiseki', texts.title, onClose);
    this.#texts = texts;
    this.#source = source;
    const body = document.createElement('div');
    body.className = 'results';

    const summary = document.createElement('div');
    summary.className = 'summary';
    for (const line of source.view().summary) {
      let group = summary.children[line.group];
      while (!group) {
        summary.append(document.createElement('dl'));
        group = summary.children[line.group];
      }
      const label = document.createElement('dt');
      label.textContent = line.label;
      const value = document.createElement('dd');
      value.setAttribute('aria-label', line.label);
      group.append(label, value);
      this.#summary.push(value);
    }

    this.#chart = document.createElementNS(kSvg, 'svg');
    this.#chart.classList.add('chart');
    this.#chart.setAttribute('role', 'img');
    this.#chart.setAttribute('aria-label', texts.chartTitle);

    const scroller = document.createElement('div');
    scroller.className = 'lots';
    const table = document.createElement('table');
    table.setAttribute('aria-label', '出品ごとの成績');
    const head = table.createTHead().insertRow();
    for (const heading of texts.headings) {
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
    note.textContent = texts.nothingSaved;
    const copy = document.createElement('button');
    copy.type = 'button';
    copy.dataset.name = 'copyAll';
    copy.textContent = texts.copyAll;
    // Without the page's permission the clipboard stays as it was.
    copy.addEventListener('click', () =>
      navigator.clipboard?.writeText(source.tsv()).catch((e) => console.error('Copying the results to the clipboard:', e)),
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
    this.#look = setInterval(() => this.#refresh(), kLookMs);
  }

  destroy() {
    clearInterval(this.#look);
    super.destroy();
  }

  #refresh() {
    if (this.#source.revision() === this.#shown) return;
    const view = this.#source.view();
    this.#shown = view.revision;
    view.summary.forEach((line, i) => setText(this.#summary[i], line.value));
    this.#drawRows(view.rows);
    this.#drawChart(view.points);
  }

  // Only the newest lot changes within a session: the older rows are kept as they are.
  #drawRows(rows) {
    const body = this.#rows;
    while (body.rows.length > rows.length) body.deleteRow(0);
    while (body.rows.length < rows.length) {
      const tr = body.insertRow(0);
      for (let i = 0; i < this.#texts.headings.length; i++) tr.insertCell();
    }
    rows.forEach((cells, r) => cells.forEach((text, c) => setText(body.rows[r].cells[c], text)));
  }

  #drawChart(points) {
    const svg = this.#chart;
    // Drawn in the chart's own pixels, so its text keeps the window's size.
    const c = { ...kChart, width: svg.clientWidth, height: svg.clientHeight };
    svg.setAttribute('viewBox', `0 0 ${c.width} ${c.height}`);
    svg.replaceChildren(text(c.margin, c.margin + 12, this.#texts.chartTitle, 'title'));
    const area = { left: c.margin + c.label, top: c.margin * 2 + c.title };
    area.width = c.width - area.left - c.margin;
    area.height = c.height - area.top - c.margin;
    if (points.length === 0) {
      svg.append(text(area.left + area.width / 2, area.top + area.height / 2, this.#texts.noWonLots, 'none'));
      return;
    }
    const shown = points.slice(-Math.max(1, Math.floor(area.width / (c.bar + c.gap))));
    const largest = shown.reduce((a, p) => (Math.abs(p.difference) > Math.abs(a.difference) ? p : a));
    const scale = (area.height / 2 - 1) / (Math.abs(largest.difference) || 1);
    const zero = area.top + area.height / 2;
    const labelX = area.left - c.margin;
    svg.append(
      text(labelX, area.top + 8, `+${largest.text}`, 'axis'),
      text(labelX, zero + 4, '0', 'axis'),
      text(labelX, area.top + area.height, `-${largest.text}`, 'axis'),
      shape('line', { x1: area.left, y1: zero, x2: area.left + area.width, y2: zero, class: 'zero' }),
    );
    shown.forEach((p, i) => {
      const h = Math.round(Math.abs(p.difference) * scale);
      const over = p.difference > 0;
      svg.append(
        shape('rect', {
          x: area.left + i * (c.bar + c.gap),
          y: over ? zero - h : zero + 1,
          width: c.bar,
          height: h,
          class: over ? 'over' : 'under',
        }),
      );
    });
  }
}

function setText(el, value) {
  if (el.textContent !== value) el.textContent = value;
}

function shape(name, attributes) {
  const el = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) el.setAttribute(key, value);
  return el;
}

function text(x, y, content, kind) {
  const el = shape('text', { x, y, class: kind });
  el.textContent = content;
  return el;
}
