#!/usr/bin/env python3
"""Assembles the page: its own files, the engine module, the Japanese texts
read from the desktop's translations, the icons rendered from the program's
vector icon, the manifest, and the service worker with the list of files it
keeps for offline use. The output folder holds the page and nothing else."""
import argparse
import base64
import gzip
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import tempfile
import xml.etree.ElementTree as ElementTree
from html import escape

ICON_SIZES = (192, 512)
MASKABLE_SIZE = 512
APPLE_TOUCH_SIZE = 180
BACKGROUND = "#8080ff"
# The share of a maskable icon's side the picture may take: its corners stay
# inside the safe zone, the circle of 80 % of the side.
MASKABLE_PICTURE = 0.56
TWIPS_PER_PIXEL = 15
# The client area behind the keys, the calculator's colour.
WINDOW_BACKGROUND = tuple(int(BACKGROUND[i:i + 2], 16) for i in (1, 3, 5))
RING_COLOURS = {"#000": (0, 0, 0), "#fff": (255, 255, 255)}
# The worker keeps the page under its address, "./"; a second copy would
# only be fetched twice.
NOT_KEPT = ("index.html",)


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


def pixels(twips):
    return round(twips / TWIPS_PER_PIXEL)


def place(selector, left, top, width, height):
    return (f"{selector} {{ left: {pixels(left)}px; top: {pixels(top)}px; "
            f"width: {pixels(width)}px; height: {pixels(height)}px; }}")


def element(name, **attributes):
    """An SVG element's opening tag; attribute names use _ for -."""
    text = "".join(f' {key.rstrip("_").replace("_", "-")}="{escape(str(value))}"'
                   for key, value in attributes.items() if value is not None)
    return f"<{name}{text}>"


