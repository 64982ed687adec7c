// SPDX-License-Identifier: GPL-3.0-or-later
// The service worker: every file of this version is kept at the first visit, so
// that the page starts with the network off. A new version is fetched in the
// background and takes over the next time the page is opened.
'use strict';

// Written by scripts/build-web.sh: a digest of the files, and their names.
const version = '@VERSION@';
const files = [@FILES@];
const cacheName = `geomira-${version}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((kept) => kept || fetch(event.request)));
});
