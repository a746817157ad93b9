#!/usr/bin/python3
"""The web page in a browser, driven by Selenium: start-up in either order of
document and WebAssembly, clearing, CALCOLA on a table of set-ups (the
failures' dialog included), Tab, Enter and Escape, the comma key, the length
limit, ESCI, night mode, the licence, accessibility (axe-core), phones,
requests to other origins, the page opening offline, and the planning panel
(driven by its fields' accessible names, every result held to the Linux
celforo-calc's, the picture's proportions, ADATTA and bad input). Writes
screenshots to SHOTS_DIR.

Every test runs in both engines, headless Chromium and WebKitGTK (Safari's),
but those that need Chromium's DevTools protocol, marked `devtools`: the
phone's screen (device emulation) and the requests and console messages the
browser logs. WebDriver has no command to empty a browser's HTTP cache, which
the offline test needs: Chromium's is emptied through DevTools, and for
WebKitGTK the server answers every request with "Cache-Control: no-store".

Usage: page_test.py [--engine chromium|webkit] [--only WORD] --axe AXE_JS --calc CELFORO_CALC
                    --shapes NODE SHAPE_SAMPLE_JS SITE_DIR SHOTS_DIR
"""
import argparse
import base64
import io
import json
import re
import shutil
import subprocess
import sys
import tempfile
import traceback
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from PIL import Image
from selenium.common.exceptions import NoSuchFrameException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

from browser import ENGINES, Hold, Site, browser

ROOT = Path(__file__).resolve().parents[2]
arguments = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
arguments.add_argument("--engine", choices=ENGINES, default="chromium")
arguments.add_argument("--axe", type=Path, required=True, help="axe-core's axe.min.js")
arguments.add_argument("--only", metavar="WORD", help="run only the tests whose names hold WORD")
arguments.add_argument("--calc", type=Path, required=True,
                       help="the Linux celforo-calc, which the panel's results are held to")
arguments.add_argument("--shapes", type=Path, nargs=2, required=True, metavar=("NODE", "JS"),
                       help="node, and the program writing the sample of every shape")
arguments.add_argument("site", type=Path)
arguments.add_argument("shots", type=Path)
arguments = arguments.parse_args()
ENGINE, SITE, SHOTS = arguments.engine, arguments.site, arguments.shots
CHROMIUM = ENGINE == "chromium"
SHOT_PREFIX = "web-" if CHROMIUM else "webkit-"
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


if not arguments.axe.is_file():
    sys.exit(f"{arguments.axe} is missing: tools/install-deps web installs axe-core")
if not arguments.calc.is_file():
    sys.exit(f"{arguments.calc} is missing: make web-test builds it (the linux-calc preset)")
served = tempfile.TemporaryDirectory()  # a copy, which a test makes a new release of
shutil.copytree(SITE, Path(served.name) / "site")
site = Site(Path(served.name) / "site", no_store=not CHROMIUM)
profile = tempfile.TemporaryDirectory()
driver = browser(ENGINE, profile.name)
requested = []  # every URL the browser asked for
tests = []  # (test, whether it needs Chromium's DevTools)


def test(function=None, *, devtools=False):
    def register(function):
        tests.append((function, devtools))
        return function
    return register(function) if function else register


def js(script, *args):
    return driver.execute_script(script, *args)


def element(id_):
    return driver.find_element(By.ID, id_)


def wait_for(condition, what, seconds=10, session=None, navigating=False):
    """Until condition() holds. While a page is `navigating` away, a script cut
    short by the old document's unload (WebKit's "Callback was not called
    before the unload event") counts as not yet."""
    ignored = (NoSuchFrameException,) if navigating else ()
    WebDriverWait(session or driver, seconds, ignored_exceptions=ignored).until(
        lambda _: condition(), what)


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
    (SHOTS / (SHOT_PREFIX + name)).write_bytes(png)
    return Image.open(io.BytesIO(png)).convert("RGB")


@test
def start_up_texts_focus_and_title():
    open_page()
    assert boxes() == DEFAULT_BOXES, boxes()
    assert results() == DEFAULT_RESULTS, results()
    assert focused() == "Text1", focused()
    assert driver.title == "CELFORO"
    assert js("return document.documentElement.lang") == "it"
    screenshot("dpr1.png")
    SHOTS.joinpath(SHOT_PREFIX + "form1-dpr1.png").write_bytes(element("Form1").screenshot_as_png)


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
                screenshot("dialog.png")
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
    assert_only_red(screenshot("night.png"), "the form")
    replace_text("Text3", "0")
    element("Command1").click()
    assert_only_red(screenshot("night-dialog.png"), "the dialog")
    element("message-ok").click()
    open_page()
    assert js("return document.documentElement.classList.contains('night')")
    assert js("return Object.keys(localStorage)") == ["celforo-night"]
    element("night").click()
    open_page()
    assert not js("return document.documentElement.classList.contains('night')")