def luminance(colour):
    """Relative luminance of an (r, g, b) in 0-255, as WCAG measures it."""
    linear = [c / 255 / 12.92 if c <= 10.3 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def rgb(css):
    return tuple(float(part) for part in css[len("rgb("):].split("/")[0].split())


def ring_rules(data, faces, buttons):
    """The focus ring's colour on each face: the one of black and white that
    stands out most against every shade of the face and the window behind it."""
    keys = {}
    for key in buttons:
        if not key["available"]:
            continue
        paint = data["families"][faces[key["number"]]["family"]]
        shades = [rgb(paint[part]) for part in ("top", "middle", "bottom")] + [WINDOW_BACKGROUND]
        least = {name: min(contrast(colour, shade) for shade in shades) for name, colour in RING_COLOURS.items()}
        ring = max(least, key=least.get)
        if least[ring] < 3:
            raise SystemExit(f"no focus ring stands out on key {key['number']}")
        keys.setdefault(ring, []).append(f"#Command{key['number']}:focus-visible")
    return [", ".join(selectors) + f" {{ outline-color: {ring}; }}" for ring, selectors in keys.items()]


def face_paints(data):
    """One gradient per family, and the grey of a key that can never be
    pressed (each channel 96 plus half the pixel's grey), shared by all faces."""
    parts = ['<svg width="0" height="0" aria-hidden="true" class="paints"><defs>']
    for index, paint in enumerate(data["families"]):
        parts.append(element("linearGradient", id=f"family{index}", x1=0, y1=0, x2=0, y2=1))
        parts += [element("stop", offset=offset, stop_color=paint[part]) + "</stop>"
                  for offset, part in (("0", "top"), ("0.5", "middle"), ("1", "bottom"))]
        parts.append("</linearGradient>")
    row = " ".join(str(weight / 64) for weight in (11, 16, 5)) + f" 0 {96 / 255}"
    parts.append(element("filter", id="unavailable", color_interpolation_filters="sRGB") +
                 element("feColorMatrix", type="matrix", values=f"{row} {row} {row} 0 0 0 1 0") +
                 "</feColorMatrix></filter></defs></svg>")
    return "".join(parts)


def hundredths(value):
    """A length in hundredths of a pixel, as few characters as SVG reads it."""
    whole, part = divmod(abs(value), 100)
    fraction = f".{part:02d}".rstrip("0") if part else ""
    return ("-" if value < 0 else "") + (str(whole) if whole or not fraction else "") + fraction


def short_path(path):
    """A glyph's outline to a hundredth of a pixel, which no screen shows finer,
    written as moves from the last point: most of the page's bytes are these
    outlines, and the fewer there are the sooner the keys are drawn."""
    words = path.split()
    commands, at, start, last = [], (0, 0), (0, 0), None
    i = 0
    while i < len(words):
        command = words[i]
        i += 1
        if command == "Z":
            commands.append("z")
            at, last = start, "z"
            continue
        count = {"M": 1, "L": 1, "C": 3}[command]
        points = [(round(float(words[i + 2 * k]) * 100), round(float(words[i + 2 * k + 1]) * 100))
                  for k in range(count)]
        i += 2 * count
        moves = [coordinate - origin for point in points for coordinate, origin in zip(point, at)]
        name = command.lower()
        if name == "l" and moves[1] == 0:
            name, moves = "h", moves[:1]
        elif name == "l" and moves[0] == 0:
            name, moves = "v", moves[1:]
        text = " ".join(map(hundredths, moves))
        commands.append((name if name != last or name == "m" else " ") + text)
        at, last = points[-1], name
        if command == "M":
            start = at
    return "".join(commands).replace(" -", "-")


def face(picture, data, greyed):
    """A face as the desktop paints it: the rounded picture in its family's
    gradient with its border and sheen, then the glyph's shadow, outline and fill.
    The glyph is written out each time it is drawn: a <use> would cost the
    first frame a shadow tree to style per glyph."""
    paint = data["families"][picture["family"]]
    width, height = picture["width"], picture["height"]
    inset = data["border"] / 2
    outline = short_path(picture["path"])
    rule = "evenodd" if picture["evenOdd"] else "nonzero"
    parts = [element("svg", class_="face", width=width, height=height, viewBox=f"0 0 {width} {height}",
                     aria_hidden="true")]
    if greyed:
        parts.append(element("g", filter="url(#unavailable)"))
    parts += [element("rect", x=inset, y=inset, width=width - 2 * inset, height=height - 2 * inset,
                      rx=data["corner"], fill=f"url(#family{picture['family']})", stroke=paint["border"],
                      stroke_width=data["border"]) + "</rect>",
              element("line", x1=data["sheenInset"], y1=data["sheenY"], x2=width - data["sheenInset"],
                      y2=data["sheenY"], stroke=data["sheen"], stroke_width=data["sheenWidth"]) + "</line>"]
    if paint["shadow"]:
        offset = data["shadowOffset"]
        parts.append(element("path", d=outline, fill=paint["shadow"], fill_rule=rule,
                             transform=f"translate({offset} {offset})") + "</path>")
    stroke = {"stroke": paint["outline"], "stroke_width": data["outlineWidth"]} if paint["outline"] else {}
    parts.append(element("path", d=outline, fill=paint["glyph"], fill_rule=rule, **stroke) + "</path>")
    return "".join(parts) + ("</g>" if greyed else "") + "</svg>"


def keypad(tables):
    """The keys in tab order, drawn, with the style rules that place them and
    the displays: all in the page as it arrives, so the first paint has them."""
    data = tables["faces"]
    faces = {picture["button"]: picture for picture in data["faces"]}
    keys, rules = [face_paints(data)], []
    for key in sorted(tables["buttons"], key=lambda key: key["tab"]):
        number = key["number"]
        rules.append(place(f"#Command{number}", key["left"], key["top"], key["width"], key["height"]))
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
                    f'{face(faces[number], data, not key["available"])}</button>')
    return "\n".join(keys), rules + ring_rules(data, faces, tables["buttons"])


def display_rules(page):
    return [place("#" + name, *map(int, twips.split()))
            for name, twips in re.findall(r'id="(\w+)"[^>]*data-twips="([\d ]+)"', page)]


def compress_beside(out):
    """A gzip copy beside each file, for a server that sends it to browsers that take it."""
    for path in list(out.iterdir()):
        (out / (path.name + ".gz")).write_bytes(gzip.compress(path.read_bytes(), 9, mtime=0))


