// SPDX-License-Identifier: MIT
// The board's faces and sizes as CSS: points at 96 dots per inch, in whole pixels.

const kFamilies = {
  gothic: '"Kobaru Gothic", "IPAGothic", monospace',
  pgothic: '"Kobaru PGothic", "IPAPGothic", sans-serif',
  pmincho: '"Kobaru PMincho", "IPAPMincho", serif',
  default: '"Kobaru PGothic", "IPAPGothic", sans-serif',
};

export function fontPixels({ size }) {
  return Math.max(1, Math.round((size * 96) / 72));
}

export function cssFont(font) {
  return `${font.bold ? 'bold ' : ''}${fontPixels(font)}px ${kFamilies[font.face] ?? kFamilies.default}`;
}

export function cssColor(rgb) {
  return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}
