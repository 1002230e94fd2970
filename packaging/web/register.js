// Opened from a web server, the page keeps its folder through its service
// worker, so that it opens again with no network. A new build's worker takes
// over as soon as it is installed; the page then shows the new build by
// reloading, at once if the pupil has not touched it yet, else the next time
// it is hidden (an installed app is often brought back rather than reopened).
(function () {
  if (!('serviceWorker' in navigator)) return;
  var workers = navigator.serviceWorker, updating = !!workers.controller, touched = false;
  ['pointerdown', 'keydown'].forEach(function (type) {
    addEventListener(type, function () { touched = true; }, { capture: true, once: true });
  });
  workers.addEventListener('controllerchange', function () {
    if (!updating) return;
    if (!touched || document.visibilityState === 'hidden') location.reload();
    else document.addEventListener('visibilitychange', function () {
      if (document.visibilityState === 'hidden') location.reload();
    });
  });
  // After the load, so that the worker's downloads leave the program's start alone.
  addEventListener('load', function () {
    // Without a worker (a browser that refuses one) the page works as before, online.
    workers.register('service-worker.js', { scope: './', updateViaCache: 'none' }).catch(function () {});
  });
})();
