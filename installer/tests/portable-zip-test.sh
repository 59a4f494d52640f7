#!/usr/bin/env bash
# The portable zip holds exactly the licence, the README, the exe and its settings file, and
# packing the same files twice gives the same bytes even when the copies differ in time, mode
# and place. The settings file keeps a portable copy out of the start-up list.
# Usage: portable-zip-test.sh MAKE_ZIP HALCYRA_EXE README LICENSE SETTINGS
set -uo pipefail

make_zip=$(realpath "$1") exe=$2 readme=$3 licence=$4 settings=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/copies" "$work/out"
cp "$exe" "$readme" "$licence" "$settings" "$work/copies/"
chmod 755 "$work/copies/$(basename "$readme")"
touch -d '2001-02-03 04:05:06' "$work/copies/$(basename "$exe")" "$work/copies/$(basename "$licence")"

"$make_zip" "$work/first.zip" LICENSE.txt="$licence" halcyra.exe="$exe" README.md="$readme" settings.ini="$settings"
sleep 1  # so that the second packing happens in another second
(cd "$work/copies" && TZ=Pacific/Kiritimati "$make_zip" ../second.zip halcyra.exe="$(basename "$exe")" \
  README.md="$(basename "$readme")" LICENSE.txt="$(basename "$licence")" settings.ini="$(basename "$settings")")

failures=0
fail() { echo "FAILED: $1" >&2; failures=$((failures + 1)); }
cmp -s "$work/first.zip" "$work/second.zip" || fail "the same files give the same zip"
entries=$(unzip -Z1 "$work/first.zip" | tr '\n' ' ')
[ "$entries" = "LICENSE.txt README.md halcyra.exe settings.ini " ] ||
  fail "it holds the licence, the README, the exe and the settings: [$entries]"
unzip -q "$work/first.zip" -d "$work/out" || fail "the zip unpacks"
cmp -s "$exe" "$work/out/halcyra.exe" || fail "the exe comes out unchanged"
cmp -s "$readme" "$work/out/README.md" || fail "the README comes out unchanged"
grep -q $'^StartWithWindows=0\r$' "$work/out/settings.ini" || fail "its settings keep a portable copy out of the start-up list"
grep -q $'^M1=You are calm\r$' "$work/out/settings.ini" || fail "the settings hold the default messages"
echo "$failures failed"
[ "$failures" -eq 0 ]
