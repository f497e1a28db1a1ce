# Sourced by run_benchmarks.sh: the real player (built as $build/player/glintsaver) under the Xvfb
# session, and feh for comparison. Uses work, build, bin, put, fail from there.

# The player as every package carries it: stripped of its debugging sections, as make dist lays
# it out (the build's own copy is several times larger, read from disk at a cold start).
player_program() { strip -o "$1" "$build/player/glintsaver"; }

player_package() {  # folder, count of pictures, photo
  mkdir -p "$1"
  local names=() i
  for ((i = 1; i <= $2; i++)); do
    cp "$3" "$1/p$i.jpg"
    names+=("\"p$i.jpg\"")
  done
  printf '%s\r\n' "${names[@]}" >"$1/pb.dat"
  printf '"song.wav"\r\n' >"$1/ms.dat"
  printf '"0"\r\n' >"$1/kg.ini"
  printf '"Glint benchmark"\r\n' >"$1/timu.dat"
  player_program "$1/pb.cc"
}

# Nanoseconds on the processor of every thread of the process so far ("%.0f": mawk prints "%d"
# through a 32-bit integer, which stuck every figure at 2.1 s).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }

# The player's CPU time over wall time for the whole run, and the quietest 1.5 s window
# (a hold lasts 2 s, so every hold holds one), sampled every 0.25 s: a show of fourteen
# 1600 x 1200 photos, as people's shows are.
cpu_use() {
  player_package "$work/cpu" 14 "$work/mp2.jpg"
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

middle() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Start until the first frame: the player until its caption shows, feh until the photo shows,
# read off the screen by first_frame_probe every millisecond (a screenshot would take 0.1 s and
# hold the X server meanwhile). Cold: the page cache is dropped before each start (as root);
# warm: started again at once.
first_frame() {
  command -v feh >/dev/null || { put start_feh_ms -1 ms; return; }
  player_package "$work/start" 1 "$work/screen.jpg"
  local player=() feh=() player_warm=() feh_warm=() i
  local probe=$bin/first_frame_probe
  for ((i = 0; i < $1; i++)); do
    # Each warm start right after its own cold one: the other program's cold start empties
    # the page cache again.
    player+=("$("$probe" caption --cold "$work/start/pb.cc" 2>>"$work/stderr")")
    player_warm+=("$("$probe" caption "$work/start/pb.cc" 2>>"$work/stderr")")
    feh+=("$("$probe" photo --cold feh -F -Z "$work/start/p1.jpg" 2>>"$work/stderr")")
    feh_warm+=("$("$probe" photo feh -F -Z "$work/start/p1.jpg" 2>>"$work/stderr")")
  done
  local mp mf
  mp=$(printf '%s\n' "${player[@]}" | middle)
  mf=$(printf '%s\n' "${feh[@]}" | middle)
  put start_player_ms "$mp" ms
  put start_feh_ms "$mf" ms
  put start_vs_feh_ratio "$(echo "scale=3; $mp / $mf" | bc)" x
  put start_player_warm_ms "$(printf '%s\n' "${player_warm[@]}" | middle)" ms
  put start_feh_warm_ms "$(printf '%s\n' "${feh_warm[@]}" | middle)" ms
}

# The real player's peak resident size (VmHWM) with a package of one photo, as a user runs it:
# through its first slide-in (move1), the sweep after it (move2), and the cycle step after that,
# which loads the photo a third time. A cycle step lets the photo shown go before it decodes the
# next, so the resident size falls by most of the picture's bytes at each: the run ends once two
# such falls have come and the size has climbed back (the third picture decoded), a second later.
# Prints the peak and the seconds until the third picture was decoded.
player_memory() {  # photo, key, decoded picture bytes
  local dir=$work/memory-$2
  mkdir -p "$dir"
  cp "$1" "$dir/photo.jpg"
  printf '"photo.jpg"\r\n' >"$dir/pb.dat"
  printf '"song.wav"\r\n' >"$dir/ms.dat"
  printf '"0"\r\n' >"$dir/kg.ini"
  printf '"Glint benchmark"\r\n' >"$dir/timu.dat"
  player_program "$dir/pb.cc"
  "$dir/pb.cc" 2>>"$work/stderr" &
  local pid=$! start now falls=0 top=0 low=0 rss hwm done_at=""
  pids+=("$pid")
  start=$(date +%s%N)
  local drop=$(($3 / 2048))  # kB: half the picture
  while kill -0 "$pid" 2>/dev/null; do
    now=$(date +%s%N)
    ((now - start < 300000000000)) || break
    rss=$(awk '/^VmRSS/ { print $2 }' /proc/"$pid"/status 2>/dev/null)
    [[ -n $rss ]] || break
    ((rss > top)) && top=$rss
    if ((top - rss > drop)); then falls=$((falls + 1)) top=$rss low=$rss; fi
    if ((falls >= 2)) && [[ -z $done_at ]] && ((rss - low > drop)); then done_at=$now; fi
    [[ -n $done_at ]] && ((now - done_at > 1000000000)) && break
    sleep 0.02
  done
  hwm=$(awk '/^VmHWM/ { print $2 }' /proc/"$pid"/status 2>/dev/null)
  kill "$pid" 2>/dev/null
  if [[ -z $done_at || -z $hwm ]]; then
    put "memory_player_$2_peak_rss" -1 MB
    echo "FAIL: the player with the $2 photo did not reach its third picture (falls seen: $falls)" >&2
    return
  fi
  put "memory_player_$2_peak_rss" "$(echo "scale=1; $hwm / 1024" | bc)" MB
  put "memory_player_$2_seconds" "$(echo "scale=2; ($done_at - $start) / 1000000000" | bc)" s
}
