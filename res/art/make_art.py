#!/usr/bin/env python3
"""Draws the program's bitmaps: the join button's game controller (38 x 24), the OK
button's check mark (16 x 16) and the program icon (32 x 32), all 24 bits per pixel.
Run it from anywhere; it rewrites join.bmp, ok.bmp and vemko.ico beside this folder."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)

WHITE = (255, 255, 255)


def canvas(w, h, colour):
    return [[colour for _ in range(w)] for _ in range(h)]


def bmp_rows(pixels):
    """Bottom-up BGR rows, each padded to four bytes."""
    h, w = len(pixels), len(pixels[0])
    pad = (4 - (w * 3) % 4) % 4
    data = b""
    for y in range(h - 1, -1, -1):
        for (r, g, b) in pixels[y]:
            data += bytes((b, g, r))
        data += b"\0" * pad
    return data


def info_header(w, h):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, 0, 2835, 2835, 0, 0)


def write_bmp(name, pixels):
    h, w = len(pixels), len(pixels[0])
    rows = bmp_rows(pixels)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(rows), 0, 0, 54)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + info_header(w, h) + rows)


def write_ico(name, pixels, transparent):
    h, w = len(pixels), len(pixels[0])
    rows = bmp_rows(pixels)
    mask_stride = ((w + 31) // 32) * 4
    mask = b""
    for y in range(h - 1, -1, -1):
        line = bytearray(mask_stride)
        for x in range(w):
            if transparent[y][x]:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    image = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0, 0, 0, 0, 0, 0) + rows + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", w, h, 0, 0, 1, 24, len(image), 22)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(directory + image)


def ellipse(px, cx, cy, rx, ry, colour):
    for y in range(len(px)):
        for x in range(len(px[0])):
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                px[y][x] = colour


def rect(px, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            px[y][x] = colour


def controller():
    px = canvas(38, 24, WHITE)
    grey, light, dark, purple = (150, 150, 156), (190, 190, 196), (40, 40, 48), (128, 64, 176)
    # Body at a slant: two grips and a bridge, slightly lower on the right.
    ellipse(px, 9, 14, 8, 8, grey)
    ellipse(px, 29, 15, 8, 8, grey)
    for y in range(len(px)):
        for x in range(7, 32):
            top = 7 + (x - 7) * 1 // 25
            if top <= y <= 16 + (x - 7) // 25:
                px[y][x] = grey
    ellipse(px, 19, 9, 11, 2.5, light)
    # Direction cross on the left.
    rect(px, 8, 10, 11, 19, dark)
    rect(px, 5, 13, 14, 16, dark)
    # Two small buttons in the middle.
    rect(px, 16, 13, 18, 15, dark)
    rect(px, 21, 13, 23, 15, dark)
    # A dark ring holding four purple buttons on the right.
    ellipse(px, 29, 15, 5.5, 5.5, dark)
    for (cx, cy) in ((29, 12.2), (29, 17.8), (26.2, 15), (31.8, 15)):
        ellipse(px, cx, cy, 1.5, 1.5, purple)
    return px


def check_mark():
    px = canvas(16, 16, (192, 192, 192))  # the button-face grey, mapped at load
    green = (0, 128, 0)
    for t in range(0, 41):
        x = 3 + t * 4 / 40
        y = 8 + t * 4 / 40
        rect(px, int(x), int(y), int(x) + 2, int(y) + 2, green)
    for t in range(0, 81):
        x = 7 + t * 7 / 80
        y = 12 - t * 9 / 80
        rect(px, int(x), int(y), int(x) + 2, int(y) + 2, green)
    return px


def icon():
    size = 32
    px = canvas(size, size, (0, 0, 0))
    transparent = [[True] * size for _ in range(size)]

    def put(x, y, colour):
        if 0 <= x < size and 0 <= y < size:
            px[y][x] = colour
            transparent[y][x] = False

    # Black square in the upper-left quarter.
    for y in range(2, 16):
        for x in range(2, 16):
            put(x, y, (0, 0, 0))
    # Blue-and-green globe in the lower right.
    cx, cy, r = 22, 22, 9
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            if dx * dx + dy * dy <= r * r:
                land = math.sin(dx * 0.7) + math.cos(dy * 0.6) > 0.9
                put(x, y, (40, 170, 60) if land else (30, 90, 210))
    # Grey curved arrow from the square sweeping down to the globe.
    for t in range(0, 200):
        a = math.pi * (1.0 + 0.5 * t / 199)
        x = 20 + 12 * math.cos(a)
        y = 8 - 12 * math.sin(a) * 0.9
        for ox in (0, 1):
            for oy in (0, 1):
                put(int(x) + ox, int(y) + oy, (170, 170, 170))
    for i in range(4):  # the arrow head
        for j in range(-3 + i, 4 - i):
            put(19 + i, 10 + j, (170, 170, 170))
    return px, transparent


if __name__ == "__main__":
    write_bmp("join.bmp", controller())
    write_bmp("ok.bmp", check_mark())
    pixels, transparent = icon()
    write_ico("vemko.ico", pixels, transparent)
