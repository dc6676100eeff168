#!/usr/bin/env bash
# A second start of the game brings the first copy's window back and ends
# with status 0, the first copy playing on. Beside a copy that does not
# answer (stopped, or a lock held by something else) it shows a message box
# and ends with status 1.
#   single_copy_test.sh <program> lock|bus
# "lock": no session bus, the lock and socket in $XDG_RUNTIME_DIR; "bus": a
# private session bus. Runs on an X server of its own (with_xvfb.sh) under
# openbox (with_openbox.sh, started here), which iconifies the first window
# so the second start must raise it. Every copy gets its own runtime folder:
# other tests start the game too.
# Exit status 77: a tool is missing.
set -euo pipefail

program=$1 mode=$2
for tool in openbox xdotool xprop dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed; scripts/install-deps installs it"; exit 77; }
done
if [[ ${3:-} != under-openbox ]]; then
  exec bash "$(dirname "$0")/../support/with_openbox.sh" bash "$0" "$program" "$mode" under-openbox
fi
if [[ $mode == bus ]]; then
  exec dbus-run-session -- bash "$0" "$program" bus-private under-openbox
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL ($mode): $*" >&2
  exit 1
}
# Polls a command for up to 30 s.
until_true() {
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

mkdir -m 700 "$scratch/run" "$scratch/bin"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch XDG_CACHE_HOME=$scratch SDL_AUDIODRIVER=dummy
[[ $mode == lock ]] && unset DBUS_SESSION_BUS_ADDRESS
# The game never starts a session bus: a dbus-launch that tells if it ran.
printf '#!/bin/sh\ntouch "%s/dbus-launch-ran"\nexit 1\n' "$scratch" >"$scratch/bin/dbus-launch"
chmod +x "$scratch/bin/dbus-launch"
export PATH=$scratch/bin:$PATH

game_window() { xdotool search --onlyvisible --name '^Quorvane Sinuvar$' 2>/dev/null | head -n1; }
window_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ { print $3 }'; }
# Conditions polled by until_true, looked at afresh each time.
has_window() { [[ -n $(game_window) ]]; }
no_window() { [[ -z $(game_window) ]]; }
in_state() { [[ $(window_state "$window") == "$1" ]]; }
is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]]; }
silent_box() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Quorvane Sinuvar$' 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _DIALOG && echo "$id" && return 0
  done
  return 1
}
has_box() { [[ -n $(silent_box) ]]; }
# A start beside a copy that does not answer: a box says so, which OK closes,
# and the start ends with status 1.
start_beside_a_silent_copy() {
  "$program" 2>"$scratch/silent.err" &
  local start=$! status=0
  pids+=("$start")
  until_true has_box || fail "$1: no message box: $(cat "$scratch/silent.err")"
  xdotool windowactivate --sync "$(silent_box)" key Return
  wait "$start" || status=$?
  ((status == 1)) || fail "$1: the start ended with status $status"
  grep -q "is running already but does not answer" "$scratch/silent.err" || fail "$1: $(cat "$scratch/silent.err")"
}

"$program" 2>"$scratch/first.err" &
first=$!
pids+=("$first")
until_true has_window || fail "the first copy showed no window: $(cat "$scratch/first.err")"
window=$(game_window)
until_true in_state Normal || fail "the window is not in its normal state"
xdotool windowminimize --sync "$window"
until_true in_state Iconic || fail "openbox did not iconify the window"

status=0
timeout 30 "$program" 2>"$scratch/second.err" || status=$?
((status == 0)) || fail "the second start ended with status $status: $(cat "$scratch/second.err")"
until_true in_state Normal || fail "the first copy's window stayed iconic"
until_true is_active || fail "the first copy's window is not active"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
kill -STOP "$first"
start_beside_a_silent_copy "beside a stopped copy"
kill -CONT "$first"

if [[ $mode == lock ]]; then
  [[ -S $XDG_RUNTIME_DIR/com.tolvenix.QuorvaneSinuvar ]] || fail "no socket in the runtime folder"
  # A killed copy leaves its socket behind; the next start runs all the same.
  kill -KILL "$first"
  wait "$first" 2>/dev/null || true
  until_true no_window || fail "the killed copy's window stayed"
  "$program" 2>"$scratch/third.err" &
  first=$!
  pids+=("$first")
  until_true has_window || fail "no copy starts after one was killed: $(cat "$scratch/third.err")"
  # A runtime folder others may write to is not used: the lock goes beside
  # the settings, where one held by something that serves no socket keeps a
  # second game from starting.
  mkdir -m 777 "$scratch/open"
  ln -s "$scratch/planted" "$scratch/open/com.tolvenix.QuorvaneSinuvar.lock"
  exec {held}>"$scratch/com.tolvenix.QuorvaneSinuvar.lock"
  flock -n "$held" || fail "flock could not take the lock"
  XDG_RUNTIME_DIR=$scratch/open start_beside_a_silent_copy "beside a lock with no socket"
  exec {held}>&-
  [[ ! -e $scratch/planted && $(ls -A "$scratch/open") == com.tolvenix.QuorvaneSinuvar.lock ]] ||
    fail "the game wrote into a runtime folder open to others"
  # A lock that cannot be taken, a folder in its place, counts as held.
  mkdir -m 700 "$scratch/taken"
  mkdir "$scratch/taken/com.tolvenix.QuorvaneSinuvar.lock"
  XDG_RUNTIME_DIR=$scratch/taken start_beside_a_silent_copy "beside a folder in the lock's place"
else
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetNameOwner \
    string:com.tolvenix.QuorvaneSinuvar >/dev/null || fail "the first copy does not own its bus name"
  [[ ! -e $XDG_RUNTIME_DIR/com.tolvenix.QuorvaneSinuvar ]] || fail "a socket beside the bus name"
fi

kill -TERM "$first"
status=0
wait "$first" || status=$?
((status == 0)) || fail "the first copy ended with status $status on SIGTERM"
[[ ! -e $scratch/dbus-launch-ran ]] || fail "the game ran dbus-launch"
echo "PASS ($mode)"
