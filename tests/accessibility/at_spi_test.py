#!/usr/bin/python3
"""The calculator as assistive technology on the desktop meets it.

Through the platform's accessibility bus (AT-SPI), not Qt's in-process
interfaces: a client on pyatspi finds the window, reads the names in a
Japanese and an English locale, looks for internal names, presses keys
through the buttons' actions and reads the answer display; then Debian's
screen reader, Orca, must speak the answer after keys typed on the keyboard.

The browser edition then meets Orca too, in Chromium and Firefox ESR: keys typed
straight after the page loads must reach the calculator and be told in words.

Usage: at_spi_test.py PATH_TO_ORVANE --page BUILT_PAGE_DIR. Exit status 0
passed, 1 failed, 77 skipped (a tool the test needs is missing).
"""

import argparse
import contextlib
import html
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "web"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from session import Session, SetupError, generate_locale, poll, stop  # noqa: E402

SKIP = 77

# What screen readers hear, per locale: (where, what, English, Japanese).
# Buttons are CommandN, displays LabelN, the menus of the bar "menu N".
WORDS = [
    ("Command1", "name", "equals", "イコール"),
    ("Command1", "description", "Evaluates the whole expression and shows the answer. Key: =",
     "式全体を計算して、答えを表示します。 キー：="),
    ("Command2", "name", "clear all", "オールクリア"),
    ("Command14", "name", "plus", "プラス"),
    ("Command16", "name", "times", "かける"),
    ("Command18", "name", "open parenthesis", "開き括弧"),
    ("Command34", "name", "sine", "サイン"),
    ("Command43", "name", "inverse cosecant, not available", "アークコセカント、使用できません"),
    ("Label1", "name", "expression", "式"),
    ("Label2", "name", "answer", "答え"),
    ("Label2", "description", "The answer of the last evaluation, or why it failed.",
     "最後の計算の答え、または計算できなかった理由です。"),
    ("menu 0", "name", "File", "ファイル"),
    ("menu 1", "description", "Copies the expression or the answer to the clipboard.",
     "式または答えをクリップボードにコピーします。"),
    ("menu 2", "name", "Help", "ヘルプ"),
]

ENGLISH, JAPANESE = 0, 1

# (row name, environment, the language expected)
# The first two are the sessions Orca is heard in as well.
LOCALES = [
    ("English", {"LANG": "C.UTF-8"}, ENGLISH),
    ("Japanese", {"LANG": "ja_JP.UTF-8"}, JAPANESE),
    ("no translation", {"LANG": "C.UTF-8", "LANGUAGE": "fr:de"}, ENGLISH),
    ("broken LANGUAGE", {"LANG": "C.UTF-8", "LANGUAGE": ":::@@x.y:"}, ENGLISH),
]

# Keys pressed through the buttons' actions, and what the answer display
# then shows: (row name, buttons, answer).
SEQUENCES = [
    ("2 + 3 × 4 =", [5, 14, 6, 16, 7, 1], "14"),
    ("then + = again", [14, 1], "The expression is incomplete."),
]

# What each display reads after backspace on the empty expression: words,
# never a bare sign or nothing.
EMPTIED = {"Label1": "empty", "Label2": "no answer", "Label3": "memory 1", "Label4": "memory 2"}

INTERNAL_NAME = re.compile(r"^(Command\d+|Label\d+|mnu\w+|frmAbout|cmdOK|lbl\w+|pic\w+)$")

