#!/usr/bin/env bash
# Checks the game as it is installed and as it ends with the session.
#   installed_game_test.sh run <program> <SIGNAL>
#       starts the program offscreen on a fresh settings folder, ends it with
#       the signal once its window is up, and checks the settings it saved.
#   installed_game_test.sh limit <program>
#       the same under a file-size limit smaller than the settings file: the
#       save fails, and the game says so and leaves the old file as it was.
#   installed_game_test.sh install <build folder> <version> <app id>
#       installs the build into a scratch root and checks the installed tree,
#       that the install wrote nothing into the build folder, a user's
#       install under ~/.local, and that uninstalling removes every file.
#   installed_game_test.sh package <.deb> <version> <app id>
#       unpacks the package into a scratch root and checks it and its fields,
#       and lets lintian judge it where lintian is installed.
#   installed_game_test.sh again <CPackConfig.cmake> <.deb>
#       builds the package once more and compares it with <.deb>.
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
# loaded, and SIGTERM (bit 15) in the caught-signal mask says so. Until the
# process runs the program itself, the mask is the forked shell's own.
wait_until_up() {
  local pid=$1 program=$2
  local binary
  binary=$(realpath "$program")
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    local mask=
    [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == "$binary" ]] &&
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
  mkdir -m 700 "$home/run"
  local ini="$home/config/Tolvenix.ini"
  {
    printf '[SCORE]\nHISCORE=1234\nHINAME=Bo\n'
    for i in $(seq 200); do printf '; line %d\n' "$i"; done
  } >"$ini"
  cp "$ini" "$scratch/old.ini"
  # Standard error goes through a pipe: the limit binds the program's own
  # writes to files, and its report must not be the one that is cut.
  mkfifo "$scratch/stderr.pipe"
  cat <"$scratch/stderr.pipe" >"$scratch/stderr" &
  local reader=$!
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    prlimit --fsize=1024 "$program" 2>"$scratch/stderr.pipe" &
  local pid=$!
  wait_until_up "$pid" "$program"
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  wait "$reader"  # all the program wrote is in the file
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
  local home
  home=$(mktemp -d "$scratch/run-$signal.XXXXXX")
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

