#!/usr/bin/env python3
"""Draws the ten 16 x 16 icons of the folder picker into data/ (folder_picker_*.png).

Run from the source folder: python3 tools/draw_folder_picker_icons.py
The icons are drawn here pixel by pixel; nothing is taken from elsewhere.
"""
import struct
import sys
import zlib
from pathlib import Path

SIZE = 16
CLEAR = (0, 0, 0, 0)

OUTLINE = (90, 70, 20, 255)
FOLDER = (240, 200, 80, 255)
FOLDER_LIGHT = (252, 228, 140, 255)
FOLDER_DARK = (205, 160, 50, 255)
GREY_DARK = (70, 70, 80, 255)
GREY = (150, 150, 160, 255)
GREY_LIGHT = (210, 210, 218, 255)
GREEN = (40, 200, 60, 255)
BLUE = (50, 100, 210, 255)
BLUE_LIGHT = (120, 170, 240, 255)
RED = (190, 40, 40, 255)
WHITE = (255, 255, 255, 255)
SILVER = (200, 205, 215, 255)
RAINBOW = [(240, 150, 150, 255), (240, 220, 140, 255), (150, 220, 160, 255), (150, 180, 240, 255)]


class Canvas:
    def __init__(self):
        self.pixels = [[CLEAR] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(SIZE):
            for x in range(SIZE):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.put(x, y, colour)

    def png(self):
        raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def folder(c, open_=False):
    # The tab, then the body.
    c.fill(1, 3, 6, 4, FOLDER_DARK)
    c.frame(1, 3, 6, 4, OUTLINE)
    c.fill(1, 5, 14, 13, FOLDER_DARK if open_ else FOLDER)
    c.frame(1, 5, 14, 13, OUTLINE)
    if not open_:
        c.fill(2, 6, 13, 6, FOLDER_LIGHT)
        return
    # The front flap tilted towards the viewer: its top edge at x 4 to 15, its bottom at 1 to 12.
    for y in range(8, 14):
        left = 4 - round((y - 8) * 3 / 5)
        right = left + 11
        for x in range(left, right + 1):
            edge = y in (8, 13) or x in (left, right)
            c.put(x, y, OUTLINE if edge else (FOLDER_LIGHT if y == 9 else FOLDER))


def link_arrow(c):
    # A white box with an arrow pointing up and to the right, bottom left.
    c.fill(0, 8, 7, 15, WHITE)
    c.frame(0, 8, 7, 15, GREY_DARK)
    for x, y in [(2, 13), (3, 12), (4, 11), (3, 10), (4, 10), (5, 10), (5, 11), (5, 12)]:
        c.put(x, y, BLUE)


def fixed_volume(c):
    c.fill(1, 5, 14, 11, GREY_LIGHT)
    c.frame(1, 5, 14, 11, GREY_DARK)
    c.fill(2, 9, 13, 10, GREY)
    c.put(12, 7, GREEN)
    c.put(11, 7, GREEN)


def network_volume(c):
    fixed_volume(c)
    c.fill(7, 12, 8, 13, GREY_DARK)
    c.fill(2, 14, 13, 14, BLUE)
    c.fill(6, 13, 9, 15, BLUE_LIGHT)
    c.frame(6, 13, 9, 15, BLUE)


def removable_volume(c):
    # A memory stick: its plug on the left, its body on the right.
    c.fill(1, 6, 4, 10, SILVER)
    c.frame(1, 6, 4, 10, GREY_DARK)
    c.put(2, 7, GREY_DARK)
    c.put(2, 9, GREY_DARK)
    c.fill(5, 4, 14, 12, BLUE)
    c.frame(5, 4, 14, 12, GREY_DARK)
    c.fill(7, 6, 12, 7, BLUE_LIGHT)
    c.put(12, 10, GREEN)


def cdrom_volume(c):
    c.disc(7.5, 7.5, 7, GREY_DARK)
    c.disc(7.5, 7.5, 6.2, SILVER)
    for i, colour in enumerate(RAINBOW):
        c.put(3 + i, 4 + i, colour)
        c.put(4 + i, 4 + i, colour)
    c.disc(7.5, 7.5, 2.2, GREY)
    c.disc(7.5, 7.5, 1.2, CLEAR)


def locked_folder(c):
    folder(c)
    # A padlock, bottom right.
    for x, y in [(10, 7), (11, 6), (12, 6), (13, 7), (10, 8), (13, 8)]:
        c.put(x, y, GREY_DARK)
    c.fill(9, 9, 14, 14, RED)
    c.frame(9, 9, 14, 14, GREY_DARK)
    c.put(11, 11, WHITE)
    c.put(12, 11, WHITE)
    c.put(11, 12, WHITE)


def home_folder(c):
    # A house: the roof, the walls, a door.
    for y in range(1, 8):
        for x in range(8 - y, 8 + y):
            c.put(x, y, RED)
    for y in range(1, 8):
        c.put(8 - y, y, OUTLINE)
        c.put(7 + y, y, OUTLINE)
    c.fill(3, 8, 12, 14, FOLDER_LIGHT)
    c.frame(3, 8, 12, 14, OUTLINE)
    c.fill(7, 10, 9, 14, FOLDER_DARK)
    c.frame(7, 10, 9, 14, OUTLINE)


ICONS = {
    "folder_picker_fixed_volume.png": fixed_volume,
    "folder_picker_network_volume.png": network_volume,
    "folder_picker_removable_volume.png": removable_volume,
    "folder_picker_cdrom_volume.png": cdrom_volume,
    "folder_picker_folder.png": lambda c: folder(c),
    "folder_picker_open_folder.png": lambda c: folder(c, True),
    "folder_picker_linked_folder.png": lambda c: (folder(c), link_arrow(c)),
    "folder_picker_open_linked_folder.png": lambda c: (folder(c, True), link_arrow(c)),
    "folder_picker_locked_folder.png": locked_folder,
    "folder_picker_home_folder.png": home_folder,
}


def main():
    data = Path(sys.argv[1] if len(sys.argv) > 1 else "data")
    for name, draw in ICONS.items():
        canvas = Canvas()
        draw(canvas)
        (data / name).write_bytes(canvas.png())


if __name__ == "__main__":
    main()
