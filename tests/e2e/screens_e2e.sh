#!/usr/bin/env bash
# The show on today's screens, end to end:
#   monitors  two monitors side by side (Xorg's dummy driver, RandR monitors A and B): the show
#             on A, B black for the whole show and again when it comes back after being gone; a
#             click over B ends the show with status 0, and so does a mouse movement over B;
#   scaled    a screen scaled to 200 % (Xft.dpi 192, as X11 desktops scale): the 320 x 240 picture
#             covers 320 x 240 device pixels and the held frame is the one a 100 % screen of the
#             same size shows, while the caption is twice as tall.
# usage: screens_e2e.sh GLINTSAVER monitors|scaled
set -uo pipefail
player=${1:?usage: screens_e2e.sh GLINTSAVER monitors|scaled}
mode=${2:?usage: screens_e2e.sh GLINTSAVER monitors|scaled}
work=$(mktemp -d)
here=$(dirname "$0")

if [[ $mode == monitors ]]; then
  width=1824 height=768
  xorg_config=$work/dummy.conf
  cat >"$xorg_config" <<'CONF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "card"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1824x768" 117.00 1824 1912 2096 2368 768 771 781 805
EndSection
Section "Screen"
    Identifier "screen"
    Device "card"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1824x768"
        Virtual 1824 768
    EndSubSection
EndSection
CONF
  [[ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ]] ||
    { echo "SKIP: Xorg's dummy driver is not installed"; exit 77; }
  source "$here/x_session.sh" xdotool import convert display python3 xrandr
else
  width=1024 height=768
  source "$here/x_session.sh" xdotool import convert python3 xrdb
fi
source "$here/show_package.sh"
make_package "$work/show"

# caption_shown RIGHT: the yellow caption ends at the pixel column RIGHT; its height goes to $rows.
caption_shown() {
  shot || return 1
  rows=$(pixels "300x80+$(($1 - 300))+0" | awk '$3 > 100 && $4 > 100 && $5 < 60 { print $2 }' |
    sort -n | awk 'NR == 1 { top = $1 } { bottom = $1 } END { print NR ? bottom - top + 1 : 0 }')
  ((rows > 5))
}
# Waits for the show started with the pointer where it is; its process goes to $show.
start_show() {
  "$work/show/pb.cc" 2>>"$work/show.err" &
  show=$!
  wait_for 10 caption_shown "$1" || fail "no yellow caption at the top right of the show"
}

if [[ $mode == monitors ]]; then
  xrandr --setmonitor A 1024/271x768/203+0+0 DUMMY0 >/dev/null &&
    xrandr --setmonitor B 800/211x600/158+1024+0 none >/dev/null || fail "xrandr --setmonitor"
  # The desktop is green, so a monitor the show leaves uncovered shows.
  convert -size "${width}x${height}" 'xc:rgb(30,160,60)' "$work/desktop.png"
  # (display exits with status 1 after painting the root window.)
  display -window root "$work/desktop.png"
  covered() { shot && pixel_is 1400 300 "0 0 0" && pixel_is 1023 700 "0 0 0"; }
  uncovered() { shot && pixel_is 1400 300 "30 160 60"; }
  uncovered || fail "cannot paint the desktop"

  xdotool mousemove 1400 300
  start_show 1024
  wait_for 5 covered || fail "monitor B is not covered by black"
  pixel_is 1400 700 "30 160 60" || fail "the desktop outside every monitor was covered"
  xrandr --delmonitor B >/dev/null
  wait_for 5 uncovered || fail "the cover stayed when monitor B went"
  xrandr --setmonitor B 800/211x600/158+1024+0 none >/dev/null
  wait_for 5 covered || fail "monitor B is not covered again when it came back"
  xdotool click 1
  wait_end "$show" 4 || fail "the show did not end within 4 s of a click over monitor B"
  ((status == 0)) || fail "the show ended with status $status after a click over B"
  echo "ok: monitor B covered, uncovered and covered again as it goes and comes; a click there ends the show"

  xdotool mousemove 1400 300
  start_show 1024
  for x in 1410 1420 1430; do xdotool mousemove "$x" 300; sleep 0.2; done
  wait_end "$show" 5 || fail "the show did not end within 5 s of a movement over monitor B"
  ((status == 0)) || fail "the show ended with status $status after a movement over B"
  echo "ok: a mouse movement over monitor B ends the show"
  exit 0
fi

# The red picture's box (324 device pixels wide with its frame) slides 7 pixels a frame and stops
# at the first frame at or past the centre; the frame there is held.
middle=$((height / 2)) centre=$(((width - 324) / 2))
picture_held() {
  shot || return 1
  left=$(pixels "${width}x1+0+$middle" | awk '$3 + $4 + $5 > 30 { print $1; exit }')
  [[ -n $left ]] && ((left >= centre && left < centre + 7))
}
# held SCALE: the held frame below the caption at that scale factor into held-SCALE.png, the
# caption's height into $rows.
held() {
  xdotool mousemove 5 5
  echo "Xft.dpi: $((96 * $1))" | xrdb -merge
  start_show "$width"
  caption=$rows
  wait_for 10 picture_held || fail "at scale $1 the picture never came to the centre"
  convert "$work/shot.png" -crop "${width}x$((height - 100))+0+100" +repage "$work/held-$1.png"
  pixel_is $((left + 10)) $middle "230 20 20" && pixel_is $((left + 323)) $middle "255 255 255" ||
    fail "at scale $1 the picture is not 320 device pixels wide in its frame"
  rows=$caption
  xdotool key shift
  wait_end "$show" 4 || fail "at scale $1 a key did not end the show"
}
held 1
normal=$rows
held 2
scaled=$rows
differ=$(compare -metric AE "$work/held-1.png" "$work/held-2.png" null: 2>&1)
[[ $differ == 0 ]] || fail "the held frame at 200 % differs from 100 % in $differ pixels"
((scaled * 10 >= normal * 17)) ||
  fail "the caption is $scaled device pixels tall at 200 %, $normal at 100 %"
echo "ok: at 200 % the picture covers its own size in device pixels, the held frame is the 100 % one, the caption $normal -> $scaled pixels tall"