# Checks an installed tree under <root><prefix>, with the link to the program
# in <link folder>, then plays it through its link.
check_tree() {
  local root=$1 prefix=$2 version=$3 id=$4 links=${5:-games}
  local base="$root$prefix" other=bin
  [[ $links == games ]] || other=games
  local folder="$base/lib/tolvenix"
  # Every language the source tree translates into ships its catalogue.
  local catalogues=("${BASH_SOURCE[0]%/*}"/../../translations/tolvenix_*.ts)
  catalogues=("${catalogues[@]##*/}")
  catalogues=("${catalogues[@]/%.ts/.qm}")
  (( ${#catalogues[@]} >= 8 )) || fail "the translations were not found beside the test"
  for file in tolvenix tolvenix-help zap.wav boing.wav yehaw.wav TOLVENIX.HLP plugins/libflexactive.so \
    "${catalogues[@]/#/translations/}"; do
    [[ -f "$folder/$file" ]] || fail "missing from the program folder: $file"
  done
  [[ -x "$folder/tolvenix" && -x "$folder/tolvenix-help" ]] || fail "the program or its help viewer is not executable"
  [[ -L "$base/$links/tolvenix" ]] || fail "no link $prefix/$links/tolvenix"
  [[ $(readlink "$base/$links/tolvenix") == ../lib/tolvenix/tolvenix ]] || fail "the link does not lead to the program"
  [[ ! -e "$base/$other/tolvenix" ]] || fail "a second link in $prefix/$other"
  local desktop="$base/share/applications/$id.desktop"
  [[ -f $desktop ]] || fail "no desktop entry"
  grep -qx "Exec=$prefix/$links/tolvenix" "$desktop" || fail "the desktop entry does not start $prefix/$links/tolvenix"
  local metainfo="$base/share/metainfo/$id.metainfo.xml"
  [[ -f $metainfo ]] || fail "no metainfo"
  grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" || fail "the metainfo's release is not $version"
  [[ -f "$base/share/doc/tolvenix/copyright" ]] || fail "no copyright file"
  zcat "$base/share/doc/tolvenix/changelog.gz" | head -n 1 | grep -q "^tolvenix ($version)" ||
    fail "the changelog does not start with version $version"
  for size in 16 24 32 48 64 128 256; do
    [[ -f "$base/share/icons/hicolor/${size}x$size/apps/$id.png" ]] || fail "no ${size}px icon"
  done
  appstreamcli validate-tree --no-net "$root" >&2 || fail "the desktop entry and metainfo do not go together"
  [[ -f "$base/share/man/man6/tolvenix.6.gz" ]] || fail "no man page"
  zcat "$base/share/man/man6/tolvenix.6.gz" | grep -q "^\.I $prefix/lib/tolvenix/TOLVENIX.HLP" ||
    fail "the man page does not name the help file in $prefix/lib/tolvenix"
  zcat "$base/share/man/man6/tolvenix.6.gz" | grep -q "^\.TH TOLVENIX 6 \"[0-9-]*\" \"Quorvane Sinuvar $version\"" ||
    fail "the man page is not of version $version"
  for language in de fr es it pt_BR pl ru zh_CN; do
    zcat "$base/share/man/$language/man6/tolvenix.6.gz" | grep -q "^\.I $prefix/lib/tolvenix/TOLVENIX.HLP" ||
      fail "no $language man page naming the help file in $prefix/lib/tolvenix"
  done
  local said
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$base/$links/tolvenix" --version) ||
    fail "tolvenix --version failed"
  [[ $said == "Quorvane Sinuvar $version" ]] || fail "tolvenix --version said: $said"

  # Nothing may be written into the installed tree while the game runs.
  local before="$scratch/before" after="$scratch/after"
  find "$root" -printf '%p %s %T@\n' | sort >"$before"
  run_and_end "$base/$links/tolvenix" TERM "$(realpath "$folder")"
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
    build=$2
    # cmake --install itself records what it copied in install_manifest.txt
    # (make install removes it); nothing else may change in the build.
    marker="$scratch/marker"
    touch "$marker"
    DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr --strip >/dev/null
    written=$(find "$build" -newer "$marker" -not -type d -not -name 'install_manifest*.txt' -not -path '*/Testing/*')
    [[ -z $written ]] || fail "the install wrote into the build folder: $written"
    check_tree "$scratch/root" /usr "$3" "$4"

    # A user's own install: the link lands on the user's PATH.
    home=$scratch/home/player
    DESTDIR="$scratch/user" cmake --install "$build" --prefix "$home/.local" >/dev/null
    check_tree "$scratch/user" "$home/.local" "$3" "$4" bin

    # Uninstalling removes every file the install put there.
    for tree in "$scratch/root:/usr" "$scratch/user:$home/.local"; do
      DESTDIR="${tree%%:*}" cmake -DCMAKE_INSTALL_PREFIX="${tree#*:}" -P "$build/packaging/uninstall.cmake" >/dev/null
      left=$(find "${tree%%:*}" -not -type d)
      [[ -z $left ]] || fail "left after uninstalling from ${tree#*:}: $left"
    done

    # make install PREFIX=<home>/.local, twice, then make uninstall: into a
    # home without ~/.local nothing is left; beside a user's own files, a
    # folder that was there (empty or not) stays and the user's file with it.
    mkdir -p "$scratch/new" "$scratch/lived/.local/share/applications" "$scratch/lived/.local/share/metainfo"
    touch "$scratch/lived/.local/share/applications/editor.desktop"
    for home in "$scratch/new" "$scratch/lived"; do
      find "$home" | sort >"$scratch/before"
      for _ in 1 2; do
        cmake --install "$build" --prefix "$home/.local" >/dev/null
      done
      cmake -DCMAKE_INSTALL_PREFIX="$home/.local" -P "$build/packaging/uninstall.cmake" >/dev/null
      find "$home" | sort | diff "$scratch/before" - >&2 || fail "uninstalling did not leave $home as it was"
    done
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
    for wanted in qt6-translations-l10n fonts-wqy-microhei; do
      [[ $(dpkg-deb -f "$deb" Recommends) == *"$wanted"* ]] || fail "$wanted is not recommended"
    done
    dpkg -x "$deb" "$scratch/root"
    check_tree "$scratch/root" /usr "$3" "$4"
    for binary in lib/tolvenix/tolvenix lib/tolvenix/tolvenix-help lib/tolvenix/plugins/libflexactive.so; do
      readelf -S "$scratch/root/usr/$binary" | grep -q '\.comment' && fail "$binary keeps its .comment section"
      readelf -d "$scratch/root/usr/$binary" | grep -q 'BIND_NOW' || fail "$binary is not bound at start (bind-now)"
    done
    if command -v lintian >/dev/null; then
      lintian --fail-on error,warning "$deb" || fail "lintian: an error or warning"
    fi
    ;;
  again)
    # cpack once more from the same build, into a folder of its own: the
    # package must be the one make package built, byte for byte.
    config=$2 deb=$3
    [[ -f $deb ]] || {
      echo "no package at $deb: run make package" >&2
      exit 77
    }
    cpack --config "$config" -G DEB -B "$scratch/again" >/dev/null
    second=$scratch/again/${deb##*/}
    [[ -f $second ]] || fail "the second run made no ${deb##*/}: $(ls "$scratch/again")"
    first_sum=$(sha256sum <"$deb") second_sum=$(sha256sum <"$second")
    [[ $first_sum == "$second_sum" ]] || fail "a second package differs: $(cmp "$deb" "$second")"
    ;;
  *)
    echo "usage: $0 run <program> <SIGNAL> | limit <program> | install <build folder> <version> <app id> | package <.deb> <version> <app id> | again <CPackConfig.cmake> <.deb>" >&2
    exit 2
    ;;
esac
