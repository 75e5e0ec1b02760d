// SPDX-License-Identifier: MIT
// One DOM element per element of the practice screen, made from the state the core hands out
// and brought up to date from its changes. Nothing here knows which element is which.

import { cssColor, cssFont, fontPixels } from './fonts.js';
import { pixels } from './magnify.js';

const kSvg = 'http://www.w3.org/2000/svg';
// The IPA faces' own line spacing: one em.
const kLineSpacing = 1;

function place(el, s) {
  el.style.left = `${pixels(s.left)}px`;
  el.style.top = `${pixels(s.top)}px`;
  el.style.width = `${pixels(s.width)}px`;
  el.style.height = `${pixels(s.height)}px`;
}

function created(tag, className, attributes = {}) {
  const el = document.createElement(tag);
  el.className = className;
  Object.assign(el, attributes);
  return el;
}

// Each control: the DOM element made for it, and how a state of it is shown there (the
// place, visibility and accessible name are shown alike for all).

function label(s) {
  const el = created('div', 'label');
  if (!s.caption) el.setAttribute('role', 'img');
  return {
    el,
    show(s) {
      el.style.color = cssColor(s.foreColor);
      el.style.background = s.transparent ? 'transparent' : cssColor(s.backColor);
      el.style.border = s.border ? '1px solid #808080' : 'none';
      el.style.font = cssFont(s.font);
      el.style.textAlign = s.alignment;
      const lineHeight = Math.ceil(fontPixels(s.font) * kLineSpacing);
      el.style.lineHeight = `${lineHeight}px`;
      if (s.aroundBox) {
        showAroundBox(el, s);
        el.style.clipPath = '';
        return;
      }
      el.textContent = s.caption;
      // Only the caption's whole lines show, so no sliver of a line peeks out below.
      const height = pixels(s.height);
      const shown = s.wholeLines > 0 ? Math.min(height, s.wholeLines * lineHeight) : height;
      el.style.clipPath = shown < height ? `inset(0 0 ${height - shown}px 0)` : '';
    },
  };
}

let measuring = null;

// How wide `text` is in `font`, in CSS pixels.
function widthOf(text, font) {
  measuring ??= document.createElement('canvas').getContext('2d');
  if (!measuring) return 0;
  measuring.font = cssFont(font);
  return measuring.measureText(text).width;
}

// A caption read around a box lying over its blanks: the words before end where the box begins,
// those after begin where it ends, each condensed across where it would not fit its side.
function showAroundBox(el, s) {
  const { before, after, left, right } = s.aroundBox;
  const side = (text, from, to) => {
    const span = created('span', 'around');
    span.textContent = text;
    span.style.left = `${from}px`;
    const natural = widthOf(text, s.font);
    if (natural > to - from) span.style.transform = `scaleX(${Math.max(0, to - from) / natural})`;
    return span;
  };
  el.replaceChildren(side(before, 0, pixels(left)), side(after, pixels(right), pixels(s.width)));
}

function button() {
  const el = created('button', 'button', { type: 'button' });
  return {
    el,
    show(s) {
      el.textContent = s.caption;
      el.style.background = cssColor(s.backColor);
      el.style.font = cssFont(s.font);
    },
  };
}

function showBox(el, s) {
  el.style.color = cssColor(s.foreColor);
  el.style.background = cssColor(s.backColor);
  el.style.font = cssFont(s.font);
  el.style.textAlign = s.alignment;
}

// A box the trainee can focus: the bid record (scrolled to its newest line after each change) or
// an entry to type into.
function focusable(el, scrollToEnd) {
  return {
    el,
    show(s) {
      showBox(el, s);
      el.readOnly = s.locked;
      el.tabIndex = s.tabStop ? 0 : -1;
      if (el.value === s.text) return;
      el.value = s.text;
      if (scrollToEnd) el.scrollTop = el.scrollHeight;
    },
  };
}

// A box only the handlers write: the board's digits and displays.
function box() {
  const el = created('div', 'box');
  el.setAttribute('role', 'textbox');
  el.setAttribute('aria-readonly', 'true');
  return {
    el,
    show(s) {
      showBox(el, s);
      el.textContent = s.text;
    },
  };
}

const record = () => focusable(created('textarea', 'record', { spellcheck: false, wrap: 'off' }), true);
const entry = () => focusable(created('input', 'entry', { type: 'text', spellcheck: false, autocomplete: 'off' }), false);

function picture() {
  const el = created('img', 'picture', { draggable: false });
  // A missing picture shows nothing, as a cleared one does.
  el.addEventListener('error', () => {
    el.style.visibility = 'hidden';
  });
  el.addEventListener('load', () => {
    el.style.visibility = '';
  });
  return {
    el,
    show(s) {
      el.alt = s.accessibleName;
      if (!s.picture) {
        el.removeAttribute('src');
        el.style.visibility = 'hidden';
      } else if (el.getAttribute('src') !== s.picture) {
        el.src = s.picture;
      }
    },
  };
}

// A line with square ends, centred on its coordinates.
function line() {
  const el = document.createElementNS(kSvg, 'svg');
  el.classList.add('line');
  el.setAttribute('role', 'img');
  const stroke = document.createElementNS(kSvg, 'line');
  stroke.setAttribute('stroke-linecap', 'square');
  el.append(stroke);
  return {
    el,
    // A line's place follows from its ends and its width.
    place: false,
    show(s) {
      const pad = s.borderWidth;
      const x = Math.min(pixels(s.x1), pixels(s.x2)) - pad;
      const y = Math.min(pixels(s.y1), pixels(s.y2)) - pad;
      const w = Math.abs(pixels(s.x2) - pixels(s.x1)) + 2 * pad;
      const h = Math.abs(pixels(s.y2) - pixels(s.y1)) + 2 * pad;
      el.style.left = `${x}px`;
      el.style.top = `${y}px`;
      el.setAttribute('width', String(w));
      el.setAttribute('height', String(h));
      stroke.setAttribute('x1', String(pixels(s.x1) - x));
      stroke.setAttribute('y1', String(pixels(s.y1) - y));
      stroke.setAttribute('x2', String(pixels(s.x2) - x));
      stroke.setAttribute('y2', String(pixels(s.y2) - y));
      stroke.setAttribute('stroke', cssColor(s.borderColor));
      stroke.setAttribute('stroke-width', String(s.borderWidth));
    },
  };
}

// Each control the core names.
const kMakers = { label, button, entry, record, box, picture, line };

// The view of one element: its DOM element and the function that shows a new state of it.
export function viewOf(state) {
  const { el, show, place: placed = true } = kMakers[state.control](state);
  el.dataset.name = state.name;
  const apply = (s) => {
    if (placed) place(el, s);
    el.style.display = s.visible ? '' : 'none';
    el.setAttribute('aria-label', s.accessibleName);
    show(s);
  };
  apply(state);
  return { el, apply };
}
