# Sourced by the Windows smoke tests (run by run_smoke.sh, which sets DISPLAY, the Wine prefix and
# LC_ALL, and gives each part a fresh folder in $work): waiting, screenshots and pixel checks.
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"

# Ends the part with its reason, keeping what the screen showed then as failure.png.
fail() {
  import -window root "$work/failure.png" 2>/dev/null
  echo "FAIL: $*"
  exit 1
}

# Polls a command until it succeeds or the seconds run out.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  while ((SECONDS < deadline)); do "$@" && return 0; sleep 0.2; done
  return 1
}
# Waits at most the seconds for a process to end; its status goes to $status.
wait_end() {
  wait_for "$2" bash -c "! kill -0 $1 2>/dev/null" || return 1
  wait "$1"; status=$?
}
shot() { import -window root "$work/shot.png" 2>/dev/null; }
# Keeps the last shot under a name, for a person to look at after a failure.
keep_shot() { cp "$work/shot.png" "$work/$1.png" 2>/dev/null || true; }
# The mean colour "r g b" of a region (WxH+X+Y) of the last shot.
mean_of() {
  convert "$work/shot.png" -crop "$1" +repage -resize '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null
}
# The mean colour of a region of a picture file.
file_mean_of() {
  convert "$1" -crop "$2" +repage -resize '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null
}
# Whether two colours "r g b" are within 40 of each other in every channel.
near() {
  awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, " "); split(b, y, " ")
    for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d > 40 || d < -40) exit 1 } }'
}
# How many pixels of a region of the last shot are the caption's yellow.
yellow_pixels() {
  convert "$work/shot.png" -crop "$1" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:() ]+' '/^[0-9]/ && $3 > 190 && $4 > 190 && $5 < 80' | wc -l
}
# The height of the yellow caption in a region (WxH+X+Y) of the last shot, top to bottom row.
yellow_height() {
  convert "$work/shot.png" -crop "$1" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:() ]+' '/^[0-9]/ && $3 > 100 && $4 > 100 && $5 < 80 { print $2 }' | sort -n |
    awk 'NR == 1 { top = $1 } { bottom = $1 } END { print NR ? bottom - top + 1 : 0 }'
}
# Windows with exactly this title on screen.
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
shown() { [[ -n $(window_of "$1") ]]; }
gone() { ! shown "$1"; }
# Presses a key in the window with this title: brings it to the front with the keyboard focus
# and types the key as the keyboard does. Tries again while the window stays, since a key sent
# while Wine is still setting the window up can be lost.
answer() {
  local id attempt
  id=$(window_of "$1")
  [[ -n $id ]] || return 1
  for attempt in 1 2 3; do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    xdotool windowfocus --sync "$id" >/dev/null 2>&1
    xdotool key "$2"
    wait_for 3 window_closed "$id" && return 0
  done
  return 1
}
window_closed() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# A folder of the user's that Windows names by this environment variable, as a Unix path.
user_folder() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
# The Windows path of a file under Wine's Z: drive (the Unix root).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# sample_package FOLDER LINUX_BUILD PLAYER: the sample show made by the Linux build's generator,
# its lists turned into the ANSI code page as the authoring program writes them on Windows, and
# the player copied in as pb.cc.
sample_package() {
  mkdir -p "$1" || return 1
  QT_QPA_PLATFORM=offscreen "$2/assets/sample/glint_make_sample" "$1" >/dev/null || return 1
  local list
  for list in pb.dat ms.dat kg.ini timu.dat; do
    iconv -f UTF-8 -t GBK "$1/$list" >"$1/$list.gbk" && mv "$1/$list.gbk" "$1/$list" || return 1
  done
  cp "$3" "$1/pb.cc"
}
# The show on a 1280 x 1024 screen: the caption's yellow in the top-right corner.
caption_shown() { shot && (($(yellow_pixels "300x30+980+0") > 20)); }
# The sample's first picture, 1024 x 768, centred in its frame: the screen shows it 128 pixels
# right and down, black beyond its frame. Strips along its left and right edges, against the
# file's own colours, so a picture still sliding in does not pass.
first_picture_shown() {
  local picture=$1
  shot || return 1
  near "$(mean_of 40x300+60+300)" "0 0 0" && near "$(mean_of 40x300+1180+300)" "0 0 0" &&
    near "$(mean_of 40x300+140+300)" "$(file_mean_of "$picture" 40x300+12+172)" &&
    near "$(mean_of 40x300+1100+300)" "$(file_mean_of "$picture" 40x300+972+172)"
}
