#!/usr/bin/env bash
# Runs a command with the session's Wine prefix at another DPI, then puts 96 back. Wine reads
# the DPI from LogPixels when its server starts, so the server is restarted around the run.
# Usage (inside scripts/wine-session.sh): scripts/at-dpi.sh DPI COMMAND [ARGS...]
set -uo pipefail

# The next Wine program starts the server again, an ordinary one that ends with its last
# client, as the tests that wait for it to end expect.
set_dpi() {
  restart_server
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  restart_server
}
restart_server() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 60 wineserver -w >/dev/null 2>&1 || true
}

set_dpi "$1"
shift
"$@"
status=$?
set_dpi 96
exit "$status"
