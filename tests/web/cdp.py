"""A small client of Chromium's DevTools protocol: starts a headless
Chromium with a fresh profile and talks to its first page."""
import json
import shutil
import subprocess
import tempfile
import urllib.request

import websocket

from remote_protocol import RemoteProtocol

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--remote-allow-origins=*"]


class Browser(RemoteProtocol):
    name = "Chromium"

    def __init__(self, *flags):
        self.profile = tempfile.mkdtemp(prefix="orvane-chromium-")
        self.process = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, f"--user-data-dir={self.profile}", "--remote-debugging-port=0",
             *flags, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.port = port = self._devtools_port()
        targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        page = next(t for t in targets if t["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0
        self.events = []

    def _devtools_port(self):
        for line in self.process.stderr:
            if "DevTools listening on ws://" in line:
                return int(line.split("ws://127.0.0.1:")[1].split("/")[0])
        raise RuntimeError("Chromium did not start its DevTools server")

    def _failure(self, message):
        return f"DevTools: {message['error']}" if "error" in message else None

    def _is_event(self, message):
        return "method" in message

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"page: {result['exceptionDetails']}")
        return result["result"].get("value")

    def load(self, method, **params):
        """Navigates or reloads, and waits until the new page has its keypad."""
        self.evaluate("delete document.documentElement.dataset.ready")
        self.call(method, **params)
        self.wait_for("document.documentElement?.dataset.ready === 'true'", seconds=30)

    def new_tab(self, url):
        """A new tab of this browser at url, driven as the first is; closed with the browser."""
        request = urllib.request.Request(f"http://127.0.0.1:{self.port}/json/new?{url}", method="PUT")
        tab = object.__new__(Browser)
        tab.socket = websocket.create_connection(json.load(urllib.request.urlopen(request))["webSocketDebuggerUrl"],
                                                 timeout=60)
        tab.next_id, tab.events = 0, []
        return tab

    def open(self, url, script=""):
        """Loads the page at url, with script run before the page's own, and
        waits until it has its keypad."""
        if script:
            self.call("Page.addScriptToEvaluateOnNewDocument", source=script)
        self.load("Page.navigate", url=url)

    def screen(self, width, height, scale, finger, safe=0):
        """The viewport's size and pixel ratio, a finger or a mouse, and the
        safe area's margin on every side."""
        self.call("Emulation.setTouchEmulationEnabled", enabled=finger, maxTouchPoints=5)  # a palm's five
        self.call("Emulation.setSafeAreaInsetsOverride", insets=dict.fromkeys(("top", "left", "bottom", "right"), safe))
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                  mobile=finger)

    def click(self, x, y, button="left"):
        """A click at (x, y); the ids to wait for."""
        return [self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button, clickCount=1)
                for kind in ("mousePressed", "mouseReleased")]

    def touch(self, kind, *points):
        """Touches at the points, as one event of kind; its id."""
        return self.send("Input.dispatchTouchEvent", type=kind, touchPoints=[
            {"x": x, "y": y, "id": number} for number, (x, y) in enumerate(points)])

    def tap(self, x, y):
        """A finger down and up at (x, y); the ids to wait for."""
        return [self.touch("touchStart", (x, y)), self.touch("touchEnd")]

    def close(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