@test(devtools=True)
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
        screenshot("phone-dpr3.png")
        # The panel under the form and its buttons, still no sideways scroll;
        # its pictures, Jupiter's and Saturn's, by day and by night.
        open_panel()
        set_field("DATA E ORA", "2026-12-07T22:00")
        set_field("LATITUDINE", "45.07")  # the night's curve from Turin
        set_field("LONGITUDINE", "7.69")
        panel = js("var f = document.getElementById('Form1').getBoundingClientRect();"
                   "var p = document.getElementById('Form2').getBoundingClientRect();"
                   "return [document.documentElement.scrollWidth, p.top - f.bottom, p.left, p.right]")
        assert panel[0] <= 360 and panel[1] > 0 and panel[2] >= 0 and panel[3] <= 360, panel
        # Its columns one over the other, the first on top.
        first, second = (element(i).rect for i in ("Form2-column1", "Form2-column2"))
        assert second["y"] == first["y"] + first["height"] and second["x"] == first["x"], (first, second)
        # A screen tall enough for the whole panel in one picture.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 360, "height": 2400, "deviceScaleFactor": 3, "mobile": True})
        for night in (False, True):
            if night:
                element("night").click()
            for target in ("Giove", "Saturno"):
                set_field("OGGETTO", target)
                shot = element("plan").screenshot_as_png
                name = f"panel-{'jupiter' if target == 'Giove' else 'saturn'}"
                (SHOTS / f"{SHOT_PREFIX}{name}{'-night' if night else ''}-phone.png").write_bytes(shot)
        js("localStorage.clear()")
    finally:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def started(session=None):
    return (session or driver).execute_script(
        "var l = document.getElementById('Label1'); return !!l && l.textContent")


@test
def it_starts_whether_the_document_or_the_webassembly_is_ready_first():
    """Both orders, made certain by the server holding one file back: the
    WebAssembly until the document has been parsed, then the document's body
    until the WebAssembly is ready, which the page shows by having its
    functions (main among them). A session of its own does not wait for pages
    to load, and each order has an origin of its own, with no service worker
    yet."""
    orders = (("the document first", Hold("/celforo.wasm"),
               "document.readyState !== 'loading' && typeof _main !== 'function'"),
              ("the WebAssembly first", Hold("/", after="<body>"),
               "document.readyState === 'loading' && typeof _main === 'function'"))
    with tempfile.TemporaryDirectory() as own_profile:
        session = browser(ENGINE, own_profile, page_load_strategy="none")
        try:
            for order, hold, before_release in orders:
                ordered = Site(Path(served.name) / "site", holds=[hold])
                try:
                    session.get(ordered.origin + "/")
                    assert hold.reached.wait(10), f"{order}: {hold.path} was never asked for"
                    wait_for(lambda: session.execute_script(
                        "return location.origin === arguments[0] && typeof celforoProgram === 'object'"
                        " && " + before_release, ordered.origin), order, session=session,
                        navigating=True)
                    assert not started(session), order
                    hold.release()
                    wait_for(lambda: started(session), f"{order}: the results", session=session,
                             navigating=True)
                finally:
                    ordered.stop()
        finally:
            session.quit()


# The planning panel.
PANEL_CAPTIONS = ("RAPPORTO FOCALE", "SCALA (ARCSEC/PIXEL)", "CAMPO ORIZZ. (ARCMIN)",
                  "CAMPO VERT. (ARCMIN)", "DIAMETRO (ARCSEC)", "DIAMETRO (PIXEL)",
                  "ANELLI (ARCSEC)", "CAMPIONAMENTO (Q)", "RIPRESA MAX (S)",
                  "ALTEZZA (GRADI)", "AZIMUT (GRADI)", "MASSA D'ARIA", "DISPERSIONE (PIXEL)",
                  "SORGE", "TRANSITA", "TRAMONTA", "MIGLIORE ORA")
# The panel's elements, each column's in a box of its own.
PANEL_ELEMENTS = "#Form2 > .column > *"


def named(name):
    """A field, result or button of the panel by its accessible name, as a
    screen reader finds it."""
    found = js("var name = arguments[0];"
               "return Array.from(document.querySelectorAll(arguments[1])).filter(function (e) {"
               " return e.getAttribute('aria-label') === name ||"
               " (e.tagName === 'BUTTON' && !e.hasAttribute('aria-label') &&"
               "  e.textContent === name); })", name, PANEL_ELEMENTS)
    assert len(found) == 1, f"{len(found)} elements of the panel are named {name!r}"
    return found[0]


def open_panel():
    """The panel as at a first visit: nothing kept of an earlier test."""
    open_page()
    js("localStorage.clear()")
    open_page()
    if element("plan").get_attribute("hidden") is not None:
        element("plan-button").click()
    wait_for(lambda: element("Form2").is_displayed(), "the panel")


def set_field(name, value):
    field = named(name)
    if field.tag_name == "select":
        Select(field).select_by_visible_text(value)
    elif field.get_attribute("type") == "datetime-local":
        # As the browser's own picker sets it, whatever the display's format.
        js("arguments[0].value = arguments[1];"
           "arguments[0].dispatchEvent(new Event('input', {bubbles: true}))", field, value)
    else:
        field.click()
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(value if value else Keys.BACKSPACE)


def problem_of(name):
    """The problem line a field is described by."""
    line = named(name).get_attribute("aria-describedby").split()[-1]
    return element(line).get_property("textContent")


def panel_results():
    return {caption: named(caption).get_property("textContent") for caption in PANEL_CAPTIONS}


