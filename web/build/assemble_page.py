#!/usr/bin/env python3
"""Assembles the page: its own files, the engine module, the Japanese texts
read from the desktop's translations, the icons rendered from the program's
vector icon, the manifest, and the service worker with the list of files it
keeps for offline use. The output folder holds the page and nothing else."""
import argparse
import gzip
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import tempfile
from fractions import Fraction
import xml.etree.ElementTree as ElementTree
from html import escape

ICON_SIZES = (192, 512)
MASKABLE_SIZE = 512
APPLE_TOUCH_SIZE = 180
BACKGROUND = "#8080ff"
TWIPS_PER_PIXEL = 15
# The share of a maskable icon's side the picture may take: its corners stay
# inside the safe zone, the circle of 80 % of the side.
MASKABLE_PICTURE = 0.56
# The worker keeps the page under its address, "./"; a second copy would
# only be fetched twice.
NOT_KEPT = ("index.html",)
# The module as plain JavaScript is fetched only where a host's policy
# refuses WebAssembly; every other visitor would keep it for nothing.
LOADED_APART = ("orvane_plain.js",)


def translations(ts_path):
    """Source text -> Japanese, for every finished message of the .ts file."""
    texts = {}
    for message in ElementTree.parse(ts_path).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source and translation is not None and translation.text and \
                translation.get("type") not in ("unfinished", "obsolete", "vanished"):
            texts[source] = translation.text
    return texts


def drawn_keypad(text):
    """What the keypad printer wrote: the shared paints, the faces by button
    number, and the style rules."""
    drawn = {"faces": {}, "rules": []}
    for line in text.splitlines():
        kind, _, rest = line.partition(" ")
        if kind == "face":
            number, _, face = rest.partition(" ")
            drawn["faces"][int(number)] = face
        elif kind == "rule":
            drawn["rules"].append(rest)
        else:
            drawn[kind] = rest
    return drawn


def keypad(tables, drawn):
    """The keys in tab order, drawn, with the style rules that place them: all
    in the page as it arrives, so the first paint has them. The faces and the
    rules come drawn and written from the desktop's description of a face."""
    keys = [drawn["paints"]]
    for key in sorted(tables["buttons"], key=lambda key: key["tab"]):
        number = key["number"]
        if key["family"] == "caption":  # never available, and never drawn
            keys.append(f'<button type="button" id="Command{number}" class="key" hidden></button>')
            continue
        attributes = f' data-speech="{escape(key["name"] + "|" + key["description"])}"'
        if key["tooltip"]:
            attributes += f' title="{escape(key["tooltip"])}"'
        if not key["available"]:
            attributes += " disabled"
        elif key["tab"] == 0:  # the key the desktop's window starts with; typed Enter presses it
            attributes += " autofocus"
        keys.append(f'<button type="button" id="Command{number}" class="key"{attributes}>'
                    f'{drawn["faces"][number]}</button>')
    return "\n".join(keys), drawn["rules"]


def menus(tables):
    """The menu bar's menus from the table both editions read: a caption's
    access key, after '&', underlined and kept for the keyboard."""
    def button(entry, attributes):
        before, _, after = entry["caption"].partition("&")
        access, rest = after[0], after[1:]
        return (f'<button type="button" tabindex="-1"{attributes} data-access="{access.lower()}">'
                f'{escape(before)}<u>{escape(access)}</u>{escape(rest)}</button>')
    lines = []
    for menu in tables["menus"]:
        lines.append('    <div class="menu">')
        # The title's attributes break onto a second line, as a hand would.
        title = (f' class="title" id="{menu["name"]}" role="menuitem" aria-haspopup="menu"'
                 ' aria-expanded="false"\n' + " " * 13)
        lines.append("      " + button(menu, title))
        lines.append('      <div class="items" role="menu" hidden>')
        for item in menu["items"]:
            if item["caption"] is None:
                lines.append(f'        <div id="{item["name"]}" role="separator"></div>')
            else:
                lines.append("        " + button(item, f' id="{item["name"]}" role="menuitem"'))
        lines.append("      </div>")
        lines.append("    </div>")
    return "\n".join(lines)


