// Keeps the page usable offline: every file of the page is cached when it is
// first loaded and served from the cache after that. scripts/web.sh writes the
// bundle's digest into the cache name, so a new build replaces the old cache.
'use strict';
const CACHE = 'skycalc-@BUNDLE_DIGEST@';
const FILES = ['./', 'index.html', 'skycalc.css', 'skycalc.js', 'skycalc.wasm', 'skycalc.deferred.wasm', 'page.js', 'skycalc-tables.bin', 'ChartStars.txt', 'ChartLines.txt',
  'skycalc.png', 'manifest.webmanifest', 'icons/skycalc-192.png', 'icons/skycalc-512.png', 'icons/skycalc-maskable-512.png'];

self.addEventListener('install', (event) => {
  // Fresh from the server, not from the browser's HTTP cache, so that the cache holds this build.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('skycalc-') && name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
