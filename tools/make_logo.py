#!/usr/bin/env python3
"""Draws the agency logo shipped as ICONA.BMP: a small house by the sea under
the sun, 120 x 90 pixels, 24-bit uncompressed BMP. Run it to regenerate:

    python3 tools/make_logo.py data/ICONA.BMP
"""
import math
import struct
import sys

W, H = 120, 90


def pixel(x, y):
    sky = (135, 196, 235)
    sea = (30, 110, 170)
    sand = (236, 214, 160)
    # sun
    if math.hypot(x - 96, y - 20) < 11:
        return (250, 200, 40)
    # sea and sand bands with a soft wave line
    wave = 62 + 2 * math.sin(x / 6.0)
    if y > 76:
        return sand
    if y > wave:
        return sea
    # house: walls, roof, door, window
    if 26 <= x <= 66 and 40 <= y <= 66:
        if 42 <= x <= 50 and 52 <= y <= 66:
            return (120, 70, 30)
        if 54 <= x <= 62 and 46 <= y <= 54:
            return (170, 220, 250)
        return (245, 240, 230)
    # roof: a triangle from its ridge at (46, 18) down to the walls
    if 18 <= y < 40 and abs(x - 46) <= (y - 18) * 1.1:
        return (190, 60, 40)
    # a palm trunk and leaves
    if 84 <= x <= 86 and 40 <= y <= 66:
        return (110, 80, 40)
    if math.hypot(x - 85, y - 38) < 7 and y < 40:
        return (40, 140, 60)
    return sky


def main(path):
    row_bytes = (W * 3 + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):          # BMP rows go bottom-up
        row = bytearray()
        for x in range(W):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - W * 3)
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/ICONA.BMP")
