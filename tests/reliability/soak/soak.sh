#!/usr/bin/env bash
# The long runs, kept out of the test suite:
#   1. a week of the show on the headless backend: the fifty pictures stay in order and the heap
#      stays flat (the suite runs one hour of the same test);
#   2. the real player under Xvfb + openbox for SOAK_SECONDS with fourteen pictures and music: its
#      peak resident size grows by at most 1 MB after the first pass through the list (fourteen
#      pictures, so that the first pass has run every effect once);
#   3. a key at a random moment, LATENCY_TRIALS times: the player ends within the hold (2 s) plus
#      0.1 s, wherever in a slide, sweep or hold the key comes.
# usage: soak.sh BUILD_DIR [SOAK_SECONDS] [LATENCY_TRIALS]
set -uo pipefail
build=${1:?usage: soak.sh BUILD_DIR [SOAK_SECONDS] [LATENCY_TRIALS]}
soak_seconds=${2:-600}
trials=${3:-20}
tests=$build/tests/reliability/glint_reliability_tests
player=$build/player/glintsaver
width=1024 height=768
work=$(mktemp -d)
source "$(dirname "$0")/../../e2e/x_session.sh" xdotool import convert
[[ -x $tests && -x $player ]] || fail "build first: $tests and $player are needed"

# 1. a week on the virtual clock
started=$SECONDS
GLINT_LONG_RUN_HOURS=168 "$tests" --gtest_filter='LongRun.*' --gtest_output="xml:$work/week.xml" \
  >"$work/week.log" 2>&1 || { cat "$work/week.log"; fail "the week-long run failed"; }
figures=$(grep -o '<property name="[a-z_]*" value="[^"]*"' "$work/week.xml" |
  sed 's/<property name="\([a-z_]*\)" value="\([^"]*\)"/\1=\2/' | tr '\n' ' ')
echo "ok: a week of the show on the headless backend in $((SECONDS - started)) s: $figures"

# A package of fourteen 640 x 480 pictures, each one colour, and a second of music.
colours=("230 20 20" "20 200 20" "20 40 230" "230 230 20" "20 220 220" "220 20 220" "250 150 30"
  "140 70 20" "240 240 240" "120 120 240" "120 230 120" "20 20 120" "120 20 20" "20 120 120")
package=$work/package
mkdir -p "$package"
: >"$package/pb.dat"
for k in "${!colours[@]}"; do
  read -r r g b <<<"${colours[$k]}"
  convert -size 640x480 "xc:rgb($r,$g,$b)" "$package/photo $k.jpg"
  printf '"photo %d.jpg"\r\n' "$k" >>"$package/pb.dat"
done
# 8 kHz, 8-bit, mono: a 44-byte header, then one second of a square wave.
{
  printf 'RIFF\x64\x1f\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00'
  printf '\x40\x1f\x00\x00\x01\x00\x08\x00data\x40\x1f\x00\x00'
  low=$(printf '\x60%.0s' {1..20}) high=$(printf '\xa0%.0s' {1..20})
  for _ in $(seq 200); do printf '%s%s' "$low" "$high"; done
} >"$package/tone.wav"
printf '"tone.wav"\r\n' >"$package/ms.dat"
printf '"1"\r\n' >"$package/kg.ini"
printf '"Soak"\r\n' >"$package/timu.dat"
cp "$player" "$package/pb.cc"

# Which picture, if any, the centre of the screen shows: its number, or -1.
centre_picture() {
  import -window root -crop "1x1+$((width / 2))+$((height / 2))" "$work/centre.png" 2>/dev/null ||
    { echo -1; return; }
  convert "$work/centre.png" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:() ]+' -v list="${colours[*]}" '/^[0-9]/ { n = split(list, c, " ")
      for (k = 0; k < n / 3; k++) { d = 0
        for (i = 1; i <= 3; i++) { e = $(i + 2) - c[3 * k + i]; d += e < 0 ? -e : e }
        if (d < 60) { print k; exit } }
      print -1 }'
}
kb() { awk -v f="$1:" '$1 == f { print $2 }' "/proc/$2/status" 2>/dev/null; }

# 2. memory over SOAK_SECONDS
"$package/pb.cc" 2>"$work/soak.err" &
show=$!
pids+=("$show")
wait_for 10 xdotool search --name '^glintsaver$' >/dev/null 2>&1 || fail "the show did not start"
started=$SECONDS last=${#colours[@]} seen_last=no first_pass_hwm= first_pass_at=
while ((SECONDS - started < soak_seconds)); do
  kill -0 "$show" 2>/dev/null || fail "the show ended by itself: $(cat "$work/soak.err")"
  if [[ -z $first_pass_hwm ]]; then
    picture=$(centre_picture)
    ((picture == last - 1)) && seen_last=yes
    # Back at the first picture after the last one: the first pass is over.
    if [[ $seen_last == yes ]] && ((picture == 0)); then
      first_pass_hwm=$(kb VmHWM "$show") first_pass_at=$((SECONDS - started))
    fi
  fi
  sleep 0.5
done
[[ -n $first_pass_hwm ]] || fail "the first pass through the list was never seen to end"
hwm=$(kb VmHWM "$show") rss=$(kb VmRSS "$show")
kill "$show"
wait "$show" 2>/dev/null
growth=$((hwm - first_pass_hwm))
((growth <= 1024)) || fail "the peak resident size grew by ${growth} kB after the first pass"
echo "ok: ${soak_seconds} s of the show; first pass over at ${first_pass_at} s with peak" \
  "${first_pass_hwm} kB; at the end peak ${hwm} kB, resident ${rss} kB: growth ${growth} kB"

# 3. a key at random moments
RANDOM=7
worst=0 total=0
for trial in $(seq "$trials"); do
  "$package/pb.cc" 2>>"$work/soak.err" &
  show=$!
  pids+=("$show")
  wait_for 10 xdotool search --name '^glintsaver$' >/dev/null 2>&1 || fail "trial $trial: no show"
  # 0 to 12 s in: the first slide, its hold, the hand-back, the first sweeps and their holds.
  sleep "$((RANDOM % 12)).$((RANDOM % 10))"
  sent=$EPOCHREALTIME
  xdotool key shift
  while kill -0 "$show" 2>/dev/null; do
    sleep 0.005
    awk -v a="$sent" -v b="$EPOCHREALTIME" 'BEGIN { exit !(b - a > 10) }' &&
      fail "trial $trial: the show did not end within 10 s of a key"
  done
  ms=$(awk -v a="$sent" -v b="$EPOCHREALTIME" 'BEGIN { printf "%d", (b - a) * 1000 }')
  wait "$show"
  status=$?
  ((status == 0)) || fail "trial $trial: the show ended with status $status"
  ((ms > worst)) && worst=$ms
  total=$((total + ms))
  ((ms <= 2100)) || fail "trial $trial: the show took ${ms} ms to end after a key"
done
echo "ok: a key ends the show within 2.1 s in $trials trials: worst ${worst} ms," \
  "mean $((total / trials)) ms"
