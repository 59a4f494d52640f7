#!/usr/bin/env bash
# Packs the portable zip so that the same inputs always give the same bytes: entries in
# name order, one fixed time (SOURCE_DATE_EPOCH, else the last commit's time), one mode,
# and no extra fields that would carry owners or the files' own times.
# Usage: make-zip.sh OUT.zip NAME=PATH...
set -euo pipefail

out=$(realpath -m "$1")
shift
source_dir=$(dirname "$(realpath "$0")")/..
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || true)}
# Zip's clock starts in 1980.
epoch=${epoch:-315532800}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/files"
names=()
for pair in "$@"; do
  name=${pair%%=*}
  cp "${pair#*=}" "$stage/files/$name"
  chmod 644 "$stage/files/$name"
  touch -d "@$epoch" "$stage/files/$name"
  names+=("$name")
done
mapfile -t names < <(printf '%s\n' "${names[@]}" | LC_ALL=C sort)

(cd "$stage/files" && TZ=UTC zip -X -D -q -9 "$stage/out.zip" "${names[@]}")
mv "$stage/out.zip" "$out"
