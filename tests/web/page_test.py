#!/usr/bin/python3
"""The web page in headless Chromium, driven by Selenium: start-up, clearing,
CALCOLA on a table of set-ups (the failures' dialog included), Tab, Enter and
Escape, the comma key, the length limit, ESCI, night mode, phones, requests to
other origins, and the page opening offline. Writes screenshots to SHOTS.

Usage: page_test.py SITE_DIR SHOTS_DIR
"""
import io
import json
import re
import shutil
import sys
import tempfile
import traceback
from pathlib import Path

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import Site, chromium

ROOT = Path(__file__).resolve().parents[2]
SITE, SHOTS = Path(sys.argv[1]), Path(sys.argv[2])
BOXES, RESULTS = ("Text1", "Text2", "Text3"), ("Label1", "Label2", "Label8")
DEFAULT_BOXES = [" 2500", " 5", " 3"]
DEFAULT_RESULTS = [" 1.666667", " 4166.666667", " 13.333333"]


def c_string(text):
    return json.loads('"' + text + '"')


def table_of_elements():
    """kForm1Elements as the window's header writes it: name, kind, twips, font."""
    header = (ROOT / "ui" / "form1_layout.h").read_text()
    rows = re.findall(r'\{"(\w+)", ElementKind::(\w+), "[^"]*", (\d+), (\d+), (\d+), (\d+), '
                      r'(-?\d+),\s*([\d.]+),\s*"([^"]*)"\}', header)
    assert len(rows) == 16, rows
    return [(name, kind, [int(v) for v in twips], float(font), meaning)
            for name, kind, *twips, _tab, font, meaning in rows]


def table_of_failures():
    """The set-ups every window's tests make CALCOLA fail with, and what follows."""
    header = (ROOT / "tests" / "support" / "form1_failures.h").read_text()
    messages = dict(re.findall(r'std::string (k\w+) = "([^"]*)";', header))
    rows = re.findall(r'\{"([^"]+)", \{"([^"]*)", "([^"]*)", "([^"]*)"\}, (k\w+), '
                      r'\{"([^"]*)", "([^"]*)", "([^"]*)"\}\}', header)
    assert rows
    return [(what, [a, b, c], c_string(messages[kind]), [x, y, z])
            for what, a, b, c, kind, x, y, z in rows]


served = tempfile.TemporaryDirectory()  # a copy, which a test makes a new release of
shutil.copytree(SITE, Path(served.name) / "site")
site = Site(Path(served.name) / "site")
profile = tempfile.TemporaryDirectory()
driver = chromium(profile.name)
requested = []  # every URL the browser asked for
tests = []


def test(function):
    tests.append(function)
    return function


def js(script, *args):
    return driver.execute_script(script, *args)


def element(id_):
    return driver.find_element(By.ID, id_)


def wait_for(condition, what, seconds=10):
    WebDriverWait(driver, seconds).until(lambda _: condition(), what)


def open_page():
    driver.get(site.origin + "/")
    wait_for(lambda: js("var l = document.getElementById('Label1'); return l && l.textContent"),
             "the results at start-up")


def boxes():
    return [element(id_).get_property("value") for id_ in BOXES]


def results():
    return [element(id_).get_property("textContent") for id_ in RESULTS]


def focused():
    return js("return document.activeElement.id")


def replace_text(id_, text):
    box = element(id_)
    box.click()
    box.send_keys(Keys.CONTROL, "a")
    box.send_keys(text if text else Keys.BACKSPACE)


def screenshot(name):
    SHOTS.mkdir(parents=True, exist_ok=True)
    png = driver.get_screenshot_as_png()
    (SHOTS / name).write_bytes(png)
    return Image.open(io.BytesIO(png)).convert("RGB")


@test
def start_up_texts_focus_and_title():
    open_page()
    assert boxes() == DEFAULT_BOXES, boxes()
    assert results() == DEFAULT_RESULTS, results()
    assert focused() == "Text1", focused()
    assert driver.title == "CELFORO"
    assert js("return document.documentElement.lang") == "it"
    screenshot("web-dpr1.png")
    SHOTS.joinpath("web-form1-dpr1.png").write_bytes(element("Form1").screenshot_as_png)


