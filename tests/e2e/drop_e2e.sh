#!/usr/bin/env bash
# Photos, a song and a folder tree dragged from a file manager (our own drag source, the pointer
# moved by xdotool) onto the authoring program's main window: the lists in the order of the drop,
# the folder's files in name order before its subfolder's, the message naming the file passed
# over, the preview showing the last picture, and a build that packages them all.
# usage: drop_e2e.sh CMAKE BUILD_DIR DRAG_SOURCE
set -uo pipefail
cmake=${1:?usage: drop_e2e.sh CMAKE BUILD_DIR DRAG_SOURCE}
build=${2:?usage: drop_e2e.sh CMAKE BUILD_DIR DRAG_SOURCE}
source_program=${3:?usage: drop_e2e.sh CMAKE BUILD_DIR DRAG_SOURCE}
width=1024 height=768
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh" xdotool xwininfo import convert python3
fail() { echo "FAIL: $*"; tail -n 5 "$work/maker.err" 2>/dev/null; exit 1; }

own=$work/dist
package=$own/制作好的屏幕程序
"$cmake" --install "$build" --prefix "$own" >/dev/null || fail "cannot lay out the own folder"
"$own/glintmaker" 2>"$work/maker.err" &
pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^Glint$' >/dev/null || fail "no main window"
main=$(xdotool search --onlyvisible --name '^Glint$' | head -n1)
read -r wx wy < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF }
  /Absolute upper-left Y/ { y = $NF } END { print x, y }')

mine=$work/mine
mkdir -p "$mine/假日/day 1"
convert -size 320x240 'xc:rgb(200,40,40)' "$mine/a.jpg"
convert -size 320x240 'xc:rgb(40,40,200)' "$mine/假日/IMG_10.jpg"
convert -size 320x240 'xc:rgb(40,160,40)' "$mine/假日/IMG_2.JPG"
convert -size 320x240 'xc:rgb(230,200,30)' "$mine/假日/day 1/IMG_1.png"
echo "not a picture" >"$mine/假日/notes.txt"
python3 -c 'import struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(struct.pack("<h", 0) * 4000); w.close()' "$mine/tone.wav"

"$source_program" "$mine/a.jpg" "$mine/tone.wav" "$mine/假日" >"$work/drag.out" 2>/dev/null &
pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^drag source$' >/dev/null || fail "no drag source"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^drag source$' |
  head -n1)")"
# Pressed on the source, carried over the main window's background in steps, released there.
sx=$((X + 80)) sy=$((Y + 60))
xdotool mousemove $sx $sy mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((sx + step * (wx + 400 - sx) / 8)) $((sy + step * (wy + 380 - sy) / 8))
  sleep 0.15
done
sleep 0.3
xdotool mouseup 1
wait_for 10 test -s "$work/drag.out" || fail "the drag did not end"
[[ $(cat "$work/drag.out") == taken ]] || fail "the main window did not take the drop"

line() { printf '"%s"\r\n' "$@"; }
listed() { [[ $(cat "$package/$1" 2>/dev/null) == "$2" ]]; }
pictures=$(line "$mine/a.jpg" "$mine/假日/IMG_2.JPG" "$mine/假日/IMG_10.jpg" "$mine/假日/day 1/IMG_1.png")
wait_for 10 listed dsi.ini "$pictures" || fail "dsi.ini: $(cat -A "$package/dsi.ini")"
listed mus_dsi.ini "$(line "$mine/tone.wav")" ||
  fail "mus_dsi.ini: $(cat -A "$package/mus_dsi.ini")"
echo "ok: the drop lists the pictures and the song in its order, the folder's in name order"

two_glint() { (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == 2)); }
wait_for 5 two_glint || fail "no message naming the file passed over"
xdotool key Return
one_glint() { (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == 1)); }
wait_for 5 one_glint || fail "the message did not close on Return"
# The preview (153 x 204 at 8, 124) shows the last picture, yellow.
previewed() { shot && pixel_is $((wx + 84)) $((wy + 226)) "230 200 30"; }
wait_for 5 previewed || fail "the preview does not show the last picture"
echo "ok: one message after the drop, and the preview shows the last picture"

dialog=生成屏幕保护程序：
xdotool mousemove $((wx + 341)) $((wy + 259)) click 1
wait_for 5 xdotool search --onlyvisible --name "^$dialog\$" >/dev/null || fail "no build dialog"
xdotool mousemove --window "$(xdotool search --onlyvisible --name "^$dialog\$" | head -n1)" 60 148 \
  click 1
built() { [[ -f $package/pb.cc && -f $package/IMG_1.png && -f $package/tone.wav ]]; }
wait_for 10 built || fail "the build left $(ls "$package")"
[[ $(cat "$package/pb.dat") == "$(line a.jpg IMG_2.JPG IMG_10.jpg IMG_1.png)" ]] ||
  fail "pb.dat: $(cat -A "$package/pb.dat")"
echo "ok: the build packages every picture dropped and the song"
