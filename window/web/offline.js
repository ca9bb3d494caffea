// After one visit the site is kept by its service worker and works with no
// network. Where the page is not served over https (or from this machine) the
// browser allows none, and the page works online only.
//
// The browser looks for a new version at each visit. A visit shown from the
// old version's files, once the new one is fetched whole, asks it to take
// over and reloads as the new version, unless the user has begun working with
// it.

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
  // A new version waits to be asked, as one that took over while the page
  // loaded would go unseen: the page is only listening from here on.
  const askToTakeOver = (worker) => {
    if (shownFromOldVersion && !begun) {
      worker.postMessage('take over');
    }
  };
  const whenInstalled = (worker) => worker?.addEventListener('statechange', () => {
    if (worker.state === 'installed') {
      askToTakeOver(worker);
    }
  });
  workers.addEventListener('controllerchange', () => {
    if (shownFromOldVersion && !begun) {
      location.reload();
    }
  });
  // The page leaves looking for a new version to the browser: in WebKit, a
  // look that a page began and was left during may never end, and then holds
  // back every later one.
  moduleReady.then(() => workers.register('sw.js'))
    .then((registration) => {
      if (registration.waiting) {
        askToTakeOver(registration.waiting);
      }
      whenInstalled(registration.installing);
      registration.addEventListener('updatefound', () => whenInstalled(registration.installing));
    })
    .catch(() => {});
}
