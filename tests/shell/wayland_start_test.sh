#!/usr/bin/env bash
# Runs the real program natively on Wayland: weston's headless compositor,
# started here with a runtime folder of its own, and the game with Qt's
# wayland platform. The game must start, paint its intro, say nothing on
# standard error, and end with status 0 on SIGTERM with its settings saved.
# A test program given after it then runs under the same compositor.
# Exits 77 (skipped) when weston or Qt's wayland platform is not installed.
#   wayland_start_test.sh <program> [<test program> <arguments>...]
set -euo pipefail

program=$1
shift
if ! command -v weston >/dev/null; then
  echo "weston is not installed; scripts/install-deps installs it"
  exit 77
fi
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if [[ ! -e $plugins/platforms/libqwayland-generic.so ]]; then
  echo "Qt's wayland platform (qt6-wayland) is not installed; scripts/install-deps installs it"
  exit 77
fi

work=$(mktemp -d)
compositor=
game=
cleanup() {
  for pid in $game $compositor; do
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [[ -s $work/game.err ]] && { echo "--- the game's standard error:"; cat "$work/game.err"; } >&2
  exit 1
}

# A runtime folder of its own: neither the compositor's socket nor a running
# game's single-instance lock meets another's.
runtime=$work/runtime
mkdir -m 700 "$runtime" "$work/config" "$work/cache"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=quorvane-test \
  --width=1024 --height=768 --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 300); do
  [[ -S $runtime/quorvane-test ]] && break
  kill -0 "$compositor" 2>/dev/null || { cat "$work/weston.log"; fail "weston did not start"; }
  sleep 0.1
done
[[ -S $runtime/quorvane-test ]] || { cat "$work/weston.log"; fail "weston made no socket"; }
echo "weston is up"

# The game writes one byte to descriptor 3 once its intro has been painted.
mkfifo "$work/painted"
on_weston=(env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER XDG_RUNTIME_DIR="$runtime"
  WAYLAND_DISPLAY=quorvane-test QT_QPA_PLATFORM=wayland HOME="$work" XDG_CONFIG_HOME="$work/config"
  XDG_CACHE_HOME="$work/cache" SDL_AUDIODRIVER=dummy)
# Under the sanitizers, leaks are matched to libraries by their stacks: Mesa's
# EGL driver, which Qt's Wayland platform loads, is built without frame
# pointers, so only the slow unwinder reaches the library that the
# suppressions name.
[[ -z ${ASAN_OPTIONS:-} ]] || on_weston+=(ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0")
"${on_weston[@]}" QUORVANE_FIRST_PAINT_FD=3 "$program" 3>"$work/painted" 2>"$work/game.err" &
game=$!
exec 4<"$work/painted"
painted=
read -r -t 60 -n 1 painted <&4 || true
[[ $painted == p ]] || fail "no intro was painted"
echo "the intro is painted"

# The end signals are caught before the first paint. A game that does not
# end is reported, not waited for until the test's time runs out.
kill -TERM "$game"
for _ in $(seq 600); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the game did not end within 60 s of SIGTERM"
status=0
wait "$game" || status=$?
game=
((status == 0)) || fail "the game ended with status $status on SIGTERM"
grep -qx 'LEVEL=1' "$work/config/Tolvenix.ini" 2>/dev/null || fail "the settings were not saved"
[[ ! -s $work/game.err ]] || fail "the game wrote to standard error"
echo "started, painted the intro and ended on SIGTERM with its settings saved"

(($# == 0)) || "${on_weston[@]}" "$@" || fail "$1 failed under weston"
