#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the browser's Abacolo into one HTML file that opens from a USB stick or the downloads folder
(file://) with no server: the page of build-web/dist/ with Qt's loader and the program's script written
into it, the program's wasm gzip-compressed and in base64 in an element the page unpacks itself, and
the icon as a data address. The manifest and the service worker stay out: a file has no use for them.
    single-file.py DIST_DIR OUTPUT.html [LIMIT]   (fails when the file weighs more than LIMIT bytes)"""
import base64
import gzip
import re
import sys
from pathlib import Path

# Base64 in lines of this length, so that an editor opening the file by mistake does not choke on it.
LINE = 120


def script(text: str) -> str:
    # Inside a script element only "</script" ends it early; in the program's scripts it can stand only
    # within strings, where "<\/script" reads the same.
    text = re.sub(r"</(script)", r"<\\/\1", text, flags=re.IGNORECASE)
    if "<!--" in text:
        sys.exit("web-single.py: a script holds '<!--', which would change how the page reads it")
    return "<script>\n" + text + "\n</script>"


def replace_once(page: str, old: str, new: str) -> str:
    if page.count(old) != 1:
        sys.exit(f"web-single.py: the page does not hold {old!r} once")
    return page.replace(old, new)


def main() -> None:
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    dist, output = Path(sys.argv[1]), Path(sys.argv[2])
    page = (dist / "index.html").read_text(encoding="utf-8")
    wasm = gzip.compress((dist / "abacolo.wasm").read_bytes(), compresslevel=9, mtime=0)
    packed = base64.b64encode(wasm).decode("ascii")
    lines = "\n".join(packed[i:i + LINE] for i in range(0, len(packed), LINE))
    icon = base64.b64encode((dist / "icons/abacolo-48.png").read_bytes()).decode("ascii")

    page = replace_once(page, 'href="icons/abacolo-48.png"', f'href="data:image/png;base64,{icon}"')
    page = re.sub(r'\n *<link rel="(apple-touch-icon|manifest)"[^>]*>', "", page)
    page = replace_once(page, '<script src="qtloader.js"></script>',
                        '<script type="application/octet-stream" id="abacolo-wasm">\n' + lines + "\n</script>\n  "
                        + script((dist / "qtloader.js").read_text(encoding="utf-8")))
    page = replace_once(page, '<script src="abacolo.js"></script>',
                        script((dist / "abacolo.js").read_text(encoding="utf-8")))
    output.write_text(page, encoding="utf-8")
    size = output.stat().st_size
    print(f"{output}: {size} bytes")
    if len(sys.argv) == 4 and size > int(sys.argv[3]):
        sys.exit(f"single-file.py: {output} weighs {size} bytes, more than {sys.argv[3]}")


if __name__ == "__main__":
    main()
