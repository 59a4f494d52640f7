#!/usr/bin/env bash
# Draws the program icon, a four-pointed spark on a rounded square, and writes
# app/win32/halcyra.ico with 32-bit images (alpha included) at every size the shell of
# Windows 10 and 11 asks for: 16, 20, 24, 32, 40, 48, 64 and 256 pixels, the last one
# stored as PNG. Each size is drawn from the shapes at its own size, never scaled from
# another image, so that its edges fall on its own pixels.
# Needs ImageMagick 6 (convert). Run from anywhere; the result is committed.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/app/win32/halcyra.ico"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The shapes on a 256-unit square, scaled to the size: pixel centres are at whole numbers,
# so a shape that fills the image runs from -0.5 to size - 0.5. The square's sides lie on
# whole pixels, so that no size has a half-transparent border.
draw() {
  local size=$1
  awk -v n="$size" 'function p(u) { return u * n / 256 - 0.5 } BEGIN {
    inset = int(8 * n / 256)
    printf "roundrectangle %.3f,%.3f %.3f,%.3f %.3f,%.3f\n", inset - 0.5, inset - 0.5, n - inset - 0.5, n - inset - 0.5,
      56 * n / 256, 56 * n / 256
    printf "polygon %.3f,%.3f %.3f,%.3f %.3f,%.3f %.3f,%.3f %.3f,%.3f %.3f,%.3f %.3f,%.3f %.3f,%.3f\n",
      p(128), p(30), p(148), p(108), p(226), p(128), p(148), p(148), p(128), p(226), p(108), p(148), p(30), p(128), p(108), p(108)
    printf "circle %.3f,%.3f %.3f,%.3f\n", p(128), p(128), p(128), p(108)
  }' > "$work/shapes-$size"
  mapfile -t shape < "$work/shapes-$size"
  convert -size "${size}x${size}" xc:none \
    -fill '#1d6f8c' -draw "${shape[0]}" \
    -fill white -draw "${shape[1]}" \
    -fill '#ffd34d' -draw "${shape[2]}" \
    -define png:color-type=6 "PNG32:$work/$size.png"
}

images=()
for size in 256 64 48 40 32 24 20 16; do
  draw "$size"
  images+=("$work/$size.png")
done
convert "${images[@]}" "$out"