def celforo_calc(*args):
    """The columns the Linux celforo-calc prints for a set-up, by caption, an
    instant as the panel shows it: its local HH:MM."""
    lines = subprocess.run([str(arguments.calc), "--tsv", "--header", *args], check=True,
                           capture_output=True, text=True).stdout.splitlines()
    columns = dict(zip(lines[0].split("\t"), lines[1].split("\t")))
    return {caption: re.sub(r"^\d{4}-\d\d-\d\dT(\d\d:\d\d)(:\d\d)?([+-]\d\d:\d\d|Z)?$", r"\1", value)
            for caption, value in columns.items()}


ENGLISH = {"Sole": "sun", "Luna": "moon", "Giove": "jupiter", "Saturno": "saturn",
           "Marte": "mars", "Urano": "uranus", "nessuno": None}


@test
def the_panels_results_are_celforo_calcs():
    cases = [  # Form1's boxes; aperture, pixel, sensor, wavelength; target, local date and
        # time; the site (latitude, longitude, height: none where empty)
        (("2500", "5", "3"), ("250", "3.75", "1280x960", "550"), "Giove", "2026-12-07T22:00",
         ("45.07", "7.69", "240")),
        (("2000", "10", "4"), ("200", "2.9", "1936x1096", "656"), "Saturno", "2030-06-01T03:30",
         ("-33.9", "18.4", "10")),
        (("1000", "25", "5"), ("100", "5.86", "1920x1200", "550"), "Luna", "1969-07-20T20:17",
         ("", "", "")),
        (("800", "20", "10"), ("80", "4.8", "4144x2822", "540"), "Sole", "1800-01-01T00:00",
         ("69.65", "18.96", "0")),
        (("2350", "6", "2"), ("235", "2.4", "3840x2160", "450"), "Marte", "2050-12-31T23:59",
         ("19.82", "-155.47", "4205")),
        (("2500", "5", "3"), ("250", "3.75", "640\u00d7480", "550"), "nessuno", "2026-12-07T22:00",
         ("45.07", "7.69", "240")),
    ]
    open_panel()
    for setup, (aperture, pixel, sensor, wavelength), target, when, place in cases:
        for id_, text in zip(BOXES, setup):
            replace_text(id_, text)
        element("Command1").click()
        for name, value in (("DIAMETRO OBIETTIVO", aperture), ("PIXEL", pixel),
                            ("SENSORE", sensor), ("LUNGHEZZA D'ONDA", wavelength),
                            ("OGGETTO", target), ("DATA E ORA", when),
                            *zip(("LATITUDINE", "LONGITUDINE", "QUOTA"), place)):
            set_field(name, value)
        args = ["--aperture", aperture, "--pixel-size", pixel, "--pixels", sensor,
                "--wavelength", wavelength, "--date", when]
        if ENGLISH[target]:
            args += ["--target", ENGLISH[target]]
        if place[0] and ENGLISH[target]:
            args += ["--site", ",".join(place)]
        expected = celforo_calc(*args, *setup)
        shown = panel_results()
        assert shown == {c: expected.get(c, "") for c in PANEL_CAPTIONS}, (target, shown, expected)


def ratio_holds(numerator, denominator, expected, numerator_error=0.005):
    """Whether numerator / denominator, each read from figures written to the
    hundredth, is the expected ratio within what that rounding allows."""
    slack = numerator_error / numerator + 0.005 / denominator + 1e-9
    return abs(numerator / denominator / expected - 1) <= slack


def picture_figures():
    return js("var svg = document.querySelector('#Picture2 svg');"
              "function f(selector, names) { var e = svg.querySelector(selector);"
              " return e && names.map(function (n) {"
              "  var v = e.getAttribute(n);"
              "  return +(v === null && n === 'r' ? e.getAttribute('rx') : v); }); }"
              "return {sensor: f('rect.sensor', ['width', 'height']),"
              " target: f('.target', ['r', 'cx', 'cy']),"  # a flattened disc: its rx
              " rings: f('ellipse.rings', ['rx', 'ry']),"
              " name: document.getElementById('Picture2').getAttribute('aria-label')}")


@test
def the_picture_is_to_scale_and_says_what_it_shows():
    open_panel()
    set_field("SENSORE", "1280x960")
    set_field("DATA E ORA", "2026-12-07T22:00")
    set_field("OGGETTO", "nessuno")
    figures = picture_figures()
    width, height = figures["sensor"]
    assert ratio_holds(width, height, 1280 / 960) and figures["target"] is None, figures
    assert "3.2" in figures["name"] or "Campo" in figures["name"] or "campo" in figures["name"]
    for target in ("Giove", "Saturno"):
        set_field("OGGETTO", target)
        figures = picture_figures()
        width, _ = figures["sensor"]
        radius = figures["target"][0]
        disc = float(named("DIAMETRO (PIXEL)").get_property("textContent"))
        assert ratio_holds(2 * radius, width, disc / 1280, 0.01), (target, figures, disc)
        assert target in figures["name"] and "px" in figures["name"], figures
        if target == "Saturno":
            rings = (float(named("ANELLI (ARCSEC)").get_property("textContent")) /
                     float(named("DIAMETRO (ARCSEC)").get_property("textContent")))
            rx, ry = figures["rings"]
            assert ratio_holds(rx, radius, rings) and 0 <= ry <= rx, (figures, rings)
    screenshot("panel-saturn.png")