JAPANESE_CHARACTER = re.compile(r"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def deadline(seconds):
    """One deadline for the whole run, so that nothing may hang: the time
    left for a step that needs at most cap."""
    end = time.monotonic() + seconds
    return lambda cap: max(0.1, min(cap, end - time.monotonic()))


def pump_until(predicate, timeout):
    """poll, delivering the bus's events meanwhile."""
    from gi.repository import GLib
    context = GLib.MainContext.default()

    def pumped():
        while context.iteration(False):
            pass
        return predicate()
    return poll(pumped, timeout, 0.02)


def find_application(pyatspi, pid, timeout):
    """The program on the bus, once its frame holds the menu bar and the rest."""
    def look():
        for app in pyatspi.Registry.getDesktop(0):
            with contextlib.suppress(Exception):  # gone meanwhile, or not yet filled
                if app.get_process_id() == pid and app[0].childCount >= 2:
                    return app
    return pump_until(look, timeout)


def window_objects(app):
    """The calculator's objects on the bus by their window names, and its "frame"."""
    frame = app[0]
    by_role = {child.getRoleName(): child for child in reversed(list(frame))}
    client, menu_bar = by_role["filler"], by_role["menu bar"]
    objects = {"frame": frame}
    # The client area holds the four displays, then the buttons in the order
    # of their numbers.
    for index in range(min(client.childCount, 4 + 45)):
        child = client.getChildAtIndex(index)
        if child.getRoleName() == "status bar" and child.childCount:
            child = child.getChildAtIndex(0)  # the answer display stands in it
        objects[f"Label{index + 1}" if index < 4 else f"Command{index - 3}"] = child
    objects.update((f"menu {index}", menu) for index, menu in enumerate(menu_bar))
    return objects


def walk(accessible, depth=0):
    yield accessible
    if depth > 8:
        return
    for child in accessible:
        if child is not None:
            yield from walk(child, depth + 1)


@contextlib.contextmanager
def running(session, argv, env, row=None):
    """A program for a with block; with a row, one that must write nothing on
    its terminal."""
    path = os.path.join(session.dir, f"stderr-{len(session.processes)}")
    with open(path, "w", encoding="utf-8") as stderr:
        process = session.start(argv, env=dict(session.env, **env), stderr=stderr)
    try:
        yield process
    finally:
        stop(process)
    with open(path, encoding="utf-8", errors="replace") as f:
        said = f.read()
    check(row is None or said == "", f"{row}: the program wrote on its terminal: {said!r}")


def calculator(session, orvane, env, row=None):
    return running(session, [orvane], dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), row)


def check_names(pyatspi, session, orvane, clock):
    """The names in each locale; in the first, English, keys pressed too."""
    events = []

    def on_text_changed(event):
        with contextlib.suppress(Exception):
            events.append((event.source.name, event.type, event.any_data))
    pyatspi.Registry.registerEventListener(on_text_changed, "object:text-changed")
    for row, env, language in LOCALES:
        with calculator(session, orvane, env, row) as process:
            app = find_application(pyatspi, process.pid, clock(30))
            if not check(app, f"{row}: the window never appeared on the accessibility bus"):
                continue
            window = window_objects(app)
            for where, what, *words in WORDS:
                heard = getattr(window[where], what)
                check(heard == words[language],
                      f"{row}: the {what} of {where} is {heard!r}, expected {words[language]!r}")
            for accessible in walk(window["frame"]):
                check(not INTERNAL_NAME.match(accessible.name or ""),
                      f"{row}: an internal name is exposed: {accessible.name!r}")
            for hidden in ("Command20", "Command21"):
                states = window[hidden].getState()
                check(not window[hidden].name and not window[hidden].description
                      and not states.contains(pyatspi.STATE_VISIBLE)
                      and not states.contains(pyatspi.STATE_SHOWING),
                      f"{row}: {hidden} is not drawn but says something or is visible")
            binding = window["menu 0"].queryAction().getKeyBinding(0)
            check(binding.startswith("Alt+F;"), f"{row}: the File menu's access key reads {binding!r}")
            check(not window["Command44"].getState().contains(pyatspi.STATE_ENABLED),
                  f"{row}: Command44 claims to be available")
            if row == LOCALES[0][0]:
                check_sequences(pyatspi, clock, window, events)
    pyatspi.Registry.deregisterEventListener(on_text_changed, "object:text-changed")


def check_without_bus(session, orvane, clock):
    """With no accessibility bus at all the program starts as usual, quietly."""
    no_bus = {"DBUS_SESSION_BUS_ADDRESS": "unix:path=" + session.dir + "/no-bus"}
    with calculator(session, orvane, no_bus, "without a bus") as process:
        check(session.find_window(process, "^Orvane$", clock(20), clock(20)),
              "without a bus the window did not appear")
        check(process.poll() is None, "without a bus the program ended")


