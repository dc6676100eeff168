#!/usr/bin/env bash
# Runs a test program under the openbox window manager, on the X server
# named by DISPLAY (tests/support/with_xvfb.sh starts one), for the checks
# that need a real window manager: frames, stacking, activation. Exits 77,
# which the test counts as skipped, when openbox is not installed.
set -euo pipefail

if ! command -v openbox >/dev/null || ! command -v xprop >/dev/null; then
  echo "openbox or xprop is not installed; scripts/install-deps installs them"
  exit 77
fi

source "$(dirname "$0")/background.sh"

# Its own settings folder: no user's openbox configuration takes part. A
# manager that could not yet reach a server only just started is tried again.
started=0
for _attempt in 1 2 3; do
  XDG_CONFIG_HOME=$work openbox --sm-disable >"$work/log" 2>&1 &
  background=$!
  # The manager is up once it names itself on the root window.
  for _ in $(seq 300); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
      started=1
      break 2
    fi
    kill -0 "$background" 2>/dev/null || break
    sleep 0.1
  done
  stop_background
  sleep 0.5
done
if ((!started)); then
  echo "openbox did not take over the display:" && cat "$work/log"
  exit 1
fi

"$@"