@test
def adatta_puts_the_extraction_into_form1():
    open_panel()
    set_field("RAGGIUNGI", "RAPPORTO FOCALE")
    set_field("VALORE", "20")
    named("ADATTA").click()
    assert boxes() == [" 2500", " 5", " 2.5"] and results() == [" 2", " 5000", " 15"], boxes()
    assert named("RAPPORTO FOCALE").get_property("textContent") == "20"
    set_field("RAGGIUNGI", "DIAMETRO (PIXEL)")
    set_field("OGGETTO", "nessuno")
    named("ADATTA").click()
    assert boxes()[2] == " 2.5", boxes()  # nothing to reach without a target
    problem = problem_of("VALORE")
    assert "OGGETTO" in problem, problem


@test
def numbers_are_read_as_celforo_calc_reads_them():
    open_panel()
    for text in [" 3.75 ", "2.5e0", "3,75", "25x0", "2o", "abc", "inf", "nan", "1e999", "", "0",
                 "-1"]:
        # Pasted, as a typed comma would become a point.
        js("arguments[0].value = arguments[1];"
           "arguments[0].dispatchEvent(new Event('input', {bubbles: true}))", named("PIXEL"), text)
        problem = problem_of("PIXEL")
        status = subprocess.run([str(arguments.calc), "--pixel-size", text, "2500", "5", "3"],
                                capture_output=True).returncode
        assert (problem != "") == (status == 2), (text, problem, status)
        if text == "3,75":
            assert "virgola" in problem, problem


@test
def every_list_item_fits_its_box():
    open_panel()
    # Each item alone in a list of the same look sized to it, beside the real one.
    too_wide = js("""
        var out = [];
        document.querySelectorAll('#Form2 select').forEach(function (list) {
          Array.from(list.options).forEach(function (option) {
            var alone = list.cloneNode(false);
            alone.removeAttribute('id');
            alone.style.width = 'auto';
            alone.style.visibility = 'hidden';
            alone.appendChild(option.cloneNode(true));
            list.parentNode.appendChild(alone);
            if (alone.offsetWidth > list.offsetWidth)
              out.push(option.text + ': ' + alone.offsetWidth + ' > ' + list.offsetWidth);
            alone.remove();
          });
        });
        return out;""")
    assert not too_wide, too_wide


@test
def bad_input_is_named_beside_its_field_and_kept():
    cases = [("PIXEL", "abc", "numero"), ("SENSORE", "1280", "1280x960"),
             ("DIAMETRO OBIETTIVO", "", "Manca"), ("LUNGHEZZA D'ONDA", "0", "maggiore"),
             ("DATA E ORA", "1799-12-31T23:00", "1800")]
    for name, text, said in cases:
        open_panel()
        set_field(name, text)
        field = named(name)
        problem = problem_of(name)
        assert said in problem and field.get_attribute("aria-invalid") == "true", (name, problem)
        assert field.get_property("value") == text, name
        assert set(panel_results().values()) == {""}, (name, panel_results())
        js("localStorage.clear()")


@test
def the_panel_is_shown_remembered_and_read_in_order():
    open_page()
    js("localStorage.clear()")
    open_page()
    assert element("plan").get_attribute("hidden") is not None, "hidden at first"
    element("plan-button").click()
    assert element("plan-button").get_attribute("aria-expanded") == "true"
    set_field("DIAMETRO OBIETTIVO", "203")
    open_page()  # the panel and its inputs are remembered
    assert element("Form2").is_displayed() and named("DIAMETRO OBIETTIVO").get_property("value") == "203"
    js("localStorage.setItem('celforo-plan-Text5', 'x9'); localStorage.setItem('celforo-plan-Combo1', 'Plutone')")
    open_page()  # what cannot be used is passed over
    assert named("PIXEL").get_property("value") == "3.75"
    assert Select(named("OGGETTO")).first_selected_option.text == "nessuno"
    # Beside the form on a wide screen, its columns side by side; under it on
    # a narrower one, still side by side.
    size = driver.get_window_size()
    for width, beside in ((1280, True), (900, False)):
        driver.set_window_size(width, 1000)
        form1, form2, first, second = (element(i).rect for i in
                                       ("Form1", "Form2", "Form2-column1", "Form2-column2"))
        if beside:
            assert form2["x"] >= form1["x"] + form1["width"] and abs(form2["y"] - form1["y"]) < 40, (form1, form2)
        else:
            assert form2["y"] >= form1["y"] + form1["height"], (form1, form2)
        assert second["x"] == first["x"] + first["width"] and second["y"] == first["y"], (first, second)
        assert first["width"] == 337 and first["height"] == 698, first
    driver.set_window_size(size["width"], size["height"])
    # Tab goes through the panel in its reading order: the first column, then
    # the second (whose results are never focused), then the set-up's buttons.
    named("NOME").click()
    order = [focused()]
    expected = ["Text9", "Command5", "Command6", "Combo3", "Command7", "Command8", "Combo4",
                "Command9", "Command10", "Combo5", "Text4", "Text5", "Text6", "Text7", "Text10",
                "Combo1", "DTPicker1", "Command3", "Text11", "Text12", "Text13", "Command11",
                "Combo2", "Text8", "Command4", "setup-save"]
    for _ in range(80):  # a date-time field may take a press for each of its parts
        ActionChains(driver).send_keys(Keys.TAB).perform()
        if focused() != order[-1]:
            order.append(focused())
        if len(order) == len(expected):
            break
    assert order == expected, order
    element("plan-button").click()
    open_page()
    assert element("plan").get_attribute("hidden") is not None
    js("localStorage.clear()")


