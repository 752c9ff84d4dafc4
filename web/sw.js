// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the site for use without a network: every file of this version is fetched into a
// cache named after the version at install, served from there first, and the caches of
// older versions are deleted once this one takes over. The build writes the version and
// the list of files into the two lines below.

const VERSION = '@VERSION@';
const FILES = [@FILES@];
const CACHE = `arcwright-${VERSION}`;

self.addEventListener('install', (event) => {
  // Past the browser's own cache: a file it kept from the last version is not this one's.
  const fresh = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('arcwright-') && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  if (url.origin !== self.location.origin) return;
  // The page itself answers for any address of the site (its job stands after "#").
  const key = url.pathname.endsWith('/') ? new URL('./', self.location).href : event.request;
  event.respondWith(caches.open(CACHE).then((cache) => cache.match(key, { ignoreSearch: true })
    .then((hit) => hit ?? fetch(event.request))));
});
