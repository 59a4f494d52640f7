#!/usr/bin/env bash
# The shipped exe carries its icon at every size the shell asks for, each in 32 bits with
# alpha, and a manifest that makes it per-monitor DPI aware with styled controls: read back
# from the file itself, as the shell and the loader find them.
# Usage: resources-test.sh WINDRES HALCYRA_EXE
set -uo pipefail

resources=$("$1" -i "$2" -O rc) || { echo "FAILED: windres cannot read $2" >&2; exit 1; }

failures=0
fail() { echo "FAILED: $1" >&2; failures=$((failures + 1)); }
# windres lists each image of the group icon as "\WWW\HHH\000\000", planes, bits, ... with
# the width in octal, 0 standing for 256; only the 32-bit images are taken.
widths=$(sed -nE 's/^ +"\\([0-7]{3})\\[0-7]{3}\\000\\000", 1, 32, .*/\1/p' <<<"$resources" |
  while read -r octal; do echo $((8#$octal ? 8#$octal : 256)); done | sort -n | tr '\n' ' ')
[ "$widths" = "16 20 24 32 40 48 64 256 " ] || fail "the icon at 16 to 256 pixels, all in 32 bits: [$widths]"
for part in '>PerMonitorV2<' '"Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' \
  '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  grep -qF -- "$part" <<<"$resources" || fail "the manifest holds $part"
done
echo "$failures failed"
[ "$failures" -eq 0 ]
