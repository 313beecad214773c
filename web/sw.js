// The hosted copy's service worker: keeps the page, its manifest and icons,
// and answers from them, so that the page works with the network gone (a
// phone that added it to its home screen). The page itself makes no request;
// only this worker fetches, and only these files, from where the page came.
"use strict";

const kCache = "segcalc-{{cache}}";
const kFiles = [
  "./",
  "index.html",
  "manifest.webmanifest",
  "segcalc.svg",
  "segcalc-192.png",
  "segcalc-256.png",
  "segcalc-512.png",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)).then(() => self.skipWaiting()));
});

// A new page replaces the old one's files.
self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== kCache).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((kept) => kept || fetch(event.request)),
  );
});