@test
def elements_placed_from_the_table():
    open_page()
    for name, kind, (left, top, width, height), font, meaning in table_of_elements():
        box = js("var f = document.getElementById('Form1').getBoundingClientRect();"
                 "var e = document.getElementById(arguments[0]); var r = e.getBoundingClientRect();"
                 "var s = getComputedStyle(e); return [r.left - f.left, r.top - f.top, r.width,"
                 " r.height, s.fontSize, s.fontWeight, e.getAttribute('aria-label') || '']", name)
        expected = [left / 15, top / 15, width / 15, height / 15]
        assert [round(v, 2) for v in box[:4]] == expected, (name, box, expected)
        if font:
            assert box[4] == f"{font * 4 / 3:g}px" and box[5] == "700", (name, box)
        if kind in ("TextBox", "ResultLabel"):
            assert box[6] == meaning, (name, box[6])
    styles = js("function s(id, p) { return getComputedStyle(document.getElementById(id))[p]; }"
                "return [s('Form1', 'backgroundColor'), s('Label1', 'backgroundColor'),"
                " s('Shape1', 'borderTopWidth'), s('Shape1', 'borderTopColor'),"
                " s('Text1', 'textAlign'), s('Label9', 'textAlign')]")
    assert styles == ["rgb(192, 255, 255)", "rgb(255, 255, 255)", "3px", "rgb(192, 192, 192)",
                      "center", "center"], styles


@test
def a_change_clears_the_results_until_calcola():
    open_page()
    for id_, before in zip(BOXES, DEFAULT_BOXES):
        element(id_).send_keys(Keys.END, "7")
        assert results() == ["", "", ""], (id_, results())
        element(id_).send_keys(Keys.BACKSPACE)  # the former text is back, the results not
        assert boxes()[BOXES.index(id_)] == before and results() == ["", "", ""], id_
        element("Command1").click()
        assert results() == DEFAULT_RESULTS, (id_, results())


@test
def calcola_on_a_table_of_set_ups():
    successes = [("worked example", ["2000", "10", "5"], None, [" 2", " 4000", " 30"]),
                 ("below one", ["2500", "2", "4"], None, [" .5", " 1250", " 3"]),
                 ("negative extraction", ["2500", "5", "-3"], None,
                  ["-1.666667", "-4166.666667", "-3.333333"])]
    open_page()
    for what, texts, message, expected in successes + table_of_failures():
        for id_, text in zip(BOXES, texts):
            replace_text(id_, text)
        element("Command1").click()
        dialog_open = js("return document.getElementById('message').open")
        assert dialog_open == (message is not None), what
        if message is not None:
            shown = js("return [document.getElementById('message-title').textContent,"
                       " document.getElementById('message-text').textContent,"
                       " document.getElementById('Form1').inert]")
            assert shown == ["CELFORO", message, True], (what, shown)
            assert focused() == "message-ok", (what, focused())
            if what == "extraction 0":
                screenshot("web-dialog.png")
            element("message-ok").click()
            assert not js("return document.getElementById('message').open"), what
            wait_for(lambda: focused() == "Command1", f"{what}: the focus back on CALCOLA")
        assert boxes() == texts and results() == expected, (what, boxes(), results())


@test
def tab_order_and_results_never_focused():
    open_page()
    order = [focused()]
    for _ in range(5):
        driver.switch_to.active_element.send_keys(Keys.TAB)
        order.append(focused())
    assert order == ["Text1", "Text2", "Text3", "Command1", "Command2", "night"], order
    for id_ in RESULTS + ("Label3", "Picture1", "Shape1"):
        assert js("return arguments[0].tabIndex", element(id_)) < 0, id_
    ActionChains(driver).double_click(element("Label2")).perform()
    assert focused() != "Label2"
    assert "4166" in js("return String(getSelection())"), js("return String(getSelection())")


@test
def enter_and_escape_do_nothing():
    open_page()
    element("Text3").send_keys(Keys.END, "1")
    for key in (Keys.ENTER, Keys.ESCAPE):
        element("Text3").send_keys(key)
        assert boxes() == [" 2500", " 5", " 31"] and results() == ["", "", ""], key
        assert js("return !!document.getElementById('Form1')")


@test
def a_typed_comma_is_a_point_a_pasted_one_stays():
    open_page()
    replace_text("Text1", "12,5")
    assert boxes()[0] == "12.5", boxes()
    js("var t = document.createElement('textarea'); t.id = 'clip'; t.value = '7,25';"
       "document.body.appendChild(t)")
    element("clip").send_keys(Keys.CONTROL, "a")
    element("clip").send_keys(Keys.CONTROL, "c")
    replace_text("Text2", Keys.CONTROL + "v")
    assert boxes()[1] == "7,25", boxes()
    element("Command1").click()  # the box reads up to the comma: 7 with 12.5 and 3
    assert results() == [" 2.333333", " 29.166667", " 23.333333"], results()


