// SPDX-License-Identifier: MIT
// @ts-check
// A window's designed area magnified uniformly by the largest factor at which it fits the
// viewport, and centred on black; nothing inside is laid out anew.

let twipsPerPixel = 0;

/**
 * Takes the core's twips per pixel, once, before any window is drawn.
 * @param {{ kTwipsPerPixel: number }} core
 */
export function useTwipsOf(core) {
  twipsPerPixel = core.kTwipsPerPixel;
}

/**
 * A designed length in twips as whole pixels at a magnification of 1.
 * @param {number} twips
 * @returns {number}
 */
export function pixels(twips) {
  if (!twipsPerPixel) throw new Error('the core has not told twips per pixel yet: useTwipsOf(core) first');
  return Math.trunc(twips / twipsPerPixel);
}

/**
 * @typedef {{ fitDesigned(w: number, h: number, cw: number, ch: number): { factor: number, left: number, top: number } }} Fitting
 *   the core's rule of magnification
 * @typedef {{ left: number, top: number, width: number, height: number }} Rect in pixels
 */

/**
 * Magnifies the rectangle `area` of `element` (in its own pixels) by the core's rule to fit a
 * room of `width` × `height` and centres it there; returns the factor.
 * @param {Fitting} core
 * @param {HTMLElement} element
 * @param {Rect} area
 * @param {number} width
 * @param {number} height
 * @returns {number}
 */
export function fitInto(core, element, area, width, height) {
  const fit = core.fitDesigned(area.width, area.height, width, height);
  element.style.transform = `translate(${fit.left - area.left * fit.factor}px, ${fit.top - area.top * fit.factor}px) scale(${fit.factor})`;
  return fit.factor;
}

/**
 * Keeps `element` (sized to its designed area in pixels) magnified to the viewport by the core's
 * rule; returns the function that stops following the viewport.
 * @param {Fitting} core
 * @param {HTMLElement} element
 * @param {number} widthTwips
 * @param {number} heightTwips
 * @returns {() => void}
 */
export function magnify(core, element, widthTwips, heightTwips) {
  const width = pixels(widthTwips);
  const height = pixels(heightTwips);
  element.style.width = `${width}px`;
  element.style.height = `${height}px`;
  const apply = () => fitInto(core, element, { left: 0, top: 0, width, height }, window.innerWidth, window.innerHeight);
  apply();
  window.addEventListener('resize', apply);
  return () => window.removeEventListener('resize', apply);
}
