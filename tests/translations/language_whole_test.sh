#!/usr/bin/env bash
# One language has all the game shows outside its messages: a help page for
# each English one, listed in the help project with the English index
# keywords' anchors and the three ids the game asks for; and its own name,
# generic name, comment and keywords in the desktop entry, and summary,
# paragraphs and captions in the metainfo, as many as in English.
# Usage: language_whole_test.sh <code> <help topics folder> <packaging folder>
set -uo pipefail
code=$1 topics=$2 packaging=$3
qhp=$topics/tolvenix.qhp
status=0
fail() {
  echo "$code: $*"
  status=1
}
for page in "$topics"/*.html; do
  page=$(basename "$page")
  [[ -f $topics/$code/$page ]] || fail "no help page $code/$page"
  grep -q "<file>$code/$page</file>" "$qhp" || fail "$code/$page is not among the help project's files"
  grep -q "<section [^>]*ref=\"$code/$page\"" "$qhp" || fail "$code/$page is not in the contents"
done
for ref in $(grep -o '<keyword [^>]*ref="[^/"]*"' "$qhp" | sed 's/.*ref="\([^"]*\)"/\1/' | sort -u); do
  grep -q "<keyword [^>]*ref=\"$code/$ref\"" "$qhp" || fail "no index keyword leads to $code/$ref"
done
for id in contents 1000 1010; do
  grep -q "<keyword [^>]*id=\"$code/$id\"" "$qhp" || fail "no keyword with the id $code/$id"
done
for key in Name GenericName Comment Keywords; do
  grep -q "^$key\[$code\]=." "$packaging/tolvenix.desktop.in" || fail "the desktop entry has no $key[$code]"
done
metainfo=$packaging/tolvenix.metainfo.xml.in
for element in summary p caption; do
  english=$(grep -c "<$element>" "$metainfo")
  own=$(grep -c "<$element xml:lang=\"$code\">" "$metainfo")
  [[ $own == "$english" ]] || fail "the metainfo has $own <$element> in $code, $english in English"
done
exit "$status"
