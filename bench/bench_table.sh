#!/usr/bin/env bash
# Runs every benchmark program of a build and prints their figures as one
# Markdown table, beside what a Qt developer would use instead where there
# is such a thing. Takes about nine minutes; the timer rows need most of it
# (run as root, they are measured for root and again for an ordinary user).
#
#   bench/bench_table.sh [build folder]      (default: build)
#
# QUORVANE_TIMER_TICKS sets the ticks per timer measurement (default 100).
set -euo pipefail

build=${1:-build}
bench=$build/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

loadavg() { cut -d' ' -f1-3 /proc/loadavg; }
load_before=$(loadavg)

echo "Running the benchmarks (about nine minutes) ..." >&2
"$bench/game_bench" --benchmark_format=csv >"$work/game.csv" 2>/dev/null
"$bench/render_bench" --benchmark_format=csv >"$work/render.csv" 2>/dev/null
"$bench/settings_bench" --benchmark_format=csv --benchmark_filter='^BM_(Load|Save)' >"$work/settings.csv" 2>/dev/null
"$bench/qt_settings_bench" --benchmark_format=csv >"$work/qsettings.csv" 2>/dev/null
"$bench/startup_bench" >"$work/startup.txt"
# Idling again on an X server, as on a desktop; skipped without Xvfb.
bash "$(dirname "$0")/../tests/support/with_xvfb.sh" "$bench/startup_bench" 1 10 >"$work/startup-x.txt" 2>/dev/null ||
  echo "idle_cpu_percent (no Xvfb)" >"$work/startup-x.txt"
"$bench/timer_precision" >"$work/timer.txt"
"$bench/pad_latency" 100 >"$work/pad.txt" 2>/dev/null
load_after=$(loadavg)

# The time per iteration of one benchmark, with its unit.
figure() {
  awk -F, -v name="$2" '{ gsub(/"/, "", $1) } $1 == name || $1 == name "/manual_time" {
    unit = $5 == "us" ? "µs" : $5; printf "%.2f %s", $3, unit; found = 1 }
    END { if (!found) printf "(missing)" }' "$work/$1"
}
value() { awk -v key="$1" '$1 == key { print $2 }' "$work/${2:-startup.txt}"; }
mib() { awk -v kib="$(value "$1")" 'BEGIN { printf "%.1f", kib / 1024 }'; }
# p50 / p99 / max lateness, p50 / p99 period error and processor time per
# tick of one timer at one interval under one load.
lateness() {
  awk -v load="$1" -v timer="$2" -v interval="$3" '$1 == load && $2 == timer {
    o = $2 == "QTimer" ? 1 : 0   # "QTimer precise" takes two fields
    if ($(3 + o) == interval)
      printf "%s / %s / %s ms, period %s / %s ms, %s ms cpu", $(5 + o), $(6 + o), $(7 + o), $(8 + o), $(9 + o), $(10 + o)
  }' "$work/timer.txt"
}

# A pad's idle processor share, and p50 / p99 / max press-to-key delay.
pad_idle() { awk -v pad="$1" '$1 == "idle_cpu_percent_with_pad" && $2 == pad { printf "%s %%", $3 }' "$work/pad.txt"; }
pad_delay() {
  awk -v pad="$1" -v load="$2" '$1 == "press_to_key_ms" && $2 == pad && $3 == load {
    printf "%s / %s / %s ms (%s of %s arrived)", $9, $13, $15, $7, $5 }' "$work/pad.txt"
}

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
# Up to the sentence's full stop, not a decimal point.
scheduling=$(awk -F'Main thread: ' '/^Main thread/ { s = $2; sub(/\.( .*)?$/, "", s); print s }' "$work/timer.txt")
# Only when run as root: the rows of an ordinary player, in a child process.
player=$(awk -F'main thread ' '/^Ordinary player/ { s = $2; sub(/\.( .*)?$/, "", s); print s }' "$work/timer.txt")

echo "Benchmarks of $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) processors (${cpu_model:-unknown}),"
echo "load average $load_before before and $load_after after; tick receiver at $scheduling$([[ -n $player ]] &&
  echo ", as user nobody at $player")."
echo
echo "| What | Quorvane Sinuvar | Instead, in plain Qt |"
echo "|---|---|---|"
echo "| Game step, 101-cell snake and 80 walls | $(figure game.csv BM_GameStepLongSnakeManyWalls) | |"
echo "| Blob placement on that crowded board | $(figure game.csv BM_PlaceItemCrowdedBoard) | |"
echo "| Full board paint of that board | $(figure render.csv BM_PaintBox1PaintCrowdedBoard) | |"
echo "| The four cell drawings of one step | $(figure render.csv BM_OneStepsCellDrawings) | |"
echo "| Settings load, ordinary file | $(figure settings.csv BM_LoadSettings) | QSettings $(figure qsettings.csv BM_QSettingsLoad) |"
echo "| Settings save, ordinary file (with fsync) | $(figure settings.csv BM_SaveSettings) | QSettings $(figure qsettings.csv BM_QSettingsSave) |"
echo "| Settings load, 4 MiB file (the largest accepted) | $(figure settings.csv BM_LoadLargeFile) | QSettings $(figure qsettings.csv BM_QSettingsLoadLargeFile) |"
echo "| Settings save into that file | $(figure settings.csv BM_SaveIntoLargeFile) | QSettings $(figure qsettings.csv BM_QSettingsSaveIntoLargeFile) |"
echo "| Start-up to the first painted intro, median of 7 | $(value startup_ms_median) ms | |"
echo "| One blink of the intro's last line | $(figure render.csv BM_IntroBlink) | drawn afresh each time $(figure render.csv BM_IntroBlinkDrawnAfresh) |"
echo "| Processor time idling at the intro, over 10 s | $(value idle_cpu_percent) % | |"
echo "| The same on an X server (Xvfb) | $(value idle_cpu_percent startup-x.txt) % | |"
echo "| Audio streamed idling at the intro, over 10 s (SDL disk driver) | $(value idle_audio_bytes) bytes | |"
echo "| Resident memory at the intro, VmRSS / VmHWM | $(mib vmrss_kib) / $(mib vmhwm_kib) MiB | |"
echo "| Processor time with a pad connected, nothing pressed, over 10 s | waited on $(pad_idle waited); polled every 4 ms $(pad_idle polled) | |"
echo "| Pad press to key p50 / p99 / max, no load of ours | waited on $(pad_delay waited idle); polled $(pad_delay polled idle) | |"
echo "| Pad press to key p50 / p99 / max, one busy process per processor | waited on $(pad_delay waited busy); polled $(pad_delay polled busy) | |"
loads="idle busy"
[[ -n $player ]] && loads="$loads idle-user busy-user"
for load in $loads; do
  for interval in 250 120 51 30; do
    label="Tick lateness p50 / p99 / max, period error p50 / p99, processor per tick, $interval ms"
    [[ $load == busy* ]] && label="$label, one busy process per processor" || label="$label, no load of ours"
    [[ $load == *-user ]] && label="$label, ordinary user"
    echo "| $label | TSuperTimer $(lateness $load TSuperTimer $interval) | QTimer PreciseTimer $(lateness $load QTimer $interval) |"
  done
done
