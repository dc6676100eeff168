#!/usr/bin/env bash
# Every translation is complete and up to date with the sources: lupdate,
# run over the sources into a copy of each .ts file, finds no text that is
# new (unfinished), gone (vanished or obsolete) or without a translation,
# and lrelease compiles every entry.
# Usage: ts_complete_test.sh <lupdate> <lrelease> <source folder> <file.ts>...
set -euo pipefail
lupdate=$1 lrelease=$2 sources=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  name=$(basename "$ts")
  cp "$ts" "$scratch/$name"
  "$lupdate" -silent -locations none "$sources" -ts "$scratch/$name" >/dev/null
  for kind in unfinished vanished obsolete; do
    if grep -q "type=\"$kind\"" "$scratch/$name"; then
      echo "$name: $kind entries (sources changed? run lupdate and translate):"
      grep -B3 "type=\"$kind\"" "$scratch/$name" | grep '<source>' || true
      status=1
    fi
  done
  if grep -qE '<translation>\s*</translation>|<translation/>' "$scratch/$name"; then
    echo "$name: empty translations"
    status=1
  fi
  report=$("$lrelease" "$scratch/$name" -qm "$scratch/${name%.ts}.qm" 2>&1)
  if ! grep -qE '\(([0-9]+) finished and 0 unfinished\)' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    echo "$name: lrelease says: $report"
    status=1
  fi
done
exit "$status"
