#!/usr/bin/env bash
# Takes a picture of the settings dialog at a DPI, as a user at that scale sees it, for
# looking at, not for testing: build/screenshots/settings-DPI.png, the dialog's client area.
# Usage (inside xvfb-run and scripts/wine-session.sh): scripts/screenshot-settings.sh DPI [BUILD]
set -uo pipefail

dpi=$1 build=${2:-build}
out=$(realpath -m "$build/screenshots/settings-$dpi.png")
mkdir -p "$(dirname "$out")"
shoot() {
  local exe=$1 out=$2
  # In the session's throw-away prefix: a first run there writes the defaults.
  WINEDEBUG=-all timeout 60 wine "$exe" /settings >/dev/null 2>&1 &
  local dialog=""
  for _ in $(seq 100); do
    dialog=$(xdotool search --name '^Halcyra - Settings$' 2>/dev/null | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  sleep 1  # painted
  [ -n "$dialog" ] && import -window "$dialog" "$out"
  WINEDEBUG=-all timeout 20 wine "$exe" /exit >/dev/null 2>&1
}
export -f shoot
scripts/at-dpi.sh "$dpi" bash -c "shoot '$(realpath "$build/win64/halcyra.exe")' '$out'"
[ -f "$out" ] && echo "$out"
