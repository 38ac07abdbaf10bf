#!/usr/bin/env bash
# Renders the menu sizes of the program's icon from its SVG. Run it after
# changing the SVG and commit the PNGs: the build itself needs no SVG tool.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  # The smallest size has a drawing of its own, on the pixel grid.
  source=scalable/apps/tamrel-fotomaz.svg
  if [ "$size" = 16 ]; then source=../tamrel-fotomaz-16.svg; fi
  rsvg-convert -w "$size" -h "$size" "$source" -o "${size}x${size}/apps/tamrel-fotomaz.png"
done
