// The service worker: keeps the site's own files so that the game opens with no network once it
// has been visited. Each build has a cache of its own, named after a hash of all its files; a new
// build (a new sw.js, which the browser looks for on every visit with a network) asks the server
// for each of its files, checks them against its hash and only then takes over and deletes the
// old cache: a page never gets one build's files mixed with another's. The asking revalidates
// what the browser holds: the files the page itself just fetched cost a 304 each, not twice their
// bytes.
'use strict';

const BUILD = '@BUILD@';
// Every other file of the site (the page, its style and script modules, the module, the icons).
const FILES = '@FILES@'.split(' ');
const CACHE = 'smashbol-' + BUILD;

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
}

// The build's name over the bytes fetched, as the build computed it over the files it wrote.
async function buildOf(responses) {
  let lines = '';
  for (let i = 0; i < FILES.length; ++i) {
    const bytes = await responses[i].clone().arrayBuffer();
    lines += FILES[i] + ' ' + hex(await crypto.subtle.digest('SHA-256', bytes)) + '\n';
  }
  const whole = await crypto.subtle.digest('SHA-256', new TextEncoder().encode(lines));
  return hex(whole).slice(0, 16);
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const responses = await Promise.all(FILES.map(async (file) => {
      // The page came as its folder's address: asked by that name, it is the copy just fetched.
      const response = await fetch(file === 'index.html' ? './' : file, { cache: 'no-cache' });
      if (!response.ok) throw new Error(`${file}: ${response.status}`);
      return response;
    }));
    // A server that changed files while they came gives another hash: this build is not kept,
    // and the next visit tries again.
    const got = await buildOf(responses);
    if (got !== BUILD) throw new Error(`the files fetched are build ${got}, not ${BUILD}`);
    await caches.delete(CACHE);
    const cache = await caches.open(CACHE);
    await Promise.all(FILES.map((file, i) => cache.put(file, responses[i])));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('smashbol-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

// The site's own files from the cache (the page itself for any address of its folder, whatever
// parameters it carries); everything else as the network answers it.
const folder = new URL('./', self.location).pathname;
self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  if (!url.pathname.startsWith(folder)) return;
  let file = url.pathname.slice(folder.length);
  if (file === '' && request.mode === 'navigate') file = 'index.html';
  if (!FILES.includes(file)) return;
  event.respondWith((async () => {
    const cached = await caches.open(CACHE).then((cache) => cache.match(file));
    return cached || fetch(request);
  })());
});
