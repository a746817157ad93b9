#!/usr/bin/python3
"""The web page's three figures, each against its goal, in one run:

- what a first visit downloads, gzipped, the icons aside, the sensor list
  and both pictures' code included (goal: under 120 KB);
- page load to results shown, against a static page holding the same
  elements with the results typed in (goal: at most 1.5 times as long);
- a keystroke in the planning panel, from the box's input event to every
  result, problem line and both pictures set again, with Saturn for a target
  seen from a site, so that its sky and night's curve are computed (goal:
  under 1 ms, the median of many).

The static page is the page itself as it stands once started, saved with its
scripts taken out. Both are loaded alternately from the same server with the
browser's cache and the service worker bypassed; "results shown" is the first
frame after Label1 holds its text. Run through bench/web.
"""
import gzip
import json
import os
import re
import shutil
import statistics
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "web"))
from browser import Site, chromium  # noqa: E402

SITE = ROOT / "build" / "web" / "site"
RUNS = int(os.environ.get("CELFORO_BENCH_RUNS", "21"))

# Notes, in every document the browser opens, the time of the first frame
# after Label1 has its text.
RESULTS_SHOWN = """
new MutationObserver(function (changes, observer) {
  var label = document.getElementById('Label1');
  if (!label || !label.textContent) return;
  observer.disconnect();
  requestAnimationFrame(function () { window.celforoResultsShown = performance.now(); });
}).observe(document, {childList: true, subtree: true, characterData: true});
"""


def first_visit_bytes(driver, origin):
    """The files a first visit downloads, those the page asks for and those its
    service worker stores: gzipped sizes by name."""
    driver.get_log("performance")
    driver.get(origin + "/index.html")
    driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "navigator.serviceWorker.ready.then(function () { setTimeout(done, 500); });")
    names = set()
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            url = message["params"]["request"]["url"]
            if url.startswith(origin + "/"):
                names.add(url[len(origin) + 1:].split("?")[0] or "index.html")
    names.add("sw.js")  # fetched by the browser itself, outside the page's log
    # and what the service worker stores on installing, outside it too
    stored = re.search(r"const FILES = \[(.*)\];", (SITE / "sw.js").read_text()).group(1)
    names.update(name for name in re.findall(r"'([^']+)'", stored) if name != "./")
    return {name: len(gzip.compress((SITE / name).read_bytes(), 9)) for name in sorted(names)}


def static_copy(driver, origin, folder):
    """The started page saved as plain HTML beside the same stylesheet."""
    driver.get(origin + "/index.html")
    html = driver.execute_script("return document.documentElement.outerHTML")
    html = re.sub(r"<script[^>]*>.*?</script>", "", html, flags=re.S)
    html = re.sub(r'<link rel="(manifest|preload)"[^>]*>', "", html)
    # The inline styles the program set are style attributes now.
    html = re.sub(r'<meta http-equiv="Content-Security-Policy"[^>]*>', "", html)
    folder.mkdir()
    (folder / "index.html").write_text("<!DOCTYPE html>\n" + html)
    shutil.copy(SITE / "celforo.css", folder)
    shutil.copytree(SITE / "icons", folder / "icons")


def load_time(driver, url):
    driver.get(url)
    driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "(function wait() { if (window.celforoResultsShown) done(); else setTimeout(wait, 5); })();")
    return driver.execute_script("return window.celforoResultsShown")  # from navigation start


# Types into the panel's aperture box as a keyboard does, one character after
# another (the box's text, then its input event, which recomputes at once),
# and gives each keystroke's time in milliseconds.
KEYSTROKES = """
var box = document.getElementById('Text4'), times = [];
var texts = ['25', '250', '2500', '250'];
for (var i = 0; i < arguments[0]; ++i) {
  box.value = texts[i % texts.length];
  var start = performance.now();
  box.dispatchEvent(new Event('input', {bubbles: true}));
  times.push(performance.now() - start);
}
return times;
"""


def keystroke_times(driver, url, count):
    driver.get(url)
    driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "(function wait() { var l = document.getElementById('Label1');"
        " if (l && l.textContent) done(); else setTimeout(wait, 5); })();")
    driver.execute_script(
        "document.getElementById('plan-button').click();"
        "var target = document.getElementById('Combo1'); target.selectedIndex = 7;"
        "target.dispatchEvent(new Event('change'));"
        "[['Text11', '45.07'], ['Text12', '7.69']].forEach(function (typed) {"
        " var box = document.getElementById(typed[0]); box.value = typed[1];"
        " box.dispatchEvent(new Event('input', {bubbles: true})); });")
    assert driver.execute_script("return document.getElementById('Label36').textContent")
    assert driver.execute_script("return document.getElementById('Label74').textContent")
    times = driver.execute_script(KEYSTROKES, count)
    driver.execute_script("localStorage.clear()")  # the loads below start as a first visit does
    return times


def main():
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        shutil.copytree(SITE, work / "site")
        site = Site(work)
        driver = chromium(work / "profile")
        try:
            origin = site.origin + "/site"
            sizes = first_visit_bytes(driver, origin)
            static_copy(driver, origin, work / "static")
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": RESULTS_SHOWN})
            pages = {"page": origin + "/index.html", "static": site.origin + "/static/index.html"}
            keystrokes = keystroke_times(driver, origin + "/index.html", 50 * RUNS)
            for url in pages.values():
                load_time(driver, url)  # warm the server and the browser
            times = {name: [] for name in pages}
            for _ in range(RUNS):  # alternated, so drifts of the machine hit both
                for name, url in pages.items():
                    times[name].append(load_time(driver, url))
        finally:
            driver.quit()
            site.stop()

    counted = {name: size for name, size in sizes.items()
               if not name.startswith("icons/") and name != "favicon.ico"}
    total = sum(counted.values())
    print("first visit, gzipped (-9), bytes:")
    for name, size in sizes.items():
        print(f"  {name:24} {size:8}{'' if name in counted else '  (icon, aside)'}")
    print(f"  {'total, icons aside':24} {total:8}  goal < 120 KB (122880): "
          f"{'met' if total < 120 * 1024 else 'NOT MET'}")
    page, static = (statistics.median(times[name]) for name in ("page", "static"))
    spread = {name: f"{min(v):.1f}-{max(v):.1f}" for name, v in times.items()}
    print(f"load to results shown, median of {RUNS} alternated loads, ms:")
    print(f"  page {page:.1f} (min-max {spread['page']}), static page {static:.1f}"
          f" (min-max {spread['static']})")
    print(f"  ratio {page / static:.2f}  goal <= 1.5: {'met' if page / static <= 1.5 else 'NOT MET'}")
    stroke = statistics.median(keystrokes)
    print(f"a keystroke in the panel, median of {len(keystrokes)}, ms:")
    print(f"  {stroke:.3f} (min-max {min(keystrokes):.3f}-{max(keystrokes):.3f})"
          f"  goal < 1: {'met' if stroke < 1 else 'NOT MET'}")


if __name__ == "__main__":
    main()