def check_sequences(pyatspi, clock, window, events):
    window["Command22"].queryAction().doAction(0)
    for display, expected in EMPTIED.items():
        text = window[display].queryText()
        check(pump_until(lambda: text.getText(0, -1) == expected, clock(5)),
              f"{display} reads {text.getText(0, -1)!r}, expected {expected!r}")
    answer = window["Label2"].queryText()
    for row, buttons, expected in SEQUENCES:
        del events[:]
        for number in buttons:
            window[f"Command{number}"].queryAction().doAction(0)
        check(pump_until(lambda: answer.getText(0, -1) == expected, clock(10)),
              f"{row}: the answer display reads {answer.getText(0, -1)!r}, expected {expected!r}")
        heard = pump_until(lambda: [e for e in events if e[0] == "answer" and e[1].endswith("insert")
                                    and e[2] == expected], clock(10))
        check(heard, f"{row}: no text-changed event brought {expected!r}; saw {events}")
        check_character_boxes(pyatspi, row, window["Label2"], answer)


def check_character_boxes(pyatspi, row, display, text):
    """Review modes read a display only where its characters stand on screen."""
    box = display.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    count = text.characterCount
    previous_right = None
    for offset in range(count):
        x, y, width, height = text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
        check(width > 0 and height > 0, f"{row}: character {offset} has an empty box")
        check(box.x <= x and x + width <= box.x + box.width and box.y <= y
              and y + height <= box.y + box.height,
              f"{row}: character {offset} at {(x, y, width, height)} lies outside {box}")
        if previous_right is not None:
            check(x == previous_right, f"{row}: character {offset} does not follow the one before")
        previous_right = x + width
        found = text.getOffsetAtPoint(x + width // 2, y + height // 2, pyatspi.DESKTOP_COORDS)
        check(found == offset, f"{row}: the point inside character {offset} gives offset {found}")
    if count:
        check(previous_right == box.x + box.width,
              f"{row}: the right-aligned caption ends at {previous_right}, not at {box.x + box.width}")


# Orca's status-bar command; in browse mode, the expression's second character.
STATUS_BAR, BY_LINE = "Insert+KP_Enter Insert+KP_Enter", "Control+Home Down Down"
BY_CHARACTER = BY_LINE + " Right"

# Three keys a second, too fast for a voice to say each echo: the first key
# is said at once (where the next key leaves the screen reader time for it),
# the rest in one line once the typing stops, which no key then cuts short
# (see check_burst).
BURST = ("burst", "12+3*4", "2 plus 3 times 4", "2 プラス 3 かける 4")

def command_steps(tabs, answer, japanese_answer):
    """The window's commands, as steps: = with the focus moved on to the sine
    key, which Enter would press; the expression said on request; a paste
    heard as one line, and a refused one saying why."""
    return [("key", "Escape", "cleared", "クリア"), ("key", " ".join(["Tab"] * tabs), "sine", "サイン"),
            ("type", "s30", (), ()), ("key", "equal", answer, japanese_answer),
            ("key", "F2", "Expression: Sin30. Answer: 0.5.", "式：Sin30"),
            ("key", "Escape", "cleared", "クリア"), ("clip", "163+195.72", (), ()),
            ("key", "ctrl+v", "pasted 163 plus 195.72", "163 プラス 195.72 を貼り付け"),
            ("clip", "172 apples", (), ()),
            ("key", "ctrl+v", "nothing pasted: “a” has no key", "「a」のキーはありません")]


# What Orca must say after each step (see act), in an English and a Japanese
# session: (step, argument, English, Japanese), several texts in their order.
ORCA_STEPS = [
    BURST,
    ("key", "Escape", "cleared", "クリア"),
    ("type", "0", "0.", "0."),
    ("type", ".", "refused", "できません"),
    ("key", "Escape", "cleared", "クリア"),
    ("type", "2+3*4(", ("2", "plus", "times open parenthesis"), ("2", "プラス", "かける 開き括弧")),
    ("key", "BackSpace BackSpace", ("deleted open parenthesis", "deleted times"),
     ("開き括弧 を削除", "かける を削除")),
    ("key", "Return", "14", "14"),
    ("press", "Command25", "memory 1 stored: 14", "メモリ1に記憶、14"),
    ("type", "+", "plus", "プラス"),
    ("key", "Return", "The expression is incomplete.", "式が不完全です"),
    # Where am I: the message as it is, not as an answer.
    ("key", "KP_Enter", "Key: = The expression is incomplete.", "キー：= 式が不完全です"),
    # Recalling sounds unlike storing.
    ("press", "Command27", "memory 1 recalled: 14", "メモリ1を呼び出し、14"),
    ("type", "7/8-9*2", ("divided by", "minus", "times"), ("わる", "マイナス", "かける")),
    # Typed with no delay at all, then evaluated: the answer is never lost.
    ("fast", "12+34*56-78+90*12-37+45*6-8+9", "3152", "3152"),
    # Where am I, on the evaluate key that has the focus.
    ("key", "KP_Enter", "Answer: 3152.", "答えは 3152。"),
    ("key", STATUS_BAR, "Answer: 3152.", "答えは 3152。"),
    # Copy says what it copied.
    ("key", "--delay 300 alt+e c", "copied 12 plus 34", "をコピー"),
    # The window's commands, from the evaluate key 23 Tabs on to sine.
    *command_steps(23, "0.5", "0.5"),
    ("about", "menu 2", "version 1.1.", "バージョン 1.1."),
]

# The page typed into straight after it loads, with no screen-reader command
# first: (step, argument, what Orca says in English, for a Japanese browser).
# What each key says the browser test compares with the desktop; here, that
# Orca hears it: at three keys a second, repeated, and on demand.
PAGE_STEPS = [
    # Once loaded the page says where the user is: its name, the focused key and the hint.
    ("load", "", "Orvane. equals. Screen readers: just type", "Orvane. イコール. スクリーンリーダー"),
    BURST,
    ("key", "Return", "Answer: 24.", "答えは 24。"),
    ("key", "Return", "Answer: 24.", "答えは 24。"),
    # Where am I on the evaluate key, and the status bar.
    ("key", "KP_Enter", "Answer: 24.", "答えは 24。"),
    ("key", STATUS_BAR, "Answer: 24.", "答えは 24。"),
    ("key", "Escape", "cleared", "クリア"),
    ("key", "Escape", "cleared", "クリア"),
    # Read in browse mode, which leaves the focus where the reading stopped:
    # back in focus mode, Enter still evaluates.
    ("type", "2+5", "5", "5"),
    ("key", "Insert+a", "Browse mode", "Browse mode"),
    # The expression display, reached from the top, is a line of its own,
    # read by its name, what it is and what it shows, then character by character.
    ("line", BY_LINE, "expression display 2+5.", "式 表示部 2+5."),
    ("key", BY_CHARACTER, "+", "+"),
    ("key", "Up Up Up", (), ()),
    ("key", "Insert+a", "Focus mode", "Focus mode"),
    ("key", "Return", "Answer: 7.", "答えは 7。"),
    # *2 typed, then round the keypad's 40 keys and back at three keys a
    # second on a busy machine, in focus mode throughout: Enter then presses
    # the = key.
    ("arrows", "40", "Answer: 12.", "答えは 12。"),
    ("key", "Tab", "digit 0 push button", "数字 0"),
    # A menu opened by its access key says its name; Copy says what it copied.
    ("key", "--delay 300 alt+e c", ("Edit", "copied 2 plus 5 times 2"), ("編集", "2 プラス 5 かける 2 をコピー")),
    # The window's commands, from the 0 key 22 Tabs on to sine.
    *command_steps(22, "Answer: 0.5.", "答えは 0.5。"),
    ("key", "--delay 300 alt+h a", "version 1.1.0", "バージョン 1.1.0"),
    # Escape closes the box and the key that had the focus says so.
    ("key", "Escape", "sine push button", "サイン プッシュボタン"),
]


# Debian's browsers and the steps each leaves out: Orca started before Chromium
# finds no status bar in its page; Firefox reads all above the keypad as one line.
BROWSERS = {"chromium": {STATUS_BAR}, "firefox-esr": {BY_LINE, BY_CHARACTER}}


def orca_sessions(session, clock, prefix=""):
    """Orca in an English and a Japanese session, the whole session in the
    language, Orca as well as the program: (row, env, language, Orca's log)."""
    for row, env, language in LOCALES[:2]:
        with session.orca(dict(session.env, **env), clock(60)) as log:
            if check(log.wait_for_speech(lambda s: True, clock(60)),
                     f"{prefix}{row}: Orca did not start"):
                yield prefix + row, env, language, log


def check_orca(pyatspi, session, orvane, clock):
    for row, env, language, log in orca_sessions(session, clock):
        with calculator(session, orvane, env) as process:
            windows = session.find_window(process, "^Orvane$", clock(20), clock(20))
            app = find_application(pyatspi, process.pid, clock(20))
            if not check(windows and app, f"{row}: the calculator window never appeared"):
                continue
            window = window_objects(app)
            hear(session, clock, log, row, language, windows[0], ORCA_STEPS, window)
            # Switch and voice users press through the action, in quick succession.
            window["Command2"].queryAction().doAction(0)
            for _ in range(2):
                window["Command4"].queryAction().doAction(0)
                time.sleep(0.02)
            text = window["Label1"].queryText()
            check(pump_until(lambda: text.getText(0, -1) == "11", clock(5)),
                  f"{row}: two presses of 1 gave {text.getText(0, -1)!r}")


def check_page(session, clock, page):
    """The built page in each browser with Orca, in an English session and for
    a browser that asks for Japanese."""
    if not check(page and os.path.isfile(os.path.join(page, "index.html")),
                 f"the page is not built in {page!r}: `make web` builds it"):
        return
    from serve import make_server
    server = make_server(page)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_port}/"
    try:
        for browser, left_out in BROWSERS.items():
            steps = [step for step in PAGE_STEPS if step[1] not in left_out]
            for row, env, language, log in orca_sessions(session, clock, f"{browser}, "):
                with running(session, browser_argv(session, browser, language, url), env) as process:
                    windows = session.find_window(process, "Orvane", clock(30), clock(5))
                    if check(windows, f"{row}: the browser's window never appeared"):
                        hear(session, clock, log, row, language, windows[-1], steps, also=("Focus mode",))
    finally:
        server.shutdown()
        server.server_close()


