// SPDX-License-Identifier: MIT
// @ts-check
// The service worker: on the first visit it stores every file of the site's release in a cache
// named for the release, and serves the site from there, with the network or without. A new
// release is a new worker: it fills a cache of its own, whole and checked against the release's
// hash, and takes over at the next visit, when no page of the old one is open; then the old cache
// goes. Only the site's files are stored, nothing about the trainee.
/// <reference lib="webworker" />

const sw = /** @type {ServiceWorkerGlobalScope} */ (/** @type {unknown} */ (self));

// The site build writes the release (a hash of the site's files) and the list of the files here.
const kRelease = '';
/** @type {string[]} */
const kFiles = [];

const kCachePrefix = 'kobaru-';
const kCache = `${kCachePrefix}${kRelease}`;

const kOffline =
  '<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8">' +
  '<meta name="viewport" content="width=device-width, initial-scale=1"><link rel="icon" href="data:,">' +
  '<title>Kobaru</title></head>' +
  '<body style="margin:0;background:#000;color:#fff;font:16px/1.6 sans-serif">' +
  '<div role="alert" style="max-width:40em;margin:0 auto;padding:15vh 24px 24px">' +
  '<h1 style="font-size:20px">ネットワークにつながっていないため、Kobaru を開けません。</h1>' +
  '<p>この端末には、まだ Kobaru が保存されていません。ネットワークにつないでから、ページを再読み込みしてください。</p>' +
  '</div></body></html>';

/** @param {ArrayBuffer} bytes */
async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return [...digest].map((b) => b.toString(16).padStart(2, '0')).join('');
}

// The release as the site build reckons it: the hash of each file's hash beside its name.
/** @param {ArrayBuffer[]} contents the files of kFiles, in that order */
async function releaseOf(contents) {
  const sums = await Promise.all(contents.map(sha256));
  const lines = kFiles.map((name, i) => `${sums[i]}  ${name}\n`).join('');
  return (await sha256(new TextEncoder().encode(lines).buffer)).slice(0, 16);
}

// Every file, or none: a file that does not come, or a host caught halfway through putting up a
// release (files of two releases), fails the install, and the worker that is running stays.
async function storeRelease() {
  const responses = await Promise.all(
    kFiles.map(async (name) => {
      const response = await fetch(new URL(name, sw.registration.scope), { cache: 'no-cache' });
      if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
      return response;
    }),
  );
  const release = await releaseOf(await Promise.all(responses.map((r) => r.clone().arrayBuffer())));
  if (release !== kRelease) throw new Error(`the site's files are of release ${release}, not ${kRelease}`);
  const cache = await caches.open(kCache);
  await Promise.all(responses.map((r, i) => cache.put(new URL(kFiles[i], sw.registration.scope), r)));
}

sw.addEventListener('install', (event) => {
  event.waitUntil(
    storeRelease().catch(async (e) => {
      console.error(`Storing release ${kRelease} of the site for offline visits:`, e);
      await caches.delete(kCache);
      throw e;
    }),
  );
});

// A new release becomes active once no page of the old one is open, and the old store goes. On the
// first visit there was none, and the page, fetched from the network, is served from the store
// from now on.
sw.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      const old = (await caches.keys()).filter((name) => name.startsWith(kCachePrefix) && name !== kCache);
      await Promise.all(old.map((name) => caches.delete(name)));
      await sw.clients.claim();
    })(),
  );
});

/** @param {Request} request */
async function respond(request) {
  const url = new URL(request.url);
  const page = request.mode === 'navigate';
  // The site's address alone is its start page; a page's query (?seed=) is for the page only.
  if (page && url.pathname.endsWith('/')) url.pathname += 'index.html';
  // Looked up by name, as opening the store would make it anew once a newer release deleted it.
  const stored = await caches.match(url, { cacheName: kCache, ignoreSearch: page, ignoreMethod: true });
  if (stored) return request.method === 'HEAD' ? new Response(null, stored) : stored;
  try {
    return await fetch(request);
  } catch (e) {
    console.error(`Fetching ${request.url}, which the site's store does not hold:`, e);
    if (!page) throw e;
    return new Response(kOffline, { status: 503, headers: { 'content-type': 'text/html; charset=utf-8' } });
  }
}

// The hall's WebSocket is the server's, never a file of the site.
const kHallSocket = new URL('ws', sw.registration.scope).pathname;

sw.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  const own = url.origin === location.origin && url.href.startsWith(sw.registration.scope);
  if (!own || url.pathname === kHallSocket || (event.request.method !== 'GET' && event.request.method !== 'HEAD')) return;
  event.respondWith(respond(event.request));
});
