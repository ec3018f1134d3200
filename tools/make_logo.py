#!/usr/bin/env python3
"""Draws the pictures shipped in the program folder, 120 x 90 pixels each,
24-bit uncompressed BMP:

- ICONA.BMP, the agency logo: a small house by the sea under the sun;
- INFO1.BMP to INFO5.BMP, the about box's picture show: the same scene as
  the day goes by, the sun climbing and setting while the waves roll.

Run it to regenerate them all into a folder:

    python3 tools/make_logo.py data/
"""
import math
import os
import struct
import sys

W, H = 120, 90

# The about box's pictures: where the sun stands, how far the waves have
# rolled, and the colour of the sky, one entry a picture.
FRAMES = [
    {"sun": (14, 52), "wave": 0.0, "sky": (250, 190, 150)},
    {"sun": (40, 28), "wave": 1.3, "sky": (170, 210, 240)},
    {"sun": (66, 12), "wave": 2.5, "sky": (135, 196, 235)},
    {"sun": (92, 24), "wave": 3.8, "sky": (150, 200, 235)},
    {"sun": (112, 50), "wave": 5.0, "sky": (240, 170, 130)},
]
LOGO = {"sun": (96, 20), "wave": 0.0, "sky": (135, 196, 235)}


def pixel(x, y, scene):
    sky = scene["sky"]
    sea = (30, 110, 170)
    sand = (236, 214, 160)
    sun_x, sun_y = scene["sun"]
    # sea and sand bands with a soft wave line
    wave = 62 + 2 * math.sin(x / 6.0 + scene["wave"])
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
    # the sun, behind the house and the palm
    if math.hypot(x - sun_x, y - sun_y) < 11:
        return (250, 200, 40)
    return sky


def logo_pixel(x, y):
    # The logo's sun stands in front of everything, as it always has.
    sun_x, sun_y = LOGO["sun"]
    if math.hypot(x - sun_x, y - sun_y) < 11:
        return (250, 200, 40)
    return pixel(x, y, LOGO)


def write_bmp(path, colour_at):
    row_bytes = (W * 3 + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):          # BMP rows go bottom-up
        row = bytearray()
        for x in range(W):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - W * 3)
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main(folder):
    write_bmp(os.path.join(folder, "ICONA.BMP"), logo_pixel)
    for n, scene in enumerate(FRAMES, start=1):
        write_bmp(os.path.join(folder, "INFO%d.BMP" % n), lambda x, y, s=scene: pixel(x, y, s))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data")
