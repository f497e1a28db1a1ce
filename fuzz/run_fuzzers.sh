#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, each from its committed seeds in fuzz/corpus/.
# usage: fuzz/run_fuzzers.sh BUILD_DIR SECONDS
# What a run learns grows in BUILD_DIR/corpus/TARGET; the committed seeds are only read. An input
# that crashes a target, or breaks what it checks, is kept in BUILD_DIR/findings/ and fails the
# run: turn each one into a test in tests/reliability/.
set -uo pipefail
[[ $# -eq 2 ]] || { echo "usage: run_fuzzers.sh BUILD_DIR SECONDS" >&2; exit 2; }
build=$1 seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
seeds=$here/corpus
# Leaks inside the system's libraries, each explained in the file, are not findings of ours.
export LSAN_OPTIONS="suppressions=$here/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$build/findings"
failed=0
printf '%-16s %12s %10s %8s  %s\n' target runs "runs/s" edges result
targets=(quoted_list text_encoding player_package jpeg_picture bmp_png_picture heif_picture
  picture_loader win32_exif show_file)
# FUZZ_TARGETS="jpeg_picture heif_picture" runs only those.
read -ra targets <<<"${FUZZ_TARGETS:-${targets[*]}}"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log=$build/$target.log
  # -timeout: an input that takes 10 s is a hang and a finding.
  "$build/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$build/corpus/$target" "$seeds/$target" >"$log" 2>&1
  status=$?
  stat() { sed -n "s/^stat::$1: *//p" "$log"; }
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2)
  result=ok
  ((status == 0)) || { result="FINDING (see $log)"; failed=1; }
  printf '%-16s %12s %10s %8s  %s\n' "$target" "$(stat number_of_executed_units)" \
    "$(stat average_exec_per_sec)" "${edges:-?}" "$result"
done
exit $failed