def options(name):
    return [o.text for o in Select(named(name)).options]


@test
def the_kit_is_saved_kept_chosen_and_removed():
    """STRUMENTI: a telescope, an eyepiece and a camera saved under NOME, kept
    in localStorage across a reload with a corrupted entry beside them
    (skipped and named), each filling its fields when chosen, Form1
    computing; ELIMINA takes one from the list and the store."""
    open_panel()
    replace_text("Text1", "2032")
    replace_text("Text2", "10")
    element("Command1").click()
    saved = [("TELESCOPIO", "C8", {"DIAMETRO OBIETTIVO": "203.2"}),
             ("OCULARE", "Pl\u00f6ssl 10", {"DIAFRAMMA OCULARE": "9.2"}),
             ("CAMERA", "ASI462", {"PIXEL": "2.9", "SENSORE": "1936x1096"})]
    for kind, name, fields in saved:
        set_field("NOME", name)
        for field, value in fields.items():
            set_field(field, value)
        named("SALVA " + kind).click()
        assert options(kind)[:2] == ["\u2014", name], options(kind)
        assert problem_of("NOME") == "", problem_of("NOME")
    set_field("NOME", "")
    named("SALVA TELESCOPIO").click()
    assert problem_of("NOME") != "" and named("NOME").get_attribute("aria-invalid") == "true"
    stored = js("return Object.keys(localStorage).filter(function (k) {"
                " return k.indexOf('celforo-kit/') === 0; }).sort()")
    assert stored == ["celforo-kit/Camera1", "celforo-kit/Eyepiece1", "celforo-kit/Telescope1"], stored
    js("localStorage.setItem('celforo-kit/Telescope2', '{\"name\": \"rotto\"')")
    open_page()  # the panel was left open: it opens with the kit
    assert options("TELESCOPIO") == ["\u2014", "C8"], options("TELESCOPIO")
    assert options("OCULARE") == ["\u2014", "Pl\u00f6ssl 10"], options("OCULARE")
    assert options("CAMERA")[:2] == ["\u2014", "ASI462"] and len(options("CAMERA")) > 10
    skipped = element("Label51").get_property("textContent")
    assert "kit/Telescope2" in skipped, skipped
    # Other values, then each entry chosen: its fields filled, Form1 computing.
    for id_, text in zip(BOXES, ("1000", "25", "4")):
        replace_text(id_, text)
    element("Command1").click()
    for field, value in (("DIAMETRO OBIETTIVO", "100"), ("DIAFRAMMA OCULARE", "20"),
                         ("PIXEL", "3.75"), ("SENSORE", "1280x960")):
        set_field(field, value)
    for kind, name, fields in saved:
        set_field(kind, name)
        for field, value in fields.items():
            assert named(field).get_property("value") == value, (field, named(field).get_property("value"))
    assert [b.strip() for b in boxes()] == ["2032", "10", "4"], boxes()
    lines = subprocess.run([str(arguments.calc), "2032", "10", "4"], check=True,
                           capture_output=True, text=True).stdout.splitlines()
    assert [r.strip() for r in results()] == [line.split()[-1] for line in lines], (results(), lines)
    # ELIMINA: the chosen telescope goes, from the list and the store.
    set_field("TELESCOPIO", "C8")
    named("ELIMINA TELESCOPIO").click()
    assert options("TELESCOPIO") == ["\u2014"], options("TELESCOPIO")
    assert js("return localStorage.getItem('celforo-kit/Telescope1')") is None
    open_page()
    assert options("TELESCOPIO") == ["\u2014"] and options("OCULARE")[1] == "Pl\u00f6ssl 10"
    js("localStorage.clear()")


# What the page offers as downloads, kept by the test rather than saved: the
# links the page clicks, their blobs read back as base64.
CATCH_DOWNLOADS = """
window.caught = [];
var blobs = {}, make = URL.createObjectURL;
URL.createObjectURL = function (blob) {
  var address = make.call(URL, blob);
  blobs[address] = blob;
  return address;
};
HTMLAnchorElement.prototype.click = function () {
  var name = this.download;
  window.caught.push(blobs[this.href].arrayBuffer().then(function (buffer) {
    var bytes = new Uint8Array(buffer), text = '';
    for (var i = 0; i < bytes.length; ++i) text += String.fromCharCode(bytes[i]);
    return [name, btoa(text)];
  }));
};"""


def caught_downloads(count):
    """The first `count` downloads offered since CATCH_DOWNLOADS, by name."""
    wait_for(lambda: js("return window.caught.length") >= count, f"{count} downloads")
    found = driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "Promise.all(window.caught).then(done);")
    return {name: base64.b64decode(data) for name, data in found}


def open_file(path):
    """APRI IMPOSTAZIONE, the file chosen in the browser's picker: the picker
    the page makes is caught and given the file, as a user would."""
    js("window.picked = null; HTMLInputElement.prototype.click = function () {"
       " window.picked = this; };")
    element("setup-open").click()
    wait_for(lambda: js("return !!window.picked"), "the file picker")
    picker = js("var p = window.picked; p.hidden = false; return p")
    picker.send_keys(str(path))


TRIP = ROOT / "tests" / "data" / "setup-trip.json"
TRIP_WHEN = "2026-12-08T21:00"


