#!/usr/bin/env python3
"""Fails when an #include runs against the arrows between the source rooms: the
engine, the tables, the narration, the input path and the faces' data and
description include nothing of the window's rooms, the page or Qt; the tables
(data and lookups) nothing of the engine, the narration or the input path; the
engine nothing of the narration above it, and neither of them anything of the
input path above both; and no engine folder leads back to itself through the
others.
   tools/check_arrows.py [SOURCE_ROOT]
"""
import re
import sys
from pathlib import Path

ENGINE = ("record", "entry", "eval", "edit")
PLAIN = ENGINE + ("tables", "narration", "input", "drawing", "assets")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def cycle(graph, trail):
    """The first path from trail's end that leads back into trail, or None."""
    for after in sorted(graph.get(trail[-1], ())):
        if after in trail:
            return trail[trail.index(after):] + [after]
        if found := cycle(graph, trail + [after]):
            return found
    return None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent)
    wrong, graph = [], {}
    for room in PLAIN:
        for source in sorted((root / room).glob("*.[ch]*")):
            for quote, path in INCLUDE.findall(source.read_text(encoding="utf-8")):
                qt = quote == "<" and path[0] == "Q"  # the standard library's are lower case
                if not qt and (quote == "<" or "/" not in path):
                    continue  # the standard library, or a neighbour in the same folder
                to = "Qt" if qt else path.split("/")[0]
                where = f"{source.relative_to(root)} includes {path}"
                if to not in PLAIN:
                    wrong.append(f"{where}: {room}/ stands on no window room, page or Qt")
                elif room == "tables" and to in ENGINE + ("narration", "input"):
                    wrong.append(f"{where}: tables/ holds data and lookups only")
                elif room in ENGINE + ("narration",) and to == "input":
                    wrong.append(f"{where}: {room}/ knows nothing of where inputs come in")
                elif room in ENGINE and to == "narration":
                    wrong.append(f"{where}: the engine knows nothing of what is said of it")
                elif room != to and to in ENGINE:
                    graph.setdefault(room, set()).add(to)
    if found := next(filter(None, (cycle(graph, [room]) for room in sorted(graph))), None):
        wrong.append("engine folders include each other: " + " -> ".join(found))
    print("\n".join(wrong) or "include arrows run one way in " + ", ".join(PLAIN))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