def compress_beside(out):
    """A gzip copy beside each file, for a server that sends it to browsers that take it."""
    for path in list(out.iterdir()):
        (out / (path.name + ".gz")).write_bytes(gzip.compress(path.read_bytes(), 9, mtime=0))


# The widest caption the engine sets in the answer and memory displays,
# -1.42857142857143E-100, in ems of the displays' bold font (12.9 in
# Chromium, 13.4 in Firefox), and a display's padding and border across: a
# display narrower than these at the smallest text the page shows cannot
# show every caption whole.
WIDEST_CAPTION_EM = 13.5
SMALLEST_TEXT_PX = 12
DISPLAY_SIDES_PX = 12
# The drawn window, in pixels at scale 1: its width, and its height with the
# menu bar and the line above it that the scale leaves as it is.
WINDOW_WIDTH, WINDOW_HEIGHT, UNSCALED_HEIGHT = 582, 220, 16
# With a mouse the drawn window stays while its smallest key is this wide.
DRAWN_KEY_PX = 24


def grid_areas(layout_path):
    """Each cell's name (a button number, M for the menu bar, or L1 to L4) ->
    (first row, first column, rows, columns) of the rectangle its words fill,
    from 1; and the grid's rows and columns."""
    rows = [line.split() for line in layout_path.read_text(encoding="utf-8").splitlines()
            if line.strip() and not line.startswith("#")]
    columns = len(rows[0])
    cells = {}
    for r, row in enumerate(rows):
        if len(row) != columns:
            raise SystemExit(f"{layout_path}: row {r + 1} has {len(row)} cells, not {columns}")
        for c, name in enumerate(row):
            if not re.fullmatch(r"M|L[1-4]|[1-9][0-9]?|\.", name):
                raise SystemExit(f"{layout_path}: {name!r} names no button, display or menu bar")
            cells.setdefault(name, []).append((r, c))
    cells.pop(".", None)
    areas = {}
    for name, places in cells.items():
        top, left = min(r for r, _ in places), min(c for _, c in places)
        height, width = max(r for r, _ in places) - top + 1, max(c for _, c in places) - left + 1
        if len(places) != height * width:
            raise SystemExit(f"{layout_path}: the cells of {name} are not one rectangle")
        areas[name] = (top + 1, left + 1, height, width)
    return areas, len(rows), columns


def grid_media(buttons):
    """The screens the grid is shown on: the drawn window stays with a mouse
    (or no pointer at all) while it can be scaled so that its smallest key is
    DRAWN_KEY_PX or more."""
    smallest = min(min(b["width"], b["height"]) for b in buttons if b["available"]) / TWIPS_PER_PIXEL
    scale = DRAWN_KEY_PX / smallest
    return (f"(pointer: coarse), (max-width: {WINDOW_WIDTH * scale - 0.01:g}px),"
            f" (max-height: {UNSCALED_HEIGHT + WINDOW_HEIGHT * scale - 0.01:g}px)")


def chosen_where(grids):
    """For each grid (areas, rows, columns), the screens it is shown on, as a
    media query list: of the grids whose answer and memory displays are wide
    enough for the widest caption at the smallest text, the one whose cells,
    and so its keys, are largest; the first of equals. The grid has no gaps,
    so a cell is the screen's width over the columns by its height over the
    rows, and which grid wins depends on the screen's shape alone; which
    grids may win, on its width. Where no grid's displays are wide enough,
    the one that needs the least width is shown."""
    need = WIDEST_CAPTION_EM * SMALLEST_TEXT_PX + DISPLAY_SIDES_PX
    widest = [max(need * columns / areas[name][3] for name in ("L2", "L3", "L4"))
              for areas, _, columns in grids]
    bounds = sorted(set([0] + widest))
    queries = [[] for _ in grids]
    for low, high in zip(bounds, bounds[1:] + [None]):
        fit = [i for i, width in enumerate(widest) if width <= low] or [widest.index(min(widest))]
        # Between these shapes (width over height) the largest cell changes.
        shapes = sorted({Fraction(grids[a][2], grids[b][1]) for a in fit for b in fit})
        cell = lambda i, shape: min(shape / grids[i][2], Fraction(1, grids[i][1]))
        spans = []
        for at, shape in enumerate(shapes + [None]):
            below = shapes[at - 1] if at else None
            probe = (shape / 2 if below is None else below * 2 if shape is None else (below + shape) / 2)
            winner = max(fit, key=lambda i: (cell(i, probe), -i))
            if spans and spans[-1][0] == winner:
                spans[-1][2] = shape
            else:
                spans.append([winner, below, shape])
        for winner, below, shape in spans:
            terms = [f"(min-width: {low:g}px)" if low else None,
                     f"(max-width: {high - 0.01:g}px)" if high is not None else None,
                     f"(min-aspect-ratio: {below.numerator}/{below.denominator})" if below is not None else None,
                     f"(max-aspect-ratio: {shape.numerator}/{shape.denominator})" if shape is not None else None]
            queries[winner].append(" and ".join(t for t in terms if t) or "all")
    return [", ".join(q) for q in queries]


