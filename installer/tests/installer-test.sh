#!/usr/bin/env bash
# Installs Halcyra silently into the session's Wine prefix, starts the installed program,
# installs again over it, uninstalls silently while it runs, then installs once more and
# uninstalls through the pages with the settings box ticked; checks what is there after
# each step.
# Usage (inside scripts/wine-session.sh): installer-test.sh SETUP_EXE HALCYRA_EXE PROBE_EXE VERSION
set -uo pipefail

setup=$1 built_exe=$2 probe=$3 version=$4
: "${WINEPREFIX:?run inside scripts/wine-session.sh}"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Halcyra'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
absent() { [ ! -e "$1" ]; }
# Programs that may outlive the test must not hold CTest's output open.
quietly() { "$@" >/dev/null 2>&1; }
same() { [ "$1" = "$2" ] || { echo "  expected [$2], got [$1]" >&2; return 1; }; }

# Wine takes these folders from the prefix's registry, not from the Unix environment.
windows_var() { timeout 60 wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { timeout 60 winepath -u "$1" 2>/dev/null; }

# Prints one value's data from `reg query` output read on stdin.
value_of() { tr -d '\r' | sed -n "s/^ *$1 \{4\}REG_[A-Z_]* \{4\}//p"; }
# Nothing for a missing key: reg prints its complaint on stdout.
query_key() { local out; out=$(timeout 60 wine reg query "$1" 2>/dev/null) && printf '%s\n' "$out"; }
run_value() { query_key "$run_key" | value_of Halcyra; }

local_appdata=$(windows_var LOCALAPPDATA)
appdata=$(windows_var APPDATA)
install_dir="$local_appdata\\Programs\\Halcyra"
install_dir_u=$(unix_path "$install_dir")
settings_dir_u=$(unix_path "$appdata\\Halcyra")
shortcut_u=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Halcyra.lnk")
if [ -z "$local_appdata" ] || [ -z "$install_dir_u" ] || [ -z "$settings_dir_u" ] || [ -z "$shortcut_u" ]; then
  echo "cannot find the prefix's folders" >&2
  exit 1
fi

program_pid=""
start_program() {
  timeout 300 wine "$install_dir\\halcyra.exe" >/dev/null 2>&1 &
  program_pid=$!
  check "its main window appears" timeout 60 wine "$probe" window-appears 20000
}
program_ended() {
  timeout 60 wine "$probe" process-ends halcyra.exe 5000 || return 1
  wait "$program_pid"
  program_pid=""
}
# The uninstaller copies itself to the temporary folder and carries on from there, under
# this name (NSIS 3; older versions called it Au_.exe).
uninstaller_copy=Un.exe
uninstaller_finishes() { timeout 120 wine "$probe" process-ends "$uninstaller_copy" 90000; }
# The probe's 1 means that the time ran out with the process still there.
uninstaller_running() {
  timeout 60 wine "$probe" process-ends "$uninstaller_copy" 500
  [ $? -eq 1 ]
}

cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$install_dir_u" "$settings_dir_u" "$shortcut_u"
  timeout 60 wine reg delete "$uninstall_key" /f >/dev/null 2>&1
  timeout 60 wine reg delete "$run_key" /v Halcyra /f >/dev/null 2>&1
}

# The first-run checks below mean something only in a prefix where Halcyra never ran.
if [ -e "$settings_dir_u" ] || [ -e "$install_dir_u" ] || [ -n "$(run_value)" ]; then
  echo "the prefix already holds a Halcyra: $settings_dir_u, $install_dir_u or the Run value" >&2
  exit 1
fi
trap cleanup EXIT

echo "== silent install"
check "the installer exits with 0" quietly timeout 120 wine "$setup" /S
check "halcyra.exe is the one built" cmp -s "$built_exe" "$install_dir_u/halcyra.exe"
check "its version block names this version" same "$(timeout 60 wine "$probe" version "$install_dir\\halcyra.exe" | tr -d '\r')" \
  "$version.0"$'\n'"$version"$'\n'"Halcyra"$'\n'"Copyright (C) 2026 The Halcyra developers"