def calc_of_setup(path, when):
    """celforo-calc's columns for a set-up file at an instant, as the panel
    shows them, and its picture's SVG."""
    with tempfile.TemporaryDirectory() as folder:
        picture = Path(folder) / "picture.svg"
        columns = celforo_calc("--setup", str(path), "--date", when, "--picture", str(picture))
        return columns, picture.read_bytes()


@test
def the_setup_file_opens_saves_and_exports():
    """tests/data/setup-trip.json opened by the browser's file picker: the
    form, the panel and its results as celforo-calc --setup gives them;
    SALVA IMPOSTAZIONE downloads the same bytes; ESPORTA IMMAGINE downloads
    the picture as celforo-calc writes it, and as PNG of its size; a
    malformed file is refused with its reason and changes nothing."""
    open_panel()
    set_field("DATA E ORA", TRIP_WHEN)
    open_file(TRIP)
    wait_for(lambda: named("LATITUDINE").get_property("value") == "45.07", "the set-up opened")
    expected, svg = calc_of_setup(TRIP, TRIP_WHEN)
    assert [b.strip() for b in boxes()] == ["2500", "5", "2.5"], boxes()
    assert [r.strip() for r in results()] == [expected[c] for c in
                                              ("INGRANDIMENTI", "FOC. EQUIVALENTE",
                                               "DIST. PIANO FOCALE - OCUL.ARE")], results()
    shown = panel_results()
    assert shown == {c: expected.get(c, "") for c in PANEL_CAPTIONS}, (shown, expected)
    assert named("DIAFRAMMA OCULARE").get_property("value") == "5.5"
    js(CATCH_DOWNLOADS)
    element("setup-save").click()
    assert caught_downloads(1) == {"celforo.json": TRIP.read_bytes()}
    js(CATCH_DOWNLOADS)
    element("setup-picture").click()
    pictures = caught_downloads(2)
    assert pictures["celforo.svg"] == svg, pictures["celforo.svg"][:200]
    png = Image.open(io.BytesIO(pictures["celforo.png"]))
    assert png.format == "PNG" and png.size == (321, 150), (png.format, png.size)
    # A malformed file: told why, nothing changed.
    before = (boxes(), panel_results())
    with tempfile.TemporaryDirectory() as folder:
        bad = Path(folder) / "bad.json"
        bad.write_text('{"version": 1, "aperture": -5}')
        open_file(bad)
        wait_for(lambda: element("message").get_attribute("open") is not None, "the refusal")
    said = element("message-text").get_property("textContent")
    assert said.startswith("Impossibile aprire l'impostazione.") and "aperture" in said, said
    element("message-ok").click()
    assert (boxes(), panel_results()) == before
    js("localStorage.clear()")


@test
def a_link_carries_the_setup():
    """COPIA LINK puts the page's address with the set-up in its fragment on
    the clipboard; that address, opened afresh, fills the form and the panel
    and computes; a broken one is refused with its reason."""
    open_panel()
    set_field("DATA E ORA", TRIP_WHEN)
    open_file(TRIP)
    wait_for(lambda: named("LATITUDINE").get_property("value") == "45.07", "the set-up opened")
    js("window.copied = null; navigator.clipboard.writeText = function (text) {"
       " window.copied = text; return Promise.resolve(); };")
    element("setup-link").click()
    link = js("return window.copied")
    assert link.startswith(site.origin + "/#setup="), link
    js("localStorage.clear()")
    driver.get("about:blank")
    driver.get(link)
    wait_for(lambda: element("Form2").is_displayed() and
             named("LATITUDINE").get_property("value") == "45.07", "the link's set-up")
    set_field("DATA E ORA", TRIP_WHEN)
    expected, _ = calc_of_setup(TRIP, TRIP_WHEN)
    assert [b.strip() for b in boxes()] == ["2500", "5", "2.5"], boxes()
    assert panel_results() == {c: expected.get(c, "") for c in PANEL_CAPTIONS}
    driver.get("about:blank")
    driver.get(site.origin + "/#setup=eyJ2ZXJzaW9uIjoxfQ!")
    wait_for(lambda: element("message").get_attribute("open") is not None, "the refusal")
    said = element("message-text").get_property("textContent")
    assert said.startswith("Impossibile aprire il link."), said
    js("localStorage.clear()")
    open_page()


@test
def posizione_fills_the_site_or_names_why_not():
    open_panel()
    fake = ("navigator.geolocation.getCurrentPosition = function (found, failed) {"
            " setTimeout(function () { %s }, 0); };")
    js(fake % "found({coords: {latitude: 45.070312, longitude: 7.686856, altitude: 239.6}});")
    named("POSIZIONE").click()
    wait_for(lambda: named("LATITUDINE").get_property("value") == "45.0703", "the position")
    assert [named(n).get_property("value") for n in ("LONGITUDINE", "QUOTA")] == ["7.6869", "240"]
    assert js("return localStorage.getItem('celforo-plan-Text11')") == "45.0703"
    js(fake % "failed({code: 1, message: 'denied'});")
    named("POSIZIONE").click()
    wait_for(lambda: element("Label64").get_property("textContent") ==
             "Posizione negata dal browser.", "the refusal named")
    js("localStorage.clear()")


