// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the served folder's files once the page has been opened, and answers from them first,
// so that the program opens again with no network. A new page comes with a new version, whose
// files replace the old ones.
const kept = 'coolingload-@VERSION@';
const files = ['./', 'index.html', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
               'icon-maskable-512.png', 'apple-touch-icon.png'];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(kept).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
                        .then(names => Promise.all(names.filter(name => name !== kept).map(name => caches.delete(name))))
                        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    event.respondWith(caches.match(event.request, {ignoreSearch: true}).then(file => file || fetch(event.request)));
});
