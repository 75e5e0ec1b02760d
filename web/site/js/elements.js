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

function common(el, s) {
  el.style.display = s.visible ? '' : 'none';
  el.setAttribute('aria-label', s.accessibleName);
}

function label(s) {
  const el = document.createElement('div');
  el.className = 'label';
  if (!s.caption) el.setAttribute('role', 'img');
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
      el.textContent = s.caption;
      el.style.color = cssColor(s.foreColor);
      el.style.background = s.transparent ? 'transparent' : cssColor(s.backColor);
      el.style.border = s.border ? '1px solid #808080' : 'none';
      el.style.font = cssFont(s.font);
      el.style.textAlign = s.alignment;
      clipToWholeLines(el, s);
    },
  };
}

// A caption wider than its label wraps; of the wrapped lines only those that (nearly) fit are
// shown after the first, so no sliver of a line peeks out below.
function clipToWholeLines(el, s) {
  const height = pixels(s.height);
  const lineHeight = Math.ceil(fontPixels(s.font) * kLineSpacing);
  el.style.lineHeight = `${lineHeight}px`;
  const wholeLines = Math.floor((height + lineHeight / 4) / lineHeight);
  const shown = wholeLines > 0 ? Math.min(height, wholeLines * lineHeight) : height;
  el.style.clipPath = shown < height ? `inset(0 0 ${height - shown}px 0)` : '';
}

function button() {
  const el = document.createElement('button');
  el.type = 'button';
  el.className = 'button';
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
      el.textContent = s.caption;
      el.style.background = cssColor(s.backColor);
      el.style.font = cssFont(s.font);
    },
  };
}

function boxColours(el, s) {
  el.style.color = cssColor(s.foreColor);
  el.style.background = cssColor(s.backColor);
  el.style.font = cssFont(s.font);
  el.style.textAlign = s.alignment;
}

// The bid record: appended to by the core, scrolled to its newest line.
function record() {
  const el = document.createElement('textarea');
  el.className = 'record';
  el.readOnly = true;
  el.spellcheck = false;
  el.wrap = 'off';
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
      boxColours(el, s);
      el.tabIndex = s.tabStop ? 0 : -1;
      if (el.value !== s.text) {
        el.value = s.text;
        el.scrollTop = el.scrollHeight;
      }
    },
  };
}

// An entry the trainee types into.
function entry() {
  const el = document.createElement('input');
  el.type = 'text';
  el.className = 'entry';
  el.spellcheck = false;
  el.autocomplete = 'off';
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
      boxColours(el, s);
      el.readOnly = s.locked;
      el.tabIndex = s.tabStop ? 0 : -1;
      if (el.value !== s.text) el.value = s.text;
    },
  };
}

// A box only the handlers write: the board's digits and displays.
function box() {
  const el = document.createElement('div');
  el.className = 'box';
  el.setAttribute('role', 'textbox');
  el.setAttribute('aria-readonly', 'true');
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
      boxColours(el, s);
      el.textContent = s.text;
    },
  };
}

function picture() {
  const el = document.createElement('img');
  el.className = 'picture';
  el.draggable = false;
  // A missing picture shows nothing, as a cleared one does.
  el.addEventListener('error', () => {
    el.style.visibility = 'hidden';
  });
  el.addEventListener('load', () => {
    el.style.visibility = '';
  });
  return {
    el,
    apply(s) {
      place(el, s);
      common(el, s);
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
    apply(s) {
      common(el, s);
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

function textBox(s) {
  if (s.multiLine) return record();
  return s.locked ? box() : entry();
}

const kMakers = { label, button, textbox: textBox, picture, line };

// The view of one element: its DOM element and the function that shows a new state of it.
export function viewOf(state) {
  const view = kMakers[state.kind](state);
  view.el.dataset.name = state.name;
  view.apply(state);
  return view;
}