def browser_argv(session, browser, language, url):
    """A browser on a new profile that opens the page and nothing else: no
    first-run pages, and no offer to translate the Japanese page, which would
    take the focus."""
    profile = tempfile.mkdtemp(dir=session.dir)
    if browser == "firefox-esr":
        prefs = {"browser.shell.checkDefaultBrowser": False, "browser.aboutwelcome.enabled": False,
                 "browser.startup.homepage_override.mstone": "ignore", "startup.homepage_welcome_url": "",
                 "trailhead.firstrun.didSeeAboutWelcome": True, "datareporting.policy.firstRunURL": "",
                 "startup.homepage_welcome_url.additional": "", "browser.translations.enable": False,
                 "datareporting.policy.dataSubmissionEnabled": False,
                 "toolkit.telemetry.reportingpolicy.firstRun": False,
                 "intl.accept_languages": "ja" if language == JAPANESE else "en-US"}
        with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as f:
            f.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n" for k, v in prefs.items())
        return ["/usr/bin/firefox-esr", "--no-remote", "--profile", profile, url]
    from cdp import CHROMIUM_FLAGS
    os.makedirs(os.path.join(profile, "Default"))
    with open(os.path.join(profile, "Default", "Preferences"), "w", encoding="utf-8") as f:
        f.write('{"translate": {"enabled": false}}')
    return ["/usr/bin/chromium", *[f for f in CHROMIUM_FLAGS if f != "--headless"],
            "--force-renderer-accessibility", f"--user-data-dir={profile}", url] + (
        ["--accept-lang=ja"] if language == JAPANESE else [])


