"""What the page's tests and benchmarks share: a folder served on the loopback
as any static host serves it, and the browsers under Selenium, all from
Debian's packages: headless Chromium, and WebKitGTK, Safari's engine, through
WebKitWebDriver and its MiniBrowser (a window: it needs an X display, Xvfb)."""
import functools
import http.server
import socket
import threading
from urllib.parse import urlsplit

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ENGINES = ("chromium", "webkit")
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


class Hold:
    """Holds back the server's answer to `path` until release(): the whole of
    it, or with `after`, the part that follows the first `after` in it (the
    browser has what comes before and works on it meanwhile). `reached` is set
    once an answer is being held."""

    def __init__(self, path, after=None):
        self.path, self.after = path, after
        self.reached = threading.Event()
        self._released = threading.Event()

    def release(self):
        self._released.set()

    def wait(self):
        self.reached.set()
        self._released.wait(60)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # connections kept open, as static hosts do

    def log_message(self, *args):
        pass

    def setup(self):
        super().setup()
        self.server.connections.add(self.connection)

    def finish(self):
        super().finish()
        self.server.connections.discard(self.connection)

    def hold(self):
        return self.server.holds.get(urlsplit(self.path).path)

    def end_headers(self):
        if self.server.no_store:
            self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def do_GET(self):
        hold = self.hold()
        if hold and hold.after is None:
            hold.wait()
        super().do_GET()

    def copyfile(self, source, outputfile):
        hold = self.hold()
        if not hold or hold.after is None:
            super().copyfile(source, outputfile)
            return
        data = source.read()
        cut = data.index(hold.after.encode()) + len(hold.after)
        outputfile.write(data[:cut])
        outputfile.flush()
        hold.wait()
        outputfile.write(data[cut:])


class Site:
    """`folder` served at self.origin until stop(). The answers to the paths of
    `holds` (Hold) are held back until released; with `no_store`, every answer
    forbids the browser to keep it in its HTTP cache."""

    def __init__(self, folder, holds=(), no_store=False):
        handler = functools.partial(QuietHandler, directory=str(folder))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        self.server.holds = {hold.path: hold for hold in holds}
        self.server.no_store = no_store
        self.server.connections = set()  # open, kept alive between requests
        self.origin = f"http://127.0.0.1:{self.server.server_port}"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        """Stops answering, as a server that has gone away: the connections
        the browser keeps open are closed too."""
        for hold in self.server.holds.values():
            hold.release()
        self.server.shutdown()
        self.server.server_close()
        for connection in list(self.server.connections):
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass  # closed already


def chromium(profile, page_load_strategy="normal"):
    """Headless Chromium with a fresh profile in the folder `profile`, as root
    too, reaching no network of its own; requests and console kept in its logs."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-dev-shm-usage", "--force-color-profile=srgb",
                 "--window-size=800,600", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    options.page_load_strategy = page_load_strategy
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def webkit(page_load_strategy="normal"):
    """WebKitGTK's MiniBrowser driven by WebKitWebDriver, in a window of
    800 x 600 on the X display of $DISPLAY; each session starts with no stored
    data of its own."""
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    options.page_load_strategy = page_load_strategy
    driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
    driver.set_window_size(800, 600)
    return driver


def browser(engine, profile, page_load_strategy="normal"):
    """A new session of `engine` (one of ENGINES)."""
    if engine == "chromium":
        return chromium(profile, page_load_strategy)
    return webkit(page_load_strategy)
