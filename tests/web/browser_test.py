#!/usr/bin/python3
"""Drives the page in headless Chromium through its DevTools protocol with
real mouse and key events: the seed sequences, random clicks and typed
formulas. After every event the four displays and the last text handed to the
clipboard must equal what the desktop's replay driver shows for the same
events. Then the page must come back with the server stopped, and say so
when WebAssembly is missing or the module cannot load; no page error on any
path."""
import argparse
import collections
import contextlib
import functools
import gzip
import http.server
import itertools
import os
import pathlib
import random
import re
import shutil
import tempfile
import time
import subprocess
import sys
import threading

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import bidi  # noqa: E402
from cdp import Browser  # noqa: E402
from serve import make_server  # noqa: E402

# What the page shows and what it handed to the clipboard, as the replay driver prints it.
READ_STATE = ("[1,2,3,4].map(n => document.getElementById('Label' + n).textContent)"
              ".concat([window.copiedText]).join('\\t')")
RECORD_CLIPBOARD = ("window.copiedText = '';"
                    "if (navigator.clipboard) navigator.clipboard.writeText ="
                    " (text) => { window.copiedText = text; return Promise.resolve(); };")
HIDDEN_BUTTONS = [20, 21, 43, 44, 45]
USABLE_BUTTONS = [n for n in range(1, 46) if n not in HIDDEN_BUTTONS]
SHIFT, CTRL, ALT = 8, 2, 1  # DevTools modifier bits
# Touch screens, upright and sideways, with a notch's margin on every side, tapped with
# fingers at device pixel ratio 3: what a finger cannot hit, what is outside
# the safe area, what scrolls, text too small to read, and a focus ring.
TOUCH_SCREENS, SAFE = [(320, 640), (360, 740), (390, 844), (768, 1024), (640, 360), (740, 360), (844, 390),
                       (915, 412), (932, 430), (1024, 768), (1180, 820), (1366, 1024)], 20
TOUCH_FAULTS = f"""(() => {{
  const faults = [], $ = (id) => document.getElementById(id), about = $('frmAbout'), label = $('Label1');
  if (getComputedStyle(document.activeElement).outlineStyle !== 'none') faults.push('a focus ring after taps');
  if (getComputedStyle($('Form1')).display !== 'grid') faults.push('the drawn window');
  // Every target a finger must hit, while its view shows it: the keys, each open menu, the About box.
  const targets = (...elements) => faults.push(...elements.filter(e => {{ const r = e.getBoundingClientRect();
    return r.width < 44 || r.height < 44 || r.left < {SAFE} || r.top < {SAFE} || r.right > innerWidth - {SAFE} ||
      r.bottom > innerHeight - {SAFE}; }}).map(e => (e.id || e.className) + ' under 44 px or outside the safe area'));
  targets(...{USABLE_BUTTONS}.map(n => $('Command' + n)));
  faults.push(...{HIDDEN_BUTTONS}.filter(n => $('Command' + n).offsetWidth).map(n => n + ' shown'));
  // Each face fills its key, its glyph scaled evenly.
  faults.push(...{USABLE_BUTTONS}.filter(n => {{
    const face = document.querySelector('#Command' + n + ' .face'), box = face.viewBox.baseVal;
    const drawn = face.getBoundingClientRect(), key = face.parentElement.getBoundingClientRect();
    return Math.abs(box.width / box.height - drawn.width / drawn.height) > 0.01 || drawn.width < key.width - 1 ||
      drawn.height < key.height - 1; }}).map(n => 'face of Command' + n));
  for (const title of document.querySelectorAll('#menubar .title')) {{
    title.click(); targets(title, ...title.nextElementSibling.querySelectorAll('button')); title.click(); }}
  $('mnuVarjyon').click(); targets(about, $('cmdOK'), about.querySelector('.close')); about.close();
  const root = document.scrollingElement, text = document.createRange(); text.selectNodeContents(label);
  if (root.scrollHeight > innerHeight || root.scrollWidth > innerWidth) faults.push('scrolls');
  if ($('Form1').offsetHeight < 0.9 * innerHeight) faults.push('short');
  faults.push(...['Label1', 'Label2'].filter(id => parseFloat(getComputedStyle($(id).firstChild).fontSize) < 16));
  if (text.getBoundingClientRect().right > label.getBoundingClientRect().right) faults.push('end of expression hidden');
  return faults; }})()"""
# Screens the longest captions are shown on: width, height, a finger or a
# mouse, the safe area's margin, the smallest key and menu title, and whether
# it is a phone held sideways, whose keys and displays fill its height. The
# touch screens above, a phone's split screen wider than tall, the smallest
# phone either way, square split screens (the smallest that must not
# scroll), a 360 x 740 phone at 200 % zoom, a narrow desktop window or a
# tablet with a mouse, and a desktop.
CAPTION_SCREENS = [*((w, h, True, SAFE, 44, w > h and h < 600) for w, h in TOUCH_SCREENS),
                   (420, 390, True, 0, 44, False), (568, 320, True, 0, 44, True), (320, 568, True, 0, 44, False),
                   (360, 360, True, 0, 44, False), (320, 320, True, 0, 0, False),
                   (180, 370, True, 0, 22, False), (390, 844, False, 0, 44, False), (500, 758, False, 0, 44, False),
                   (1920, 1080, False, 0, 24, False)]
# Memory 1 -1.42857142857143E-100, memory 2 1.21932631124828E+23, the answer
# 数値が正しくありません and a 77-character expression, by clicks or taps
# from memories and answer cleared.
LONG_CAPTIONS = "mnA0-1/7/10^99=SA123456789012345*987654321=TA1/0=" + ("123456789+" * 8)[:72] + "9"
CAPTION_KEYS = {**{str(d): 3 + d for d in range(10)}, ".": 13, "+": 14, "-": 15, "*": 16, "/": 17, "^": 31,
                "=": 1, "A": 2, "S": 25, "T": 26, "m": 29, "n": 30}
