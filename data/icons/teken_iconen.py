#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the small PNG icons of Kavelzicht pixel by pixel.

Scaled down from the SVG, the small icons blur: cell edges fall between
pixels. Here every size has its own cell map and its own whole-pixel
geometry (border width, cell size, gap, corner cut), so every edge lands
on a pixel boundary and nothing is anti-aliased.

Run from anywhere: python3 teken_iconen.py
It writes org.example.Kavelzicht-N.png next to itself for the sizes below.
Only the standard library is used; the PNG is written with zlib and struct.
"""

import os
import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)
TILE = (0xD0, 0xEB, 0xFF, 0xFF)    # light-blue tile
BORDER = (0x1C, 0x7E, 0xD6, 0xFF)  # dark-blue edge of the tile
GAP = (0xFF, 0xFF, 0xFF, 0xFF)     # white line between neighbouring cells
CELL = {
    "G": (0x2F, 0x9E, 0x44, 0xFF),  # visited
    "R": (0xE0, 0x31, 0x31, 0xFF),  # not visited
}

# Per size: the cell map ('.' no cell, G green, R red) and the geometry in
# whole pixels. "corner" lists, row by row from the top, how many pixels are
# cut from each end of that row; the same cut is mirrored to all four
# corners and is symmetric, so the columns match the rows. "inner_corner" is
# the cut of the light inside of the tile, within the border. The 7x7 maps
# follow the cells of the SVG; 16 px has room for only 4x4, a coarser
# version of the same shape (wide north-east, south-west coast, tail south).
# The cells of the map from 24 pixels on, as the scalable icon draws them: north at the
# top, G visited, R not yet visited.
KAART = """
    ...GGR.
    ..GGGGR
    .GGRGGG
    .GGGGG.
    RGGGRGG
    GR.GGG.
    ....G..
"""

SIZES = {
    16: {
        "border": 1, "cell": 2, "gap": 1, "origin": 2, "corner": [1], "inner_corner": [],
        "map": """
            .GGR
            GRGG
            RGGG
            G.G.
        """,
    },
    24: {
        "border": 1, "cell": 2, "gap": 1, "origin": 2, "corner": [2, 1], "inner_corner": [1],
        "map": KAART,
    },
    32: {
        "border": 1, "cell": 3, "gap": 1, "origin": 3, "corner": [2, 1], "inner_corner": [1],
        "map": KAART,
    },
    48: {
        "border": 2, "cell": 5, "gap": 1, "origin": 4,
        "corner": [4, 2, 1, 1], "inner_corner": [2, 1],
        "map": KAART,
    },
    64: {
        "border": 2, "cell": 7, "gap": 1, "origin": 4,
        "corner": [5, 3, 2, 1, 1], "inner_corner": [4, 2, 1, 1],
        "map": KAART,
    },
}


def parse_map(text):
    """The cell map as a list of equally long rows of characters."""
    rows = [line.strip() for line in text.strip().splitlines()]
    if len({len(r) for r in rows}) != 1:
        raise ValueError("cell map rows differ in length")
    for r in rows:
        for ch in r:
            if ch != "." and ch not in CELL:
                raise ValueError(f"unknown cell {ch!r}")
    return rows


def tile_mask(n, corner):
    """True where the tile is: the full square minus the cut corners."""
    inside = [[True] * n for _ in range(n)]
    for y, cut in enumerate(corner):
        for x in range(cut):
            for yy, xx in ((y, x), (y, n - 1 - x), (n - 1 - y, x), (n - 1 - y, n - 1 - x)):
                inside[yy][xx] = False
    return inside


def draw(n, plan):
    rows = parse_map(plan["map"])
    border, cell, gap, origin = plan["border"], plan["cell"], plan["gap"], plan["origin"]
    pitch = cell + gap
    span_x = len(rows[0]) * pitch - gap
    span_y = len(rows) * pitch - gap
    # The cells must stay clear of the border, with at least one pixel of tile.
    if origin < border + 1 or origin + max(span_x, span_y) > n - border - 1:
        raise ValueError(f"{n} px: the cells do not fit inside the border")

    inside = tile_mask(n, plan["corner"])
    img = [[TILE if inside[y][x] else TRANSPARENT for x in range(n)] for y in range(n)]

    # Border: the tile minus a smaller tile `border` pixels further in, which
    # has its own, smaller corner cut; so a rounded corner keeps its width.
    inner = tile_mask(n - 2 * border, plan["inner_corner"])
    for y in range(n):
        for x in range(n):
            yy, xx = y - border, x - border
            inner_here = 0 <= yy < n - 2 * border and 0 <= xx < n - 2 * border and inner[yy][xx]
            if inside[y][x] and not inner_here:
                img[y][x] = BORDER

    def filled(r, c):
        return 0 <= r < len(rows) and 0 <= c < len(rows[0]) and rows[r][c] != "."

    def fill(x0, y0, w, h, colour):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                img[y][x] = colour

    for r, line in enumerate(rows):
        for c, ch in enumerate(line):
            if ch == ".":
                continue
            x0, y0 = origin + c * pitch, origin + r * pitch
            if any(img[y][x] != TILE for y in range(y0, y0 + cell) for x in range(x0, x0 + cell)):
                raise ValueError(f"{n} px: cell {r},{c} reaches the border or a cut corner")
            fill(x0, y0, cell, cell, CELL[ch])
            # White gap towards the right and the lower neighbour, only where
            # there is one; around the shape the tile shows.
            if filled(r, c + 1):
                fill(x0 + cell, y0, gap, cell, GAP)
            if filled(r + 1, c):
                fill(x0, y0 + cell, cell, gap, GAP)

    # Where gaps cross: white when at least three of the four cells around the
    # crossing exist, so the white lines join up; otherwise tile.
    for r in range(len(rows) - 1):
        for c in range(len(rows[0]) - 1):
            around = filled(r, c) + filled(r, c + 1) + filled(r + 1, c) + filled(r + 1, c + 1)
            if around >= 3:
                fill(origin + c * pitch + cell, origin + r * pitch + cell, gap, gap, GAP)
    return img


def png_bytes(img):
    """An 8-bit RGBA PNG, no interlace, filter type 0 on every row."""
    h, w = len(img), len(img[0])
    raw = bytearray()
    for row in img:
        raw.append(0)
        for px in row:
            raw.extend(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for n, plan in SIZES.items():
        path = os.path.join(here, f"org.example.Kavelzicht-{n}.png")
        with open(path, "wb") as f:
            f.write(png_bytes(draw(n, plan)))
        print(path)


if __name__ == "__main__":
    main()
