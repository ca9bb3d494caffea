// After one visit the site is kept by its service worker and works with no
// network. Where the page is not served over https (or from this machine) the
// browser allows none, and the page works online only.

export function keepForOffline() {
  navigator.serviceWorker?.register('sw.js').catch(() => {});
}
