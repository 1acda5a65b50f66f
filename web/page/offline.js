// The offline copy: the site's service worker (sw.js) keeps the page's files. A new build is
// fetched whole on a visit with a network and takes over from the old; a page nobody has touched
// yet starts again on the new build at once, one already played is told the new build comes with
// the next start (`newVersion`).
export function keepOffline(newVersion) {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  const updating = Boolean(navigator.serviceWorker.controller);
  let touched = false;
  for (const type of ['pointerdown', 'keydown']) addEventListener(type, () => { touched = true; }, true);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!updating) return;  // the first visit's worker taking over the page it came with
    if (touched) newVersion();
    else location.reload();
  });
  // A browser that refuses a worker here: the page plays on, online only.
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
