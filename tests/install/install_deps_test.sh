#!/usr/bin/env bash
# scripts/install-deps where it cannot install: it must say what is wrong and
# what to do, and never call a tool that is not there. The system tools it
# calls are stand-ins in a folder of their own, the only one on its PATH.
#   install_deps_test.sh <scripts/install-deps>
set -euo pipefail

script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# stand_in <folder> <name> <body>: a tool that runs <body>.
stand_in() {
  mkdir -p "$1"
  printf '#!/bin/bash\n%s\n' "$3" >"$1/$2"
  chmod +x "$1/$2"
}

# expect <case> <folder> <status> <text on standard error, or "">
expect() {
  local status=0
  PATH=$2 /bin/bash "$script" game >"$scratch/out" 2>"$scratch/err" || status=$?
  ((status == $3)) || fail "$1: status $status, not $3: $(cat "$scratch/err")"
  if [[ -z $4 ]]; then
    [[ ! -s $scratch/err && ! -s $scratch/out ]] || fail "$1: said $(cat "$scratch/out" "$scratch/err")"
  else
    grep -qF -- "$4" "$scratch/err" || fail "$1: did not say \"$4\": $(cat "$scratch/err")"
    grep -qF "libsdl2-dev" "$scratch/err" || fail "$1: did not name the packages: $(cat "$scratch/err")"
  fi
  [[ ! -e $scratch/called ]] || fail "$1: called $(cat "$scratch/called")"
}

missing='echo "unknown ok not-installed"'
installed='echo "install ok installed"'
called='echo "${0##*/}" >>'"$scratch/called"'; exit 1'

# No apt at all.
stand_in "$scratch/no-apt" id 'echo 1000'
expect "no apt" "$scratch/no-apt" 1 "this system has no apt"

# A user without sudo, packages missing: apt-get must not be tried.
stand_in "$scratch/no-sudo" id 'echo 1000'
stand_in "$scratch/no-sudo" dpkg-query "$missing"
stand_in "$scratch/no-sudo" apt-get "$called"
expect "no sudo" "$scratch/no-sudo" 1 "Run as root: apt-get install"

# Everything present: nothing to say, nothing called.
stand_in "$scratch/all-there" id 'echo 1000'
stand_in "$scratch/all-there" dpkg-query "$installed"
stand_in "$scratch/all-there" apt-get "$called"
stand_in "$scratch/all-there" sudo "$called"
expect "all present" "$scratch/all-there" 0 ""