# What is cut or too small with them shown: each caption's text whole inside
# its display (the expression's last character), text under 12 px, an
# answer filling neither the width nor the height of its box, keys and menu
# titles, a menu title on two lines, scrolling, and a sideways phone's
# height not filled.
CAPTION_FAULTS = """((smallest, sideways, safe) => {
  const faults = [], $ = (id) => document.getElementById(id), inside = (inner, outer, what) => {
    const i = inner.getBoundingClientRect(), o = outer.getBoundingClientRect();
    if (i.left < o.left - 0.5 || i.right > o.right + 0.5 || i.top < o.top - 0.5 || i.bottom > o.bottom + 0.5)
      faults.push(`${what} at ${Math.round(i.left)}..${Math.round(i.right)} in ${Math.round(o.left)}..${Math.round(o.right)}`);
  };
  for (const n of [1, 2, 3, 4]) {
    const text = $('Label' + n).firstChild.firstChild, range = document.createRange();
    range.setStart(text, n === 1 ? text.length - 1 : 0); range.setEnd(text, text.length);
    inside(range, $('Label' + n), n === 1 ? 'the last character of the expression' : 'the caption of Label' + n);
    const size = parseFloat(getComputedStyle($('Label' + n).firstChild).fontSize);
    if (size < 12) faults.push(`Label${n} text of ${size} px`);
  }
  const answer = document.createRange(), box = $('Label2').getBoundingClientRect();
  answer.selectNodeContents($('Label2').firstChild);
  const text = answer.getBoundingClientRect();
  if (text.width < 0.8 * box.width && text.height < 0.4 * box.height) faults.push('the answer fills neither the width nor the height of its box');
  const small = [...document.querySelectorAll('#keypad .key:not([disabled]):not([hidden]), #menubar .title')]
    .filter(e => { const r = e.getBoundingClientRect(); return Math.min(r.width, r.height) < smallest; });
  if (small.length) faults.push(`${small.length} keys or titles under ${smallest} px, as ${small[0].id} ` +
    JSON.stringify(small[0].getBoundingClientRect()));
  for (const title of document.querySelectorAll('#menubar .title')) {
    const text = document.createRange(), style = getComputedStyle(title);
    text.selectNodeContents(title);
    const box = title.getBoundingClientRect(), k = $('Form1').getBoundingClientRect().width / $('Form1').offsetWidth;
    const lines = text.getClientRects();
    if (text.getBoundingClientRect().width > box.width - (parseFloat(style.paddingLeft) + parseFloat(style.paddingRight)) * k + 0.5 ||
        new Set([...lines].map(r => Math.round(r.top))).size !== 1) faults.push(title.id + ' cut or on two lines');
  }
  const root = document.scrollingElement;
  if (root.scrollHeight > innerHeight || root.scrollWidth > innerWidth) faults.push('scrolls');
  const shown = [...document.querySelectorAll('.display, #keypad .key')].map(e => e.getBoundingClientRect())
    .filter(r => r.width);
  const filled = (Math.max(...shown.map(r => r.bottom)) - Math.min(...shown.map(r => r.top))) / (innerHeight - 2 * safe);
  if (sideways && filled < 0.92) faults.push(`keys and displays fill ${Math.round(filled * 100)} % of the height`);
  return faults; })"""
# Two fingers landing at once as Firefox hands them on: each key's event lists both touches.
TOGETHER = """((keys) => { const touches = keys.map((key, i) => { const r = key.getBoundingClientRect();
  return new Touch({ identifier: 90 + i, target: key, clientX: r.x + r.width / 2, clientY: r.y + r.height / 2 }); });
  for (const type of ['touchstart', 'touchend']) for (const key of keys) key.dispatchEvent(new TouchEvent(type,
    {bubbles: true, cancelable: true, changedTouches: touches, touches: type === 'touchend' ? [] : touches}));
  return document.getElementById('Label1').textContent; })([5, 6].map(n => document.getElementById('Command' + n)))"""

# Where each element matching a selector is hit: its centre.
CENTRES = ("Object.fromEntries([...document.querySelectorAll('{selector}')].map(b => {{"
           " const r = b.getBoundingClientRect(); return [b.id, [r.x + r.width / 2, r.y + r.height / 2]]; }}))")
# Fingers, as the points down at each moment, {finger: (button, dx, dy)} from
# the button's centre in CSS pixels, and what the expression then reads: None
# where every display must stay as it was. From a cleared expression.
TOUCH_ROWS = [
    ("a pinch over the keypad", [{0: (36, 0, 0), 1: (12, 0, 0)}] +
     [{0: (36, -6 * i, -6 * i), 1: (12, 6 * i, 6 * i)} for i in range(1, 6)] + [{}], None),
    ("a pan from a key", [{0: (6, 0, 0)}] + [{0: (6, 0, -8 * i)} for i in range(1, 8)] + [{}], None),
    ("a swipe across 7, 4, 1 and 0", [{0: (n, 0, 0)} for n in (10, 7, 4, 3)] + [{}], None),
    ("a palm", [{finger: (n, 0, 0) for finger, n in enumerate((10, 11, 12, 7, 8))}, {}], None),
    # Down and not sideways: Chromium takes a sideways drag for going back in history.
    ("a finger sliding off its key", [{0: (11, 0, 0)}, {0: (8, 0, 0)}, {}], None),
    ("a tap", [{0: (10, 0, 0)}, {}], "7"),
    ("a finger wandering within the slop", [{0: (10, 0, 0)}, {0: (10, 4, 5)}, {}], "7"),
    ("two taps overlapping, lifted in turn", [{0: (5, 0, 0)}, {0: (5, 0, 0), 1: (6, 0, 0)}, {0: (5, 0, 0)}, {}], "32"),
    ("taps beside a finger held down", [{0: (4, 0, 0)}, {0: (4, 0, 0), 1: (5, 0, 0)}, {0: (4, 0, 0)},
                                        {0: (4, 0, 0), 1: (6, 0, 0)}, {0: (4, 0, 0)}, {}], "231"),
    ("two fingers on one key", [{0: (7, 0, 0)}, {0: (7, 0, 0), 1: (7, 6, 6)}, {0: (7, 0, 0)}, {}], "4"),
]


def chromium_touches(browser, frames):
    """Puts the frames' fingers down, moves and lifts them, as DevTools
    takes them: a start or move lists the points down, an end those lifted."""
    down = {}
    for frame in frames:
        lifted = {finger: point for finger, point in down.items() if finger not in frame}
        kind = "touchEnd" if lifted else "touchStart" if set(frame) - set(down) else "touchMove"
        browser.call("Input.dispatchTouchEvent", type=kind, touchPoints=[
            {"x": x, "y": y, "id": finger} for finger, (x, y) in (lifted or frame).items()])
        down = frame
    # A pinch may have zoomed in; the next row finds the keys where they were.
    browser.call("Emulation.resetPageScaleFactor")


