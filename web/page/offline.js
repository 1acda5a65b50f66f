// The offline copy: the site's service worker (sw.js) keeps the page's files. A new build is
// fetched whole on a visit with a network and takes over from the old; a page nobody has touched
// yet starts again on the new build at once, one already played says the new build comes with
// the next start.
(function () {
  'use strict';

  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  const texts = Module.smashbolTexts;
  const updating = Boolean(navigator.serviceWorker.controller);
  let touched = false;
  for (const type of ['pointerdown', 'keydown'])
    addEventListener(type, () => { touched = true; }, true);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (!updating) return;  // the first visit's worker taking over the page it came with
    if (!touched) {
      location.reload();
      return;
    }
    const notice = document.getElementById('notice');
    notice.textContent = [notice.textContent, texts.updated].filter(Boolean).join(' ');
  });
  navigator.serviceWorker.register('sw.js').catch(() => {
    // No worker (a browser that refuses them here): the page plays on, online only.
  });
})();
