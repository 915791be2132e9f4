#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Make the legend font: printable ASCII and the characters of the legend
table, cut from DejaVu Sans Condensed Bold.

Usage:
    tools/make-legend-font.py [SOURCE.ttf]

Reads resources/legends.txt and writes resources/fonts/LegendSans-Bold.ttf,
which the program embeds and draws every key legend and the display's
numbers with, so that they look the same on every machine whatever fonts it
has.  SOURCE defaults to the font of the Debian package fonts-dejavu-core.
Needs python3-fonttools (only to remake the font; the build does not run
this).

The subset keeps the layout tables (GSUB, GPOS), so that the combining
marks of x̄ and ŷ sit over their letters, but not the hinting instructions:
the program draws the font unhinted, the same shapes at every size.  It is
renamed "Tovrin Legend Sans" so that it never stands in for an installed
DejaVu font, nor an installed one for it.  Run it again after adding a
character to the legend table; a widget test fails while a legend has a
character that the font lacks.
"""

import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(ROOT, "resources", "legends.txt")
OUTPUT = os.path.join(ROOT, "resources", "fonts", "LegendSans-Bold.ttf")
SOURCE = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
FAMILY = "Tovrin Legend Sans"
STYLE = "Bold"


def legend_characters(path=TABLE):
    """Printable ASCII (the display's numbers and messages) and every
    character the legends use."""
    characters = {chr(c) for c in range(0x20, 0x7F)}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            text = line.split("\t")[1]
            if len(text) > 2 and text.startswith("[") and text.endswith("]"):
                text = text[1:-1]
            characters.update(text)
    return characters


def rename(font):
    """Give the subset a family name of its own; the copyright, licence and
    version records (name ids 0, 5, 13, 14) stay as they were."""
    names = {1: FAMILY, 2: STYLE, 3: "%s %s" % (FAMILY, STYLE), 4: "%s %s" % (FAMILY, STYLE),
             6: "%s-%s" % (FAMILY.replace(" ", ""), STYLE)}
    table = font["name"]
    table.names = [n for n in table.names if n.nameID not in names and n.nameID not in (16, 17)]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)


def make(source=SOURCE, output=OUTPUT):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.hinting = False
    options.notdef_outline = True
    options.recalc_timestamp = False
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in legend_characters()))
    subsetter.subset(font)
    rename(font)
    os.makedirs(os.path.dirname(output), exist_ok=True)
    font.save(output)
    return output


def main(argv):
    if len(argv) > 2 or (len(argv) == 2 and argv[1].startswith("-")):
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    print(make(argv[1] if len(argv) == 2 else SOURCE))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