def firefox_touches(browser, frames):
    """The frames as WebDriver BiDi's actions: a touch source for each
    finger, and two ticks a frame, a move, then a finger put down or lifted."""
    sources, down = {finger: [] for frame in frames for finger in frame}, {}
    for frame in frames:
        for finger, actions in sources.items():
            x, y = frame.get(finger, down.get(finger, (0, 0)))
            actions.append({"type": "pointerMove", "x": round(x), "y": round(y)} if finger in frame else {"type": "pause"})
            actions.append({"type": "pointerDown", "button": 0} if finger in frame and finger not in down else
                           {"type": "pointerUp", "button": 0} if finger in down and finger not in frame else
                           {"type": "pause"})
        down = frame
    browser.call("input.performActions", context=browser.context, actions=[
        {"type": "pointer", "id": f"finger{finger}", "parameters": {"pointerType": "touch"}, "actions": actions}
        for finger, actions in sources.items()])


def touch_rows(browser, centres, touch):
    """Each of TOUCH_ROWS, by the browser's own way of touching (touch)."""
    faults = []
    for name, frames, typed in TOUCH_ROWS:
        browser.evaluate("document.getElementById('Command2').click()")
        before = browser.evaluate(READ_STATE)
        touch(browser, [{finger: (centres[f"Command{n}"][0] + dx, centres[f"Command{n}"][1] + dy)
                         for finger, (n, dx, dy) in frame.items()} for frame in frames])
        # A pull that the browser took for a reload brings the same work back.
        try:
            browser.wait_for("document.documentElement?.dataset.ready === 'true' && new Promise(done =>"
                             " requestAnimationFrame(() => requestAnimationFrame(() => done(true))))")
        except TimeoutError:
            return faults + [f"{name}: the page at {browser.evaluate('location.href')} never became ready again"]
        after = browser.evaluate(READ_STATE)
        if after != before if typed is None else after.split("\t")[0] != typed:
            faults.append(f"{name}: {before!r} became {after!r}")
    return faults


def firefox_touch_rows(url):
    """TOUCH_ROWS in Firefox ESR with touch events, over WebDriver BiDi."""
    with firefox(True) as browser:
        browser.open(url)
        browser.screen(390, 844, 3, True)
        browser.evaluate("new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)))")
        centres = browser.evaluate(CENTRES.format(selector="#keypad .key"))
        return [f"in Firefox: {fault}" for fault in touch_rows(browser, centres, firefox_touches)] + \
            [f"in Firefox, page error: {error}" for error in browser.errors()]


# Typed keys: what KeyboardEvent.key reports, DOM code, key-table row the
# desktop takes them for, on the keypad or not, DevTools modifiers; as sent.
def typed(key, code, row, keypad=False, modifiers=0, text=None, **sent):
    text = key if text is None and len(key) == 1 and not modifiers & (CTRL | ALT) else text
    return {"replay": "key %d %d" % row, "text": {"text": text} if text else {}, "params": {
        "key": key, "code": code, "modifiers": modifiers, "isKeypad": keypad, "location": 3 if keypad else 0, **sent}}

MAIN_BLOCK = {**{str(d): typed(str(d), f"Digit{d}", (48 + d, 0)) for d in range(10)},
              ".": typed(".", "Period", (190, 0)), "+": typed("+", "Equal", (187, 1), modifiers=SHIFT),
              "-": typed("-", "Minus", (189, 0)), "*": typed("*", "Digit8", (186, 1), modifiers=SHIFT),
              "/": typed("/", "Slash", (191, 0)), "^": typed("^", "Digit6", (222, 0), modifiers=SHIFT),
              "(": typed("(", "Digit9", (56, 1), modifiers=SHIFT), ")": typed(")", "Digit0", (57, 1), modifiers=SHIFT),
              "⌫": typed("Backspace", "Backspace", (8, 0)), "⎋": typed("Escape", "Escape", (27, 0))}
KEYPAD = {**{str(d): typed(str(d), f"Numpad{d}", (96 + d, 0), True) for d in range(10)},
          ".": typed(".", "NumpadDecimal", (110, 0), True), "+": typed("+", "NumpadAdd", (107, 0), True),
          "-": typed("-", "NumpadSubtract", (109, 0), True), "*": typed("*", "NumpadMultiply", (106, 0), True),
          "/": typed("/", "NumpadDivide", (111, 0), True)}
# Chords the calculator ignores: Shift with a keypad operator, Ctrl or Alt with a digit.
IGNORED = [typed("+", "NumpadAdd", (107, 1), True, SHIFT), typed("5", "Digit5", (53, 2), modifiers=CTRL),
           typed("5", "Digit5", (53, 4), modifiers=ALT)]
# Clicks that must leave the keyboard's focus on the key that had it, as on
# the desktop, and the focus moved off the keys as a screen reader's reading
# moves it (to the menu bar, or to nothing): each is followed by 2+3 and
# Enter, which the = key evaluates.
FOCUS_KEEPERS = [("right", "Command10"), ("left", "Label1"), ("left", "Label2"), ("left", "Label3"),
                 ("left", "Label4"), ("left", "Command43"), ("left", "background"), ("focus", "mnuHelp"),
                 ("focus", "body")]
# Left and Right from the evaluate key, one after another: the key so many
# places after it in the tab order, round the ends.
ARROWS = [("ArrowRight", 1), ("ArrowRight", 2), ("ArrowLeft", 1), ("ArrowLeft", 0), ("ArrowLeft", -1)]
ENTER = typed("Enter", "Enter", (13, 0), text="\r", windowsVirtualKeyCode=13)
# The About box opened from the keyboard over 9*4, then what is done in it:
# (what, the key or the click, whether the box is open after it, whether a
# control of the box has the focus). Nothing done may change the displays,
# and closed, the box gives the focus back to the key that had it.
OPEN_ABOUT = [typed("h", "KeyH", (72, 4), modifiers=ALT), typed("a", "KeyA", (65, 0))]
ABOUT_STEPS = [("Tab", typed("Tab", "Tab", (9, 0)), True, True), ("a click on its text", "lblDescription", True, False),
               ("5", MAIN_BLOCK["5"], True, False), ("Backspace", MAIN_BLOCK["⌫"], True, False),
               ("Esc", MAIN_BLOCK["⎋"], False, False)]
# Typed on the main block, with clicks for = and the memory keys (S store,
# R recall and C clear memory 1) and the menu's copies (X the expression, Y
# the answer): after each, the page must say what the desktop's narration
# says, in English and in Japanese.
SPOKEN = "0.⎋2+3*4(⌫⌫=++=S⎋R*2=XY77/8-9^2(((⌫=C1/0="
CLICKED = {"=": {"button": 1}, "S": {"button": 25}, "R": {"button": 27}, "C": {"button": 29},
           "X": {"menu": "mnuSikicopy"}, "Y": {"menu": "mnuKotaecopy"}}
