// SPDX-License-Identifier: MIT
// @ts-check
// The site kept in the browser for visits without the network: the service worker (sw.js) stores
// every file of the site's release on the first visit and serves them from then on. It stores
// nothing about the trainee.

/** Asks for the worker once the page has loaded, so that storing the site waits for the page. */
export function keepForOffline() {
  if (!('serviceWorker' in navigator)) return;
  const register = () =>
    navigator.serviceWorker
      .register(new URL('../sw.js', import.meta.url))
      .catch((e) => console.error('Registering the service worker that keeps the site for offline visits:', e));
  if (document.readyState === 'complete') register();
  else window.addEventListener('load', register, { once: true });
}
