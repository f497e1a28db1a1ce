# Sourced by the end-to-end scripts: a private X server with a window manager, and the means to
# wait for what a user would see. Before sourcing, set width and height (the screen's size) and
# work (a fresh temporary folder, removed at the end with the processes added to pids); set
# xorg_config to a configuration file to have Xorg instead of Xvfb, and no_window_manager=1 to
# have no openbox (for a nested compositor that should fill the screen).
# usage: source x_session.sh TOOL...    (the X tools the script needs besides Xvfb and openbox)
tools=(Xvfb xprop "$@")
[[ -n ${no_window_manager:-} ]] || tools+=(openbox)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

if [[ -n ${xorg_config:-} ]]; then
  # A real X server (Xorg with the dummy driver) for what Xvfb cannot do, such as monitors.
  command -v Xorg >/dev/null || { echo "SKIP: Xorg is not installed"; exit 77; }
  (($(id -u) == 0)) || { echo "SKIP: Xorg with the dummy driver is started as root"; exit 77; }
  Xorg -displayfd 3 -config "$xorg_config" -noreset -nolisten tcp -logfile "$work/xorg.log" \
    3>"$work/display" >/dev/null 2>&1 &
else
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
fi
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
if [[ -z ${no_window_manager:-} ]]; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q id && break
    sleep 0.05; done
fi

# Polls a command until it succeeds or the seconds run out.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  while ((SECONDS < deadline)); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Waits at most the seconds for a process to end; its status goes to $status.
wait_end() {
  wait_for "$2" bash -c "! kill -0 $1 2>/dev/null" || return 1
  wait "$1"; status=$?
}
shot() { import -window root "$work/shot.png" 2>/dev/null; }
# The pixels of a region (WxH+X+Y) of the last shot, one "x y r g b" a line.
pixels() {
  convert "$work/shot.png" -crop "$1" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:() ]+' '/^[0-9]/ { print $1, $2, $3, $4, $5 }'
}
# Whether the pixel is within 40 of the colour "r g b" in every channel.
pixel_is() {
  pixels "1x1+$1+$2" | awk -v c="$3" '{ split(c, w, " ")
    for (i = 1; i <= 3; i++) { d = $(i + 2) - w[i]; if (d > 40 || d < -40) exit 1 } }'
}
