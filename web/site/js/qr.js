// SPDX-License-Identifier: MIT
// @ts-check
// A QR code the hall has made, drawn as SVG: its rows of modules ("1" dark, "0" light) inside
// the quiet zone of four light modules that readers need around it.

const kSvg = 'http://www.w3.org/2000/svg';
const kQuietZone = 4;

/**
 * The code as an image named `label`, or null when the rows are not a square of modules.
 * @param {unknown} rows
 * @param {string} label
 * @returns {SVGSVGElement | null}
 */
export function qrImage(rows, label) {
  if (!Array.isArray(rows) || rows.length === 0) return null;
  const size = rows.length;
  if (!rows.every((row) => typeof row === 'string' && row.length === size && /^[01]+$/.test(row))) return null;
  const side = size + 2 * kQuietZone;
  const svg = /** @type {SVGSVGElement} */ (document.createElementNS(kSvg, 'svg'));
  svg.setAttribute('viewBox', `0 0 ${side} ${side}`);
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', label);
  svg.setAttribute('shape-rendering', 'crispEdges');
  svg.classList.add('qr');
  const light = document.createElementNS(kSvg, 'rect');
  Object.entries({ width: side, height: side, fill: '#ffffff' }).forEach(([k, v]) => light.setAttribute(k, String(v)));
  // Each row's runs of dark modules, one rectangle of the path each.
  let d = '';
  rows.forEach((row, y) => {
    for (const run of row.matchAll(/1+/g)) d += `M${(run.index ?? 0) + kQuietZone} ${y + kQuietZone}h${run[0].length}v1h-${run[0].length}z`;
  });
  const dark = document.createElementNS(kSvg, 'path');
  dark.setAttribute('d', d);
  dark.setAttribute('fill', '#000000');
  svg.append(light, dark);
  return svg;
}