# Formulas typed on the main block (M) or the keypad (K), each evaluated with a click.
FORMULAS = ["M12+3", "M(1+2)*3^2/4-5.5", "M2^0.5", "M7/0", "M((2)", "M1.5.5⌫⌫9", "M-(-3)*-2",
            "K12.5*4-7/2", "M0.000001*0.000001", "M99999999^9", "M3⎋4+4", "K0.1+0.2"]


# The window's commands, typed, and pastes (the browser's paste event, as
# Ctrl+V, Shift+Insert or its Edit menu bring it): each as the replay driver
# runs it, "Command KEY" by the command table's key, "Paste TEXT".
def command(key, code, shown, modifiers=0, keypad=False):
    return {**typed(key, code, (0, 0), keypad, modifiers), "replay": f"Command {shown}"}


COMMANDS = [command("s", "KeyS", "S"), MAIN_BLOCK["3"], MAIN_BLOCK["0"], MAIN_BLOCK["+"],
            command("T", "KeyT", "Shift+T", SHIFT), command("p", "KeyP", "P"), MAIN_BLOCK["*"],
            command("r", "KeyR", "R"), MAIN_BLOCK["2"], command("=", "Equal", "="), command("m", "KeyM", "M"),
            command("F2", "F2", "F2"), MAIN_BLOCK["⎋"], command("l", "KeyL", "L"), MAIN_BLOCK["-"],
            command("c", "KeyC", "C"), command("=", "Minus", "=", SHIFT), command("M", "KeyM", "Shift+M", SHIFT),
            command("x", "KeyX", "X"), command("=", "NumpadEqual", "=", keypad=True),
            {**typed("s", "KeyS", (83, 2), modifiers=CTRL), "replay": "Command21"}, MAIN_BLOCK["⎋"]] + [
    {"paste": text, "replay": f"Paste {text}"} for text in ("(1+2)×3", "172 apples", "2)", "", "-sin30 + ４")]
PASTE = ("((text) => { const data = new DataTransfer(); data.setData('text/plain', text);"
         " document.activeElement.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,"
         " cancelable: true})); })")


def paste_round_trip(page, replay, seeds, rng, count=2000):
    """Typed on the keys, copied, cleared and pasted back: the expression and,
    after =, the answer the desktop's replay driver gives for the same."""
    entry = [n for n in range(3, 43) if n <= 19 or n in (27, 28) or n >= 31]
    sequences = [[n for n in map(int, line.split()) if n in entry]
                 for line in seeds.read_text().splitlines() if line.strip() and not line.startswith("#")]
    expressions = []
    for _ in range(count):
        keys = rng.choice(sequences) + rng.choice(sequences)
        rng.shuffle(keys)
        expressions.append(keys[:rng.randrange(len(keys) + 1)])
    memories = [2, 5, 16, 6, 1, 25, 26, 2]
    lines = [f"Command{n}" for n in memories]
    for keys in expressions:
        lines += ["Command2"] + [f"Command{n}" for n in keys] + ["mnuSikicopy", "Command2", "Command Ctrl+V",
                                                                  "Command ="]
    states = subprocess.run([replay], input="\n".join(lines) + "\n", capture_output=True, text=True,
                            check=True).stdout.split("\n")
    desktop, at = [], len(memories)
    for keys in expressions:
        at += len(keys) + 5
        desktop.append([states[at - 1].split("\t")[0], states[at].split("\t")[1]])
    shown = page.browser.evaluate(f"""(() => {{ const $ = (id) => document.getElementById(id), paste = {PASTE};
      {memories}.forEach(n => $('Command' + n).click());
      return {expressions}.map(keys => {{ $('Command2').click(); keys.forEach(n => $('Command' + n).click());
        $('mnuSikicopy').click(); const copied = window.copiedText; $('Command2').click(); paste(copied);
        const expression = $('Label1').textContent; $('Command1').click();
        return [expression, $('Label2').textContent]; }}); }})()""")
    return [f"pasted back {keys}: page {got}, desktop {want}"
            for keys, got, want in zip(expressions, shown, desktop) if got != want][:5]


def seed_events(path):
    for line in path.read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            yield from ({"button": int(n)} for n in line.split())


def random_events(rng, count):
    for _ in range(count):
        roll = rng.random()
        if roll < 0.01:
            yield {"menu": rng.choice(["mnuSikicopy", "mnuKotaecopy"])}
        elif roll < 0.05:
            yield rng.choice(list(MAIN_BLOCK.values()) + list(KEYPAD.values()))
        else:
            yield {"button": rng.choice(USABLE_BUTTONS)}


def formula_events():
    for formula in FORMULAS:
        keys = KEYPAD if formula[0] == "K" else MAIN_BLOCK
        yield from (keys[c] for c in formula[1:])
        yield {"button": 1}
    yield from IGNORED


def function_events(rng, count):
    """Functions and powers of random arguments, where C libraries round the
    last bit differently: each cleared, entered on the main block, evaluated."""
    keys = lambda text: [MAIN_BLOCK[c] for c in text]
    yield from [{"button": 2}, {"button": 36}] + keys("997.48") + [{"button": 1}]
    for _ in range(count):
        function = rng.choice(range(34, 43))
        bound = 1 if function in (37, 38) else 1000
        argument = f"{rng.uniform(-bound, bound):.{rng.randint(0, 6)}f}"
        yield {"button": 2}
        if rng.random() < 0.25:
            yield from keys(f"{rng.uniform(0, 50):.{rng.randint(0, 4)}f}^")
        else:
            yield {"button": function}
        yield from keys(argument)
        yield {"button": 1}


def touch_events(rng, count):
    """Random taps, with now and then two fingers on two keys, the second
    going down while the first is still held, both lifting together; then a
    long expression."""
    for event in random_events(rng, count):
        if "button" in event and rng.random() < 0.05:
            yield {"button": event["button"], "finger": "held"}
            # on another key: a second finger on a held key presses nothing
            event = {"button": rng.choice([n for n in USABLE_BUTTONS if n != event["button"]]), "finger": "second"}
        yield event
    yield from [{"button": 2}] + [{"button": n} for n in (4, 14) * 30]


def replay_line(event):
    return f"Command{event['button']}" if "button" in event else event.get("menu") or event["replay"]


def desktop_states(replay, events):
    run = subprocess.run([replay], input="\n".join(map(replay_line, events)) + "\n",
                         capture_output=True, text=True, check=True)
    return run.stdout.split("\n")[:-1]


