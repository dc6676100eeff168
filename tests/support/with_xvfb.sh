#!/usr/bin/env bash
# Runs a test program on an X server of its own, without a screen, for the
# checks that need what a real window system holds (such as the window
# titles a window manager reads). Exits 77, which the test counts as
# skipped, when no Xvfb is installed.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed; scripts/install-deps installs it"
  exit 77
fi

source "$(dirname "$0")/background.sh"

# The server picks a free display and writes its number once it takes
# connections; only local clients may connect.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/log" &
background=$!
for _ in $(seq 300); do
  [[ -s $work/display ]] && break
  if ! kill -0 "$background" 2>/dev/null; then
    echo "Xvfb did not start:" && cat "$work/log"
    exit 1
  fi
  sleep 0.1
done
if [[ ! -s $work/display ]]; then
  echo "Xvfb did not take connections:" && cat "$work/log"
  exit 1
fi

DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb "$@"