def touch_css(base_css, layout_paths):
    """The grid's style sheet: the hand-written rules, then for each grid the
    screens it is shown on, its rows and columns and every cell's place in it
    from its table. Keys not placed stay hidden."""
    sheet = [base_css]
    grids = [grid_areas(path) for path in layout_paths]
    for layout_path, (areas, rows, columns), media in zip(layout_paths, grids, chosen_where(grids)):
        if not media:
            continue
        rules = [f"#Form1 {{ grid-template: repeat({rows}, minmax(0, 1fr)) / repeat({columns}, minmax(0, 1fr)); }}"]
        for name, (top, left, height, width) in areas.items():
            element = "menubar" if name == "M" else "Label" + name[1:] if name.startswith("L") else "Command" + name
            show = " display: flex;" if name.isdigit() else ""
            rules.append(f"#{element} {{ grid-area: {top} / {left} / span {height} / span {width};{show} }}")
        sheet.append(f"/* The grid of {layout_path.name}. */\n@media {media} {{\n" + "\n".join(rules) + "\n}\n")
    return "\n".join(sheet)


def render_icons(rsvg, icon_path, out):
    """The icons: transparent ones at ICON_SIZES, and a maskable one and an
    apple-touch-icon with the picture small enough for any mask on an opaque
    ground of the calculator's colour."""
    def render(source, size, name):
        subprocess.run([rsvg, "--width", str(size), "--height", str(size), "--output", str(out / name), str(source)],
                       check=True)
    for size in ICON_SIZES:
        render(icon_path, size, f"icon-{size}.png")
    icon = icon_path.read_text(encoding="utf-8")
    inner = icon[icon.index(">", icon.index("<svg")) + 1:icon.rindex("</svg>")]
    side = 32
    offset = side * (1 - MASKABLE_PICTURE) / 2
    padded = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{side}" height="{side}" viewBox="0 0 {side} {side}">'
              f'<rect width="{side}" height="{side}" fill="{BACKGROUND}"/>'
              f'<g transform="translate({offset} {offset}) scale({MASKABLE_PICTURE})">{inner}</g></svg>')
    with tempfile.NamedTemporaryFile("w", suffix=".svg", encoding="utf-8") as source:
        source.write(padded)
        source.flush()
        render(source.name, MASKABLE_SIZE, "icon-maskable.png")
        render(source.name, APPLE_TOUCH_SIZE, "apple-touch-icon.png")


def manifest(version):
    return {
        "id": "./",
        "name": "Orvane",
        "short_name": "Orvane",
        "description": "式入力型関数電卓",
        "version": version,
        "lang": "ja",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": BACKGROUND,
        "theme_color": BACKGROUND,
        "icons": [{"src": f"icon-{size}.png?r=@RELEASE@", "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": "any"} for size in ICON_SIZES] +
                 [{"src": "icon-maskable.png?r=@RELEASE@", "sizes": f"{MASKABLE_SIZE}x{MASKABLE_SIZE}",
                   "type": "image/png", "purpose": "maskable"}],
    }