class Page:
    def __init__(self, browser, url=None):
        """The page at url, loaded and measured; without one, what the browser is loading."""
        self.browser, self.centres = browser, {}
        if url:
            browser.open(url, RECORD_CLIPBOARD)
            self.measure()

    def measure_keys(self, selector="button[id], .display"):
        self.centres.update(self.browser.evaluate(CENTRES.format(selector=selector)))

    def measure(self):
        """Where each key and copy command is hit, as the page is laid out now."""
        browser = self.browser
        # After a resize, once the page has had its resize event and drawn.
        browser.evaluate("new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)))")
        self.centres["background"] = [4, browser.evaluate("document.getElementById('frame').offsetHeight + 8")]
        self.measure_keys()
        # The copy commands have a place only while their menu is open.
        self.open_edit_menu()
        self.measure_keys("#mnuSikicopy, #mnuKotaecopy")
        self.finish(self.click("mnuHnensyuu"))

    def open_edit_menu(self):
        """Opens the Edit menu, waiting for it: a tap's click comes after the touch has ended."""
        self.finish(self.click("mnuHnensyuu"))
        self.browser.wait_for("!document.getElementById('mnuSikicopy').parentElement.hidden")

    def click(self, element_id, finger=None, button="left"):
        x, y = self.centres[element_id]
        if not getattr(self, "fingers", False):
            return self.browser.click(x, y, button)
        if finger == "held":
            self.held = (x, y)
            return [self.browser.touch("touchStart", (x, y))]
        if finger == "second":
            return [self.browser.touch("touchStart", self.held, (x, y)), self.browser.touch("touchEnd")]
        return self.browser.tap(x, y)

    def press(self, key):
        return [self.browser.send("Input.dispatchKeyEvent", type=kind, **key["params"], **text)
                for kind, text in (("keyDown", key["text"]), ("keyUp", {}))]

    def run(self, event):
        """Runs one event and returns the displays after it. Input travels apart
        from evaluations, so the reading waits until the page has handled it."""
        if "button" in event:
            sent = self.click(f"Command{event['button']}", event.get("finger"))
        elif "menu" in event:
            self.open_edit_menu()
            sent = self.click(event["menu"])
        elif "paste" in event:
            sent = [self.browser.send("Runtime.evaluate", expression=f"{PASTE}({event['paste']!r})")]
        else:
            sent = self.press(event)
        self.finish(sent)
        return self.read()

    def finish(self, sent):
        for command_id in sent:
            self.browser.wait(command_id)

    def read(self):
        return self.browser.evaluate(READ_STATE)


def compare(page, events, expected, where):
    """Checks the displays after start-up and after every event; the first
    difference, told after where it was."""
    if page.read() != expected[0]:
        return [f"{where}after start-up: page {page.read()!r}, desktop {expected[0]!r}"]
    for index, event in enumerate(events):
        shown = page.run(event)
        # A finger held down has pressed nothing yet: its key acts as it lifts, with the next finger.
        if shown != expected[index + 1] and event.get("finger") != "held":
            recent = ", ".join(map(replay_line, events[max(0, index - 12):index + 1]))
            return [f"{where}event {index} ({recent}): page {shown!r}, desktop {expected[index + 1]!r}"]
    return []


def focus_kept(page):
    """What 2+3 and Enter give after each click that must not take the focus."""
    def answer(button, target):
        page.finish(page.click("Command1") + page.press(MAIN_BLOCK["⎋"]))
        if button == "focus":
            page.browser.evaluate(f"document.{'activeElement.blur' if target == 'body' else f'getElementById({target!r}).focus'}()")
        else:
            page.finish(page.click(target, button=button))
        page.finish(sum(map(page.press, [MAIN_BLOCK["2"], MAIN_BLOCK["+"], MAIN_BLOCK["3"], ENTER]), []))
        return page.browser.evaluate("document.getElementById('Label2').textContent")
    faults = [f"{button} on {target}, then 2+3 and Enter: {shown!r}"
              for button, target in FOCUS_KEEPERS if (shown := answer(button, target)) != "5"]
    keys = page.browser.evaluate("[...document.querySelectorAll('#keypad .key')].filter(k => k.offsetParent &&"
                                 " !k.disabled).map(k => k.id)")
    page.finish(page.click("Command1"))
    for arrow, places in ARROWS:
        page.finish(page.press(typed(arrow, arrow, (0, 0))))
        if (focused := page.browser.evaluate("document.activeElement.id")) != keys[places % len(keys)]:
            faults.append(f"{arrow} to {focused}, not {keys[places % len(keys)]}")
    return faults


def about_keeps_keys(page):
    browser, faults = page.browser, []
    page.finish(page.click("Command1") + sum(map(page.press, [MAIN_BLOCK[c] for c in "⎋9*4"] + OPEN_ABOUT), []))
    before = page.read()
    page.measure_keys("#lblDescription")
    for what, act, still_open, focused in ABOUT_STEPS:
        page.finish(page.click(act) if isinstance(act, str) else page.press(act))
        state = browser.evaluate("[document.getElementById('frmAbout').open,"
                                 " !!document.activeElement.closest('#frmAbout button')]")
        if page.read() != before or state != [still_open, focused]:
            faults.append(f"About box, after {what}: displays {page.read()!r}, open and focused {state}")
    with contextlib.suppress(TimeoutError):  # the key takes the focus back a moment after the box closes
        browser.wait_for("document.activeElement.id === 'Command1'", seconds=2)
    if (focus := browser.evaluate("document.activeElement.id")) != "Command1":
        faults.append(f"the About box closed, the focus is on {focus!r}, not on the key that had it")
    return faults


def spoken_lines(url, replay, language):
    """What the page's live region says after each event of SPOKEN, each
    after a pause (see desktop_states for the events' lines)."""
    events = [CLICKED.get(c) or MAIN_BLOCK[c] for c in SPOKEN]
    with chromium(flags=[f"--lang={language}", f"--accept-lang={language}"]) as browser, \
            tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".tsv") as texts:
        page = Page(browser, url)
        texts.write("".join(f"{source}\t{text}\n" for source, text in browser.evaluate(
            "Object.entries(self.orvaneTexts[navigator.language.split('-')[0]] || {})")))
        texts.flush()
        said = subprocess.run([replay, "--spoken", texts.name], input="\n".join(map(replay_line, events)) + "\n",
                              capture_output=True, text=True, check=True).stdout.split("\n")
        for index, event in enumerate(events):
            time.sleep(1.0)  # keys closer together than a voice needs are said together
            browser.evaluate("document.getElementById('echo').replaceChildren()")
            page.run(event)
            heard = browser.evaluate("document.getElementById('echo').textContent.replaceAll('\\u200b', '')")
            if heard != said[index]:
                return [f"{language}: after {SPOKEN[:index + 1]!r} the page says {heard!r}, the desktop {said[index]!r}"]
    return []