def hear(session, clock, log, row, language, x_window, steps, window=None, also=()):
    """Gives the X window the keyboard focus, as there is no window manager,
    and runs the steps once Orca has told of it, each followed by what Orca
    must say. In an English session none of what Orca says may be Japanese."""
    act(session, clock, window, "focus", x_window)
    start = len(log.spoken())
    # Orca tells the focused key, or in a browser only its mode when the focus
    # came first; typing starts once it has told of the page's loading too.
    check(log.wait_for_speech(lambda s: s.startswith(WORDS[0][2 + language]) or s in also,
                              clock(30)),
          f"{row}: Orca did not present the focused evaluate key; it said {log.spoken()}")
    said = -1
    while len(log.spoken()) != said and clock(10) > 1:  # until a second goes by unspoken
        said = len(log.spoken())
        time.sleep(1)
    for how, what, *heard in steps:
        wanted = heard[language] if isinstance(heard[language], tuple) else (heard[language],)
        before, typed = start if how == "load" else len(log.spoken()), time.time()
        act(session, clock, window, how, what)
        last_key = time.time()
        pump_until(lambda: said_in_order(log.spoken()[before:], wanted), clock(30 if how == "load" else 10))
        if check(said_in_order(log.spoken()[before:], wanted),
                 f"{row}: after {how} {what!r} Orca did not say {wanted}; it said {log.spoken()[before:]}") \
                and how == "burst":
            check_burst(session, clock, row, language, typed, last_key, wanted[-1])
        check(how != "arrows" or "Browse mode" not in log.spoken()[before:],
              f"{row}: arrowing over the keys left focus mode: {log.spoken()[before:]}")
        # The last line read in browse mode holds no other display.
        lines = log.spoken()[before:]
        if how == "line":
            check(wanted[0] in lines and not any(re.search(r"display|表示部|status ?bar|ステータスバー", line)
                                                 for line in lines[lines.index(wanted[0]) + 1:]),
                  f"{row}: the line read was not {wanted[0]!r} alone: {lines}")
    spoken = log.spoken()[start:]
    print(f"Orca said in the {row} session:", spoken, flush=True)
    check(language != ENGLISH or not any(JAPANESE_CHARACTER.search(s) for s in spoken),
          f"{row}: Orca was given Japanese text in an English session: {spoken}")


