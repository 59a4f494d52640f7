#!/usr/bin/env bash
# The portable zip holds exactly the exe, the README and the licence, and packing the same
# files twice gives the same bytes even when the copies differ in time, mode and place.
# The README names the release files of this version.
# Usage: portable-zip-test.sh MAKE_ZIP HALCYRA_EXE README LICENSE RELEASE_NAME
set -uo pipefail

make_zip=$1 exe=$2 readme=$3 licence=$4 release_name=$5

failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { echo "  expected [$2], got [$1]" >&2; return 1; }; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A second set of inputs with the same content but other times, modes and folder.
mkdir "$work/copies"
cp "$exe" "$work/copies/halcyra.exe"
cp "$readme" "$work/copies/README.md"
cp "$licence" "$work/copies/LICENSE"
chmod 755 "$work/copies/README.md"
touch -d '2001-02-03 04:05:06' "$work/copies/halcyra.exe" "$work/copies/LICENSE"

"$make_zip" "$work/first.zip" LICENSE.txt="$licence" halcyra.exe="$exe" README.md="$readme"
(cd "$work" && TZ=Pacific/Kiritimati "$make_zip" second.zip halcyra.exe=copies/halcyra.exe \
  README.md=copies/README.md LICENSE.txt=copies/LICENSE)

check "the same files give the same zip" cmp -s "$work/first.zip" "$work/second.zip"
check "it holds the licence, the README and the exe, in that order" \
  same "$(unzip -Z1 "$work/first.zip" | tr '\n' ' ')" "LICENSE.txt README.md halcyra.exe "
check "the zip is sound" unzip -tq "$work/first.zip"
mkdir "$work/out"
unzip -q "$work/first.zip" -d "$work/out"
check "the exe comes out unchanged" cmp -s "$exe" "$work/out/halcyra.exe"
check "the README comes out unchanged" cmp -s "$readme" "$work/out/README.md"

SOURCE_DATE_EPOCH=1700000000 "$make_zip" "$work/dated.zip" halcyra.exe="$exe"
check "SOURCE_DATE_EPOCH sets the entries' time" \
  same "$(TZ=UTC unzip -Z -T "$work/dated.zip" halcyra.exe | awk '{print $7}')" "20231114.221320"

check "the README names the installer" grep -qF "$release_name-setup-x64.exe" "$readme"
check "the README names the zip" grep -qF "$release_name-portable-x64.zip" "$readme"

echo "$failures failed"
[ "$failures" -eq 0 ]
