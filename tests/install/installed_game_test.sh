#!/usr/bin/env bash
# Checks the game as it is installed and as it ends with the session.
#   installed_game_test.sh run <program> <SIGNAL>
#       starts the program offscreen on a fresh settings folder, ends it with
#       the signal once its window is up, and checks the settings it saved.
#   installed_game_test.sh limit <program>
#       the same under a file-size limit smaller than the settings file: the
#       save fails, and the game says so and leaves the old file as it was.
#   installed_game_test.sh install <build folder> <app id>
#       installs the build into a scratch root and checks the installed tree.
#   installed_game_test.sh package <.deb> <version> <app id>
#       unpacks the package into a scratch root and checks it and its fields.
# Exit status 77: the package has not been built, so there is nothing to check.
set -euo pipefail

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits until the program <pid> has shown its window and caught the end
# signals: it catches them once its window is shown and its settings are
# loaded, and SIGTERM (bit 15) in the caught-signal mask says so.
wait_until_up() {
  local pid=$1 program=$2
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    local mask
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    if [[ -n $mask ]] && (((0x$mask >> 14) & 1)); then
      return 0
    fi
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  fail "$program did not come up"
}

# Starts <program> under a file-size limit of 1 KiB with a settings file of
# 2 KiB, which its save cannot write again, and ends it with SIGTERM. The
# failed save must be reported as at any other session end: status 1, the
# reason on standard error, the old file as it was and no temporary file.
run_limited() {
  local program=$1
  local home="$scratch/limited"
  mkdir -p "$home/config" "$home/cache"
  local ini="$home/config/Tolvenix.ini"
  {
    printf '[SCORE]\nHISCORE=1234\nHINAME=Bo\n'
    for i in $(seq 200); do printf '; line %d\n' "$i"; done
  } >"$ini"
  cp "$ini" "$scratch/old.ini"
  # Standard error goes through a pipe: the limit binds the program's own
  # writes to files, and its report must not be the one that is cut.
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy prlimit --fsize=1024 "$program" 2> >(cat >"$scratch/stderr") &
  local pid=$!
  wait_until_up "$pid" "$program"
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  ((status == 1)) || fail "$program ended with status $status on SIGTERM under a file-size limit"
  grep -qx 'tolvenix: Unable to write to Tolvenix.ini.' "$scratch/stderr" ||
    fail "the failed save was not reported: $(cat "$scratch/stderr")"
  cmp "$scratch/old.ini" "$ini" || fail "the old settings file was changed"
  [[ $(ls -A "$home/config") == Tolvenix.ini ]] || fail "left in the settings folder: $(ls -A "$home/config")"
}

# Starts <program> with a settings file holding a best score and a comment,
# waits until the game has shown its window and caught the end signals,
# sends <signal> and checks that the game ended with status 0 after saving.
# The sound defaults must name <program folder>.
run_and_end() {
  local program=$1 signal=$2 folder=$3
  local home="$scratch/run-$signal"
  mkdir -p "$home/config" "$home/cache"
  # A runtime folder of its own and no session bus: a copy of the game that
  # another test runs at the same time must not count as this one's first.
  mkdir -m 700 "$home/run"
  printf '; kept by hand\n[SCORE]\nHISCORE=1234\nHINAME=Bo\n' >"$home/config/Tolvenix.ini"
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    "$program" &
  local pid=$!
  wait_until_up "$pid" "$program"
  kill "-$signal" "$pid"
  local status=0
  wait "$pid" || status=$?
  ((status == 0)) || fail "$program ended with status $status on SIG$signal"
  local ini="$home/config/Tolvenix.ini"
  grep -qx '; kept by hand' "$ini" || fail "the hand-written line was lost: $(cat "$ini")"
  grep -qx 'HISCORE=1234' "$ini" || fail "the best score was lost: $(cat "$ini")"
  grep -qx 'LEVEL=1' "$ini" || fail "the settings were not saved on SIG$signal: $(cat "$ini")"
  grep -qx "BALLWAV=$folder/zap.wav" "$ini" || fail "the sounds are not looked for in $folder: $(cat "$ini")"
  grep -qx "WAVFOLDER=$folder" "$ini" || fail "the browse folder is not $folder: $(cat "$ini")"
}

