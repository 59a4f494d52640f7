#!/usr/bin/env bash
# The portable zip holds exactly the licence, the README and the exe, and packing the same
# files twice gives the same bytes even when the copies differ in time, mode and place.
# Usage: portable-zip-test.sh MAKE_ZIP HALCYRA_EXE README LICENSE
set -uo pipefail

make_zip=$(realpath "$1") exe=$2 readme=$3 licence=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/copies" "$work/out"
cp "$exe" "$readme" "$licence" "$work/copies/"
chmod 755 "$work/copies/$(basename "$readme")"
touch -d '2001-02-03 04:05:06' "$work/copies/$(basename "$exe")" "$work/copies/$(basename "$licence")"

"$make_zip" "$work/first.zip" LICENSE.txt="$licence" halcyra.exe="$exe" README.md="$readme"
sleep 1  # so that the second packing happens in another second
(cd "$work/copies" && TZ=Pacific/Kiritimati "$make_zip" ../second.zip halcyra.exe="$(basename "$exe")" \
  README.md="$(basename "$readme")" LICENSE.txt="$(basename "$licence")")

failures=0
fail() { echo "FAILED: $1" >&2; failures=$((failures + 1)); }
cmp -s "$work/first.zip" "$work/second.zip" || fail "the same files give the same zip"
entries=$(unzip -Z1 "$work/first.zip" | tr '\n' ' ')
[ "$entries" = "LICENSE.txt README.md halcyra.exe " ] || fail "it holds the licence, the README and the exe: [$entries]"
unzip -q "$work/first.zip" -d "$work/out" || fail "the zip unpacks"
cmp -s "$exe" "$work/out/halcyra.exe" || fail "the exe comes out unchanged"
cmp -s "$readme" "$work/out/README.md" || fail "the README comes out unchanged"
echo "$failures failed"
[ "$failures" -eq 0 ]