@test
def a_box_holds_at_most_65535_characters():
    open_page()
    element("Text1").click()
    js("arguments[0].select(); document.execCommand('insertText', false, '9'.repeat(70000))",
       element("Text1"))
    assert len(boxes()[0]) == 65535, len(boxes()[0])
    assert results() == ["", "", ""]


@test
def esci_takes_the_form_down_and_offers_a_restart():
    open_page()
    replace_text("Text3", "")
    element("Command2").click()
    gone = js("return [!document.getElementById('Form1'), document.getElementById('ended').hidden,"
              " document.activeElement.id]")
    assert gone == [True, False, "restart"], gone
    element("restart").click()
    wait_for(lambda: js("var l = document.getElementById('Label1'); return l && l.textContent"),
             "a new start")
    assert boxes() == DEFAULT_BOXES and results() == DEFAULT_RESULTS


def assert_only_red(image, what):
    stray = [p for p in image.getdata() if p[1] or p[2]]
    assert not stray, f"{what}: {len(stray)} pixels with green or blue, e.g. {stray[:3]}"


@test
def night_mode_is_red_on_black_and_remembered():
    open_page()
    element("night").click()
    assert element("night").get_attribute("aria-pressed") == "true"
    element("Text2").click()  # a focus ring and a caret
    assert_only_red(screenshot("web-night.png"), "the form")
    replace_text("Text3", "0")
    element("Command1").click()
    assert_only_red(screenshot("web-night-dialog.png"), "the dialog")
    element("message-ok").click()
    open_page()
    assert js("return document.documentElement.classList.contains('night')")
    assert js("return Object.keys(localStorage)") == ["celforo-night"]
    element("night").click()
    open_page()
    assert not js("return document.documentElement.classList.contains('night')")


@test
def phone_width_and_pixel_ratio_three():
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True})
    try:
        open_page()
        layout = js("var f = document.getElementById('Form1').getBoundingClientRect();"
                    "return [document.documentElement.scrollWidth, innerWidth, f.left, f.right,"
                    " devicePixelRatio, document.getElementById('Text1').inputMode]")
        assert layout[0] <= layout[1] == 360, layout
        assert abs(layout[2] - (360 - layout[3])) <= 1, layout  # centred
        assert layout[4:] == [3, "decimal"], layout
        screenshot("web-phone-dpr3.png")
    finally:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def stored_caches():
    """The page's caches, once its service worker controls it."""
    return driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "navigator.serviceWorker.ready.then(function () { (function check() {"
        " if (navigator.serviceWorker.controller) caches.keys().then(done);"
        " else setTimeout(check, 50); })(); });")


@test
def a_new_release_replaces_the_stored_files():
    open_page()
    worker = Path(served.name) / "site" / "sw.js"
    release = re.search(r"const CACHE = '([^']+)'", worker.read_text()).group(1)
    assert stored_caches() == [release], (stored_caches(), release)
    page = worker.with_name("index.html")
    page.write_text(page.read_text().replace("</body>", "<!-- the next release --></body>"))
    worker.write_text(worker.read_text().replace(release, release + "-next"))
    driver.execute_async_script("var done = arguments[arguments.length - 1];"
                                "navigator.serviceWorker.ready.then(r => r.update()).then(done)")
    wait_for(lambda: stored_caches() == [release + "-next"], "the next release's cache alone")
    open_page()
    assert "the next release" in driver.page_source


@test
def the_page_opens_offline_from_its_own_cache():
    open_page()
    assert len(stored_caches()) == 1
    site.stop()
    driver.refresh()
    wait_for(lambda: js("var l = document.getElementById('Label1'); return l && l.textContent"),
             "the results with the server stopped")
    assert boxes() == DEFAULT_BOXES and results() == DEFAULT_RESULTS


def log_entries(kind):
    return driver.get_log(kind)


def collect_requests():
    for entry in log_entries("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            requested.append(message["params"]["request"]["url"])


def no_request_to_another_origin():
    # The browser's own pages (chrome://) are no request of the page's.
    foreign = [url for url in requested if re.match(r"(https?|wss?|ftp):", url)
               and not url.startswith(site.origin + "/")]
    assert requested and not foreign, foreign


def no_policy_violation():
    complaints = [e["message"] for e in log_entries("browser")
                  if "Content Security Policy" in e["message"] or e["level"] == "SEVERE"]
    assert not complaints, complaints


passed = failed = 0
try:
    for check in tests + [no_request_to_another_origin, no_policy_violation]:
        try:
            check()
            collect_requests()
            passed += 1
            print(f"ok {check.__name__}", flush=True)
        except Exception:  # one failing check does not stop the others
            failed += 1
            print(f"FAILED {check.__name__}\n{traceback.format_exc()}", flush=True)
finally:
    driver.quit()
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
