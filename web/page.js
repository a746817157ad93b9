// The page around the form, at the head of celforo.js: night mode, starting
// again after ESCI, the service worker that keeps the page for use without a
// network, and the program held back until the document has its elements.
// celforo.js is loaded in <head>, so the night colours are there before
// anything is drawn.
(function () {
  'use strict';
  var key = 'celforo-night';  // the one thing the page stores: "1" or "0"
  var root = document.documentElement;

  function storedNight() {
    try {
      return localStorage.getItem(key) === '1';
    } catch (unavailable) {
      return false;
    }
  }

  function showNight(on) {
    root.classList.toggle('night', on);
    var button = document.getElementById('night');
    if (button) button.setAttribute('aria-pressed', on ? 'true' : 'false');
  }

  showNight(storedNight());

  // Asked once the WebAssembly is ready, which may be before or after the
  // document is.
  Module['preRun'] = [function () {
    if (document.readyState !== 'loading') return;
    addRunDependency('document');
    document.addEventListener('DOMContentLoaded', function () {
      removeRunDependency('document');
    });
  }];

  document.addEventListener('DOMContentLoaded', function () {
    showNight(root.classList.contains('night'));
    document.getElementById('night').addEventListener('click', function () {
      var on = !root.classList.contains('night');
      showNight(on);
      try {
        localStorage.setItem(key, on ? '1' : '0');
      } catch (unavailable) {
        // Private browsing: night mode lasts until the page is closed.
      }
    });
    document.getElementById('restart').addEventListener('click', function () {
      location.reload();
    });
  });

  if ('serviceWorker' in navigator) {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register('sw.js').catch(function () {
        // Served from a file or an insecure origin: the page works, online only.
      });
    });
  }
})();
