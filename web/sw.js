// Keeps the page working with no network after the first visit. Each build keeps its files in a
// store named after it, filled whole when its worker is installed, straight from the server, past
// the browser's own cache; the stores of older builds go once it takes over. A learner who was
// here before therefore runs the new build from the second load after it is deployed, and never
// a mix of two builds.
const BUILD = "@BUILD@";
const STORE = `orwins-bramblet-${BUILD}`;
const FILES = @FILES@;

self.addEventListener("install", (event) => {
    event.waitUntil((async () => {
        const store = await caches.open(STORE);
        await store.addAll(FILES.map((file) => new Request(file, { cache: "reload" })));
        await self.skipWaiting();
    })());
});

self.addEventListener("activate", (event) => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name !== STORE) {
                await caches.delete(name);
            }
        }
        await self.clients.claim();
    })());
});

self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET") {
        return;
    }
    event.respondWith((async () => {
        const store = await caches.open(STORE);
        // The page itself, under whatever address it was opened by.
        const kept = event.request.mode === "navigate"
            ? await store.match("./")
            : await store.match(event.request);
        return kept ?? fetch(event.request);
    })());
});