# The README's pictures: the set-up of the trip at instants (UTC, the
# suite's zone) when Venus is a crescent, Jupiter shows Io's shadow
# (celforo-calc --events: 02:57 to 05:14 on 2026-12-10) and Saturn is up.
PICTURES = (("Venere", "venus", "2026-12-08T06:30"), ("Giove", "jupiter", "2026-12-10T03:30"),
            ("Saturno", "saturn", "2026-12-08T18:00"))


@test
def the_panel_beside_the_form_and_its_pictures():
    """The panel beside the form on a wide screen, by day and by night, with
    the night's curve; each picture, the field stop's circle in it. Every
    result held to celforo-calc's for the same set-up and instant."""
    size = driver.get_window_size()
    driver.set_window_size(1120, 1000)
    try:
        open_panel()
        set_field("DATA E ORA", PICTURES[1][2])
        open_file(TRIP)
        wait_for(lambda: named("LATITUDINE").get_property("value") == "45.07", "the set-up")
        for name, english, when in PICTURES:
            set_field("OGGETTO", name)
            set_field("DATA E ORA", when)
            with tempfile.NamedTemporaryFile(suffix=".json") as trip:
                setup = json.loads(TRIP.read_text())
                setup["target"] = english
                trip.write(json.dumps(setup).encode())
                trip.flush()
                expected, _ = calc_of_setup(trip.name, when)
            assert panel_results() == {c: expected.get(c, "") for c in PANEL_CAPTIONS}, name
            painted()
            (SHOTS / f"{SHOT_PREFIX}picture-{english}.png").write_bytes(
                element("Picture2").screenshot_as_png)
            assert "field-stop" in element("Picture2").get_property("innerHTML"), name
        js("window.scrollTo(0, 0)")
        painted()
        screenshot("panel-beside-form1.png")
        element("night").click()
        js("window.scrollTo(0, 0); document.activeElement.blur()")
        painted()
        assert_only_red(screenshot("panel-beside-form1-night.png"), "the page by night")
        js("localStorage.clear()")
    finally:
        driver.set_window_size(size["width"], size["height"])


@test
def the_panel_is_red_on_black_at_night():
    # WebKitGTK draws the page's scroll bar itself, in its own grey, as a
    # desktop draws its title bars: the window is made tall enough to need none.
    size = driver.get_window_size()
    driver.set_window_size(1000, 1400)
    open_panel()
    set_field("OGGETTO", "Saturno")
    element("night").click()
    named("PIXEL").click()
    image = screenshot("night-panel.png")
    assert_only_red(image, "the panel")
    assert_only_red(Image.open(io.BytesIO(element("Picture2").screenshot_as_png)).convert("RGB"),
                    "the picture")
    js("localStorage.clear()")
    driver.set_window_size(size["width"], size["height"])


def painted():
    """Returns once the page has painted what scripts changed: WebKitGTK's
    screenshot may show an older frame otherwise."""
    driver.execute_async_script("var done = arguments[arguments.length - 1];"
                                "requestAnimationFrame(function () { requestAnimationFrame(done); })")


def shape_sample():
    """The sample of every shape: the page's markup by day and by night, the
    exported document, and the probes with their colours."""
    written = subprocess.run([str(path) for path in arguments.shapes], check=True,
                             capture_output=True).stdout
    return json.loads(written.decode("utf-8"))


def shapes_misplaced(image, sample, theme):
    """What of the sample `image` shows (from its top-left corner, at its
    pixel ratio) is not where and in the colour the probes want."""
    ratio = image.width / sample["width"]
    image = image.convert("RGB")
    wrong = []
    for probe in sample["probes"]:
        seen = image.getpixel((int(probe["x"] * ratio), int(probe["y"] * ratio)))
        if list(seen) != probe[theme]:
            wrong.append(f"{probe['what']}: {seen}")
    sky = tuple(sample["sky"][theme])
    for region in sample["regions"]:
        left, top = (int(v * ratio) for v in region["box"][:2])
        right = int((region["box"][0] + region["box"][2]) * ratio)
        bottom = int((region["box"][1] + region["box"][3]) * ratio)
        inked = sum(image.getpixel((x, y)) != sky
                    for y in range(top, bottom) for x in range(left, right))
        if (inked > 0) != region["inked"]:
            wrong.append(f"{region['what']}: {inked} pixels inked")
    return wrong


@test
def every_shape_is_painted_where_it_belongs():
    sample = shape_sample()
    svg = ElementTree.fromstring(sample["document"].encode("utf-8"))  # well-formed XML
    title = svg.find("{http://www.w3.org/2000/svg}title")
    assert svg.tag == "{http://www.w3.org/2000/svg}svg" and title.text == sample["name"], svg
    open_page()
    ratio = js("return window.devicePixelRatio")
    size = (round(sample["width"] * ratio), round(sample["height"] * ratio))
    for theme in ("day", "night"):
        # The page's body holds the sample alone, read from the page's
        # screenshot (WebKitGTK shoots an element alone black).
        corner = js("var d = document.createElement('div'); d.style.lineHeight = '0';"
                    "d.innerHTML = arguments[0]; document.body.replaceChildren(d);"
                    "window.scrollTo(0, 0); var r = d.firstChild.getBoundingClientRect();"
                    "return [r.left, r.top]", sample[theme])
        left, top = (round(v * ratio) for v in corner)
        painted()
        image = screenshot(f"shapes-{theme}.png").crop((left, top, left + size[0], top + size[1]))
        wrong = shapes_misplaced(image, sample, theme)
        assert not wrong, (theme, wrong)
        if theme == "night":
            assert_only_red(image, "the shapes by night")
    # The exported picture, opened as a file of its own: the day's colours.
    (Path(served.name) / "site" / "shapes.svg").write_text(sample["document"], encoding="utf-8")
    driver.get(site.origin + "/shapes.svg")
    assert driver.title == sample["name"], driver.title
    painted()
    wrong = shapes_misplaced(screenshot("shapes-document.png").crop((0, 0) + size), sample, "day")
    assert not wrong, ("the document", wrong)


