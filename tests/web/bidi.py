"""A small client of WebDriver BiDi, Firefox's own remote protocol: starts a
headless Firefox ESR with a fresh profile and talks to its first tab. It
offers what cdp.Browser offers the tests that run in both browsers."""
import json
import shutil
import subprocess
import tempfile

import websocket

from remote_protocol import RemoteProtocol

# A fresh profile asks for nothing and fetches nothing of its own accord.
PREFERENCES = {"browser.shell.checkDefaultBrowser": False, "datareporting.policy.dataSubmissionEnabled": False,
               "toolkit.telemetry.reportingpolicy.firstRun": False, "app.update.disabledForTesting": True,
               "browser.startup.homepage_override.mstone": "ignore", "remote.prefs.recommended": True}
# A touch screen: a coarse pointer that cannot hover, and touch events; or a
# mouse, a fine pointer that hovers (headless, Firefox has no pointer at all).
POINTERS = {True: {"ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1,
                   "dom.w3c_touch_events.enabled": 1},
            False: {"ui.primaryPointerCapabilities": 6, "ui.allPointerCapabilities": 6}}


class Browser(RemoteProtocol):
    name = "Firefox"

    def __init__(self, touch=False):
        """A Firefox for a mouse, or with touch=True for a touch screen, which
        Firefox decides when it starts."""
        self.profile = tempfile.mkdtemp(prefix="orvane-firefox-")
        preferences = {**PREFERENCES, **POINTERS[touch]}
        with open(f"{self.profile}/user.js", "w", encoding="utf-8") as user:
            user.writelines(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n"
                            for name, value in preferences.items())
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile, "--remote-debugging-port=0",
             "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        # Firefox refuses a connection that names an origin it was not told of.
        self.socket = websocket.create_connection(self._address() + "/session", timeout=60, suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.call("session.new", capabilities={"alwaysMatch": {"unhandledPromptBehavior": {"default": "ignore"}}})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("session.subscribe", events=["log.entryAdded"])
        self.finger = touch

    def _address(self):
        for line in self.process.stderr:
            if "WebDriver BiDi listening on ws://" in line:
                return "ws://" + line.split("ws://")[1].strip()
        raise RuntimeError("Firefox did not start its WebDriver BiDi server")

    def _failure(self, message):
        if message.get("type") == "error":
            return f"BiDi: {message['error']}: {message.get('message')}"
        return None

    def _is_event(self, message):
        return message.get("type") == "event"

    def evaluate(self, expression):
        """The expression's value, awaited, as JSON carries it."""
        result = self.call("script.evaluate", expression=f"(async () => JSON.stringify(await ({expression})))()",
                           target={"context": self.context}, awaitPromise=True, resultOwnership="none")
        if result["type"] == "exception":
            raise RuntimeError(f"page: {result['exceptionDetails']['text']}")
        value = result["result"]
        return json.loads(value["value"]) if value["type"] == "string" else None

    def open(self, url, script=""):
        """Loads the page at url, with script run before the page's own, and
        waits until it has its keypad."""
        if script:
            self.call("script.addPreloadScript", functionDeclaration=f"() => {{ {script} }}")
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")
        self.wait_for("document.documentElement?.dataset.ready === 'true'", seconds=30)

    def screen(self, width, height, scale, finger, safe=0):
        """The viewport's size and pixel ratio. A finger or a mouse is the
        browser's own, and a safe area has no stand-in here."""
        if finger != self.finger or safe:
            raise ValueError("this Firefox was started for the other pointer, or with a safe area")
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=scale)

    def _pointer(self, kind, presses):
        return self.send("input.performActions", context=self.context, actions=[{
            "type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": presses}])

    def click(self, x, y, button="left"):
        """A click at (x, y); the ids to wait for."""
        number = {"left": 0, "middle": 1, "right": 2}[button]
        return [self._pointer("mouse", [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                        {"type": "pointerDown", "button": number},
                                        {"type": "pointerUp", "button": number}])]

    def tap(self, x, y):
        """A finger down and up at (x, y); the ids to wait for."""
        return [self._pointer("touch", [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}])]

    def errors(self):
        """The page's errors and warnings logged so far."""
        return [event["params"].get("text") for event in self.events
                if event["method"] == "log.entryAdded" and event["params"].get("level") in ("error", "warn")]

    def close(self):
        try:
            self.call("browser.close")
        except (RuntimeError, OSError, websocket.WebSocketException):
            pass
        self.socket.close()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
