// SPDX-License-Identifier: GPL-3.0-or-later
// The service worker of Abacolo's page: after a first visit it keeps the page's files, so that the
// program opens and works with the network cut. The files are kept under the program's version and
// their digest: an update of the page installs a new set and removes the old one. cmake/site.cmake
// writes the name and the list of files in place of the placeholders.
'use strict';
const CACHE = 'abacolo-@CACHE_VERSION@';
const FILES = [@CACHE_FILES@];

self.addEventListener('install', event => {
  // Asked of the server again (not taken from the browser's own cache), so that the set is this version's.
  event.waitUntil(caches.open(CACHE)
    .then(cache => cache.addAll(FILES.map(file => new Request(file, {cache: 'no-cache'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith('abacolo-') && name !== CACHE)
      .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The kept files first, the network for anything else.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(event.request, {ignoreSearch: true}))
    .then(kept => kept || fetch(event.request)));
});
