// SPDX-License-Identifier: MIT
// @ts-check
// The board's faces and sizes as CSS: points at 96 dots per inch, in whole pixels.

const kFamilies = {
  gothic: '"Kobaru Gothic", "IPAGothic", monospace',
  pgothic: '"Kobaru PGothic", "IPAPGothic", sans-serif',
  pmincho: '"Kobaru PMincho", "IPAPMincho", serif',
  default: '"Kobaru PGothic", "IPAPGothic", sans-serif',
};

/** @typedef {{ face: string, size: number, bold: boolean }} Font the core's */

/** @param {Font} font */
export function fontPixels({ size }) {
  return Math.max(1, Math.round((size * 96) / 72));
}

/** @param {Font} font */
export function cssFont(font) {
  return `${font.bold ? 'bold ' : ''}${fontPixels(font)}px ${kFamilies[font.face] ?? kFamilies.default}`;
}

/** @param {number} rgb 0xRRGGBB */
export function cssColor(rgb) {
  return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}