check "nothing but the uninstaller is beside it" same "$(ls "$install_dir_u" | tr '\n' ' ')" "halcyra.exe uninstall.exe "
check "the Start-menu shortcut exists" test -f "$shortcut_u"
check "the shortcut points at the installed exe" grep -aqiF "Programs\\Halcyra\\halcyra.exe" "$shortcut_u"

entry=$(query_key "$uninstall_key")
check "DisplayName" same "$(value_of DisplayName <<<"$entry")" "Halcyra"
check "DisplayVersion" same "$(value_of DisplayVersion <<<"$entry")" "$version"
check "DisplayIcon" same "$(value_of DisplayIcon <<<"$entry")" "$install_dir\\halcyra.exe"
check "Publisher" same "$(value_of Publisher <<<"$entry")" "The Halcyra developers"
check "UninstallString" same "$(value_of UninstallString <<<"$entry")" "\"$install_dir\\uninstall.exe\""
check "QuietUninstallString" same "$(value_of QuietUninstallString <<<"$entry")" "\"$install_dir\\uninstall.exe\" /S"
check "NoModify" same "$(value_of NoModify <<<"$entry")" "0x1"
check "NoRepair" same "$(value_of NoRepair <<<"$entry")" "0x1"
check "the installer leaves the Run value to the program" same "$(run_value)" ""
check "the installer writes no settings" absent "$settings_dir_u"

echo "== first start of the installed program"
start_program
check "it writes settings.ini with the defaults" grep -q '^StartWithWindows=1' "$settings_dir_u/settings.ini"
check "it enters itself in the Run key" same "$(run_value)" "\"$install_dir\\halcyra.exe\""

echo "== silent install over the running program"
check "the installer exits with 0" quietly timeout 120 wine "$setup" /S
check "the program was ended first" program_ended
check "halcyra.exe is still the one built" cmp -s "$built_exe" "$install_dir_u/halcyra.exe"
start_program

echo "== silent uninstall while it runs"
check "the uninstaller starts" quietly timeout 120 wine "$install_dir\\uninstall.exe" /S
check "the uninstaller's copy finishes" uninstaller_finishes
check "the program has ended" program_ended
check "the install folder is gone" absent "$install_dir_u"
check "the shortcut is gone" absent "$shortcut_u"
check "the Uninstall key is gone" same "$(query_key "$uninstall_key")" ""
check "the Run value is gone" same "$(run_value)" ""
check "the settings stay" test -f "$settings_dir_u/settings.ini"

echo "== uninstall through its pages, with the settings box ticked"
check "the installer exits with 0" quietly timeout 120 wine "$setup" /S
check "the uninstaller starts" quietly timeout 120 wine "$install_dir\\uninstall.exe"
page=$(timeout 60 xdotool search --sync --name "^Halcyra Uninstall" | head -1)
check "its window appears" test -n "$page"
if [ -n "$page" ]; then
  check "its copy is the process waited for" uninstaller_running
  xdotool windowactivate --sync "$page" key Return
  # The second page lists the one optional part, the settings, in a tree of check boxes.
  check "the settings box appears" timeout 60 wine "$probe" control-appears "Halcyra Uninstall" SysTreeView32 20000
  xdotool windowactivate --sync "$page" key space key Return
  check "the last page appears" timeout 60 wine "$probe" control-appears "Halcyra Uninstall" msctls_progress32 20000
  # Its Close button takes Enter once the work is done.
  for attempt in 1 2 3 4 5 6 7 8 9 10; do
    xdotool windowactivate --sync "$page" key Return 2>/dev/null || break
    timeout 60 wine "$probe" process-ends "$uninstaller_copy" 2000 && break
  done
fi
check "the uninstaller's copy finishes" uninstaller_finishes
check "the install folder is gone" absent "$install_dir_u"
check "the settings are gone" absent "$settings_dir_u"

echo "$failures failed"
[ "$failures" -eq 0 ]
