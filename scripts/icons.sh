#!/bin/sh
# Renders the program icon's PNG sizes from its SVG drawing; run after
# changing resources/icons/lineon.svg and commit the PNG files. Needs
# rsvg-convert (Debian package librsvg2-bin), which the build does not.
set -e
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w $size -h $size lineon.svg -o lineon-$size.png
done
