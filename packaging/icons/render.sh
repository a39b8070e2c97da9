#!/usr/bin/env bash
# Renders the program's icon zbirnik.svg into the PNG sizes of the hicolor theme
# (zbirnik-16.png ... zbirnik-256.png beside it), with rsvg-convert from librsvg2-bin. The
# PNGs are committed, so building needs no SVG renderer; run this after changing the SVG.
# 16 and 32 px are rendered without anti-aliasing, keeping the crisp pixel look of the
# program's other small icons; the larger sizes are smooth.
set -euo pipefail
cd "$(dirname "$0")"
source ../../scripts/deps.sh
install_missing_packages librsvg2-bin
crisp=$(mktemp --suffix=.svg)
trap 'rm -f "$crisp"' EXIT
sed 's/<svg /<svg shape-rendering="crispEdges" /' zbirnik.svg >"$crisp"
for size in 16 32; do
    rsvg-convert -w $size -h $size "$crisp" -o zbirnik-$size.png
done
for size in 48 64 128 256; do
    rsvg-convert -w $size -h $size zbirnik.svg -o zbirnik-$size.png
done
