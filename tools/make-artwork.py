#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw every picture Tovrin loads from its resources.

Usage:
    python3 tools/make-artwork.py OUTDIR          write all files below OUTDIR
    python3 tools/make-artwork.py --check OUTDIR  regenerate into a temporary
        folder and compare; exit 1 naming every file that differs or is
        missing, exit 0 when OUTDIR is up to date

OUTDIR is normally the repository's resources/ folder.  Everything is drawn
from the tables in this file, with a pixel font defined here, so the output
is byte-for-byte the same on every machine: no system fonts, no image
library, no time stamps.  The key legends are not pictures: the program
draws them as text (resources/legends.txt, resources/fonts/).

The pictures are 8-bit RGBA PNGs with a transparent background: the
function icons, the register group icons, the edit icons and the logo, with
their lettering in the pixel font.

The application icon is one drawing of filled shapes: written out as the
scalable SVG of the icon theme and rasterised here, anti-aliased by exact
horizontal coverage, into the theme's PNG sizes (icons/hicolor/).
"""

import math
import os
import struct
import sys
import tempfile
import zlib

# --------------------------------------------------------------------------
# Pixel fonts
#
# Each glyph is a string of rows separated by spaces, '#' = ink.  Row 0 is
# the top of the capitals; the baseline lies below row ASCENT - 1.  Glyphs
# with fewer rows than the font height are padded with blank rows at the
# bottom, so only descenders need the extra rows.  Glyph widths vary
# (proportional fonts); one blank column separates neighbours.
# --------------------------------------------------------------------------

class Font:
    """A proportional pixel font: glyph bitmaps plus vertical metrics."""

    def __init__(self, name, ascent, descent, glyphs):
        self.name = name
        self.ascent = ascent
        self.descent = descent
        self.glyphs = {}
        for key, rows in glyphs.items():
            self.glyphs[key] = self._parse(key, rows.split())

    def _parse(self, key, rows):
        """Check one glyph's rows and pad it to the full font height."""
        height = self.ascent + self.descent
        if len(rows) > height:
            raise ValueError("%s glyph %r has too many rows" % (self.name, key))
        widths = {len(r) for r in rows}
        if len(widths) != 1:
            raise ValueError("%s glyph %r has ragged rows" % (self.name, key))
        width = widths.pop()
        return rows + ["." * width] * (height - len(rows))

    def width(self, key):
        """Width in pixels of glyph *key*."""
        return len(self.glyphs[key][0])


# 5 x 7 capitals and digits, lower case with a 5 pixel x-height and
# 2 pixel descenders, and the symbols the icons letter with.
BIG = Font("big", ascent=7, descent=2, glyphs={
    "0": ".###. #...# #...# #...# #...# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "##### ...#. ..#.. ...#. ....# #...# .###.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": "### .#. .#. .#. .#. .#. ###",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".###. #...# #.... .###. ....# #...# .###.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": ".... .... .##. ...# .### #..# .###",
    "b": "#... #... ###. #..# #..# #..# ###.",
    "c": ".... .... .### #... #... #... .###",
    "d": "...# ...# .### #..# #..# #..# .###",
    "e": ".... .... .##. #..# #### #... .###",
    "f": ".## #.. #.. ### #.. #.. #..",
    "g": ".... .... .### #..# #..# #..# .### ...# .##.",
    "h": "#... #... ###. #..# #..# #..# #..#",
    "i": "# . # # # # #",
    "j": "..# ... ..# ..# ..# ..# ..# #.# .#.",
    "k": "#... #... #..# #.#. ##.. #.#. #..#",
    "l": "#. #. #. #. #. #. .#",
    "m": "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#",
    "n": ".... .... ###. #..# #..# #..# #..#",
    "o": ".... .... .##. #..# #..# #..# .##.",
    "p": ".... .... ###. #..# #..# #..# ###. #... #...",
    "r": ".... .... #.## ##.. #... #... #...",
    "s": ".... .... .### #... .##. ...# ###.",
    "t": ".#. .#. ### .#. .#. .#. ..#",
    "u": ".... .... #..# #..# #..# #..# .###",
    "v": "..... ..... #...# #...# .#.#. .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": ".... .... #..# #..# #..# #..# .### ...# .##.",
    "z": ".... .... #### ..#. .#.. #... ####",
    ".": ".. .. .. .. .. ## ##",
    ",": ".. .. .. .. .. ## ## .# #.",
    "(": "..# .#. #.. #.. #.. .#. ..#",
    ")": "#.. .#. ..# ..# ..# .#. #..",
    "+": "..... ..#.. ..#.. ##### ..#.. ..#..",
    "−": "..... ..... ..... #####",
    "-": "... ... ... ###",
    "×": "..... #...# .#.#. ..#.. .#.#. #...#",
    "÷": "..... ..#.. ..... ##### ..... ..#..",
    "=": "..... ..... ##### ..... #####",
    "%": "##... ##..# ...#. ..#.. .#... #..## ...##",
    "/": "..# ..# .#. .#. .#. #.. #..",
    "#": ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#.",
    "|": "# # # # # # #",
    "!": "# # # # # . #",
    "$": "..#.. .#### #.#.. .###. ..#.# ####. ..#..",
    "Σ": "##### #.... .#... ..#.. .#... #.... #####",
    " ": "..",
})


