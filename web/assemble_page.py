#!/usr/bin/env python3
"""Assembles the page: its own files, the engine module, the Japanese texts
read from the desktop's translations, the icons rendered from the program's
vector icon, the manifest, and the service worker with the list of files it
keeps for offline use. The output folder holds the page and nothing else."""
import argparse
import hashlib
import json
import pathlib
import shutil
import re
import subprocess
import tempfile
import xml.etree.ElementTree as ElementTree

ICON_SIZES = (192, 512)
MASKABLE_SIZE = 512
APPLE_TOUCH_SIZE = 180
BACKGROUND = "#8080ff"
# The share of a maskable icon's side the picture may take: its corners stay
# inside the safe zone, the circle of 80 % of the side.
MASKABLE_PICTURE = 0.56


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


def grid_areas(layout_path):
    """Each cell's name (a button number or L1 to L4) -> (first row, first
    column, rows, columns) of the rectangle its words fill, from 1, and the
    grid's rows and columns."""
    rows = [line.split() for line in layout_path.read_text(encoding="utf-8").splitlines()
            if line.strip() and not line.startswith("#")]
    columns = len(rows[0])
    cells = {}
    for r, row in enumerate(rows):
        if len(row) != columns:
            raise SystemExit(f"{layout_path}: row {r + 1} has {len(row)} cells, not {columns}")
        for c, name in enumerate(row):
            if not re.fullmatch(r"L[1-4]|[1-9][0-9]?", name):
                raise SystemExit(f"{layout_path}: {name!r} names no button or display")
            cells.setdefault(name, []).append((r, c))
    areas = {}
    for name, places in cells.items():
        top, left = min(r for r, _ in places), min(c for _, c in places)
        height, width = max(r for r, _ in places) - top + 1, max(c for _, c in places) - left + 1
        if len(places) != height * width:
            raise SystemExit(f"{layout_path}: the cells of {name} are not one rectangle")
        areas[name] = (top + 1, left + 1, height, width)
    return areas, len(rows), columns


def touch_css(base_css, layout_path):
    """The upright touch screen's style sheet: the hand-written rules, then
    the grid and every cell's place in it from the layout table. Keys not
    placed stay hidden."""
    areas, rows, columns = grid_areas(layout_path)
    rules = [f"#client {{ grid-template: repeat({rows}, minmax(0, 1fr)) / repeat({columns}, minmax(0, 1fr)); }}"]
    for name, (top, left, height, width) in areas.items():
        element = "Label" + name[1:] if name.startswith("L") else "Command" + name
        show = "" if name.startswith("L") else " display: flex;"
        rules.append(f"#{element} {{ grid-area: {top} / {left} / span {height} / span {width};{show} }}")
    return base_css + f"\n/* The grid, from {layout_path.name}. */\n" + "\n".join(rules) + "\n"


def render_icons(rsvg, icon_path, out):
    """The icons: transparent ones at ICON_SIZES, and a maskable one and an
    apple-touch-icon with the picture small enough for any mask on an opaque
    ground of the calculator's colour."""
    for size in ICON_SIZES:
        subprocess.run([rsvg, "--width", str(size), "--height", str(size),
                        "--output", str(out / f"icon-{size}.png"), str(icon_path)], check=True)
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
        for name, size in (("icon-maskable.png", MASKABLE_SIZE), ("apple-touch-icon.png", APPLE_TOUCH_SIZE)):
            subprocess.run([rsvg, "--width", str(size), "--height", str(size),
                            "--output", str(out / name), source.name], check=True)


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
        "icons": [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": "any"} for size in ICON_SIZES] +
                 [{"src": "icon-maskable.png", "sizes": f"{MASKABLE_SIZE}x{MASKABLE_SIZE}", "type": "image/png",
                   "purpose": "maskable"}],
    }


def main():
    parser = argparse.ArgumentParser()
    for option in ("out", "web", "module", "translations", "icon", "rsvg", "version", "touch-layout"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    out, web, module = pathlib.Path(args.out), pathlib.Path(args.web), pathlib.Path(args.module)

    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    for name in ("page.js", "page.css", "touch.js"):
        shutil.copy(web / name, out / name)
    (out / "touch.css").write_text(touch_css((web / "touch.css").read_text(encoding="utf-8"),
                                             pathlib.Path(args.touch_layout)), encoding="utf-8")
    for name in ("orvane.js", "orvane.wasm"):
        shutil.copy(module / name, out / name)
    (out / "index.html").write_text(
        (web / "index.html").read_text(encoding="utf-8").replace("@VERSION@", args.version),
        encoding="utf-8")
    texts = json.dumps({"ja": translations(args.translations)}, ensure_ascii=False,
                       separators=(",", ":"), sort_keys=True)
    (out / "texts.js").write_text(f"self.orvaneTexts={texts};\n", encoding="utf-8")
    render_icons(args.rsvg, pathlib.Path(args.icon), out)
    (out / "manifest.webmanifest").write_text(
        json.dumps(manifest(args.version), ensure_ascii=False, indent=1), encoding="utf-8")

    # The worker keeps every file under a name that changes with any of
    # them, so a new build replaces the old files as one set.
    files = sorted(path.name for path in out.iterdir())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (out / name).read_bytes())
    worker = (web / "service_worker.js").read_text(encoding="utf-8")
    worker = worker.replace("@CACHE@", "orvane-" + digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    (out / "service_worker.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
