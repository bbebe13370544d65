#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the PNG sizes of the application icon from its SVG, into the hicolor
# tree under data/icons/ that `cmake --install` copies. Run it after a change
# of the SVG and commit the PNGs; it needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
icons="$root/data/icons/hicolor"
# The icon is named after the application's AppStream ID, as is its desktop entry.
name=org.numerant.Numerant
svg="$icons/scalable/apps/$name.svg"

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --output "$icons/${size}x${size}/apps/$name.png" "$svg"
  echo "$icons/${size}x${size}/apps/$name.png"
done