def axe_violations():
    """What axe-core finds against WCAG 2.1 A and AA, and a page without a
    level-one heading, in the page as it is now."""
    js(arguments.axe.read_text())
    return driver.execute_async_script(
        "var done = arguments[arguments.length - 1];"
        "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]},"
        "                   rules: {'page-has-heading-one': {enabled: true}}})"
        ".then(function (results) { done(results.violations.map(function (v) {"
        "  return v.id + ': ' + v.help + ' (' + v.nodes.map(function (n) {"
        "    return n.target.join(' ') + (n.failureSummary ? ' - ' + n.failureSummary : '');"
        "  }).join('; ') + ')'; })); }, function (error) { done(['axe-core failed: ' + error]); });",
        ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"])


# The states of the page that axe-core checks, each shown by its function.
page_states = []


def page_state(name):
    def register(show):
        page_states.append((name, show))
        return show
    return register


@page_state("by day")
def show_day():
    open_page()


@page_state("by night")
def show_night():
    open_page()
    element("night").click()


@page_state("with the message open")
def show_message():
    open_page()
    replace_text("Text3", "0")
    element("Command1").click()


@page_state("with the planning panel open")
def show_panel():
    open_panel()
    set_field("OGGETTO", "Saturno")
    set_field("PIXEL", "abc")  # a problem shown beside its field


@page_state("with the planning panel open by night")
def show_panel_at_night():
    show_panel()
    element("night").click()


@test
def no_accessibility_violation_by_axe_core():
    found = {}
    for name, show in page_states:
        show()
        found[name] = axe_violations()
        js("localStorage.clear()")  # by day again for what follows
    assert not any(found.values()), json.dumps(found, indent=1, ensure_ascii=False)


@test
def the_page_names_its_licence():
    open_page()
    about = element("about")
    assert "licenza MIT" in about.text, about.text
    links = {a.text: a.get_attribute("href") for a in about.find_elements(By.TAG_NAME, "a")}
    assert links == {"licenza MIT": site.origin + "/LICENSE.txt",
                     "librerie incluse": site.origin + "/THIRD-PARTY-NOTICES.txt"}, links
    expected = {"licenza MIT": (ROOT / "LICENSE").read_text(encoding="utf-8"),
                "librerie incluse": (ROOT / "data" / "THIRD-PARTY-NOTICES.txt").read_text(
                    encoding="utf-8")}
    for name, url in links.items():  # read as the browser decodes them
        driver.get(url)
        shown = js("return document.body.textContent").replace("\r\n", "\n")
        assert shown.strip() == expected[name].strip(), (name, shown[:200])


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
    """With the server stopped and nothing in the browser's HTTP cache, as on
    a device that has lost it, only the service worker's files can serve."""
    open_page()
    assert len(stored_caches()) == 1
    if CHROMIUM:
        driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    site.stop()
    driver.refresh()
    wait_for(lambda: js("var l = document.getElementById('Label1'); return l && l.textContent"),
             "the results with the server stopped")
    assert boxes() == DEFAULT_BOXES and results() == DEFAULT_RESULTS
    driver.get(site.origin + "/LICENSE.txt")
    assert js("return document.body.textContent").startswith("MIT License"), "the licence offline"


def log_entries(kind):
    return driver.get_log(kind)


def collect_requests():
    for entry in log_entries("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            requested.append(message["params"]["request"]["url"])


def no_request_to_another_origin():
    # The browser's own pages (chrome://) are no request of the page's.
    if not requested:
        collect_requests()
    foreign = [url for url in requested if re.match(r"(https?|wss?|ftp):", url)
               and not url.startswith(site.origin + "/")]
    assert requested and not foreign, foreign


def no_policy_violation():
    complaints = [e["message"] for e in log_entries("browser")
                  if "Content Security Policy" in e["message"] or e["level"] == "SEVERE"]
    assert not complaints, complaints


passed = failed = skipped = 0
try:
    for check, devtools in tests + [(no_request_to_another_origin, True),
                                    (no_policy_violation, True)]:
        if arguments.only and arguments.only not in check.__name__:
            continue
        if devtools and not CHROMIUM:
            skipped += 1
            print(f"skipped {check.__name__}: it needs Chromium's DevTools", flush=True)
            continue
        try:
            check()
            if CHROMIUM:
                collect_requests()
            passed += 1
            print(f"ok {check.__name__} ({ENGINE})", flush=True)
        except Exception:  # one failing check does not stop the others
            failed += 1
            print(f"FAILED {check.__name__} ({ENGINE})\n{traceback.format_exc()}", flush=True)
finally:
    driver.quit()
print(f"{ENGINE}: {passed} passed, {failed} failed, {skipped} skipped")
sys.exit(1 if failed else 0)
