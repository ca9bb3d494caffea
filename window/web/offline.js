// After one visit the site is kept by its service worker and works with no
// network. Where the page is not served over https (or from this machine) the
// browser allows none, and the page works online only.
//
// A visit after a new version was put up is shown from the old one's files
// while the new one is fetched whole; once it has taken over, the page reloads
// as the new version, unless the user has begun working with it.

// The worker is registered once the module is ready, so that its download
// does not compete with the module's.
export function keepForOffline(moduleReady) {
  const workers = navigator.serviceWorker;
  if (!workers) {
    return;
  }
  const shownFromOldVersion = Boolean(workers.controller);
  let begun = false;
  for (const type of ['keydown', 'pointerdown', 'input']) {
    addEventListener(type, () => {
      begun = true;
    }, { capture: true, once: true });
  }
  workers.addEventListener('controllerchange', () => {
    if (shownFromOldVersion && !begun) {
      location.reload();
    }
  });
  moduleReady.then(() => workers.register('sw.js'))
    // The browser itself may look for a new version only a day later.
    .then((registration) => shownFromOldVersion && registration.update())
    .catch(() => {});
}
