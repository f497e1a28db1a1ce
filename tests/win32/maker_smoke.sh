#!/usr/bin/env bash
# The authoring program under Wine, run from a fresh copy of dist-win32 as its own folder: its
# window opens; a picture and a piece of music with Chinese names are chosen through the real
# file dialog, typed as a user types them; the build dialog builds the
# package and places the installer; then the package folder holds exactly what the Linux build
# writes for the same choices: the same files under the same names, in the same order in the
# lists, the lists in the ANSI code page (GBK) with Windows paths, the copies byte for byte; and
# the show's single files, for Windows and (from dist's linux folder) for Linux, which are kept
# in WINDOWS_BUILD/shared-shows for make test-standalone to start in a Debian root.
# A photo larger than the screen is asked about, and the default answer lists a copy fitted to
# it. The close button ends the program with status 0. Run by run_smoke.sh.
# usage: maker_smoke.sh WINDOWS_DIST WINDOWS_BUILD
set -uo pipefail
dist=${1:?usage: maker_smoke.sh WINDOWS_DIST WINDOWS_BUILD}
shared=${2:?usage: maker_smoke.sh WINDOWS_DIST WINDOWS_BUILD}/shared-shows
source "$(dirname "$0")/smoke_lib.sh"

[[ -f $dist/glintmaker.exe ]] || fail "no authoring program $dist/glintmaker.exe"
own=$work/own
cp -r "$dist" "$own" || fail "cannot copy $dist"
package="$own/制作好的屏幕程序"
[[ -d $package && -z $(ls -A "$package") ]] || fail "no empty package folder in $dist"
mine="$work/mine"
mkdir -p "$mine"
convert -size 640x480 'xc:rgb(30,160,60)' "$mine/照片.jpg"
python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(i * 0.3))) for i in range(8000)))
w.close()' "$mine/乐曲.wav"

(cd "$own" && exec wine glintmaker.exe) >"$work/maker.out" 2>&1 &
maker=$!
wait_for 30 shown Glint || fail "no main window titled Glint"
main=$(window_of Glint)
# The main window's client area on the screen: the window has no frame, so it is the window.
read -r wx wy < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF }
  /Absolute upper-left Y/ { y = $NF } END { print x, y }')
sleep 1
shot
keep_shot maker-window
# Moves the pointer to a point of the main window's client area and clicks there.
click_at() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; }
# Clicks a point of a dialog's client area, the dialog brought to the front first.
click_in() {
  local id
  id=$(window_of "$1")
  xdotool windowactivate --sync "$id" >/dev/null 2>&1
  xdotool mousemove --window "$id" "$2" "$3" click 1
}
# The work steps' buttons (139 x 28) by their centres in the client area.
step_x=341 step1_y=142 step2_y=201 step3_y=259

# Clicks a work step, types the path into the file dialog's name box and presses Return. A
# character typed while X still maps the keys for the one before can be lost (the Chinese ones
# are typed through keys remapped for them): then the dialog says the file is missing, and the
# name is typed again.
choose() {
  click_at $step_x "$1"
  wait_for 15 shown 打开 || { shot; keep_shot maker-no-dialog; fail "no file dialog 打开"; }
  local dialog attempt
  dialog=$(window_of 打开)
  sleep 0.5
  for attempt in 1 2 3; do
    xdotool windowfocus --sync "$dialog" >/dev/null 2>&1
    xdotool key --delay 50 alt+n Home shift+End BackSpace
    xdotool type --delay 80 "$(windows_path "$2")"
    shot
    keep_shot "maker-typed-$3"
    xdotool key Return
    wait_for 5 gone 打开 && return 0
    # The message about a missing file, over the dialog.
    xdotool key Return
    sleep 0.5
  done
  fail "the file dialog did not take $(windows_path "$2")"
}
# The bytes a list holds for these lines: each text quoted, CR LF, in the ANSI code page.
list_of() { local t; for t in "$@"; do printf '"%s"\r\n' "$t"; done | iconv -f UTF-8 -t GBK; }
# Whether a package file holds exactly these bytes.
holds() { cmp -s "$package/$1" <(printf '%s' "$2"); }
holds_list() { local name=$1; shift; cmp -s "$package/$name" <(list_of "$@"); }

picture=$(windows_path "$mine/照片.jpg")
music=$(windows_path "$mine/乐曲.wav")
choose $step1_y "$mine/照片.jpg" picture
wait_for 10 holds_list dsi.ini "$picture" ||
  fail "dsi.ini is not the chosen picture's path in GBK: $(od -c "$package/dsi.ini" | head -3)"
# The preview (153 x 204 at 8, 124) shows the green photo stretched.
previewed() { shot && near "$(mean_of 40x40+$((wx + 60))+$((wy + 200)))" "30 160 60"; }
wait_for 10 previewed || { keep_shot maker-preview; fail "the preview does not show the photo"; }
choose $step2_y "$mine/乐曲.wav" music
wait_for 10 holds_list mus_dsi.ini "$music" || fail "mus_dsi.ini is not the chosen music's path"
echo "ok: a picture and a piece of music chosen in the file dialog are listed, the picture shown"