def act(session, clock, window, how, what):
    """One step: keys typed with xdotool ("fast" with no delay at all, then
    evaluated), the focus given to an X window, a button's action ("press"),
    the clipboard's text ("clip"), the About box opened from a menu ("about"),
    or the arrows over the keys beside two busy loops, then Enter ("arrows")."""
    for command in {"type": [["type", "--delay", "60", what]], "key": [["key", *what.split()]],
                    "line": [["key", *what.split()]],
                    "burst": [["key", "Escape", "sleep", "1"], ["type", "--delay", "333", what]],
                    "focus": [["windowfocus", "--sync", what]],
                    "fast": [["key", "Escape"], ["type", "--delay", "0", what], ["key", "Return"]],
                    }.get(how, []):
        session.xdotool(*command, timeout=clock(10))
    if how == "arrows":
        session.xdotool("type", "--delay", "100", "*2", timeout=clock(10))
        time.sleep(2)
        busy = [subprocess.Popen(["sh", "-c", "while :; do :; done"]) for _ in range(2)]
        try:
            session.xdotool("key", "--delay", "333", *["Right"] * int(what), *["Left"] * int(what), timeout=clock(60))
        finally:
            for loop in busy:
                loop.kill()
                loop.wait()
        # Enter once the screen reader has caught up with the focus.
        time.sleep(2)
        session.xdotool("key", "Return", timeout=clock(10))
    if how == "clip":  # xclip keeps the clipboard until the next owner takes it
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=what.encode(), env=session.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=clock(10), check=True)
    elif how == "press":
        window[what].queryAction().doAction(0)
    elif how == "about":  # the one item of the menu's popup
        window[what].getChildAtIndex(0).getChildAtIndex(0).queryAction().doAction(0)