def tap_screens(page, history, rng, replay):
    """Fingers on touch screens, each turned the other way and back in the
    middle of an expression; the events run before are `history`."""
    browser, faults = page.browser, []
    browser.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    browser.call("Emulation.setSafeAreaInsetsOverride", insets=dict.fromkeys(("top", "left", "bottom", "right"), SAFE))
    page.fingers = True
    page.measure()
    page.run({"button": 2})
    browser.evaluate("document.getElementById('mnuHelp').click()")
    page.run({"button": 5})  # which only closes the menu
    if (shown := browser.evaluate(TOGETHER)) != "23":
        faults.append(f"a tap closing a menu, then 2 and 3 touched at once as Firefox hands them on: {shown!r}")
    history = history + [{"button": n} for n in (2, 5, 6)]
    for width, height in TOUCH_SCREENS:
        for turn, size in enumerate([(width, height), (height, width), (width, height)]):
            browser.call("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1],
                         deviceScaleFactor=3, mobile=True)
            page.measure()
            taps = list(touch_events(rng, 100)) if turn < 2 else []
            mismatch = compare(page, taps, desktop_states(replay, history + taps)[len(history):], f"tapped at {size}: ")
            history = history + taps
            if mismatch:
                return faults + mismatch
            if turn == 0:
                faults += [f"at {width} x {height}: {fault}" for fault in browser.evaluate(TOUCH_FAULTS)]
    page.measure()
    return faults + touch_rows(browser, page.centres, chromium_touches)


def long_captions(pages, replay, where_safe=True):
    """The longest captions clicked or tapped in on each screen of
    CAPTION_SCREENS: the displays as the desktop's, and each whole. pages:
    the page for a finger and for a mouse; where_safe: whether the browser
    keeps the screens' safe areas."""
    faults = []
    events = [{"button": CAPTION_KEYS[c]} for c in LONG_CAPTIONS]
    expected = desktop_states(replay, events)[-1]
    for width, height, finger, safe, smallest, sideways in CAPTION_SCREENS:
        page = pages[finger]
        browser, safe = page.browser, safe if where_safe else 0
        browser.screen(width, height, 2, finger, safe)
        page.fingers = finger
        page.measure()
        for event in events:
            page.run(event)
        where = f"{browser.name} at {width} x {height} with a {'finger' if finger else 'mouse'}: "
        if (shown := page.read().split("\t")[:4]) != expected.split("\t")[:4]:
            faults.append(f"{where}the displays show {shown!r}, the desktop {expected!r}")
        faults += [where + fault for fault in browser.evaluate(f"{CAPTION_FAULTS}({smallest}, {str(sideways).lower()}, {safe})")]
    return faults


def page_errors(browser, allow_network=False):
    errors = []
    for event in browser.events:
        method, params = event["method"], event["params"]
        if method == "Runtime.exceptionThrown":
            errors.append(params["exceptionDetails"].get("text"))
        elif method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning", "assert"):
            errors.append(str(params["args"]))
        elif method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"):
            if not (allow_network and params["entry"]["source"] == "network"):
                errors.append(params["entry"]["text"])
    return errors


@contextlib.contextmanager
def chromium(*domains, flags=()):
    """A fresh Chromium, its named DevTools domains reporting."""
    browser = Browser(*flags)
    try:
        for domain in domains:
            browser.call(domain + ".enable")
        yield browser
    finally:
        browser.close()


@contextlib.contextmanager
def firefox(touch):
    """A fresh Firefox ESR for a touch screen or a mouse."""
    browser = bidi.Browser(touch)
    try:
        yield browser
    finally:
        browser.close()


@contextlib.contextmanager
def serving(folder, handler=None):
    """The folder on 127.0.0.1, sent as the page's own server sends it or by the handler given."""
    server = make_server(str(folder)) if handler is None else \
        http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield server, f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


# A static server that sends no cache policy, as many do.
PLAIN = type("Plain", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *a: None})
# What the page must say without WebAssembly and when the module cannot load:
# the DevTools domain and command that make each so.
FAULTS = [("without WebAssembly", "WebAssembly", "Page", "addScriptToEvaluateOnNewDocument", {
              "source": "Object.defineProperty(globalThis, 'WebAssembly', {value: undefined, configurable: true});"}),
          ("module blocked", "読み込めません", "Network", "setBlockedURLs", {"urls": ["*orvane.wasm"]})]


def check_fault(url, expected_text, domain, method, params):
    with chromium("Runtime", "Log", domain) as browser:
        browser.call(f"{domain}.{method}", **params)
        browser.call("Page.navigate", url=url)
        browser.wait_for("document.getElementById('status')?.hidden === false")
        text = browser.evaluate("document.getElementById('status').textContent")
        return page_errors(browser, allow_network=True) if expected_text in text else [f"status reads {text!r}"]


# Each kept file of each cache the worker keeps: its cache, path and whether
# it is the new release's.
KEPT = ("(async () => { const kept = []; for (const name of await caches.keys()) {"
        " const cache = await caches.open(name); for (const request of await cache.keys()) {"
        " const text = await (await cache.match(request)).text(); const path = new URL(request.url).pathname;"
        " kept.push([name, path, path === '/page.js' ? text.includes('orvaneRelease') :"
        " path === '/' ? text.includes('NEW') : true]); } } return kept; })()")
SETTLED = ("navigator.serviceWorker.getRegistration().then(async (r) => r && !r.installing && !r.waiting"
           " && (await caches.keys()).length === 1)")


def clicks_wait_for_engine(url):
    """Clicks and keys made while the engine module is still on its way are
    acted on, in order, once it has come."""
    with chromium() as browser:
        browser.call("Fetch.enable", patterns=[{"urlPattern": "*orvane.wasm*"}])
        browser.call("Page.navigate", url=url)
        while not (held := [e for e in browser.events if e["method"] == "Fetch.requestPaused"]):
            browser.evaluate("0")
        browser.wait_for("window.performance.getEntriesByName('orvane-usable').length")
        page = Page(browser)
        page.measure_keys()
        page.finish(page.click("Command5") + page.click("Command14") + page.press(MAIN_BLOCK["3"]) +
                    page.click("Command1"))
        early = browser.evaluate("document.getElementById('Label2').textContent")
        browser.call("Fetch.continueRequest", requestId=held[0]["params"]["requestId"])
        browser.wait_for("document.documentElement.dataset.ready === 'true'")
        shown = browser.evaluate(READ_STATE).split("\t")[:2]
        return [] if early != "5" and shown == ["2+3", "5"] else \
            [f"2 + 3 = before the engine came: {early!r} before, {shown} after"]


