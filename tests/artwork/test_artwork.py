# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the generated pictures in resources/ and of their generator.

The PNG files are decoded here with an independent reader (CRC checks,
all five scanline filters) so that a fault in the generator's encoder
shows up instead of being read back by the same code.

Run from the repository root:  python3 -m unittest discover tests/artwork
"""

import importlib.util
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "make-artwork.py")
RESOURCES = os.path.join(ROOT, "resources")

def load_tool():
    module_spec = importlib.util.spec_from_file_location("make_artwork", TOOL)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module


def read_png(path):
    """Decode a PNG; return (width, height, bit depth, colour type, rows).

    Rows are lists of samples: one (r, g, b, a) tuple per pixel.
    """
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG: %s" % path
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "bad CRC in %s" % path
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, ctype, _, _, interlace = header
    assert interlace == 0
    channels = {6: 4}[ctype]
    bpp = max(1, channels * depth // 8)
    stride = (width * channels * depth + 7) // 8
    raw = zlib.decompress(idat)
    rows, prior = [], bytearray(stride)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        ftype, cur = line[0], bytearray(line[1:])
        for i in range(stride):
            a = cur[i - bpp] if i >= bpp else 0
            b = prior[i]
            c = prior[i - bpp] if i >= bpp else 0
            if ftype == 1:
                cur[i] = (cur[i] + a) & 0xFF
            elif ftype == 2:
                cur[i] = (cur[i] + b) & 0xFF
            elif ftype == 3:
                cur[i] = (cur[i] + (a + b) // 2) & 0xFF
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                cur[i] = (cur[i] + pred) & 0xFF
        rows.append([tuple(cur[x * 4:x * 4 + 4]) for x in range(width)])
        prior = cur
    return width, height, depth, ctype, rows


class GeneratorOutputTest(unittest.TestCase):
    def run_tool(self, *args):
        return subprocess.run([sys.executable, TOOL] + list(args),
                              capture_output=True, text=True)

    def test_committed_files_are_up_to_date(self):
        result = self.run_tool("--check", RESOURCES)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_check_names_a_changed_and_a_missing_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            copy = os.path.join(tmp, "resources")
            shutil.copytree(RESOURCES, copy)
            with open(os.path.join(copy, "tovrin", "logo.png"), "ab") as f:
                f.write(b"\0")
            os.remove(os.path.join(copy, "copy.png"))
            result = self.run_tool("--check", copy)
        self.assertEqual(result.returncode, 1)
        self.assertIn("tovrin/logo.png", result.stdout)
        self.assertIn("copy.png", result.stdout)
        self.assertNotIn("paste.png", result.stdout)


class ColourIconTest(unittest.TestCase):
    def icon(self, relative):
        return read_png(os.path.join(RESOURCES, *relative.split("/")))

    def assert_visible_rgba(self, relative, size=None):
        width, height, depth, ctype, rows = self.icon(relative)
        self.assertEqual((depth, ctype), (8, 6), relative)
        if size:
            self.assertEqual((width, height), size, relative)
        opaque = sum(1 for row in rows for px in row if px[3])
        self.assertGreater(opaque, width * height // 5, relative)
        return rows

    def test_function_and_register_icons(self):
        names = ["standard", "financial", "scientific", "statistical",
                 "programmer", "conversion", "user"]
        pictures = [self.assert_visible_rgba("tovrin/function_%s.png" % n, (24, 24))
                    for n in names]
        pictures += [self.assert_visible_rgba("tovrin/userreg_%d.png" % d, (24, 24))
                     for d in range(10)]
        self.assertEqual(len({str(p) for p in pictures}), len(pictures))

    def test_edit_icons_and_logo(self):
        for name in ("copy.png", "paste.png"):
            width, _, _, _, _ = self.icon(name)
            self.assertIn(width, (16, 24))
            self.assert_visible_rgba(name, (width, width))
        width, height, _, _, _ = self.icon("tovrin/logo.png")
        self.assertTrue(64 <= width <= 96 and 64 <= height <= 96)
        self.assert_visible_rgba("tovrin/logo.png")


class ApplicationIconTest(unittest.TestCase):
    APP_ID = "io.github.tovrin.Tovrin"
    SIZES = (16, 24, 32, 48, 64, 128, 256)

    def png(self, size):
        return read_png(os.path.join(RESOURCES, "icons", "hicolor", "%dx%d" % (size, size),
                                     "apps", self.APP_ID + ".png"))

    def test_every_theme_size_is_a_calculator_on_transparency(self):
        for size in self.SIZES:
            width, height, depth, ctype, rows = self.png(size)
            self.assertEqual((width, height, depth, ctype), (size, size, 8, 6), size)
            # Transparent corners beside the body, an opaque middle, and the
            # orange operator column somewhere on the right half.
            self.assertEqual(rows[0][0][3], 0, size)
            self.assertEqual(rows[size - 1][size - 1][3], 0, size)
            self.assertEqual(rows[size // 2][size // 2][3], 255, size)
            orange = [x for row in rows for x, px in enumerate(row)
                      if px[3] == 255 and px[0] > 200 and px[2] < 100]
            self.assertTrue(orange and min(orange) > size // 2, size)

    def test_sizes_are_one_drawing(self):
        # Scaled down to 16 pixels by averaging, the large sizes must look
        # like the small one: the PNGs are rasterised from the same shapes.
        def shrink(rows, size, target=16):
            step = size // target
            return [[sum(rows[y * step + j][x * step + i][3]
                         for j in range(step) for i in range(step)) / step / step
                     for x in range(target)] for y in range(target)]
        small = shrink(self.png(16)[4], 16)
        for size in (32, 64, 128, 256):
            big = shrink(self.png(size)[4], size)
            worst = max(abs(a - b) for ra, rb in zip(small, big) for a, b in zip(ra, rb))
            self.assertLess(worst, 40, size)

    def test_scalable_icon_draws_the_same_shapes(self):
        path = os.path.join(RESOURCES, "icons", "hicolor", "scalable", "apps",
                            self.APP_ID + ".svg")
        root = ET.parse(path).getroot()
        self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
        self.assertEqual(root.get("viewBox"), "0 0 64 64")
        rects = root.findall("{http://www.w3.org/2000/svg}rect")
        shapes = load_tool().icon_drawing()
        self.assertEqual(len(rects), len(shapes))
        for rect, (_, left, top, width, height, radius, rgb) in zip(rects, shapes):
            self.assertEqual([float(rect.get(k)) for k in ("x", "y", "width", "height")],
                             [left, top, width, height])
            self.assertEqual(float(rect.get("rx", 0)), radius)
            self.assertEqual(rect.get("fill"), "#%02x%02x%02x" % rgb)

    def test_span_of_a_rectangle_line(self):
        # Lines inside a rectangle span its width, lines outside nothing,
        # and the top line of a rounded one is shortened by the radius.
        tool = load_tool()
        self.assertEqual(tool._span(1.0, 1.0, 2.5, 3.0, 0, 2.0), (1.0, 3.5))
        self.assertIsNone(tool._span(1.0, 1.0, 2.5, 3.0, 0, 4.5))
        left, right = tool._span(0.0, 0.0, 10.0, 10.0, 2.0, 0.0)
        self.assertEqual((left, right), (2.0, 8.0))


class ResourceListTest(unittest.TestCase):
    def test_qrc_lists_exactly_the_pictures(self):
        root = ET.parse(os.path.join(RESOURCES, "tovrin.qrc")).getroot()
        resource, = root.findall("qresource")
        self.assertEqual(resource.get("prefix"), "/")
        listed = {f.text for f in resource.findall("file")}
        self.assertTrue(all(f.get("alias") is None for f in resource.findall("file")))
        present = set()
        for folder, _, files in os.walk(RESOURCES):
            for f in files:
                if f.endswith(".png"):
                    present.add(os.path.relpath(os.path.join(folder, f), RESOURCES)
                                .replace(os.sep, "/"))
        self.assertEqual(listed, present)
        for needed in ("copy.png", "paste.png", "tovrin/logo.png", "tovrin/userreg_9.png",
                       "tovrin/function_user.png",
                       "icons/hicolor/48x48/apps/io.github.tovrin.Tovrin.png"):
            self.assertIn(needed, listed)

    def test_legends_are_text_not_pictures(self):
        # The key legends and the status indicators are drawn at run time:
        # no picture of them may come back.
        listed = " ".join(f.text for f in ET.parse(os.path.join(RESOURCES, "tovrin.qrc")).getroot()
                          .iter("file"))
        self.assertNotIn("glyph", listed)
        self.assertNotIn("status_", listed)

    def test_unknown_character_is_refused(self):
        with self.assertRaises(KeyError):
            load_tool().ink_mask("\u263a")


if __name__ == "__main__":
    unittest.main()
