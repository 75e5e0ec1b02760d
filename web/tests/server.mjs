// SPDX-License-Identifier: MIT
// A static file server for the built site, as a plain static host serves it (gzip for text and
// WebAssembly when the browser asks for it). It counts the bytes it sends.

import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.htm': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
  '.wav': 'audio/wav',
  '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
};
const kCompressed = new Set(['.html', '.htm', '.css', '.js', '.mjs', '.wasm', '.txt', '.json', '.webmanifest']);

export const kSite = process.env.KOBARU_SITE ?? path.resolve(fileURLToPath(new URL('.', import.meta.url)), '../../build-web/site');

// Resolves to { origin, sent(), requests, close() } once listening on a free port of 127.0.0.1;
// the site is served from the folder `folder` of the host ("/" for its root), nothing outside it.
export function serveSite(root = kSite, folder = '/') {
  const requests = [];
  let sent = 0;
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    const inside = url.pathname.startsWith(folder) ? url.pathname.slice(folder.length) : null;
    let file = inside === null ? '' : path.join(root, decodeURIComponent(inside));
    if (!file.startsWith(root)) file = ''; // nothing outside the site
    if (file && fs.statSync(file, { throwIfNoEntry: false })?.isDirectory()) file = path.join(file, 'index.html');
    const ext = path.extname(file);
    requests.push(url.pathname);
    if (!file || !fs.statSync(file, { throwIfNoEntry: false })?.isFile()) {
      res.writeHead(404, { 'content-type': 'text/plain' });
      res.end('not found');
      return;
    }
    let body = fs.readFileSync(file);
    const headers = { 'content-type': kTypes[ext] ?? 'application/octet-stream', 'cache-control': 'no-cache' };
    if (kCompressed.has(ext) && /\bgzip\b/.test(req.headers['accept-encoding'] ?? '')) {
      body = zlib.gzipSync(body, { level: 9 });
      headers['content-encoding'] = 'gzip';
    }
    headers['content-length'] = body.length;
    res.writeHead(200, headers);
    if (req.method === 'HEAD') {
      res.end();
      return;
    }
    sent += body.length;
    res.end(body);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        origin: `http://127.0.0.1:${server.address().port}`,
        url: `http://127.0.0.1:${server.address().port}${folder}`,
        requests,
        sent: () => sent,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}
