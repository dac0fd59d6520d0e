#!/usr/bin/env python3
"""Draws the program's pictures as 16-colour palette PNG files.

Every picture is pixel art written out below, one character per pixel, so
that it can be reviewed and edited as text. Run this script after changing a
picture; the PNG files it writes are kept in the repository and compiled into
the program with the dialog resources.

    res/pictures/draw_pictures.py        # rewrites the PNG files beside it
"""
import os
import struct
import zlib

# The classic 16-colour palette, less fuchsia, whose slot is the transparent
# background instead (toolbar buttons and icons show the window behind them).
PALETTE = [
    ('.', (255, 0, 255)),    # transparent
    ('k', (0, 0, 0)),
    ('r', (128, 0, 0)),
    ('g', (0, 128, 0)),
    ('y', (128, 128, 0)),
    ('b', (0, 0, 128)),
    ('m', (128, 0, 128)),
    ('t', (0, 128, 128)),
    ('s', (192, 192, 192)),
    ('d', (128, 128, 128)),
    ('R', (255, 0, 0)),
    ('G', (0, 255, 0)),
    ('Y', (255, 255, 0)),
    ('B', (0, 0, 255)),
    ('C', (0, 255, 255)),
    ('w', (255, 255, 255)),
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}

# Toolbar 128: eight 16 by 16 images in the order of the toolbar's buttons.
TOOLBAR = {
    'new': [
        "................",
        "..kkkkkkkk......",
        "..kwwwwwwkk.....",
        "..kwwwwwwkwk....",
        "..kwwwwwwkwwk...",
        "..kwwwwwwkkkkk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kkkkkkkkkkkk..",
        "................",
    ],
    'open': [
        "................",
        "................",
        "................",
        ".kkkk...........",
        "kYYYYk..........",
        "kYYYYYkkkkkkk...",
        "kYYYYYYYYYYYk...",
        "kYYYYYYYkkkkkkkk",
        "kYYYYYYkyyyyyyyk",
        "kYYYYYkyyyyyyyk.",
        "kYYYYkyyyyyyyk..",
        "kYYYkyyyyyyyk...",
        "kYYkyyyyyyyk....",
        "kYkyyyyyyyk.....",
        "kkkkkkkkkk......",
        "................",
    ],
    'export_opentag': [
        "kkkkkkkkk.......",
        "kwwwwwwwkk......",
        "kwwwwwwwkwk.....",
        "kwwwwwwwkkkk....",
        "kwwwwwwwwwwk....",
        "kwwBwwwwBwwk....",
        "kwBwwwwwwBwk....",
        "kBwwwwwwwwBk....",
        "kwBwwwwwwBwk..g.",
        "kwwBwwwwBwwk..gg",
        "kwwwwwwwwwwkgggg",
        "kwwwwwwwwwwkgggg",
        "kwwwwwwwwwwk..gg",
        "kwwwwwwwwwwk..g.",
        "kkkkkkkkkkkk....",
        "................",
    ],
    'export_tmx': [
        "kkkkkkkkk.......",
        "kwwwwwwwkk......",
        "kwwwwwwwkwk.....",
        "kwwwwwwwkkkk....",
        "kwwwwwwwwwwk....",
        "kwRwwwwwRwwk....",
        "kwwRwwwRwwwk....",
        "kwwwRwRwwwwk....",
        "kwwwwRwwwwwk..g.",
        "kwwwRwRwwwwk..gg",
        "kwwRwwwRwwwkgggg",
        "kwRwwwwwRwwkgggg",
        "kwwwwwwwwwwk..gg",
        "kwwwwwwwwwwk..g.",
        "kkkkkkkkkkkk....",
        "................",
    ],
    'undo': [
        "................",
        "................",
        "................",
        "....b...........",
        "...bb...........",
        "..bBbbbbbbb.....",
        ".bBBBBBBBBBbb...",
        "..bBbbbbbbBBBb..",
        "...bb.....bbBb..",
        "....b......bBBb.",
        "............bBb.",
        "............bBb.",
        "...........bBb..",
        "..........bbb...",
        "................",
        "................",
    ],
    'cut': [
        "................",
        "...k.....k......",
        "...k.....k......",
        "...k.....k......",
        "...kk...kk......",
        "....k...k.......",
        "....kk.kk.......",
        ".....kkk........",
        "......k.........",
        "....bbkbb.......",
        "...b..b..b......",
        "..b...b...b.....",
        "..b...b...b.....",
        "..b...b...b.....",
        "...bbb.bbb......",
        "................",
    ],
    'copy': [
        "kkkkkk..........",
        "kwwwwkk.........",
        "kwkkwkwk........",
        "kwwwwkkkk.......",
        "kwkkkkkkkk......",
        "kwwwwkwwwkk.....",
        "kwkkkkwkkkwk....",
        "kwwwwkwwwwkkk...",
        "kwkkkkwkkkkkk...",
        "kwwwwkwwwwwwk...",
        "kkkkkkwkkkkwk...",
        "......wwwwwwk...",
        "......kkkkkkk...",
        "................",
        "................",
        "................",
    ],
    'paste': [
        "....kkkk........",
        ".kkkksskkkk.....",
        "kyyyksskyyyk....",
        "kyykkkkkkyyk....",
        "kyyyyyyyyyyk....",
        "kyyyykkkkkkkk...",
        "kyyyykwwwwwkwk..",
        "kyyyykwkkkwkkkk.",
        "kyyyykwwwwwwwwk.",
        "kyyyykwkkkkkkwk.",
        "kyyyykwwwwwwwwk.",
        "kyyyykwkkkkkkwk.",
        ".kkkkkwwwwwwwwk.",
        ".....kkkkkkkkkk.",
        "................",
        "................",
    ],
}
TOOLBAR_ORDER = ['new', 'open', 'export_opentag', 'export_tmx',
                 'undo', 'cut', 'copy', 'paste']

