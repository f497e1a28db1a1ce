#!/usr/bin/env bash
# Runs every benchmark on this machine and prints one table: figure, value, target, and the
# comparison measured in the same run. Programs print "BENCH <key> <value> <unit>" lines; the
# shell parts (the real player under Xvfb, feh, cp, djpeg) print the same.
# With a Windows build of the benchmarks, its peak memory at 100 MP runs under Wine where this
# machine runs 32-bit programs.
# usage: run_benchmarks.sh BUILD_DIR [WINDOWS_BUILD_DIR]   (CPU_SECONDS=60 START_RUNS=5 to change
#        the runs)
set -uo pipefail
build=${1:?usage: run_benchmarks.sh BUILD_DIR [WINDOWS_BUILD_DIR]}
winbuild=${2:-}
bin=$(cd "$build/bench" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
cpu_seconds=${CPU_SECONDS:-60}
start_runs=${START_RUNS:-5}
width=1920 height=1080
work=$(mktemp -d)
results=$work/results
: >"$results"
source "$root/tests/e2e/x_session.sh" xdotool import convert
export QT_QPA_PLATFORM=xcb

step() { echo "== $*" >&2; }
run() { "$@" 2>>"$work/stderr" | grep '^BENCH ' >>"$results"; }
put() { echo "BENCH $1 $2 $3" >>"$results"; }

step "photos"
"$bin/make_pictures" "$work" || fail "cannot make the photos"
step "pixel sweep, headless";  run "$bin/sweep_bench"
step "pixel sweep, Qt on Xvfb"; run "$bin/qt_sweep_bench" "$work/screen.jpg"
step "cycle step";             run "$bin/cycle_step_bench"
step "picture load vs djpeg";  run "$bin/picture_load_bench" "$work"
step "peak memory, headless";  run "$bin/peak_memory_bench" "$work/mp24.jpg" mp24
                               run "$bin/peak_memory_bench" "$work/mp100.jpg" mp100
if [[ -n $winbuild && -f $winbuild/bench/peak_memory_bench.exe ]]; then
  if reason=$(bash "$root/tools/can-run-i386.sh"); then
    step "peak memory, Windows build under Wine"
    (source "$root/tests/win32/wine_env.sh" && wine_prepare &&
      wine "$winbuild/bench/peak_memory_bench.exe" "$(winepath -w "$work/mp100.jpg")" win32_mp100) \
      2>>"$work/stderr" | tr -d '\r' | grep '^BENCH ' >>"$results"
  else
    step "SKIP: peak memory of the Windows build under Wine: this machine refuses 32-bit programs ($reason)"
  fi
fi
step "hover";                  run "$bin/hover_bench" "$root/assets/maker/generated/pic"
step "build vs cp";            run "$bin/build_bench"
step "single files vs cp";     run "$bin/single_files_bench"
step "slide-in";               run "$bin/qt_slide_bench" "$work/mp1.jpg" 8

source "$root/bench/player_runs.sh"
step "peak memory, real player on Xvfb"
player_memory "$work/mp2.jpg" mp2 $((1600 * 1200 * 4))
player_memory "$work/mp24.jpg" mp24 $((6000 * 4000 * 4))
player_memory "$work/mp100.jpg" mp100 $((12500 * 8000 * 4))
step "processor use, ${cpu_seconds} s"; cpu_use "$cpu_seconds"
step "start to first frame vs feh"; first_frame "$start_runs"

bash "$root/bench/print_table.sh" "$results"