# 9 2 + 3 4 × 2 = clicked, tapped or typed 100 ms after the first contentful
# paint of a first visit, over a network with a 300 ms round trip.
EARLY = {"clicked": [12, 5, 14, 6, 7, 16, 5, 1], "typed": [MAIN_BLOCK[c] for c in "92+34*2"] + [ENTER]}
EARLY["tapped"] = EARLY["clicked"]
SINCE_PAINT = "performance.now() - (performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? 1e9)"


def input_from_first_paint(url, rounds):
    """How many rounds of each way showed each expression and answer."""
    shown = collections.Counter()
    for (way, events), _ in itertools.product(EARLY.items(), range(rounds)):
        with chromium("Network") as browser:
            browser.call("Network.emulateNetworkConditions", offline=False, latency=300, downloadThroughput=-1,
                         uploadThroughput=-1)
            browser.call("Emulation.setTouchEmulationEnabled", enabled=way == "tapped", maxTouchPoints=2)
            page = Page(browser)
            page.fingers = way == "tapped"
            browser.send("Page.navigate", url=url)
            browser.wait_for(f"location.href === '{url}' && {SINCE_PAINT} >= 0")
            page.measure_keys()
            time.sleep(max(0, 0.1 - browser.evaluate(SINCE_PAINT) / 1000))
            page.finish(sum((page.press(e) if way == "typed" else page.click(f"Command{e}") for e in events), []))
            browser.wait_for("document.documentElement.dataset.ready === 'true'", seconds=30)
            shown[way, tuple(browser.evaluate(READ_STATE).split("\t")[:2])] += 1
    return shown


# 2 + 3 =, the answer stored in memory 1, then × 4: what a reload must bring back.
KEPT_WORK = [5, 14, 6, 1, 25, 16, 7]
# Records the engine must refuse, put in the tab's storage before the page
# reads it: cut short, from another release, and garbage.
DAMAGED = {"cut short": "kept.slice(0, -9)", "from another release": "kept.replace(/ [^ \\n]+\\n/, ' 0.9.0\\n')",
           "garbage": "'{\"expr\":\"2+3\"}'"}


def tab_keeps_work(url, replay):
    """A reload brings back the displays and the focused key in the tab; a
    new tab starts fresh; a damaged record gives a fresh start, silently."""
    faults = []
    with chromium("Runtime", "Log", "Page") as browser:
        page = Page(browser, url)
        keep = lambda: page.finish(sum((page.click(f"Command{n}") for n in KEPT_WORK), []))
        keep()
        expected = desktop_states(replay, [{"button": n} for n in KEPT_WORK])[-1]
        browser.load("Page.reload")
        if (shown := page.read(), browser.evaluate("document.activeElement.id")) != (expected, "Command7"):
            faults.append(f"after a reload: {shown}, where the desktop shows {expected!r} and Command7 had the focus")
        tab = browser.new_tab(url)
        tab.wait_for("document.documentElement?.dataset.ready === 'true'")
        if (shown := tab.evaluate(READ_STATE)) != "\t".join(["式", "＝", "Memory 1", "Memory 2", ""]):
            faults.append(f"a new tab shows {shown!r}")
        tab.send("Page.close")
        tab.socket.close()
        browser.call("Page.bringToFront")
        for name, damage in DAMAGED.items():
            keep()
            script = browser.call("Page.addScriptToEvaluateOnNewDocument", source=(
                f"{{ const kept = sessionStorage.getItem('orvane.record') || '';"
                f" sessionStorage.setItem('orvane.record', {damage}); }}"))["identifier"]
            browser.load("Page.reload")
            browser.call("Page.removeScriptToEvaluateOnNewDocument", identifier=script)
            if (shown := page.read().split("\t")[:4]) != ["式", "＝", "Memory 1", "Memory 2"]:
                faults.append(f"a record {name} brought back {shown}")
        faults += [f"page error with a damaged record: {e}" for e in page_errors(browser)]
    return faults


def strict_host(page_dir, rounds, policy):
    """Served with a host's policy that allows nothing inline: 2 + 3 = gives 5,
    and input from the first paint is kept."""
    server = make_server(str(page_dir), host_headers={"Content-Security-Policy": policy})
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    try:
        with chromium("Runtime", "Log", "Page") as browser:
            page = Page(browser, url)
            page.finish(sum((page.click(f"Command{n}") for n in (5, 14, 6, 1)), []))
            faults = [] if (shown := page.read().split("\t")[1]) == "5" else [f"2 + 3 = shows {shown!r}"]
            faults += [f"page error: {e}" for e in page_errors(browser)]
        shown = input_from_first_paint(url, rounds)
    finally:
        server.shutdown()
        server.server_close()
    return faults + [f"{way} from the first paint: {count} of {rounds} rounds show {state}"
                     for (way, state), count in shown.items() if state != ("92+34*2", "160")]


def release_arrives_whole(page):
    """A returning user's browser holds week-old files that a plain static
    server sent without a cache policy; a release then changes the page's
    script. Within three reloads the page must use it, and every cache the
    worker keeps must hold the new release alone."""
    with tempfile.TemporaryDirectory(prefix="orvane-release-") as folder, chromium("Page") as browser, \
            serving(folder, PLAIN) as (_, url):
        shutil.copytree(page, folder, ignore=shutil.ignore_patterns("*.gz"), dirs_exist_ok=True)
        folder = pathlib.Path(folder)
        for path in folder.iterdir():
            os.utime(path, (time.time() - 7 * 86400,) * 2)
        browser.load("Page.navigate", url=url)
        browser.evaluate("navigator.serviceWorker.ready.then(() => true)")
        browser.load("Page.reload")
        old = re.search(r"RELEASE = '(\w+)'", (folder / "service_worker.js").read_text())[1]
        new = old[:-3] + "NEW"
        for name in ("index.html", "service_worker.js", "manifest.webmanifest", "page.js"):
            text = (folder / name).read_text(encoding="utf-8").replace(old, new)
            (folder / name).write_text(text + ("self.orvaneRelease = 'new';\n" if name == "page.js" else ""),
                                       encoding="utf-8")
        for _ in range(3):
            try:
                browser.load("Page.reload")
            except TimeoutError:
                return ["a reload after a release never made the keypad ready"]
            time.sleep(3)  # a person's pace, and the worker's work done
            with contextlib.suppress(TimeoutError):
                browser.wait_for(SETTLED, seconds=15)
            kept = browser.evaluate(KEPT)
            if browser.evaluate("self.orvaneRelease") \
                    and kept and all(name == "orvane-" + new and fresh for name, _, fresh in kept):
                return []
        return [f"three reloads after a release, the worker keeps {kept}"]


