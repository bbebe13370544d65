# SPDX-License-Identifier: MIT
"""The page in a real browser: a static server on a loopback port and
headless Chromium driven through WebDriver (Debian's chromium,
chromium-driver and python3-selenium)."""

import base64
import contextlib
import functools
import http.server
import os
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = os.environ.get("NUMERANT_CHROMIUM", "/usr/bin/chromium")
CHROMEDRIVER = os.environ.get("NUMERANT_CHROMEDRIVER", "/usr/bin/chromedriver")


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass


class _QuietServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a browser that hangs up early is no fault of the page


class Site:
    """Serves a folder below /numerant/ on a free loopback port, so that the
    page is seen as it is on a static host that keeps it in a subfolder."""

    def __init__(self, folder):
        self._root = tempfile.mkdtemp(prefix="numerant-site-")
        os.symlink(os.path.abspath(folder), os.path.join(self._root, "numerant"))
        handler = functools.partial(_QuietHandler, directory=self._root)
        self._server = _QuietServer(("127.0.0.1", 0), handler)
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()
        self.origin = f"http://127.0.0.1:{self._server.server_address[1]}"
        self.url = f"{self.origin}/numerant/"

    def close(self):
        self._server.shutdown()
        self._server.server_close()
        shutil.rmtree(self._root, ignore_errors=True)


class Browser:
    """Headless Chromium on a fresh profile; closed networks need it to try
    nothing beyond the page it is given."""

    def __init__(self, width=1000, height=760):
        self._profile = tempfile.mkdtemp(prefix="numerant-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in (
            "--headless",
            "--no-sandbox",
            "--disable-gpu",
            "--disable-quic",
            "--no-first-run",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
            "--disable-dev-shm-usage",
            "--hide-scrollbars",
            "--lang=en-US",
            f"--user-data-dir={self._profile}",
            f"--window-size={width},{height}",
        ):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def open(self, url):
        """Loads the page afresh and waits until it can answer."""
        self.driver.get("about:blank")
        self.driver.get(url)
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        state = self.driver.execute_script("return document.documentElement.dataset.ready")
        if state != "true":
            raise RuntimeError("the page did not start: " + self.element("status").text)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def focused_id(self):
        return self.driver.execute_script("return document.activeElement.id")

    def emulate(self, width=None, height=None, scale=1, mobile=False, dark=None):
        """A screen of another size and pixel ratio, and the system's colour scheme."""
        if width is not None:
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        if dark is not None:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme",
                              "value": "dark" if dark else "light"}]})

    def screenshot(self, path):
        """A picture of the whole page, as tall as its content."""
        height = self.driver.execute_script(
            "return Math.ceil(document.documentElement.getBoundingClientRect().height)")
        width = self.driver.execute_script("return window.innerWidth")
        metrics = self.driver.execute_cdp_cmd("Page.getLayoutMetrics", {})
        scale = metrics.get("cssVisualViewport", {}).get("zoom", 1) or 1
        result = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "captureBeyondViewport": True,
            "clip": {"x": 0, "y": 0, "width": width, "height": height, "scale": scale}})
        with open(path, "wb") as picture:
            picture.write(base64.b64decode(result["data"]))
        return path

    def close(self):
        with contextlib.suppress(Exception):
            self.driver.quit()
        shutil.rmtree(self._profile, ignore_errors=True)