# --------------------------------------------------------------------------
# One-bit masks and text layout
# --------------------------------------------------------------------------

class Mask:
    """A one-bit image; pixel value 1 means ink."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.bits = bytearray(width * height)

    def get(self, x, y):
        return self.bits[y * self.width + x]

    def set(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise ValueError("ink outside the %dx%d mask at (%d, %d)"
                             % (self.width, self.height, x, y))
        self.bits[y * self.width + x] = 1


def _glyph_ink(font, key, left, top):
    """Ink pixels of one font glyph placed at (left, top)."""
    ink = set()
    for y, row in enumerate(font.glyphs[key]):
        for x, c in enumerate(row):
            if c == "#":
                ink.add((left + x, top + y))
    return ink


def layout(text, font):
    """Lay *text* out in *font*; return (ink pixel set, cap box rows).

    Coordinates: x grows to the right from 0, y = 0 is the top row of the
    capitals.  The cap box (0 .. ascent - 1) lets texts without descenders
    share a baseline.
    """
    ink = set()
    pen = 0
    for character in text:
        if character not in font.glyphs:
            raise KeyError("font %s has no glyph %r (in %r)"
                           % (font.name, character, text))
        ink.update(_glyph_ink(font, character, pen, 0))
        pen += font.width(character) + 1
    return ink, (0, font.ascent - 1)


def text_mask(text, font, scale=1, cap_box=True):
    """Render *text* into a tight mask, magnified *scale* times.

    With *cap_box* the mask is at least as tall as the capitals, so labels
    are centred on their baseline rather than on their ink.
    """
    ink, (cap_top, cap_bottom) = layout(text, font)
    if not ink:
        raise ValueError("nothing to draw for %r" % text)
    left = min(x for x, _ in ink)
    right = max(x for x, _ in ink)
    top = min(y for _, y in ink)
    bottom = max(y for _, y in ink)
    if cap_box:
        top = min(top, cap_top)
        bottom = max(bottom, cap_bottom)
    mask = Mask((right - left + 1) * scale, (bottom - top + 1) * scale)
    for x, y in ink:
        for dy in range(scale):
            for dx in range(scale):
                mask.set((x - left) * scale + dx, (y - top) * scale + dy)
    return mask


# --------------------------------------------------------------------------
# PNG output
# --------------------------------------------------------------------------

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(width, height, color_type, bit_depth, rows):
    """Encode scanlines (bytes each, without filter byte) as a PNG file."""
    header = struct.pack(">IIBBBBB", width, height, bit_depth, color_type, 0, 0, 0)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b""))


# --------------------------------------------------------------------------
# Colour icons
# --------------------------------------------------------------------------

TRANSPARENT = (0, 0, 0, 0)
WHITE = (255, 255, 255, 255)
INK = (40, 44, 52, 255)
GREY = (150, 154, 160, 255)
PAPER_LINE = (170, 180, 200, 255)


class Canvas:
    """An RGBA picture with a few integer-only drawing operations."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [TRANSPARENT] * (width * height)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rect(self, left, top, right, bottom, colour):
        """Fill the rectangle with corners (left, top) and (right, bottom)."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def rounded(self, left, top, right, bottom, radius, fill, border=None):
        """Fill a rounded rectangle, optionally with a one-pixel border."""
        def inside(x, y, l, t, r, b, rad):
            cx = min(max(x, l + rad), r - rad)
            cy = min(max(y, t + rad), b - rad)
            # Compare doubled, centre-of-pixel distances to stay in integers.
            dx, dy = 2 * (x - cx), 2 * (y - cy)
            return dx * dx + dy * dy <= (2 * rad + 1) ** 2 - 2 * rad
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                if not inside(x, y, left, top, right, bottom, radius):
                    continue
                edge = border is not None and not inside(
                    x, y, left + 1, top + 1, right - 1, bottom - 1, max(radius - 1, 0))
                self.put(x, y, border if edge else fill)

    def disc(self, cx2, cy2, r2, colour):
        """Fill a disc; centre and radius are given in half pixels."""
        for y in range(self.height):
            for x in range(self.width):
                dx, dy = 2 * x + 1 - cx2, 2 * y + 1 - cy2
                if dx * dx + dy * dy <= r2 * r2:
                    self.put(x, y, colour)

    def stamp(self, mask, left, top, colour):
        """Paint the ink of a one-bit mask."""
        for y in range(mask.height):
            for x in range(mask.width):
                if mask.get(x, y):
                    self.put(left + x, top + y, colour)

    def stamp_centred(self, mask, cx, cy, colour):
        """Paint a mask centred on pixel column cx and row cy."""
        self.stamp(mask, cx - mask.width // 2, cy - mask.height // 2, colour)

    def png(self):
        rows = [b"".join(bytes(self.pixels[y * self.width + x]) for x in range(self.width))
                for y in range(self.height)]
        return png_bytes(self.width, self.height, 6, 8, rows)


def ink_mask(text, font=BIG, scale=1):
    """A label mask cut to its ink, for centring symbols in icons."""
    return text_mask(text, font, scale, cap_box=False)


def tile(fill, border):
    """The 24 x 24 rounded tile behind every function selector icon."""
    canvas = Canvas(24, 24)
    canvas.rounded(1, 1, 22, 22, 4, fill, border)
    return canvas


def icon_standard():
    """The four arithmetic operators in a square."""
    canvas = tile((70, 110, 170, 255), (40, 70, 120, 255))
    for symbol, cx, cy in (("+", 8, 8), ("−", 15, 8), ("×", 8, 15), ("÷", 15, 15)):
        canvas.stamp_centred(ink_mask(symbol), cx, cy, WHITE)
    return canvas


def icon_financial():
    canvas = tile((60, 140, 70, 255), (30, 90, 40, 255))
    canvas.stamp_centred(ink_mask("$", scale=2), 12, 12, WHITE)
    return canvas


def icon_scientific():
    canvas = tile((60, 90, 160, 255), (30, 50, 110, 255))
    canvas.stamp_centred(ink_mask("sin"), 12, 12, WHITE)
    return canvas


def icon_statistical():
    canvas = tile((130, 70, 150, 255), (85, 40, 100, 255))
    canvas.stamp_centred(ink_mask("Σ", scale=2), 12, 12, WHITE)
    return canvas


def icon_programmer():
    canvas = tile((60, 64, 72, 255), (25, 28, 34, 255))
    canvas.stamp_centred(ink_mask("01"), 12, 8, (120, 230, 120, 255))
    canvas.stamp_centred(ink_mask("10"), 12, 16, (120, 230, 120, 255))
    return canvas


def icon_conversion():
    canvas = tile((220, 130, 40, 255), (150, 80, 20, 255))
    canvas.stamp_centred(text_mask("ft", BIG), 8, 8, WHITE)
    canvas.stamp_centred(text_mask("m", BIG), 16, 16, WHITE)
    return canvas


def icon_user():
    """A person: head and shoulders."""
    canvas = tile((40, 140, 140, 255), (20, 90, 90, 255))
    canvas.disc(24, 17, 8, WHITE)
    person = Canvas(24, 24)
    person.disc(24, 41, 15, WHITE)
    for y in range(14, 21):
        for x in range(24):
            if person.pixels[y * 24 + x] == WHITE:
                canvas.put(x, y, WHITE)
    return canvas


FUNCTION_ICONS = [
    ("function_standard", icon_standard),
    ("function_financial", icon_financial),
    ("function_scientific", icon_scientific),
    ("function_statistical", icon_statistical),
    ("function_programmer", icon_programmer),
    ("function_conversion", icon_conversion),
    ("function_user", icon_user),
]


def icon_register_group(digit):
    """A register card labelled with its group digit."""
    canvas = Canvas(24, 24)
    canvas.rounded(2, 1, 21, 22, 3, (250, 236, 170, 255), (150, 120, 40, 255))
    canvas.rect(3, 5, 20, 5, (220, 190, 100, 255))
    canvas.stamp_centred(ink_mask(str(digit), scale=2), 12, 14, INK)
    return canvas


def sheet_of_paper(canvas, left, top, right, bottom):
    """A white page with a grey outline and a few text lines."""
    canvas.rect(left, top, right, bottom, GREY)
    canvas.rect(left + 1, top + 1, right - 1, bottom - 1, WHITE)
    for y in range(top + 3, bottom - 1, 3):
        canvas.rect(left + 3, y, right - 3, y, PAPER_LINE)


def icon_copy():
    canvas = Canvas(24, 24)
    sheet_of_paper(canvas, 2, 2, 14, 17)
    sheet_of_paper(canvas, 9, 7, 21, 22)
    return canvas


def icon_paste():
    canvas = Canvas(24, 24)
    canvas.rounded(3, 3, 20, 22, 2, (176, 128, 72, 255), (120, 82, 40, 255))
    sheet_of_paper(canvas, 6, 7, 17, 20)
    canvas.rounded(8, 1, 15, 5, 1, (170, 174, 180, 255), (90, 94, 100, 255))
    return canvas


def logo():
    """The About window picture: a small calculator above the name."""
    canvas = Canvas(96, 96)
    body, edge = (58, 66, 82, 255), (30, 34, 44, 255)
    canvas.rounded(22, 2, 73, 73, 6, body, edge)
    canvas.rounded(27, 7, 68, 22, 2, (190, 214, 170, 255), (120, 140, 110, 255))
    reading = ink_mask("123")
    canvas.stamp(reading, 66 - reading.width, 11, INK)
    key_colours = {3: (232, 140, 50, 255)}
    for row in range(4):
        for col in range(4):
            left = 27 + col * 11
            top = 28 + row * 11
            colour = key_colours.get(col, (214, 218, 226, 255))
            if row == 0 and col < 3:
                colour = (150, 160, 180, 255)
            canvas.rounded(left, top, left + 8, top + 8, 1, colour, edge)
    name = ink_mask("Tovrin", scale=2)
    canvas.stamp(name, (96 - name.width) // 2, 79, body)
    return canvas


# --------------------------------------------------------------------------
# The application icon
#
# One drawing, kept as a list of filled shapes in a 64 x 64 unit square, is
# both written out as the scalable SVG icon and rasterised here into the
# PNG sizes of the icon theme, so every size shows the same picture.
# --------------------------------------------------------------------------

APP_ID = "io.github.tovrin.Tovrin"
ICON_UNITS = 64
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
ICON_SUBROWS = 16          # vertical samples per pixel row when rasterising

ICON_BODY_EDGE = (30, 34, 44)
ICON_BODY = (58, 66, 82)
ICON_SCREEN_EDGE = (110, 132, 100)
ICON_SCREEN = (190, 214, 170)
ICON_READING = (40, 44, 52)
ICON_KEY = (214, 218, 226)
ICON_KEY_DARK = (150, 160, 180)
ICON_KEY_OPERATOR = (232, 140, 50)


def icon_drawing():
    """The icon as ("rect", left, top, width, height, radius, rgb) shapes,
    painted in order; units of the 64 x 64 square, radius 0 = square corners."""
    shapes = [
        ("rect", 8, 1, 48, 62, 7, ICON_BODY_EDGE),
        ("rect", 9.5, 2.5, 45, 59, 5.5, ICON_BODY),
        ("rect", 13, 7, 38, 15, 2.5, ICON_SCREEN_EDGE),
        ("rect", 14, 8, 36, 13, 1.5, ICON_SCREEN),
    ]
    # The reading "12" in the big pixel font, right-aligned, one rectangle
    # per run of ink in a font row.
    ink, _ = layout("12", BIG)
    dot = 1.25
    right = max(x for x, _ in ink)
    left_edge = 47 - (right + 1) * dot
    for y in range(BIG.ascent):
        x = 0
        while x <= right:
            if (x, y) in ink:
                start = x
                while (x, y) in ink:
                    x += 1
                shapes.append(("rect", left_edge + start * dot, 10 + y * dot,
                               (x - start) * dot, dot, 0, ICON_READING))
            x += 1
    # Four rows of four keys; the operators in the right column.
    for row in range(4):
        for col in range(4):
            colour = ICON_KEY_OPERATOR if col == 3 else (
                ICON_KEY_DARK if row == 0 else ICON_KEY)
            shapes.append(("rect", 13 + col * 10, 26 + row * 9, 8, 7, 1.5, colour))
    return shapes


def _number(value):
    """A coordinate for the SVG text: integers without a point."""
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def icon_svg():
    """The drawing as a scalable SVG icon."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'viewBox="0 0 %d %d">' % ((ICON_UNITS,) * 4)]
    for _, left, top, width, height, radius, rgb in icon_drawing():
        corner = ' rx="%s"' % _number(radius) if radius else ""
        lines.append('  <rect x="%s" y="%s" width="%s" height="%s"%s fill="#%02x%02x%02x"/>'
                     % (_number(left), _number(top), _number(width), _number(height),
                        corner, *rgb))
    lines += ["</svg>", ""]
    return "\n".join(lines)