# Icon 128: a page of text with a speech bubble over it that holds the
# letters of a target language, 32 by 32.
ICON = [
    "................................",
    "................................",
    "....kkkkkkkkkkkkkkkk............",
    "....kwwwwwwwwwwwwwwkk...........",
    "....kwwwwwwwwwwwwwwkwk..........",
    "....kwddddddddddwwwkwwk.........",
    "....kwwwwwwwwwwwwwwkkkkk........",
    "....kwddddddddddddwwwwwk........",
    "....kwwwwwwwwwwwwwwwwwwk........",
    "....kwddddddddddddddwwwk........",
    "....kwwwwwwwwwwwwwwwwwwk........",
    "....kwddddddddddddwwwwwk........",
    "....kwwwwwwwwwwwbbbbbbbbbbbbbb..",
    "....kwdddddddddbBBBBBBBBBBBBBBb.",
    "....kwwwwwwwwwwbBBBBBBBBBBBBBBb.",
    "....kwddddddddwbBBwwwwBwwwBBBBb.",
    "....kwwwwwwwwwwbBBwBBBBwBBwBBBb.",
    "....kwdddddddddbBBwwwBBwwwBBBBb.",
    "....kwwwwwwwwwwbBBwBBBBwBwBBBBb.",
    "....kwddddddddwbBBwBBBBwBBwBBBb.",
    "....kwwwwwwwwwwbBBBBBBBBBBBBBBb.",
    "....kwdddddddddbBBBBBBBBBBBBBBb.",
    "....kwwwwwwwwwwwbbbbbBBbbbbbbb..",
    "....kwddddddddddwwwwwbBb........",
    "....kwwwwwwwwwwwwwwwwwbBb.......",
    "....kwdddddddddddwwwwkkbb.......",
    "....kwwwwwwwwwwwwwwwwk..........",
    "....kkkkkkkkkkkkkkkkkk..........",
    "................................",
    "................................",
    "................................",
    "................................",
]

# Bitmap 131: the maker's logo, 54 by 25: the name in a blocky face over a
# red rule.
LOGO_LETTERS = {
    'O': ["0111110", "1100011", "1100011", "1100011", "1100011", "1100011", "0111110"],
    'R': ["1111110", "1100011", "1100011", "1111110", "1101100", "1100110", "1100011"],
    'V': ["1100011", "1100011", "1100011", "1100011", "0110110", "0011100", "0001000"],
    'E': ["1111111", "1100000", "1100000", "1111110", "1100000", "1100000", "1111111"],
    'L': ["1100000", "1100000", "1100000", "1100000", "1100000", "1100000", "1111111"],
}


def logo():
    width, height = 54, 25
    rows = [['.'] * width for _ in range(height)]
    x = 3
    for letter in "ORVEL":
        glyph = LOGO_LETTERS[letter]
        for gy, line in enumerate(glyph):
            for gx, bit in enumerate(line):
                if bit == '1':
                    # Each glyph pixel becomes 1 wide and 2 high.
                    rows[3 + 2 * gy][x + gx] = 'b'
                    rows[4 + 2 * gy][x + gx] = 'b'
        x += 10
    for y in (19, 20):
        for xx in range(3, 51):
            rows[y][xx] = 'R'
    for xx in range(6, 48):
        rows[22][xx] = 'd'
    return [''.join(r) for r in rows]


def check(name, rows, width, height):
    if len(rows) != height or any(len(r) != width for r in rows):
        raise SystemExit(f"{name}: expected {width} by {height} pixels")
    for r in rows:
        for ch in r:
            if ch not in INDEX:
                raise SystemExit(f"{name}: unknown colour '{ch}'")


def write_png(path, rows):
    width, height = len(rows[0]), len(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    # 4 bits per pixel, two pixels to a byte, each row led by filter type 0.
    raw = bytearray()
    for r in rows:
        raw.append(0)
        indices = [INDEX[ch] for ch in r]
        if len(indices) % 2:
            indices.append(0)
        for a, b in zip(indices[0::2], indices[1::2]):
            raw.append((a << 4) | b)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(rgb) for _, rgb in PALETTE))
    png += chunk(b"tRNS", b"\x00")  # only slot 0 is transparent
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    strip = ['' for _ in range(16)]
    for name in TOOLBAR_ORDER:
        check(name, TOOLBAR[name], 16, 16)
        for y in range(16):
            strip[y] += TOOLBAR[name][y]
    write_png(os.path.join(here, "toolbar_128.png"), strip)
    check("icon", ICON, 32, 32)
    write_png(os.path.join(here, "icon_128.png"), ICON)
    picture = logo()
    check("logo", picture, 54, 25)
    write_png(os.path.join(here, "logo_131.png"), picture)


if __name__ == "__main__":
    main()
