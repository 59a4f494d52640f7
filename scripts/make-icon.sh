#!/usr/bin/env bash
# Draws the program icon, a four-pointed spark on a rounded square, and writes
# app/win32/halcyra.ico with 48, 32 and 16 pixel images at 256 colours.
# Needs ImageMagick 6 (convert). Run from anywhere; the result is committed.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/app/win32/halcyra.ico"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill '#1d6f8c' -draw 'roundrectangle 8,8 247,247 56,56' \
  -fill white -draw 'polygon 128,30 148,108 226,128 148,148 128,226 108,148 30,128 108,108' \
  -fill '#ffd34d' -draw 'circle 128,128 128,108' \
  "$work/spark.png"

for size in 48 32 16; do
  convert "$work/spark.png" -resize "${size}x${size}" "$work/$size.png"
done
convert "$work/48.png" "$work/32.png" "$work/16.png" -colors 256 "$out"