def _span(left, top, width, height, radius, y):
    """The x interval a rounded rectangle covers on the line at height y,
    or None."""
    bottom = top + height
    if y < top or y > bottom:
        return None
    inset = 0.0
    if radius:
        dy = max(top + radius - y, y - (bottom - radius), 0.0)
        inset = radius - math.sqrt(max(radius * radius - dy * dy, 0.0))
    return left + inset, left + width - inset


def rasterise_icon(size):
    """Rasterise the drawing into a size x size RGBA canvas, anti-aliased by
    exact horizontal coverage on ICON_SUBROWS lines per pixel row."""
    scale = size / ICON_UNITS
    # Premultiplied red, green, blue and alpha per pixel, 0.0 .. 1.0.
    pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    for _, left, top, width, height, radius, rgb in icon_drawing():
        left, top, width, height, radius = (v * scale for v in
                                            (left, top, width, height, radius))
        colour = [c / 255 for c in rgb]
        for py in range(max(int(top), 0), min(int(math.ceil(top + height)), size)):
            coverage = {}
            for sub in range(ICON_SUBROWS):
                span = _span(left, top, width, height, radius,
                             py + (sub + 0.5) / ICON_SUBROWS)
                if span:
                    coverage[span] = coverage.get(span, 0) + 1
            for (x0, x1), count in coverage.items():
                weight = count / ICON_SUBROWS
                for px in range(max(int(x0), 0), min(int(math.ceil(x1)), size)):
                    cover = weight * (min(x1, px + 1) - max(x0, px))
                    if cover <= 0:
                        continue
                    pixel = pixels[py * size + px]
                    for i in range(3):
                        pixel[i] = colour[i] * cover + pixel[i] * (1 - cover)
                    pixel[3] = cover + pixel[3] * (1 - cover)
    canvas = Canvas(size, size)
    for i, (r, g, b, a) in enumerate(pixels):
        alpha = round(a * 255)
        if alpha:
            canvas.pixels[i] = tuple(min(255, round(c / a * 255)) for c in (r, g, b)) + (alpha,)
    return canvas


