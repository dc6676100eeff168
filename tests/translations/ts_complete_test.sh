#!/usr/bin/env bash
# Every translation is complete and up to date: lupdate, run over the sources
# into a copy of each .ts file, adds no new (unfinished) text and marks none
# gone (vanished), and lrelease finds every entry translated.
# Usage: ts_complete_test.sh <lupdate> <lrelease> <source folder> <file.ts>...
set -euo pipefail
lupdate=$1 lrelease=$2 sources=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none "$sources" -ts "$copy"
  report=$("$lrelease" "$copy" -qm "$scratch/out.qm" 2>&1)
  if grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" || ! grep -q ' 0 unfinished)' <<<"$report" ||
    grep -q untranslated <<<"$report"; then
    echo "$(basename "$ts") is not complete (run lupdate, then translate): $report"
    status=1
  fi
done
exit "$status"
