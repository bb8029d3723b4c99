// Keeps the page working with no network after the first visit: every file of the site is kept
// when the worker is installed, and each request is answered from what is kept, the network
// refreshing it for the next visit where it can be reached.
const KEPT = "orwins-bramblet";
const SITE = ["./", "index.html", "page.js", "page.css", "orwins-bramblet.svg",
    "orwins-bramblet-256.png", "manifest.json", "bramblet.js", "bramblet.wasm",
    "fonts/ComicNeue-Regular.woff2", "i18n/languages.json"];

self.addEventListener("install", (event) => {
    event.waitUntil((async () => {
        const kept = await caches.open(KEPT);
        await kept.addAll(SITE);
        const languages = await (await kept.match("i18n/languages.json")).json();
        await kept.addAll(languages.map((language) => `i18n/${language}.json`));
        await self.skipWaiting();
    })());
});

self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith((async () => {
        const kept = await caches.open(KEPT);
        const fresh = fetch(event.request).then((response) => {
            if (response.ok) {
                kept.put(event.request, response.clone());
            }
            return response;
        });
        const known = await kept.match(event.request);
        if (known) {
            fresh.catch(() => {}); // offline: what is kept will do
            return known;
        }
        return fresh;
    })());
});