# Checks an installed tree under <root><prefix>, then plays it through its link.
check_tree() {
  local root=$1 prefix=$2 id=$3
  local base="$root$prefix"
  local folder="$base/lib/tolvenix"
  for file in tolvenix zap.wav boing.wav yehaw.wav TOLVENIX.HLP plugins/libflexactive.so translations/tolvenix_de.qm \
    translations/tolvenix_fr.qm; do
    [[ -f "$folder/$file" ]] || fail "missing from the program folder: $file"
  done
  [[ -x "$folder/tolvenix" ]] || fail "the program is not executable"
  [[ -L "$base/games/tolvenix" ]] || fail "no link $prefix/games/tolvenix"
  [[ $(readlink "$base/games/tolvenix") == ../lib/tolvenix/tolvenix ]] || fail "the link does not lead to the program"
  [[ ! -e "$base/bin/tolvenix" ]] || fail "a second copy in $prefix/bin"
  local desktop="$base/share/applications/$id.desktop"
  [[ -f $desktop ]] || fail "no desktop entry"
  grep -qx "Exec=$prefix/games/tolvenix" "$desktop" || fail "the desktop entry does not start $prefix/games/tolvenix"
  [[ -f "$base/share/metainfo/$id.metainfo.xml" ]] || fail "no metainfo"
  for size in 16 24 32 48 64 128 256; do
    [[ -f "$base/share/icons/hicolor/${size}x$size/apps/$id.png" ]] || fail "no ${size}px icon"
  done
  appstreamcli validate-tree --no-net "$root" >&2 || fail "the desktop entry and metainfo do not go together"
  [[ -f "$base/share/man/man6/tolvenix.6.gz" ]] || fail "no man page"
  zcat "$base/share/man/man6/tolvenix.6.gz" | grep -q "^\.I $prefix/lib/tolvenix/TOLVENIX.HLP" ||
    fail "the man page does not name the help file in $prefix/lib/tolvenix"

  # Nothing may be written into the installed tree while the game runs.
  local before="$scratch/before" after="$scratch/after"
  find "$root" -printf '%p %s %T@\n' | sort >"$before"
  run_and_end "$base/games/tolvenix" TERM "$(realpath "$folder")"
  find "$root" -printf '%p %s %T@\n' | sort >"$after"
  diff "$before" "$after" >&2 || fail "the game wrote into its installed tree"
}

case ${1:-} in
  run)
    program=$(realpath "$2")
    run_and_end "$program" "$3" "$(dirname "$program")"
    ;;
  limit)
    run_limited "$(realpath "$2")"
    ;;
  install)
    DESTDIR="$scratch/root" cmake --install "$2" --prefix /usr >/dev/null
    check_tree "$scratch/root" /usr "$3"
    ;;
  package)
    deb=$2
    [[ -f $deb ]] || {
      echo "no package at $deb: run make package" >&2
      exit 77
    }
    [[ $(dpkg-deb -f "$deb" Package) == tolvenix ]] || fail "package name"
    [[ $(dpkg-deb -f "$deb" Version) == "$3" ]] || fail "version"
    [[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section"
    [[ $(dpkg-deb -f "$deb" Maintainer) == Tolvenix* ]] || fail "maintainer"
    depends=$(dpkg-deb -f "$deb" Depends)
    for needed in qt6-qpa-plugins libqt6sql6-sqlite fonts-freefont-ttf fonts-liberation2 libqt6widgets6 libqt6help6 libsdl2; do
      [[ $depends == *"$needed"* ]] || fail "$needed is not among the dependencies: $depends"
    done
    [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] || fail "Qt's translations are not recommended"
    dpkg -x "$deb" "$scratch/root"
    check_tree "$scratch/root" /usr "$4"
    ;;
  *)
    echo "usage: $0 run <program> <SIGNAL> | limit <program> | install <build folder> <app id> | package <.deb> <version> <app id>" >&2
    exit 2
    ;;
esac
