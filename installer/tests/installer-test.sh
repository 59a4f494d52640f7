#!/usr/bin/env bash
# Installs Halcyra silently into the session's Wine prefix, starts the installed program,
# then uninstalls silently while it runs; checks what is there after each step.
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
same() { [ "$1" = "$2" ] || { echo "  expected [$2], got [$1]" >&2; return 1; }; }
absent() { [ ! -e "$1" ]; }
# Wine takes these folders from the prefix's registry, not from the Unix environment.
windows_var() { timeout 60 wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { timeout 60 winepath -u "$1" 2>/dev/null; }
# One value's data from `reg query` output on stdin; nothing for a missing key, whose
# complaint reg prints on stdout.
value_of() { tr -d '\r' | sed -n "s/^ *$1 \{4\}REG_[A-Z_]* \{4\}//p"; }
query_key() { local out; out=$(timeout 60 wine reg query "$1" 2>/dev/null) && printf '%s\n' "$out"; }
run_value() { query_key "$run_key" | value_of Halcyra; }

appdata=$(windows_var APPDATA)
install_dir="$(windows_var LOCALAPPDATA)\\Programs\\Halcyra"
install_dir_u=$(unix_path "$install_dir")
settings_dir_u=$(unix_path "$appdata\\Halcyra")
shortcut_u=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Halcyra.lnk")
# The first-run checks mean something only in a prefix where Halcyra never ran.
if [ -z "$appdata" ] || [ -z "$install_dir_u" ] || [ -e "$settings_dir_u" ] || [ -e "$install_dir_u" ]; then
  echo "the prefix's folders are missing or already hold a Halcyra" >&2
  exit 1
fi
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$install_dir_u" "$settings_dir_u" "$shortcut_u"
  timeout 60 wine reg delete "$uninstall_key" /f >/dev/null 2>&1
  timeout 60 wine reg delete "$run_key" /v Halcyra /f >/dev/null 2>&1
}
trap cleanup EXIT

echo "== silent install"
check "the installer exits with 0" timeout 120 wine "$setup" /S
check "halcyra.exe is the one built" cmp -s "$built_exe" "$install_dir_u/halcyra.exe"
check "nothing but the uninstaller is beside it" same "$(ls "$install_dir_u" | tr '\n' ' ')" "halcyra.exe uninstall.exe "
check "the Start-menu shortcut points at it" grep -aqiF "Programs\\Halcyra\\halcyra.exe" "$shortcut_u"
entry=$(query_key "$uninstall_key")
while IFS='=' read -r name expected; do
  check "the Uninstall key's $name" same "$(value_of "$name" <<<"$entry")" "$expected"
done <<VALUES
DisplayName=Halcyra
DisplayVersion=$version
DisplayIcon=$install_dir\\halcyra.exe
Publisher=The Halcyra developers
UninstallString="$install_dir\\uninstall.exe"
QuietUninstallString="$install_dir\\uninstall.exe" /S
NoModify=0x1
NoRepair=0x1
VALUES
check "the installer writes no settings and no Run value" same "$(ls "$settings_dir_u" 2>/dev/null)$(run_value)" ""

echo "== update over a portable copy's settings"
printf 'kept' > "$install_dir_u/settings.ini"
check "the installer exits with 0 again" timeout 120 wine "$setup" /S
check "the settings beside the exe are kept" same "$(cat "$install_dir_u/settings.ini")" "kept"
rm -f "$install_dir_u/settings.ini"

echo "== first start of the installed program"
# Output to /dev/null: a program that outlived the test must not hold CTest's output open.
timeout 300 wine "$install_dir\\halcyra.exe" >/dev/null 2>&1 &
program_pid=$!
check "its main window appears" timeout 60 wine "$probe" 20000
check "it writes settings.ini with the defaults" grep -q '^StartWithWindows=1' "$settings_dir_u/settings.ini"
check "it enters itself in the Run key" same "$(run_value)" "\"$install_dir\\halcyra.exe\""

echo "== silent uninstall while it runs"
check "the uninstaller starts" timeout 120 wine "$install_dir\\uninstall.exe" /S
# The uninstaller carries on from a copy of itself: wait until no Windows process is left,
# the program included.
check "the uninstaller and the program finish" timeout 120 wineserver -w
check "the install folder is gone" absent "$install_dir_u"
check "the shortcut is gone" absent "$shortcut_u"
check "the Uninstall key is gone" same "$(query_key "$uninstall_key")" ""
check "the Run value is gone" same "$(run_value)" ""
check "the settings stay" test -f "$settings_dir_u/settings.ini"

echo "$failures failed"
[ "$failures" -eq 0 ]
