#!/bin/sh
# Regenerates the Abacolo icon PNGs (hicolor theme) and the 16-colour Windows abacolo.ico from the master abacolo.svg.
# Needs rsvg-convert (librsvg), convert (ImageMagick) and icotool (icoutils).
set -eu
cd "$(dirname "$0")"

for n in 16 32 48 64 128 256; do
    mkdir -p "hicolor/${n}x${n}/apps"
    rsvg-convert -w "$n" -h "$n" abacolo.svg -o "hicolor/${n}x${n}/apps/it.abacolo.Abacolo.png"
done
mkdir -p hicolor/scalable/apps
cp abacolo.svg hicolor/scalable/apps/it.abacolo.Abacolo.svg

# Windows icon: one 32 x 32 image, 4 bits per pixel (16-colour palette)
# with a 1-bit transparency mask: 15 colours for the drawing, 1 for the
# transparent pixels.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
rsvg-convert -w 32 -h 32 abacolo.svg -o "$tmp/full.png"
convert "$tmp/full.png" -alpha extract -threshold 50% "$tmp/mask.png"
convert "$tmp/full.png" -background '#16300b' -alpha remove -alpha off \
    +dither -colors 15 "$tmp/colours.png"
convert "$tmp/colours.png" "$tmp/mask.png" -alpha off -compose CopyOpacity \
    -composite -background black -alpha background PNG32:"$tmp/icon.png"
icotool -c -b 4 -o abacolo.ico "$tmp/icon.png"
icotool -l abacolo.ico | grep -q -- '--width=32 --height=32 --bit-depth=4 ' || {
    echo "make-icons.sh: abacolo.ico is not a 32 x 32, 4-bit icon" >&2
    exit 1
}
