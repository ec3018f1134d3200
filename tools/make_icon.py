#!/usr/bin/env python3
"""Draws the program's desktop icons from the agency logo's picture (see
make_logo.py): the house, the palm and the sun in a square with rounded
corners, as smoothed PNGs of 48, 128 and 256 pixels a side and as a
scalable SVG, laid out as the hicolor icon theme wants them. Run it to
regenerate them all:

    python3 tools/make_icon.py app/icons/hicolor
"""
import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_logo import LOGO, logo_pixel  # noqa: E402

NAME = "gestione-affitti"
SIZES = (48, 128, 256)
CROP_X, CROP = 16, 90          # the square of the logo shown: x 16..106, y 0..90
RADIUS = 20 / 128              # of the side
SAMPLES = 4                    # per side of a pixel


def inside_rounded(x, y, size):
    radius = RADIUS * size
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def rgba(ox, oy, size):
    total = [0, 0, 0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = ox + (sx + 0.5) / SAMPLES
            y = oy + (sy + 0.5) / SAMPLES
            if not inside_rounded(x, y, size):
                continue
            r, g, b = logo_pixel(CROP_X + x * CROP / size, y * CROP / size)
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


def png(size):
    raw = bytearray()
    for y in range(size):
        raw.append(0)                       # no filter
        for x in range(size):
            raw += bytes(rgba(x, y, size))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def svg():
    """The same picture in the logo's own coordinates, back to front, as
    make_logo.py decides which shape a point belongs to."""
    def colour(rgb):
        return "#%02x%02x%02x" % rgb

    wave = " ".join("%d,%.2f" % (x, 62 + 2 * math.sin(x / 6.0 + LOGO["wave"]))
                    for x in range(CROP_X, CROP_X + CROP + 1))
    leaf_half = math.sqrt(7 ** 2 - 2 ** 2)  # the leaves' disc cut at the trunk's top
    sun_x, sun_y = LOGO["sun"]
    shapes = [
        '<rect x="%d" y="0" width="%d" height="%d" fill="%s"/>'
        % (CROP_X, CROP, CROP, colour(LOGO["sky"])),
        '<path d="M46,18 L%.1f,40 L%.1f,40 Z" fill="%s"/>'
        % (46 - 22 * 1.1, 46 + 22 * 1.1, colour((190, 60, 40))),
        '<rect x="26" y="40" width="40" height="26" fill="%s"/>' % colour((245, 240, 230)),
        '<rect x="42" y="52" width="8" height="14" fill="%s"/>' % colour((120, 70, 30)),
        '<rect x="54" y="46" width="8" height="8" fill="%s"/>' % colour((170, 220, 250)),
        '<rect x="84" y="40" width="2" height="26" fill="%s"/>' % colour((110, 80, 40)),
        '<path d="M%.3f,40 A7,7 0 1 1 %.3f,40 Z" fill="%s"/>'
        % (85 - leaf_half, 85 + leaf_half, colour((40, 140, 60))),
        '<polygon points="%s %d,%d %d,%d" fill="%s"/>'
        % (wave, CROP_X + CROP, CROP, CROP_X, CROP, colour((30, 110, 170))),
        '<rect x="%d" y="76" width="%d" height="%d" fill="%s"/>'
        % (CROP_X, CROP, CROP - 76, colour((236, 214, 160))),
        '<circle cx="%d" cy="%d" r="11" fill="%s"/>' % (sun_x, sun_y, colour((250, 200, 40))),
    ]
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" '
            'viewBox="%d 0 %d %d">\n'
            '  <title>Gestione affitti</title>\n'
            '  <clipPath id="angoli"><rect x="%d" y="0" width="%d" height="%d" rx="%.4g"/>'
            '</clipPath>\n'
            '  <g clip-path="url(#angoli)">\n    %s\n  </g>\n</svg>\n'
            % (CROP_X, CROP, CROP, CROP_X, CROP, CROP, RADIUS * CROP,
               "\n    ".join(shapes)))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main(theme):
    for size in SIZES:
        write(os.path.join(theme, "%dx%d" % (size, size), "apps", NAME + ".png"), png(size))
    write(os.path.join(theme, "scalable", "apps", NAME + ".svg"), svg().encode("utf-8"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py ICON_THEME_FOLDER (app/icons/hicolor)")
    main(sys.argv[1])
