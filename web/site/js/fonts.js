// SPDX-License-Identifier: MIT
// The board's faces and sizes as CSS: points at 96 dots per inch, in whole pixels.

const kFamilies = {
  gothic: '"Kobaru Gothic", "IPAGothic", monospace',
  pgothic: '"Kobaru PGothic", "IPAPGothic", sans-serif',
  pmincho: '"Kobaru PMincho", "IPAPMincho", serif',
  default: '"Kobaru PGothic", "IPAPGothic", sans-serif',
};

export function cssFont({ face, size, bold }) {
  const px = Math.max(1, Math.round((size * 96) / 72));
  return `${bold ? 'bold ' : ''}${px}px ${kFamilies[face] ?? kFamilies.default}`;
}

export function cssColor(rgb) {
  return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}
