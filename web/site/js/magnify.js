// SPDX-License-Identifier: MIT
// A window's designed area magnified uniformly by the largest factor at which it fits the
// viewport, and centred on black; nothing inside is laid out anew.

export const kTwipsPerPixel = 15;

export function pixels(twips) {
  return Math.trunc(twips / kTwipsPerPixel);
}

// The factor and the offset of the designed area in a view of the given size.
export function fitDesigned(designedWidth, designedHeight, viewWidth, viewHeight) {
  if (!(designedWidth > 0 && designedHeight > 0 && viewWidth > 0 && viewHeight > 0)) {
    return { factor: 1, left: 0, top: 0 };
  }
  const factor = Math.min(viewWidth / designedWidth, viewHeight / designedHeight);
  return {
    factor,
    left: (viewWidth - designedWidth * factor) / 2,
    top: (viewHeight - designedHeight * factor) / 2,
  };
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