def icon_files():
    """The icon theme files: {path relative to resources/: bytes}."""
    files = {"icons/hicolor/scalable/apps/%s.svg" % APP_ID: icon_svg().encode("utf-8")}
    for size in ICON_SIZES:
        files["icons/hicolor/%dx%d/apps/%s.png" % (size, size, APP_ID)] = \
            rasterise_icon(size).png()
    return files


# --------------------------------------------------------------------------
# Output
# --------------------------------------------------------------------------

def artwork():
    """Every resource file: {path relative to resources/: PNG bytes}."""
    files = {}
    for name, draw in FUNCTION_ICONS:
        files["tovrin/%s.png" % name] = draw().png()
    for digit in range(10):
        files["tovrin/userreg_%d.png" % digit] = icon_register_group(digit).png()
    files["copy.png"] = icon_copy().png()
    files["paste.png"] = icon_paste().png()
    files["tovrin/logo.png"] = logo().png()
    files.update(icon_files())
    files["tovrin.qrc"] = qrc_text(sorted(p for p in files if p.endswith(".png"))).encode("utf-8")
    return files


def qrc_text(paths):
    """The Qt resource file listing every picture under the root prefix."""
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/">']
    lines += ["    <file>%s</file>" % p for p in paths]
    lines += ["</qresource>", "</RCC>", ""]
    return "\n".join(lines)


def write_all(outdir, files=None):
    """Write every file (a fresh generation by default) below *outdir*."""
    if files is None:
        files = artwork()
    for path, data in sorted(files.items()):
        target = os.path.join(outdir, *path.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)


def stale_files(outdir):
    """Names of files in *outdir* that are missing or differ from a fresh
    generation, which is written to a temporary folder and read back."""
    files = artwork()
    stale = []
    with tempfile.TemporaryDirectory() as fresh:
        write_all(fresh, files)
        for path in sorted(files):
            parts = path.split("/")
            with open(os.path.join(fresh, *parts), "rb") as f:
                wanted = f.read()
            try:
                with open(os.path.join(outdir, *parts), "rb") as f:
                    present = f.read()
            except OSError:
                present = None
            if present != wanted:
                stale.append(path)
    return stale


def main(argv):
    if len(argv) == 2 and not argv[1].startswith("-"):
        write_all(argv[1])
        return 0
    if len(argv) == 3 and argv[1] == "--check":
        stale = stale_files(argv[2])
        for path in stale:
            print("out of date: %s" % path)
        return 1 if stale else 0
    print(__doc__.split("\n\n")[1], file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
