// The service worker: keeps the site's files so that the game opens with no network once visited.
// Each build has a cache named after a hash of all its files: a new build (a new sw.js) revalidates
// each file (those the page just fetched cost a 304), checks them against its hash, and only then
// takes over and deletes the old cache: a page never mixes one build's files with another's.
'use strict';

const BUILD = '@BUILD@', CACHE = `smashbol-${BUILD}`;
const FILES = '@FILES@'.split(' ');  // every other file of the site
const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
const sha = async (bytes) => hex(await crypto.subtle.digest('SHA-256', bytes));

self.addEventListener('install', (event) => event.waitUntil((async () => {
  // The page came as its folder's address: asked by that name, it is the copy just fetched.
  const responses = await Promise.all(FILES.map((file) => fetch(file === 'index.html' ? './' : file, { cache: 'no-cache' })));
  // The build's name over the bytes fetched, as the build computed it over the files it wrote.
  let lines = '';
  for (const [i, response] of responses.entries()) {
    if (!response.ok) throw new Error(`${FILES[i]}: ${response.status}`);
    lines += `${FILES[i]} ${await sha(await response.clone().arrayBuffer())}\n`;
  }
  // A server that changed files while they came gives another hash: the next visit tries again.
  const got = (await sha(new TextEncoder().encode(lines))).slice(0, 16);
  if (got !== BUILD) throw new Error(`the files fetched are build ${got}, not ${BUILD}`);
  await caches.delete(CACHE);
  const cache = await caches.open(CACHE);
  await Promise.all(FILES.map((file, i) => cache.put(file, responses[i])));
  await self.skipWaiting();
})()));

self.addEventListener('activate', (event) => event.waitUntil((async () => {
  for (const name of await caches.keys()) if (name.startsWith('smashbol-') && name !== CACHE) await caches.delete(name);
  await self.clients.claim();
})()));

// The site's own files from the cache (the page for any address of its folder, whatever it
// asks); everything else as the network answers it.
const folder = new URL('./', self.location).pathname;
self.addEventListener('fetch', (event) => {
  const { request } = event, url = new URL(request.url);
  let file = url.pathname.slice(folder.length);
  if (file === '' && request.mode === 'navigate') file = 'index.html';
  if (request.method !== 'GET' || url.origin !== self.location.origin || !url.pathname.startsWith(folder) || !FILES.includes(file)) return;
  event.respondWith(caches.open(CACHE).then((cache) => cache.match(file)).then((cached) => cached || fetch(request)));
});
