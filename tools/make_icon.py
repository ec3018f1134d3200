#!/usr/bin/env python3
"""Draws the program's desktop icon from the agency logo's picture (see
make_logo.py): the house, the palm and the sun in a square of 128 x 128
pixels with rounded corners, smoothed, as a PNG. Run it to regenerate:

    python3 tools/make_icon.py app/gestione-affitti.png
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_logo import pixel  # noqa: E402

SIZE = 128
CROP_X, CROP = 16, 90          # the square of the logo shown: x 16..106, y 0..90
RADIUS = 20
SAMPLES = 4                    # per side of a pixel


def inside_rounded(x, y):
    cx = min(max(x, RADIUS), SIZE - RADIUS)
    cy = min(max(y, RADIUS), SIZE - RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2


def rgba(ox, oy):
    total = [0, 0, 0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = ox + (sx + 0.5) / SAMPLES
            y = oy + (sy + 0.5) / SAMPLES
            if not inside_rounded(x, y):
                continue
            r, g, b = pixel(CROP_X + x * CROP / SIZE, y * CROP / SIZE)
            total[0] += r
            total[1] += g
            total[2] += b
            covered += 1
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(round(c / covered) for c in total) + (round(255 * covered / SAMPLES ** 2),)


def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def main(path):
    raw = bytearray()
    for y in range(SIZE):
        raw.append(0)                       # no filter
        for x in range(SIZE):
            raw += bytes(rgba(x, y))
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
           + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.png")
    main(sys.argv[1])