def grid_areas(layout_path):
    """The screens the table is for (its media query); each cell's name (a
    button number or L1 to L4) -> (first row, first column, rows, columns)
    of the rectangle its words fill, from 1; and the grid's rows and columns."""
    lines = [line for line in layout_path.read_text(encoding="utf-8").splitlines()
             if line.strip() and not line.startswith("#")]
    if not lines[0].startswith("@media "):
        raise SystemExit(f"{layout_path}: the first line is not the screens' @media query")
    rows = [line.split() for line in lines[1:]]
    columns = len(rows[0])
    cells = {}
    for r, row in enumerate(rows):
        if len(row) != columns:
            raise SystemExit(f"{layout_path}: row {r + 1} has {len(row)} cells, not {columns}")
        for c, name in enumerate(row):
            if not re.fullmatch(r"L[1-4]|[1-9][0-9]?|\.", name):
                raise SystemExit(f"{layout_path}: {name!r} names no button or display")
            cells.setdefault(name, []).append((r, c))
    cells.pop(".", None)
    areas = {}
    for name, places in cells.items():
        top, left = min(r for r, _ in places), min(c for _, c in places)
        height, width = max(r for r, _ in places) - top + 1, max(c for _, c in places) - left + 1
        if len(places) != height * width:
            raise SystemExit(f"{layout_path}: the cells of {name} are not one rectangle")
        areas[name] = (top + 1, left + 1, height, width)
    return lines[0][len("@media "):], areas, len(rows), columns


def touch_css(base_css, layout_paths):
    """The touch screen's style sheet: the hand-written rules, then for each
    shape of screen the grid and every cell's place in it from its layout
    table. Keys not placed stay hidden."""
    sheet = [base_css]
    for layout_path in layout_paths:
        media, areas, rows, columns = grid_areas(layout_path)
        rules = [f"#client {{ grid-template: repeat({rows}, minmax(0, 1fr)) / repeat({columns}, minmax(0, 1fr)); }}"]
        for name, (top, left, height, width) in areas.items():
            element = "Label" + name[1:] if name.startswith("L") else "Command" + name
            show = "" if name.startswith("L") else " display: flex;"
            rules.append(f"#{element} {{ grid-area: {top} / {left} / span {height} / span {width};{show} }}")
        sheet.append(f"/* The grid, from {layout_path.name}. */\n@media {media} {{\n" + "\n".join(rules) + "\n}\n")
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
    for option in ("out", "web", "module", "translations", "icon", "rsvg", "version", "tables"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--touch-layouts", required=True, nargs="+", type=pathlib.Path)
    args = parser.parse_args()
    out, web, module = pathlib.Path(args.out), pathlib.Path(args.web), pathlib.Path(args.module)

    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    for name in ("page.js", "page_speech.js", "touch.js"):
        shutil.copy(web / name, out / name)
    for name in ("orvane.js", "orvane.wasm"):
        shutil.copy(module / name, out / name)
    page = (web / "index.html").read_text(encoding="utf-8").replace("@VERSION@", args.version)
    tables = json.loads(pathlib.Path(args.tables).read_text(encoding="utf-8"))
    keys, rules = keypad(tables)
    # The displays show the engine's start-up captions from the first paint.
    for number, caption in enumerate(tables["captions"], 1):
        page = re.sub(f'(<div id="Label{number}"[^>]*><span[^>]*>)[^<]*(</span>)',
                      lambda tags: tags[1] + escape(caption) + tags[2], page)
    # The style sheets and the script that keeps early input are in the page,
    # saving the first paint a request, under a policy that names them by
    # their hashes.
    inline = {"EARLY_INPUT": re.sub(r"(?m)^ *//.*\n", "", (web / "early_input.js").read_text(encoding="utf-8")),
              "STYLE": (web / "page.css").read_text(encoding="utf-8") +
              "\n/* Where the displays and keys are, from the tables. */\n" +
              "\n".join(rules + display_rules(page)) + "\n",
              "TOUCH_STYLE": touch_css((web / "touch.css").read_text(encoding="utf-8"), args.touch_layouts)}
    page = page.replace("<!--@KEYPAD@-->", keys)
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
    for name, text in inline.items():
        digest = base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()
        page = page.replace(f"@{name}_HASH@", "sha256-" + digest).replace(f"@{name}@", text)
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
    worker = (web / "service_worker.js").read_text(encoding="utf-8")
    worker = worker.replace("@RELEASE@", release)
    worker = worker.replace("@FILES@", json.dumps(["./"] + [name for name in files if name not in NOT_KEPT]))
    (out / "service_worker.js").write_text(worker, encoding="utf-8")
    compress_beside(out)


if __name__ == "__main__":
    main()
