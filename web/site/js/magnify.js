// SPDX-License-Identifier: MIT
// A window's designed area magnified uniformly by the largest factor at which it fits the
// viewport, and centred on black; nothing inside is laid out anew.

export const kTwipsPerPixel = 15;

export function pixels(twips) {
  return Math.trunc(twips / kTwipsPerPixel);
}

// The factor and the offset of the designed area in a view of the given size. A view without
// room gives factor 0; a designed area without size is shown as designed, at the top left.
export function fitDesigned(designedWidth, designedHeight, viewWidth, viewHeight) {
  const room = (size) => (Number.isFinite(size) && size > 0 ? size : 0);
  if (!(room(designedWidth) > 0 && room(designedHeight) > 0)) return { factor: 1, left: 0, top: 0 };
  const w = room(viewWidth);
  const h = room(viewHeight);
  const factor = Math.min(w / designedWidth, h / designedHeight);
  return { factor, left: (w - designedWidth * factor) / 2, top: (h - designedHeight * factor) / 2 };
}

// Keeps `element` (sized to its designed area in pixels) magnified to the viewport; returns the
// function that stops following the viewport.
export function magnify(element, widthTwips, heightTwips) {
  const width = pixels(widthTwips);
  const height = pixels(heightTwips);
  element.style.width = `${width}px`;
  element.style.height = `${height}px`;
  const apply = () => {
    const fit = fitDesigned(width, height, window.innerWidth, window.innerHeight);
    element.style.transform = `translate(${fit.left}px, ${fit.top}px) scale(${fit.factor})`;
    element.dataset.factor = String(fit.factor);
  };
  apply();
  window.addEventListener('resize', apply);
  return () => window.removeEventListener('resize', apply);
}
