'use strict';
// Keeps this folder's files, so that the program opens with no network once
// it has been opened with one. The list and the build's digest are written in
// by make_webapp.py: a build whose files differ gives a worker of other bytes,
// which the browser finds when the app is next opened online.
const FILES = @FILES@;
const BUILD = '@BUILD@';

// Copies of the folder elsewhere on the same server keep caches of their own.
const PREFIX = `ribi ${self.registration.scope} `;
const CACHE = PREFIX + BUILD;

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await Promise.all(FILES.map(async (name) => {
      // Past the HTTP cache: a server that sends no caching headers leaves
      // the browser free to keep any earlier copy, which this build is not.
      const response = await fetch(name, { cache: 'reload' });
      if (!response.ok) throw new Error(`${name}: HTTP ${response.status}`);
      // The folder's own address opens the page as index.html does.
      if (name === 'index.html') await cache.put('./', response.clone());
      await cache.put(name, response);
    }));
    // A new build replaces the old one at once: a pupil's app is seldom
    // closed everywhere, which waiting would need.
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) if (name.startsWith(PREFIX) && name !== CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

// The folder's files from the cache, anything else from the network. A page
// opened with a query (a shared link) is the same page.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith(caches.match(request, { cacheName: CACHE, ignoreSearch: request.mode === 'navigate' })
    .then((kept) => kept || fetch(request)));
});
