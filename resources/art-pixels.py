#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Stores a drawing's PNG rendering as the pixels the browser's program draws from: "ABPX", the width
and the height as 32-bit little-endian numbers, then the rows of premultiplied blue, green, red and
alpha bytes (runtime/picture.h reads them). Stored uncompressed in the program, they are packed by the
page's transfer compression smaller than the PNG, and the program decodes nothing to show them.
    art-pixels.py RENDERING.png OUTPUT.pixels"""
import struct
import sys
from pathlib import Path

from PIL import Image


def main() -> None:
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with Image.open(sys.argv[1]) as png:
        pixels = png.convert("RGBA").convert("RGBa")
    data = struct.pack("<4sII", b"ABPX", pixels.width, pixels.height) + pixels.tobytes("raw", "BGRa")
    Path(sys.argv[2]).write_bytes(data)


if __name__ == "__main__":
    main()
