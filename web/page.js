// The page around the form, at the head of celforo.js: night mode, the
// planning panel shown or hidden, starting again after ESCI, the service
// worker that keeps the page for use without a network, and the program held
// back until the document has its elements.
// celforo.js is loaded in <head>, so the night colours are there before
// anything is drawn.

// The runtime calls ready() once the WebAssembly is ready, which may be before
// or after the document is; run() calls main() when both are, and from then
// on the program answers the page.
var celforoProgram = {documentReady: null, started: false};
function ready() {
  celforoProgram.documentReady.then(function () {
    run();
    celforoProgram.started = true;
  });
}

(function () {
  'use strict';
  // What the page stores besides the panel's inputs: "1" or "0" each.
  var nightKey = 'celforo-night';
  var planKey = 'celforo-plan';
  var root = document.documentElement;

  function stored(key) {
    try {
      return localStorage.getItem(key) === '1';
    } catch (unavailable) {
      return false;
    }
  }

  function store(key, on) {
    try {
      localStorage.setItem(key, on ? '1' : '0');
    } catch (unavailable) {
      // Private browsing: the choice lasts until the page is closed.
    }
  }

  function showNight(on) {
    root.classList.toggle('night', on);
    var button = document.getElementById('night');
    if (button) button.setAttribute('aria-pressed', on ? 'true' : 'false');
    // The pictures are drawn by the program, in the colours of the mode.
    if (started()) _celforo_theme_changed(on ? 1 : 0);
  }

  function showPlan(on) {
    var plan = document.getElementById('plan');
    var button = document.getElementById('plan-button');
    if (!plan || !button) return;
    plan.hidden = !on;
    document.getElementById('desk').classList.toggle('planning', on);
    button.setAttribute('aria-expanded', on ? 'true' : 'false');
  }

  function started() {
    return celforoProgram.started;
  }

  showNight(stored(nightKey));

  var documentLoaded;
  celforoProgram.documentReady = new Promise(function (resolve) {
    documentLoaded = resolve;
  });

  document.addEventListener('DOMContentLoaded', function () {
    showNight(root.classList.contains('night'));
    showPlan(stored(planKey));
    document.getElementById('night').addEventListener('click', function () {
      var on = !root.classList.contains('night');
      showNight(on);
      store(nightKey, on);
    });
    document.getElementById('plan-button').addEventListener('click', function () {
      var on = document.getElementById('plan').hidden;
      showPlan(on);
      store(planKey, on);
      // The program builds the panel the first time it is shown.
      if (on && started()) _celforo_panel_shown();
    });
    // The set-up's buttons, in the order of the program's SetupCommand.
    ['setup-save', 'setup-open', 'setup-link', 'setup-picture'].forEach(function (id, command) {
      document.getElementById(id).addEventListener('click', function () {
        if (started()) _celforo_setup_command(command);
      });
    });
    document.getElementById('restart').addEventListener('click', function () {
      location.reload();
    });
    // The page is as it was left (night, the panel): the program may start.
    documentLoaded();
  });

  if ('serviceWorker' in navigator) {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register('sw.js').catch(function () {
        // Served from a file or an insecure origin: the page works, online only.
      });
    });
  }
})();
