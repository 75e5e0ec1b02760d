// SPDX-License-Identifier: MIT
// A window's designed area magnified uniformly by the largest factor at which it fits the
// viewport, and centred on black; nothing inside is laid out anew.

export const kTwipsPerPixel = 15;

export function pixels(twips) {
  return Math.trunc(twips / kTwipsPerPixel);
}

// Keeps `element` (sized to its designed area in pixels) magnified to the viewport by the core's
// rule; returns the function that stops following the viewport.
export function magnify(core, element, widthTwips, heightTwips) {
  const width = pixels(widthTwips);
  const height = pixels(heightTwips);
  element.style.width = `${width}px`;
  element.style.height = `${height}px`;
  const apply = () => {
    const fit = core.fitDesigned(width, height, window.innerWidth, window.innerHeight);
    element.style.transform = `translate(${fit.left}px, ${fit.top}px) scale(${fit.factor})`;
    element.dataset.factor = String(fit.factor);
  };
  apply();
  window.addEventListener('resize', apply);
  return () => window.removeEventListener('resize', apply);
}
