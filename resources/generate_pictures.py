#!/usr/bin/env python3
"""Draws the window's pictures: background, title strip, window icon and the button icons.

Only the standard library is used, so the pictures can be redrawn anywhere:
    python3 resources/generate_pictures.py resources/pictures
Button icons come in pairs for a mask-and-OR blit: the mask is black where the icon is opaque and
white elsewhere; the icon is black wherever the mask is white.
"""
import math
import os
import struct
import sys
import zlib


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(bytes(max(0, min(255, int(round(c)))) for c in pixel(x, y)))

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def background(x, y):
    # Light grey plate around RGB(224, 224, 224), a little lighter at the top, with a faint
    # engineering grid so the groups stand out from it.
    base = mix((238, 238, 240), (212, 214, 220), y / 279)
    if (x % 24 == 0 or y % 24 == 0) and y > 20:
        base = mix(base, (190, 196, 206), 0.35)
    return base + (255,)


def title_strip(x, y):
    # Blue caption band: bright line at the top, dark line at the bottom, gradient in between.
    if y == 0:
        colour = (120, 170, 240)
    elif y == 19:
        colour = (0, 40, 120)
    else:
        colour = mix((10, 90, 220), (0, 60, 170), (y - 1) / 17)
        colour = mix(colour, (60, 140, 240), 0.5 * (1 - x / 463))
    return colour + (255,)


def spline_hub(x, y):
    """A small involute spline seen end-on: a toothed ring around a bore."""
    cx = cy = 7.5
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    tooth = math.cos(angle * 8) > 0
    outer = 7.4 if tooth else 5.9
    if r <= outer and r >= 2.6:
        shade = 0.35 + 0.65 * (1 - (dx + dy + 11) / 22)
        return mix((60, 80, 110), (170, 190, 220), shade) + (255,)
    return (0, 0, 0, 0)


def tick(x, y):
    """A green check mark: the Calculate command."""
    def near(ax, ay, bx, by, width):
        vx, vy = bx - ax, by - ay
        t = max(0, min(1, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
        return math.hypot(x - (ax + t * vx), y - (ay + t * vy)) <= width

    return near(2, 8, 6, 12, 1.6) or near(6, 12, 13, 3, 1.6)


def cross(x, y):
    """A red cross: the Reset command."""
    return abs((x - 7.5) - (y - 7.5)) <= 1.6 and 2 <= x <= 13 and 2 <= y <= 13 or \
        abs((x - 7.5) + (y - 7.5)) <= 1.6 and 2 <= x <= 13 and 2 <= y <= 13


def printer(x, y):
    """A printer: paper above a body."""
    paper = 4 <= x <= 11 and 1 <= y <= 6
    body = 1 <= x <= 14 and 6 <= y <= 11
    tray = 3 <= x <= 12 and 11 <= y <= 14
    return paper or body or tray


def printer_colour(x, y):
    """White paper with a blue-grey rim over a dark body with a green lamp."""
    if y <= 5 and 4 <= x <= 11:
        return (70, 90, 140) if x in (4, 11) or y == 1 else (235, 240, 250)
    if y == 8 and x == 12:
        return (60, 220, 80)
    return mix((110, 120, 140), (50, 60, 80), y / 15)


def export_sheet(x, y):
    """A sheet with lines: the report command (its mask is left out on purpose)."""
    return 3 <= x <= 12 and 1 <= y <= 14


def icon_pair(folder, name, shape, colour):
    write_png(os.path.join(folder, name + ".png"), 16, 16,
              lambda x, y: (colour(x, y) if shape(x, y) else (0, 0, 0)) + (255,))
    write_png(os.path.join(folder, name + "_mask.png"), 16, 16,
              lambda x, y: ((0, 0, 0) if shape(x, y) else (255, 255, 255)) + (255,))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "pictures")
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, "background.png"), 467, 280, background)
    write_png(os.path.join(folder, "top.png"), 464, 20, title_strip)
    write_png(os.path.join(folder, "spline16.png"), 16, 16, spline_hub)
    icon_pair(folder, "calculate", tick, lambda x, y: mix((40, 170, 60), (10, 110, 30), y / 15))
    icon_pair(folder, "reset", cross, lambda x, y: mix((230, 60, 40), (160, 20, 10), y / 15))
    icon_pair(folder, "print", printer, printer_colour)
    write_png(os.path.join(folder, "report.png"), 16, 16,
              lambda x, y: ((240, 240, 240) if export_sheet(x, y) and y % 3 else
                            (90, 90, 90) if export_sheet(x, y) else (0, 0, 0)) + (255,))


if __name__ == "__main__":
    main()
