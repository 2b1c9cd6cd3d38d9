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
import subprocess
import xml.etree.ElementTree as ElementTree

ICON_SIZES = (192, 512)


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


def manifest(version):
    return {
        "name": "Orvane",
        "short_name": "Orvane",
        "description": "式入力型関数電卓",
        "version": version,
        "lang": "ja",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#8080ff",
        "theme_color": "#8080ff",
        "icons": [{"src": f"icon-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": "any"} for size in ICON_SIZES],
    }


def main():
    parser = argparse.ArgumentParser()
    for option in ("out", "web", "module", "translations", "icon", "rsvg", "version"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    out, web, module = pathlib.Path(args.out), pathlib.Path(args.web), pathlib.Path(args.module)

    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    for name in ("page.js", "page.css"):
        shutil.copy(web / name, out / name)
    for name in ("orvane.js", "orvane.wasm"):
        shutil.copy(module / name, out / name)
    (out / "index.html").write_text(
        (web / "index.html").read_text(encoding="utf-8").replace("@VERSION@", args.version),
        encoding="utf-8")
    texts = json.dumps({"ja": translations(args.translations)}, ensure_ascii=False,
                       separators=(",", ":"), sort_keys=True)
    (out / "texts.js").write_text(f"self.orvaneTexts={texts};\n", encoding="utf-8")
    for size in ICON_SIZES:
        subprocess.run([args.rsvg, "--width", str(size), "--height", str(size),
                        "--output", str(out / f"icon-{size}.png"), args.icon], check=True)
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