def parity(args):
    """The seed sequences, formulas, functions and random events against the
    desktop; focus, the About box, names and policy, the page's weight, and
    what it says when it cannot work."""
    rng = random.Random(19)
    events = list(seed_events(args.seeds)) + list(formula_events()) + list(function_events(rng, 300)) + \
        list(random_events(rng, args.random))
    expected = desktop_states(args.replay, events)
    # What a visitor fetches: the module as plain JavaScript only where a host refuses WebAssembly.
    weight = sum(len(gzip.compress(f.read_bytes(), 9)) for f in args.page.iterdir()
                 if f.suffix != ".gz" and f.name != "orvane_plain.js")
    failures = [f"the page weighs {weight} bytes gzipped"] if weight > 300 * 1024 else []
    with serving(args.page) as (_, url), chromium("Runtime", "Log", "Page", flags=["--lang=en-US"]) as browser:
        page = Page(browser, url)
        failures += compare(page, events, expected, "displays differ at ")
        print(f"{len(events)} events compared with the desktop", flush=True)

        failures += focus_kept(page) + about_keeps_keys(page)
        # The window's commands and pastes, then 2,000 pastes of what was typed
        # and copied, on the page loaded afresh, as in a new tab.
        browser.call("Page.addScriptToEvaluateOnNewDocument", source="sessionStorage.clear()")
        commands = Page(browser, url)
        failures += compare(commands, COMMANDS, desktop_states(args.replay, COMMANDS), "commands differ at ")
        failures += paste_round_trip(commands, args.replay, args.seeds, rng)
        # Installable, under a policy that names where scripts come from, and
        # every drawn key has a name for screen readers, English ones marked so.
        if "script-src 'self'" not in browser.evaluate(
                "document.querySelector('meta[http-equiv=Content-Security-Policy]')?.content || ''"):
            failures.append("no Content-Security-Policy for scripts")
        if browser.evaluate("document.getElementById('Command5').lang") != "en":
            failures.append("English key names not marked English")
        browser.evaluate("navigator.serviceWorker.ready.then(() => true)")
        failures += [f"not installable: {e}" for e in
                     browser.call("Page.getInstallabilityErrors")["installabilityErrors"]]
        named = {node["name"]["value"] for node in browser.call("Accessibility.getFullAXTree")["nodes"]
                 if node.get("role", {}).get("value") == "button" and node.get("name", {}).get("value")}
        unnamed = [n for n, name in browser.evaluate(f"{[n for n in range(1, 46) if n not in (20, 21)]}"
                                                     ".map(n => [n, document.getElementById('Command' + n).ariaLabel])")
                   if name not in named]
        if unnamed:
            failures.append(f"keys without a spoken name: {unnamed}")
        failures += [f"page error: {e}" for e in page_errors(browser)]
        failures += [f"{name}: {e}" for name, *fault in FAULTS for e in check_fault(url, *fault)]
    return failures


def screens(args):
    """Fingers on touch screens, in Chromium and in Firefox, and the longest
    captions on every screen."""
    with serving(args.page) as (_, url):
        with chromium("Runtime", "Log", "Page") as browser:
            page = Page(browser, url)
            failures = tap_screens(page, [], random.Random(23), args.replay)
            failures += long_captions({True: page, False: page}, args.replay)
            failures += [f"page error: {e}" for e in page_errors(browser)]
        # Firefox ESR, driven over WebDriver BiDi, once for fingers and once for a mouse.
        with firefox(True) as touch, firefox(False) as mouse:
            pages = {True: Page(touch, url), False: Page(mouse, url)}
            failures += long_captions(pages, args.replay, where_safe=False)
            failures += [f"page error in Firefox: {e}" for e in touch.errors() + mouse.errors()]
        failures += firefox_touch_rows(url)
    return failures


def offline(args):
    """The page without its server once its worker is active, input from the
    first paint and before the engine has come, the tab's work across a
    reload, a host's strict policy, and a new release."""
    failures = []
    with serving(args.page) as (server, url), chromium("Runtime", "Log", "Page") as browser:
        page = Page(browser, url)
        browser.evaluate("navigator.serviceWorker.ready.then(() => true)")
        # Offline: the worker is active, so the page must come back without
        # the server; on the narrowest screen, where it is scaled the most.
        server.shutdown()
        server.server_close()
        browser.call("Emulation.setDeviceMetricsOverride", width=320, height=480, deviceScaleFactor=1, mobile=True)
        # Each load starts afresh, as a new tab does: a reload would bring back the tab's work.
        browser.call("Page.addScriptToEvaluateOnNewDocument", source="sessionStorage.clear()")
        offline = [{"button": n} for n in (5, 14, 6, 16, 7, 1, 24)] + [{"menu": "mnuSikicopy"}]
        for address in ("", "index.html", "?from=home"):  # the folder, its page, a bookmark's query
            browser.load("Page.navigate", url=url + address)
            browser.load("Page.reload")
            page.measure()
            if browser.evaluate("document.getElementById('Form1').getBoundingClientRect().right") > 320:
                failures.append("the window is wider than a 320-pixel screen")
            failures += compare(page, offline, desktop_states(args.replay, offline), f"offline at /{address}: ")
        failures += [f"page error: {e}" for e in page_errors(browser)]
    with serving(args.page) as (_, url):
        failures += clicks_wait_for_engine(url)
        print("from the first paint:", shown := input_from_first_paint(url, args.early_rounds), flush=True)
        failures += [f"{way} from the first paint: {count} of {args.early_rounds} rounds show {state}"
                     for (way, state), count in shown.items() if state != ("92+34*2", "160")]
        failures += tab_keeps_work(url, args.replay)
    policy = "default-src 'self'"
    failures += [f"under {policy}: {e}" for e in strict_host(args.page, max(1, args.early_rounds // 5), policy)]
    return failures + release_arrives_whole(args.page)


def narration(args):
    """What the page says after each key, in English and in Japanese."""
    with serving(args.page) as (_, url):
        return spoken_lines(url, args.replay, "en-US") + spoken_lines(url, args.replay, "ja")


PARTS = {"parity": parity, "screens": screens, "offline": offline, "narration": narration}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--seeds", required=True, type=pathlib.Path)
    parser.add_argument("--random", type=int, default=20000)
    parser.add_argument("--early-rounds", type=int, default=10)
    parser.add_argument("--part", choices=PARTS, action="append", help="the parts to run; all without one")
    args = parser.parse_args()

    failures = []
    for part in args.part or PARTS:
        failures += [f"{part}: {failure}" for failure in PARTS[part](args)]
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
