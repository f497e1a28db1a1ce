# Sourced by run_benchmarks.sh: the real player (built as $build/player/glintsaver) under the Xvfb
# session, and feh for comparison. Uses work, build, bin, put, fail from there.

player_package() {  # folder, count of pictures
  mkdir -p "$1"
  local names=() i
  for ((i = 1; i <= $2; i++)); do
    cp "$work/screen.jpg" "$1/p$i.jpg"
    names+=("\"p$i.jpg\"")
  done
  printf '%s\r\n' "${names[@]}" >"$1/pb.dat"
  printf '"song.wav"\r\n' >"$1/ms.dat"
  printf '"0"\r\n' >"$1/kg.ini"
  printf '"Glint benchmark"\r\n' >"$1/timu.dat"
  cp "$build/player/glintsaver" "$1/pb.cc"
}

# Nanoseconds on the processor of every thread of the process so far.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }

# The player's CPU time over wall time for the whole run, and the quietest 1.5 s window
# (a hold lasts 2 s, so every hold holds one), sampled every 0.25 s.
cpu_use() {
  player_package "$work/cpu" 14
  "$work/cpu/pb.cc" 2>>"$work/stderr" &
  local pid=$! samples=() t0 c0 t1 c1 i
  pids+=("$pid")
  sleep 1
  t0=$(date +%s%N) c0=$(cpu_ns "$pid")
  for ((i = 0; i < $1 * 4; i++)); do samples+=("$(date +%s%N) $(cpu_ns "$pid")"); sleep 0.25; done
  t1=$(date +%s%N) c1=$(cpu_ns "$pid")
  kill "$pid" 2>/dev/null
  kill -0 "$pid" 2>/dev/null || true
  put cpu_average_percent "$(echo "scale=3; 100 * ($c1 - $c0) / ($t1 - $t0)" | bc)" "%"
  printf '%s\n' "${samples[@]}" | awk '{ t[NR] = $1; c[NR] = $2 }
    END { best = 100
      for (i = 1; i + 6 <= NR; i++) {
        p = 100 * (c[i + 6] - c[i]) / (t[i + 6] - t[i]); if (p < best) best = p }
      printf "BENCH cpu_quietest_1.5s_percent %.3f %%\n", best }' >>"$results"
}

# Milliseconds from the start of a program until the check succeeds, polled without sleeping.
until_shown() {  # check, command...
  local check=$1 t0 pid; shift
  t0=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until $check; do kill -0 "$pid" 2>/dev/null || break; done
  echo $((($(date +%s%N) - t0) / 1000000))
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
}
# The yellow caption in the top-right corner.
caption_shown() {
  shot && (($(pixels "200x24+$((width - 200))+0" | awk '$3 > 190 && $4 > 190 && $5 < 60' |
    wc -l) > 20))
}
# The photo (bluish, see make_pictures) in the middle of the screen.
photo_shown() {
  shot && pixels "1x1+$((width / 2))+$((height / 2))" | awk '$5 > 120 { f = 1 } END { exit !f }'
}
middle() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
drop_caches() { sync; echo 3 >/proc/sys/vm/drop_caches 2>/dev/null; }

first_frame() {
  command -v feh >/dev/null || { put start_feh_ms -1 ms; return; }
  player_package "$work/start" 1
  local player=() feh=() i
  for ((i = 0; i < $1; i++)); do
    drop_caches; player+=("$(until_shown caption_shown "$work/start/pb.cc")")
    drop_caches; feh+=("$(until_shown photo_shown feh -F -Z "$work/start/p1.jpg")")
  done
  local mp mf
  mp=$(printf '%s\n' "${player[@]}" | middle)
  mf=$(printf '%s\n' "${feh[@]}" | middle)
  put start_player_ms "$mp" ms
  put start_feh_ms "$mf" ms
  put start_vs_feh_ratio "$(echo "scale=3; $mp / $mf" | bc)" x
  # A screenshot takes this long, so the figures above are this coarse.
  local t0; t0=$(date +%s%N); shot; put start_screenshot_ms $((($(date +%s%N) - t0) / 1000000)) ms
}
