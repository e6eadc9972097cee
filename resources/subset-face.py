#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Keeps of a face only the letters the program can show (Latin-1 and the typographic punctuation of
Italian), with their hinting, under a family name of its own: the browser's program carries the face
inside it, and the whole of Liberation Sans would be about half of what the page sends beyond Qt's
own. The SIL Open Font License lets a modified face be passed on under that licence and under a
name that is not its Reserved Font Name ("Liberation", and "Arimo" for the glyphs it came from); the
copyright, licence and trademark notices stay in the face.
DejaVu Sans, the browser toolkit's own face, keeps its name: its licence asks a new name only of a
modified face named "Bitstream" or "Vera", and the toolkit's font database falls back to that name.
    subset-face.py INPUT.ttf OUTPUT.ttf FAMILY     (FAMILY the face's own: the name stays)"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

LETTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D,
           0x2022, 0x2026, 0x20AC]

# The name table's records that name the face: family, unique identifier, full name, PostScript name,
# typographic family.
NAMING_RECORDS = (1, 3, 4, 6, 16)


def main() -> None:
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, output, family = sys.argv[1:]
    face = TTFont(source)
    old_family = face["name"].getDebugName(1)
    options = subset.Options()
    options.hinting = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LETTERS)
    subsetter.subset(face)
    for record in face["name"].names if family != old_family else []:
        if record.nameID in NAMING_RECORDS:
            text = record.toUnicode()
            if record.nameID == 6:
                renamed = text.replace(old_family.replace(" ", ""), family.replace(" ", ""))
            else:
                renamed = text.replace(old_family, family)
            if renamed == text:
                sys.exit(f"subset-face.py: name record {record.nameID} ({text!r}) does not hold {old_family!r}")
            record.string = renamed
    face.save(output)


if __name__ == "__main__":
    main()
