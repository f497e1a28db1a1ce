#!/usr/bin/env bash
# The player end to end on a private X server (Xvfb + openbox):
#   1. the show: a black full-screen window, the yellow caption in the top-right corner, the first
#      picture sliding in from the left to the centre in its frame; a Shift key alone ends it
#      with status 0 even while the picture is held;
#   2. a mouse movement ends the show with status 0;
#   3. a package without its picture list: no show window, a message box naming the file (the
#      same on stderr); OK ends the program with status 1.
# usage: player_e2e.sh GLINTSAVER
set -uo pipefail
player=${1:?usage: player_e2e.sh GLINTSAVER}
width=1024 height=768 middle=384
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh" xdotool import convert python3

caption_shown() {
  shot && (($(pixels "200x24+$((width - 200))+0" | awk '$3 > 190 && $4 > 190 && $5 < 60' |
    wc -l) > 20))
}
# The red 320 x 240 picture's box is 324 wide; sliding 7 pixels a frame, it stops at the first
# frame at or past the centre.
centre=$(((width - 324) / 2))
picture_centred() {
  shot || return 1
  left=$(pixels "${width}x1+0+$middle" | awk '$3 + $4 + $5 > 30 { print $1; exit }')
  [[ -n $left ]] && ((left >= centre && left < centre + 7))
}
source "$(dirname "$0")/show_package.sh"

# 1. the show, ended by a modifier key alone
make_package "$work/show"
"$work/show/pb.cc" 2>"$work/show.err" &
show=$!
wait_for 10 caption_shown || fail "no yellow caption in the top-right corner"
wait_for 10 picture_centred || fail "the first picture never came to the centre"
pixel_is 3 3 "0 0 0" && pixel_is 3 $((height - 3)) "0 0 0" || fail "the window is not black"
pixel_is "$left" $middle "128 128 128" || fail "no dark outer frame edge at $left"
pixel_is $((left + 1)) $middle "64 64 64" || fail "no dark inner frame edge"
pixel_is $((left + 10)) $middle "230 20 20" || fail "the picture is not red"
pixel_is $((left + 323)) $middle "255 255 255" || fail "no light outer frame edge"
xdotool key shift
wait_end "$show" 4 || fail "the show did not end within 4 s of a key"
((status == 0)) || fail "the show ended with status $status after a key"
echo "ok: caption, picture in its frame; a key ends the show"

# 2. a mouse movement ends the show
"$work/show/pb.cc" 2>>"$work/show.err" &
show=$!
wait_for 10 caption_shown || fail "the second show did not appear"
for x in 130 160 190; do xdotool mousemove "$x" 110; sleep 0.2; done
wait_end "$show" 5 || fail "the show did not end within 5 s of a mouse movement"
((status == 0)) || fail "the show ended with status $status after a mouse movement"
echo "ok: a mouse movement ends the show"

# 3. a broken package is reported
make_package "$work/broken"
rm "$work/broken/pb.dat"
"$work/broken/pb.cc" 2>"$work/broken.err" &
broken=$!
wait_for 10 xdotool search --name '^glintsaver$' >/dev/null || fail "no message box"
grep -q "File not found: $work/broken/pb.dat" "$work/broken.err" ||
  fail "stderr does not name the missing file: $(cat "$work/broken.err")"
! caption_shown || fail "the show's window is on screen beside the error report"
xdotool search --name '^glintsaver$' windowactivate --sync >/dev/null 2>&1
xdotool key Return
wait_end "$broken" 5 || fail "the program did not end when the message box was closed"
((status == 1)) || fail "the failed start ended with status $status, not 1"
echo "ok: a missing list is reported and ends the program with status 1"
