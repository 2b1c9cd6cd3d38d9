// Keeps the page's files so that, once loaded, the calculator starts with no
// network at all. Each release's files are kept under the release's name and
// fetched past the browser's HTTP cache, which may hold an older release's
// copy that still looks fresh: a release arrives whole or not at all.
'use strict';
const RELEASE = '@RELEASE@';
const CACHE = 'orvane-' + RELEASE;
const FILES = @FILES@;
const PAGE_PATHS = ['./', './index.html'].map((path) => new URL(path, location).pathname);

async function keep() {
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(FILES.map(async (name) => {
      const response = await fetch(new Request(name, { cache: 'reload' }));
      if (!response.ok || response.redirected) throw new Error(`${name}: ${response.status}`);
      // Kept under the address the page asks for, so the browser can answer
      // from the cache by itself (below) without starting this worker.
      await cache.put(name === './' ? name : `${name}?r=${RELEASE}`, response);
    }));
  } catch (error) {
    await caches.delete(CACHE);  // no half-kept release
    throw error;
  }
}

self.addEventListener('install', (event) => {
  if (event.addRoutes && typeof URLPattern === 'function') {
    event.addRoutes([
      { condition: { requestMode: 'navigate',
                     urlPattern: new URLPattern({ pathname: new URL('./', location).pathname, search: '' }) },
        source: { cacheName: CACHE } },
      { condition: { urlPattern: new URLPattern({ search: 'r=' + RELEASE }) }, source: { cacheName: CACHE } },
    ]).catch(() => {});
  }
  event.waitUntil(keep().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The page names its release in every file it asks for ("?r="). A page of
// an older release that asks once its files are gone gets an error, never
// a file of this release; it says so and a reload brings this release.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  if (url.origin !== location.origin) return;
  const asked = url.searchParams.get('r');
  if (asked && asked !== RELEASE) {
    event.respondWith(Response.error());
    return;
  }
  // The page is reached at its folder, as index.html, from a bookmark or a
  // link with a query, or as the installed app: each is the one page kept.
  const page = event.request.mode === 'navigate' && PAGE_PATHS.includes(url.pathname);
  event.respondWith(caches.match(page ? './' : event.request, { cacheName: CACHE, ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
