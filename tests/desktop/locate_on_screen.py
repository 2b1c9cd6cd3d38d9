#!/usr/bin/python3
"""Finds the calculator's windows on a screenshot of an X display, by colour.

  locate_on_screen.py WIDTHxHEIGHT main|about < raw-rgb-bytes

Prints "x y top" for the window asked for: its client area's top-left corner
and the top of its frame (the light title bar above the client area), or
nothing when the window is not on screen.
"""
import sys

RUN = 300  # long enough that only the wanted stripe has it


def main():
    width, height = (int(n) for n in sys.argv[1].split("x"))
    pixels = sys.stdin.buffer.read()

    def colour(x, y):
        i = 3 * (y * width + x)
        return tuple(pixels[i:i + 3])

    def run_at(x, y, want):
        return x + RUN <= width and all(colour(x + d, y) == want for d in range(0, RUN, 7))

    # The expression display: pale blue from the client area's corner; the
    # About box: its white rule, 2 pixels high, 8 from the left, 128 down.
    want, dx, dy = ((192, 192, 255), 0, 0) if sys.argv[2] == "main" else ((255, 255, 255), 8, 128)
    for y in range(height - 1):
        row = pixels[3 * y * width:3 * (y + 1) * width]
        x = row.find(bytes(want))
        while x != -1:
            if x % 3 == 0 and run_at(x // 3, y, want) and (
                    dy == 0 or run_at(x // 3, y + 1, want) and not run_at(x // 3, y + 2, want)):
                left, top = x // 3 - dx, y - dy
                frame = top - 1
                while frame > 0 and min(colour(left + (450 if dy == 0 else 240), frame - 1)) > 200:
                    frame -= 1
                print(left, top, frame)
                return
            x = row.find(bytes(want), x + 1)


main()