def main():
    parser = argparse.ArgumentParser()
    for option in ("out", "sources", "module", "translations", "icon", "rsvg", "version", "tables", "keypad"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--touch-layouts", required=True, nargs="+", type=pathlib.Path)
    parser.add_argument("--plain-module", required=True, type=pathlib.Path)
    args = parser.parse_args()
    out, sources, module = pathlib.Path(args.out), pathlib.Path(args.sources), pathlib.Path(args.module)

    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    for name in ("early_input.js", "page.js", "page_speech.js", "touch.js", "taps.js", "tab_session.js", "fit_text.js"):
        shutil.copy(sources / name, out / name)
    for name in ("orvane.js", "orvane.wasm"):
        shutil.copy(module / name, out / name)
    shutil.copy(args.plain_module, out / "orvane_plain.js")
    page = (sources / "index.html").read_text(encoding="utf-8").replace("@VERSION@", args.version)
    tables = json.loads(pathlib.Path(args.tables).read_text(encoding="utf-8"))
    keys, rules = keypad(tables, drawn_keypad(pathlib.Path(args.keypad).read_text(encoding="utf-8")))
    # The displays show the engine's start-up captions from the first paint.
    for number, caption in enumerate(tables["captions"], 1):
        page = re.sub(f'(<div id="Label{number}"[^>]*><span[^>]*>)[^<]*(</span>)',
                      lambda tags: tags[1] + escape(caption) + tags[2], page)
    # The style sheets are files of their own, as is the script that keeps
    # early input, so that a host whose policy allows nothing inline still
    # takes them; the page links them from its head, before its first paint.
    (out / "page.css").write_text((sources / "page.css").read_text(encoding="utf-8") +
                                  "\n/* Where the displays and keys are, from the tables. */\n" +
                                  "\n".join(rules) + "\n", encoding="utf-8")
    (out / "touch.css").write_text(touch_css((sources / "touch.css").read_text(encoding="utf-8"), args.touch_layouts),
                                   encoding="utf-8")
    page = page.replace("@GRID_SCREENS@", grid_media(tables["buttons"]))
    page = page.replace("<!--@KEYPAD@-->", keys).replace("<!--@MENUS@-->", menus(tables))
    # The About box shows what its Load would set, from the table the desktop shows it from.
    for name, text in tables["about"].items():
        page, found = re.subn(f'(id="{name}"[^>]*>)(<)', lambda tags: tags[1] + escape(text) + tags[2], page)
        if found != 1:
            raise SystemExit(f"index.html: {found} elements with id {name}")
    # The menus and the displays are named from the tables the desktop names them from.
    for name, speech in tables["names"].items():
        page, found = re.subn(f'id="{name}"', lambda tag: f'{tag[0]} data-speech="{escape(speech)}"', page)
        if found != 1:
            raise SystemExit(f"index.html: {found} elements with id {name}")
    (out / "index.html").write_text(page, encoding="utf-8")
    texts = json.dumps({"ja": translations(args.translations)}, ensure_ascii=False,
                       separators=(",", ":"), sort_keys=True)
    words = json.dumps(tables["speech"], ensure_ascii=False, separators=(",", ":"))
    (out / "texts.js").write_text(f"self.orvaneTexts={texts};\nself.orvaneWords={words};\n", encoding="utf-8")
    render_icons(args.rsvg, pathlib.Path(args.icon), out)
    (out / "manifest.webmanifest").write_text(
        json.dumps(manifest(args.version), ensure_ascii=False, indent=1), encoding="utf-8")

    # A release is named after all its files. The page asks for every file
    # with its release's name, so the worker answers it from that release's
    # files alone, and a browser may keep any file but the page and the worker.
    files = sorted(path.name for path in out.iterdir())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (out / name).read_bytes())
    release = digest.hexdigest()[:16]
    for name in ("index.html", "manifest.webmanifest"):
        (out / name).write_text((out / name).read_text(encoding="utf-8").replace("@RELEASE@", release),
                                encoding="utf-8")
    worker = (sources / "service_worker.js").read_text(encoding="utf-8")
    worker = worker.replace("@RELEASE@", release)
    worker = worker.replace("@FILES@", json.dumps(["./"] + [name for name in files if name not in NOT_KEPT + LOADED_APART]))
    (out / "service_worker.js").write_text(worker, encoding="utf-8")
    compress_beside(out)


if __name__ == "__main__":
    main()