def check_burst(session, clock, row, language, typed, last_key, line):
    """The burst's line, typed from `typed` on, reached speech-dispatcher
    after the last key, and nothing stopped it within the time espeak-ng
    needs to say it."""
    events = poll(lambda: [e for e in speech_dispatcher_log(session)
                           if e[0] > typed and e[1] and line in e[1]], clock(5))
    if not check(events, f"{row}: speech-dispatcher was never given {line!r}"):
        return
    began = events[-1][0]
    check(began > last_key, f"{row}: {line!r} came {last_key - began:.2f} s before the last key")
    ends = began + spoken_seconds(line, language)
    time.sleep(max(0, ends - time.time()) + 0.5)
    cut = [when - began for when, text in speech_dispatcher_log(session) if text is None and began < when < ends]
    check(not cut, f"{row}: {line!r} was stopped {cut[0] if cut else 0:.2f} s after it began")


SPEECH_DISPATCHER_LINE = re.compile(
    r'^\[\w+ (\w+ +\d+ [\d:]+ \d+) : (\d+)\] speechd: +(?:Incoming text: \|(.*)\||Command caught: "(?:cancel|stop)")')


def speech_dispatcher_log(session):
    """What speech-dispatcher was given to say, and when it was told to stop
    (None): (wall-clock time, text) in order."""
    events = []
    with contextlib.suppress(OSError), \
            open(os.path.join(session.speech_log_dir, "speech-dispatcher.log"), encoding="utf-8",
                 errors="replace") as f:
        for line in f:
            if found := SPEECH_DISPATCHER_LINE.match(line):
                when = time.mktime(time.strptime(found[1], "%b %d %H:%M:%S %Y")) + int(found[2]) / 1e6
                # Orca's SSML: a mark before each word.
                said = found[3] and html.unescape(re.sub(r"<[^>]*>", "", found[3])).replace("\u200b", "")
                events.append((when, said))
    return events


def spoken_seconds(text, language):
    """How long espeak-ng, the voice Orca speaks with here, takes to say a text."""
    with tempfile.NamedTemporaryFile(suffix=".wav") as sound:
        subprocess.run(["espeak-ng", "-v", "ja" if language == JAPANESE else "en", "-w", sound.name, text],
                       check=True, capture_output=True, timeout=30)
        with wave.open(sound.name) as wav:
            return wav.getnframes() / wav.getframerate()


def said_in_order(lines, texts):
    """In this order, several texts to a line as gathered echoes come, not
    counting Orca's key echo (which ends in a space); a short text as a word."""
    spoken = "\n".join(line for line in lines if not line.endswith(" ")).replace("\u200b", "")
    start = 0
    for text in texts:
        word = re.escape(text) if len(text) > 2 else r"(^|\s)" + re.escape(text) + r"(?=\s|\.?$)"
        found = re.compile(word, re.M).search(spoken, start)
        if not found:
            return False
        start = found.end()
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("orvane")
    parser.add_argument("--page", help="the page `make web` built, to hear in the browsers too")
    args = parser.parse_args()
    orvane = os.path.abspath(args.orvane)
    clock = deadline(540)
    try:
        with contextlib.closing(Session()) as session:
            locale_path = generate_locale(os.path.join(session.dir, "locale"), "ja_JP.UTF-8")
            for _, env, _ in LOCALES:  # where the system lacks the locale, it was compiled here
                if locale_path and env["LANG"].startswith("ja_JP"):
                    env["LOCPATH"] = locale_path
            session.start_servers()
            # The client talks to the same private bus as the program.
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = session.env["DBUS_SESSION_BUS_ADDRESS"]
            os.environ.pop("AT_SPI_BUS_ADDRESS", None)
            try:
                import pyatspi
            except ImportError:
                raise SetupError("python3-pyatspi is not installed")
            check_names(pyatspi, session, orvane, clock)
            check_without_bus(session, orvane, clock)
            check_orca(pyatspi, session, orvane, clock)
            if args.page is not None:
                check_page(session, clock, args.page)
    except SetupError as error:
        print("SKIP:", error)
        return SKIP
    except TimeoutError as error:
        failures.append(str(error))
    for failure in failures:
        print("FAIL:", failure)
    print("passed" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
