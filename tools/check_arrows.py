#!/usr/bin/env python3
"""Fails when an #include runs against the arrows between the source rooms.

The engine (record/, entry/, eval/, edit/) and the tables stay plain C++:
they include nothing of the window's rooms, the page or Qt. The tables hold
data and lookups, so they include nothing of the engine. And no engine folder
depends on itself through the others, so each can be read from the ones below.

    tools/check_arrows.py [SOURCE_ROOT]
"""
import re
import sys
from pathlib import Path

ENGINE = ("record", "entry", "eval", "edit")
PLAIN = ENGINE + ("tables",)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def arrows(root):
    """(from room, to room, file, included path) for every include of a plain room."""
    for room in PLAIN:
        for source in sorted((root / room).glob("*.[ch]*")):
            for quote, path in INCLUDE.findall(source.read_text(encoding="utf-8")):
                if quote == "<":
                    # The standard library is all lower case; Qt's headers are not.
                    if path[0] == "Q":
                        yield room, "Qt", source, path
                elif "/" in path:
                    yield room, path.split("/")[0], source, path


def cycle(graph):
    """A list of rooms that lead back to the first, or None."""
    def walk(room, trail):
        for after in sorted(graph.get(room, ())):
            if after in trail:
                return trail[trail.index(after):] + [after]
            found = walk(after, trail + [after])
            if found:
                return found
        return None
    return next(filter(None, (walk(room, [room]) for room in sorted(graph))), None)


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent)
    wrong, graph = [], {}
    for room, to, source, path in arrows(root):
        name = source.relative_to(root)
        if to not in PLAIN:
            wrong.append(f"{name} includes {path}: {room}/ stands on no window room, page or Qt")
        elif room == "tables" and to in ENGINE:
            wrong.append(f"{name} includes {path}: tables/ holds data and lookups only")
        elif room != to and to in ENGINE:
            graph.setdefault(room, set()).add(to)
    if found := cycle(graph):
        wrong.append("engine folders include each other: " + " -> ".join(found))
    print("\n".join(wrong) or f"include arrows run one way in {', '.join(PLAIN)}")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
