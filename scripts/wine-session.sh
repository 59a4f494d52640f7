#!/usr/bin/env bash
# Runs a command against a private, throw-away Wine prefix on the current X display,
# with a window manager, then removes everything it started.
# Usage (normally inside xvfb-run): scripts/wine-session.sh COMMAND [ARGS...]
set -euo pipefail

export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/halcyra-wine.XXXXXX)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The C locale gives the prefix the Western-European ANSI code page, 1252, which the tests
# of the settings file's encodings assume.
export LC_ALL=C.UTF-8

wm_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$wm_pid" ] && kill "$wm_pid" >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

timeout 180 wineboot -i >/dev/null 2>&1
# No crash dialogs in tests, and the usual Windows faces mapped to the fonts Wine has.
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
  timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done
# Keep the server warm so that every test's program starts quickly.
wineserver -p >/dev/null 2>&1 || true

# Without a window manager, Wine waits about 2 s whenever a window is hidden.
if [ -n "${DISPLAY:-}" ]; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
fi

"$@"