dialog=生成屏幕保护程序：
click_at $step_x $step3_y
wait_for 15 shown "$dialog" || fail "no build dialog"
sleep 0.5
shot
keep_shot maker-build-dialog
click_in "$dialog" 60 148
built() { [[ -f $package/timu.dat ]]; }
wait_for 15 built || { shot; keep_shot maker-build; fail "the build wrote no timu.dat"; }
sleep 0.5
holds_list pb.dat 照片.jpg || fail "pb.dat: $(od -c "$package/pb.dat" | head -3)"
holds_list ms.dat 乐曲.wav || fail "ms.dat: $(od -c "$package/ms.dat" | head -3)"
holds_list kg.ini 1 || fail "kg.ini: $(od -c "$package/kg.ini" | head -3)"
holds_list timu.dat https://glint.example.org || fail "timu.dat: $(od -c "$package/timu.dat")"
cmp -s "$package/pb.cc" "$dist/pb.sys" || fail "pb.cc is not the player"
cmp -s "$package/照片.jpg" "$mine/照片.jpg" || fail "the picture is not copied byte for byte"
cmp -s "$package/乐曲.wav" "$mine/乐曲.wav" || fail "the music is not copied byte for byte"
echo "ok: the build wrote the lists in GBK and copied the player, picture and music"

# The preview: the packaged player shows the green picture in the middle of the screen until a
# key ends it.
click_in "$dialog" 188 148
# The 640 x 480 picture centred on the 1280 x 1024 screen: green from 320 to 960, black beside.
green_middle() {
  shot && near "$(mean_of 200x100+540+462)" "30 160 60" &&
    near "$(mean_of 30x200+330+412)" "30 160 60" && near "$(mean_of 30x200+920+412)" "30 160 60" &&
    near "$(mean_of 30x200+280+412)" "0 0 0" && near "$(mean_of 30x200+970+412)" "0 0 0"
}
wait_for 20 green_middle || { keep_shot maker-preview-show; fail "the preview shows no picture"; }
keep_shot maker-preview-show
xdotool key shift
no_green_middle() { ! green_middle; }
wait_for 10 no_green_middle || fail "the preview did not end on a key"
sleep 1
echo "ok: the preview shows the picture until a key"

click_in "$dialog" 312 148
wait_for 10 cmp -s "$package/setup.exe" "$dist/sp.sys" || fail "the installer was not placed"
wait_for 20 test -f "$package/屏幕保护-Windows.exe" -a -f "$package/屏幕保护-Linux.run" ||
  fail "generate wrote no show file for each system: $(ls "$package")"
[[ $(head -c 9 "$package/屏幕保护-Linux.run") == '#!/bin/sh' ]] || fail "the Linux file is no script"
rm -rf "$shared" && mkdir -p "$shared" && cp "$package"/屏幕保护-* "$shared/" ||
  fail "cannot keep the show files in $shared"
expected=$(printf '%s\n' dsi.ini kg.ini ms.dat mus_dsi.ini pb.cc pb.dat setup.exe timu.dat \
  乐曲.wav 照片.jpg 屏幕保护-Windows.exe 屏幕保护-Linux.run | LC_ALL=C sort)
[[ $(ls -A "$package" | LC_ALL=C sort) == "$expected" ]] ||
  fail "the package folder holds $(ls -A "$package" | tr '\n' ' ')"
echo "ok: the installer and both show files are placed; the package folder holds exactly the" \
  "Linux build's files"

click_in "$dialog" 184 196
wait_for 10 gone "$dialog" || fail "cancel did not close the build dialog"
# Step 4 starts the placed installer, which installs the package for the user.
local_data=$(user_folder LOCALAPPDATA)
installed_before=$(find "$local_data/Glint/Screensavers" -name 照片.jpg 2>/dev/null | wc -l)
click_at $step_x 318
installer='Glint 屏保安装'
for key in Return n Return; do
  wait_for 15 shown "$installer" || fail "the installer started from step 4 did not ask"
  sleep 0.3
  answer "$installer" $key || fail "the installer's message box did not take $key"
done
installed_now() {
  (($(find "$local_data/Glint/Screensavers" -name 照片.jpg 2>/dev/null | wc -l) > installed_before))
}
wait_for 10 installed_now || fail "the installer started from step 4 installed nothing"
echo "ok: step 4 starts the installer, which installs the package"

# A photo larger than the 1280 x 1024 screen: after the file dialog the question, whose default
# Return keeps; the copy fitted to the screen is written into the package folder and listed.
convert -size 2000x1500 'xc:rgb(200,40,40)' "$mine/big.jpg"
big=$(md5sum <"$mine/big.jpg")
choose $step1_y "$mine/big.jpg" large
titled_glint() { (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == $1)); }
wait_for 15 titled_glint 2 || { shot; keep_shot maker-no-question; fail "no question"; }
sleep 0.5
shot
keep_shot maker-question
question=$(xdotool search --onlyvisible --name '^Glint$' | grep -vx "$main" | head -n1)
xdotool windowactivate --sync "$question" >/dev/null 2>&1
xdotool key Return
wait_for 10 titled_glint 1 || fail "the question did not close on Return"
wait_for 10 holds_list dsi.ini "$picture" "$(windows_path "$package/big.jpg")" ||
  fail "dsi.ini does not list the fitted copy: $(od -c "$package/dsi.ini" | tail -4)"
[[ $(identify -format '%m %wx%h' "$package/big.jpg") == 'JPEG 1280x960' ]] ||
  fail "the fitted copy is $(identify -format '%m %wx%h' "$package/big.jpg")"
[[ $(md5sum <"$mine/big.jpg") == "$big" ]] || fail "the user's photo changed"
echo "ok: a photo larger than the screen is asked about; Return lists a JPEG copy fitted to it"

click_at 672 18
wait_end "$maker" 10 || fail "the close button did not end the program"
((status == 0)) || fail "the program ended with status $status"
echo "ok: cancel closes the build dialog; the close button ends the program with status 0"
