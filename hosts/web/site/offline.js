// Zenko without the network: registers the worker (sw.js) that keeps every
// file of the site, so that the page, every form and the help work
// offline and the page can be installed as an application. A new version
// of the site, found when the page is visited, is fetched in the
// background and takes over once this page has loaded: a reload, the
// next visit and the help pages opened from then on are the new version;
// the page open now goes on as it is, typed texts included.
'use strict';

if ('serviceWorker' in navigator) {
  window.addEventListener('load', async () => {
    try {
      const registration = await navigator.serviceWorker.register('sw.js');
      const takeOver = () => registration.waiting?.postMessage('activate');
      registration.addEventListener('updatefound', () => {
        const worker = registration.installing;
        worker.addEventListener('statechange', () => { if (worker.state === 'installed') takeOver(); });
      });
      takeOver();
      await registration.update();
    } catch {
      // No worker (a private window, no network for the update): the page
      // works as it is.
    }
  });
}
