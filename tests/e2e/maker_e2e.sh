#!/usr/bin/env bash
# The authoring program end to end on a private X server (Xvfb + openbox), laid out as in dist/
# by installing the build into a temporary own folder.
#   window: centred, with its icon and background; a work-step button lights up under the
#           pointer, and moving straight onto its neighbour first puts it out and only the next
#           move lights the neighbour; a move out of the window puts it out; the message box of
#           an install before any build; the close button ends the program with status 0.
#   build:  the whole path: a picture and a music file chosen in the file dialog, the build
#           dialog's build, preview (the player shows the picture until a key ends it), generate
#           (setup.exe and the show's single files) and cancel, the installer started from the
#           main window and answered, and a new project that empties the package folder.
#   scaled: on a screen scaled to 200 % (QT_SCALE_FACTOR=2) the window is twice its size and
#           shows its background; the buttons light up and the drag follows where the pointer is.
#   photos: a phone photo (HEIC) larger than the screen: the question after the file dialog,
#           Enter keeps its default, the copy fitted to the screen is listed, built and shown
#           filling the screen's width, and a new project removes it; a smaller HEIC is listed
#           as its JPEG copy without a question.
#   language: in the language LANG names (English or Chinese), the window's background, the
#           build dialog's title and a message box, with screenshots kept in GLINT_SCREENSHOTS.
# usage: maker_e2e.sh CMAKE BUILD_DIR window|build|scaled|photos|language
# GLINT_WINDOWS_PROGRAMS=DIR puts DIR's pb.sys and sp.sys into the own folder's windows/ as make
# dist does, so that generate writes both single files; GLINT_SHARED_SHOWS=DIR keeps them there.
set -uo pipefail
cmake=${1:?usage: maker_e2e.sh CMAKE BUILD_DIR window|build|scaled|photos}
build=${2:?usage: maker_e2e.sh CMAKE BUILD_DIR window|build|scaled|photos}
part=${3:?usage: maker_e2e.sh CMAKE BUILD_DIR window|build|scaled|photos}
width=1024 height=768 scale=1
if [[ $part == scaled ]]; then
  width=1600 height=1000 scale=2
  export QT_SCALE_FACTOR=2
fi
work=$(mktemp -d)
tools=(xdotool xwininfo import convert compare python3)
[[ $part == photos ]] && tools+=(heif-enc identify)
source "$(dirname "$0")/x_session.sh" "${tools[@]}"
fail() { echo "FAIL: $*"; tail -n 5 "$work/maker.err" 2>/dev/null; exit 1; }

own=$work/dist
package=$own/制作好的屏幕程序
"$cmake" --install "$build" --prefix "$own" >/dev/null || fail "cannot lay out the own folder"
[[ -x $own/glintmaker && -d $package ]] || fail "no glintmaker or package folder in $own"
windows=${GLINT_WINDOWS_PROGRAMS:-}
[[ -z $windows ]] || install -D -m 755 -t "$own/windows" "$windows/pb.sys" "$windows/sp.sys" ||
  fail "no Windows programs in $windows"
export XDG_DATA_HOME=$work/data
# The installer's screensaver settings go to a home of the test's own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
"$own/glintmaker" 2>"$work/maker.err" &
maker=$!
wait_for 10 xdotool search --onlyvisible --name '^Glint$' >/dev/null || fail "no main window"
main=$(xdotool search --onlyvisible --name '^Glint$' | head -n1)

# The main window's client area on the screen: sets wx, wy.
locate() {
  read -r wx wy < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } END { print x, y }')
}
# Moves the pointer to a point of the main window's client area (and clicks with "click"); the
# points are the window's own pixels, $scale screen pixels each.
at() { xdotool mousemove $((wx + scale * $1)) $((wy + scale * $2)) ${3:+click 1}; }
# The mean green of a 139 x 28 work-step button at its place in the client area: about 108 in
# its normal picture, 169 in its hover picture.
green_of() {
  shot && convert "$work/shot.png" \
    -crop "$((scale * 139))x$((scale * 28))+$((wx + scale * $1))+$((wy + scale * $2))" \
    -resize '1x1!' -format '%[fx:int(255*g)]' info:
}
lit() { (($(green_of "$@") > 140)); }
unlit() { (($(green_of "$@") < 130)); }
# Whether a window with exactly this title is on screen, or is not.
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
gone() { ! shown "$1"; }
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# Clicks a point of a dialog's client area.
click_in() { xdotool mousemove --window "$(window_of "$1")" "$2" "$3" click 1; }
# Presses a key in the window with this title.
answer() {
  xdotool search --onlyvisible --name "^$1\$" windowactivate --sync >/dev/null 2>&1
  xdotool key "$2"
}
# The buttons' centres in the client area: work steps 1 to 4 and the new-project button.
step_x=341 step1_y=142 step2_y=201 step3_y=259 step4_y=318 new_x=557 new_y=67

if [[ $part == window ]]; then
  locate
  # Centred: (1024 - 701) / 2 = 161.5 and (768 - 407) / 2 = 180.5, rounded to even.
  ((wx == 162 && wy == 180)) || fail "the window is at $wx,$wy, not centred"
  xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 window icon"
  shot
  convert "$work/shot.png" -crop "360x60+$((wx + 330))+$((wy + 340))" "$work/strip.png"
  convert "$(dirname "$0")/../../assets/maker/generated/background.jpg" -crop 360x60+330+340 \
    "$work/strip-art.png"
  differ=$(compare -metric AE -fuzz 6% "$work/strip.png" "$work/strip-art.png" null: 2>&1)
  ((${differ%% *} < 50)) || fail "the background is not on screen ($differ pixels differ)"
  echo "ok: the window is centred with its icon and shows its background"

  at $step_x $step1_y
  wait_for 5 lit 272 128 || fail "step 1 does not light up under the pointer"
  at $step_x $step2_y
  wait_for 5 unlit 272 128 || fail "step 1 stays lit after the pointer left it"
  sleep 0.3
  unlit 272 187 || fail "step 2 lit up at the move that step 1 held"
  at $((step_x + 1)) $step2_y
  wait_for 5 lit 272 187 || fail "step 2 does not light up at the next move"
  # Outside the window only the capture brings the move to the button.
  xdotool mousemove 5 5
  wait_for 5 unlit 272 187 || fail "step 2 stays lit after the pointer left the window"
  echo "ok: hover pictures follow the pointer, one button at a time, with the capture"

  at $step_x $step4_y click
  # The message box carries the program's title, as the main window does.
  titled_glint() {
    (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == $1))
  }
  wait_for 5 titled_glint 2 || fail "no message box for an install before any build"
  xdotool key Return
  wait_for 5 titled_glint 1 || fail "the message box did not close on Return"
  echo "ok: an install before any build says the file is missing"

  at 672 18 click
  wait_end "$maker" 5 || fail "the close button did not end the program"
  ((status == 0)) || fail "the program ended with status $status"
  echo "ok: the close button ends the program with status 0"
  exit 0
fi

if [[ $part == language ]]; then
  case ${LANG:-} in
  zh*) language=zh art=background.jpg build_title='生成屏幕保护程序：' ;;
  *) language=en art=en/background.jpg build_title='Make the screensaver:' ;;
  esac
  kept=${GLINT_SCREENSHOTS:-$work}/$language && mkdir -p "$kept"
  locate
  shot && cp "$work/shot.png" "$kept/window.png"
  # The hints under the work steps are the background's own.
  convert "$work/shot.png" -crop "360x60+$((wx + 330))+$((wy + 340))" "$work/strip.png"
  convert "$(dirname "$0")/../../assets/maker/generated/$art" -crop 360x60+330+340 \
    "$work/strip-art.png"
  differ=$(compare -metric AE -fuzz 6% "$work/strip.png" "$work/strip-art.png" null: 2>&1)
  ((${differ%% *} < 50)) || fail "the window does not show $art ($differ pixels differ)"
  at $step_x $step3_y click
  wait_for 5 shown "$build_title" || fail "no build dialog titled $build_title"
  sleep 0.5 && shot && cp "$work/shot.png" "$kept/build-dialog.png"
  click_in "$build_title" 184 198  # its cancel button
  wait_for 5 gone "$build_title" || fail "the build dialog did not close"
  at $step_x $step4_y click
  titled_glint() {
    (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == 2))
  }
  wait_for 5 titled_glint || fail "no message box for an install before any build"
  sleep 0.5 && shot && cp "$work/shot.png" "$kept/message.png"
  xdotool key Return
  echo "ok: in $language ($LANG) the window shows $art, the build dialog is \"$build_title\";" \
    "screenshots in $kept"
  exit 0
fi

if [[ $part == scaled ]]; then
  locate
  read -r ww wh < <(xwininfo -id "$main" | awk '/^  Width/ { w = $NF } /^  Height/ { h = $NF }
    END { print w, h }')
  ((ww == 1402 && wh == 814)) || fail "at 200 % the window is $ww x $wh, not 1402 x 814"
  shot
  # Halved again, it is the background as drawn, but for the edges of the text drawn sharp on it.
  convert "$work/shot.png" -crop "720x120+$((wx + 660))+$((wy + 680))" -resize 50% "$work/strip.png"
  convert "$(dirname "$0")/../../assets/maker/generated/background.jpg" -crop 360x60+330+340 \
    "$work/strip-art.png"
  differ=$(compare -metric AE -fuzz 15% "$work/strip.png" "$work/strip-art.png" null: 2>&1)
  ((${differ%% *} < 200)) || fail "the background is not on screen at twice its size ($differ)"
  echo "ok: at 200 % the window is twice its size and shows its background"
  at $step_x $step1_y
  wait_for 5 lit 272 128 || fail "at 200 % step 1 does not light up under the pointer"
  echo "ok: at 200 % a button lights up under the pointer"
  at 395 12
  xdotool mousedown 1
  for step in 1 2 3 4 5; do xdotool mousemove_relative -- 20 12; sleep 0.1; done
  xdotool mouseup 1
  sleep 0.5
  from_x=$wx from_y=$wy
  locate
  ((wx == from_x + 100 && wy == from_y + 60)) ||
    fail "at 200 % a drag by 100,60 moved the window from $from_x,$from_y to $wx,$wy"
  echo "ok: at 200 % the window follows the pointer's drag"
  at 672 18 click
  wait_end "$maker" 5 || fail "at 200 % the close button did not end the program"
  exit 0
fi

[[ $part == build || $part == photos ]] || fail "unknown part $part"
locate
mkdir -p "$work/mine"
convert -size 640x480 'xc:rgb(30,160,60)' "$work/mine/photo.jpg"
python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(i * 0.3))) for i in range(8000)))
w.close()' "$work/mine/tone.wav"
# Clicks a work step, types the path into the file dialog and presses Return.
source "$(dirname "$0")/file_dialog.sh"
choose() {
  at $step_x "$1" click
  choose_in_file_dialog "$2"
}
listed() { [[ $(cat "$package/$1" 2>/dev/null) == "\"$2\""$'\r' ]]; }

if [[ $part == photos ]]; then
  # 1600 x 1000 on a 1024 x 768 screen: fitted, it is 1024 x 640.
  convert -size 1600x1000 'xc:rgb(30,160,60)' "$work/mine/phone.jpg"
  heif-enc -q 90 -o "$work/mine/IMG_0042.HEIC" "$work/mine/phone.jpg" >/dev/null ||
    fail "heif-enc cannot write a HEIC photo"
  mine=$(md5sum <"$work/mine/IMG_0042.HEIC")
  titled_glint() {
    (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == $1))
  }
  choose $step1_y "$work/mine/IMG_0042.HEIC"
  wait_for 5 titled_glint 2 || fail "no question for a photo larger than the screen"
  sleep 0.3
  xdotool key Return
  wait_for 5 titled_glint 1 || fail "the question did not close on Return"
  copy=$package/IMG_0042.jpg
  wait_for 5 listed dsi.ini "$copy" || fail "dsi.ini: $(cat -A "$package/dsi.ini")"
  [[ $(identify -format '%m %wx%h' "$copy") == 'JPEG 1024x640' ]] ||
    fail "the fitted copy is $(identify -format '%m %wx%h' "$copy")"
  echo "ok: Enter on the question lists a JPEG copy fitted to the screen, in the package folder"

  choose $step2_y "$work/mine/tone.wav"
  wait_for 5 listed mus_dsi.ini "$work/mine/tone.wav" || fail "mus_dsi.ini does not list the tone"
  before=$(md5sum <"$copy")
  dialog=生成屏幕保护程序：
  at $step_x $step3_y click
  wait_for 5 shown "$dialog" || fail "no build dialog"
  click_in "$dialog" 60 148
  wait_for 5 test -f "$package/pb.cc" || fail "the build left $(ls "$package")"
  [[ $(cat "$package/pb.dat") == '"IMG_0042.jpg"'$'\r' ]] ||
    fail "pb.dat: $(cat -A "$package/pb.dat")"
  [[ $(md5sum <"$copy") == "$before" ]] || fail "the build changed the fitted copy"
  click_in "$dialog" 188 148
  player_runs() { for p in /proc/[0-9]*; do
    [[ $(readlink "$p/exe" 2>/dev/null) == "$package/pb.cc" ]] && return 0; done; return 1; }
  # The whole photo: green across the screen's width, 640 rows of it in the middle column.
  green() { awk '$3 < 80 && $4 > 120 && $5 < 100' | wc -l; }
  whole_photo() {
    shot && (($(pixels "${width}x1+0+$((height / 2))" | green) >= width - 2)) &&
      rows=$(pixels "1x${height}+$((width / 2))+0" | green) && ((rows >= 636 && rows <= 642))
  }
  wait_for 10 player_runs || fail "no player started from the package folder"
  wait_for 15 whole_photo || fail "the show does not show the whole photo (${rows:-?} rows)"
  xdotool key shift
  player_ended() { ! player_runs; }
  wait_for 10 player_ended || fail "the show did not end on a key"
  click_in "$dialog" 184 196
  wait_for 5 gone "$dialog" || fail "cancel did not close the build dialog"
  echo "ok: the build keeps the fitted copy and the show shows the whole photo across the screen"

  at $new_x $new_y click
  wait_for 5 shown 屏幕保护制作 || fail "no new-project dialog"
  click_in 屏幕保护制作 80 116
  wait_for 5 bash -c "[[ ! -e '$copy' ]]" || fail "the new project left the fitted copy"
  [[ $(md5sum <"$work/mine/IMG_0042.HEIC") == "$mine" ]] || fail "the user's photo changed"
  echo "ok: a new project removes the fitted copy; the user's photo is as it was"

  # The player reads BMP, JPEG and PNG only: a HEIC that fits the screen goes in as a JPEG copy.
  convert -size 800x600 'xc:rgb(200,40,40)' "$work/mine/small.jpg"
  heif-enc -q 90 -o "$work/mine/IMG_0043.HEIC" "$work/mine/small.jpg" >/dev/null ||
    fail "heif-enc cannot write a HEIC photo"
  mine=$(md5sum <"$work/mine/IMG_0043.HEIC")
  choose $step1_y "$work/mine/IMG_0043.HEIC"
  copy=$package/IMG_0043.jpg
  wait_for 5 listed dsi.ini "$copy" || fail "dsi.ini: $(cat -A "$package/dsi.ini")"
  titled_glint 1 || fail "a question for a photo that fits the screen"
  [[ $(identify -format '%m %wx%h' "$copy") == 'JPEG 800x600' ]] ||
    fail "the copy is $(identify -format '%m %wx%h' "$copy")"
  [[ $(md5sum <"$work/mine/IMG_0043.HEIC") == "$mine" ]] || fail "the user's photo changed"
  echo "ok: a HEIC that fits the screen is listed as its JPEG copy, without a question"
  exit 0
fi
choose $step1_y "$work/mine/photo.jpg"
wait_for 5 listed dsi.ini "$work/mine/photo.jpg" || fail "dsi.ini: $(cat -A "$package/dsi.ini")"
# The preview (153 x 204 at 8, 124) shows the green photo stretched.
previewed() { shot && pixel_is $((wx + 84)) $((wy + 226)) "30 160 60"; }
wait_for 5 previewed || fail "the preview does not show the chosen photo"
choose $step2_y "$work/mine/tone.wav"
wait_for 5 listed mus_dsi.ini "$work/mine/tone.wav" || fail "mus_dsi.ini does not list the tone"
echo "ok: a picture and a music file chosen in the file dialog are listed, the picture shown"

dialog=生成屏幕保护程序：
at $step_x $step3_y click
wait_for 5 shown "$dialog" || fail "no build dialog"
click_in "$dialog" 60 148
all_built() { for f in pb.dat ms.dat kg.ini timu.dat pb.cc photo.jpg tone.wav; do
  [[ -f $package/$f ]] || return 1; done; }
wait_for 5 all_built || fail "the build left $(ls "$package")"
[[ $(cat "$package/timu.dat") == '"https://glint.example.org"'$'\r' ]] || fail "timu.dat"
echo "ok: the build wrote the package"

click_in "$dialog" 188 148
player_pid() { for p in /proc/[0-9]*; do
  [[ $(readlink "$p/exe" 2>/dev/null) == "$package/pb.cc" ]] && echo "${p#/proc/}"; done; }
player_runs() { [[ -n $(player_pid) ]]; }
player_ended() { ! player_runs; }
wait_for 10 player_runs || fail "no player started from the package folder"
green_picture() {
  shot && (($(pixels "${width}x1+0+$((height / 2))" | awk '$3 < 80 && $4 > 120 && $5 < 100' |
    wc -l) > 300))
}
wait_for 15 green_picture || fail "the preview does not show the chosen picture"
xdotool key shift
wait_for 10 player_ended || fail "the preview did not end on a key"
echo "ok: the preview shows the picture and a key ends it"

click_in "$dialog" 312 148
wait_for 5 test -x "$package/setup.exe" || fail "no setup.exe"
# Without the Windows programs in the own folder (make dist adds them) generate writes the Linux
# show file and says which one it could not make; with them both files, and no message.
glint_windows() { (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) == $1)); }
if [[ -n $windows ]]; then
  wait_for 10 test -f "$package/屏幕保护-Windows.exe" && sleep 1 && glint_windows 1 ||
    fail "generate left $(ls "$package"), or a message"
  [[ $(head -c 2 "$package/屏幕保护-Windows.exe") == MZ ]] || fail "the Windows file is no program"
else
  wait_for 5 glint_windows 2 || fail "no message about the show file for Windows"
  [[ ! -e $package/屏幕保护-Windows.exe ]] || fail "generate left $(ls "$package")"
fi
[[ -x $package/屏幕保护-Linux.run && $(head -c 9 "$package/屏幕保护-Linux.run") == '#!/bin/sh' ]] ||
  fail "no Linux show file beginning with a shell script: $(ls "$package")"
if [[ -n ${GLINT_SHARED_SHOWS:-} ]]; then
  mkdir -p "$GLINT_SHARED_SHOWS" && rm -f "$GLINT_SHARED_SHOWS"/屏幕保护-* &&
    cp "$package"/屏幕保护-* "$GLINT_SHARED_SHOWS/" || fail "cannot keep the show files"
fi
[[ -n $windows ]] || { xdotool key Return; wait_for 5 glint_windows 1; } ||
  fail "the message did not close on Return"
click_in "$dialog" 184 196
wait_for 5 gone "$dialog" || fail "cancel did not close the build dialog"
placed="the Linux show file are placed, the Windows programs named"
[[ -z $windows ]] || placed="both show files are placed"
echo "ok: the installer and $placed, and cancel closes the dialog"

installer='Glint 屏保安装'
at $step_x $step4_y click
wait_for 10 shown "$installer" || fail "the installer did not ask"
answer "$installer" Return
installed() { [[ -f $XDG_DATA_HOME/glint/screensavers/screensaver-1/pb.cc ]]; }
wait_for 10 installed || fail "the package was not installed"
# No to the offer to make it the screensaver, then the closing message.
wait_for 5 shown "$installer" && answer "$installer" n
sleep 0.5
wait_for 5 shown "$installer" && answer "$installer" Return
echo "ok: the installer started from the main window installs the package"

at $new_x $new_y click
wait_for 5 shown 屏幕保护制作 || fail "no new-project dialog"
click_in 屏幕保护制作 80 116
emptied() { [[ -z $(ls -A "$package") ]]; }
wait_for 5 emptied || fail "the package folder still holds $(ls "$package")"
kill -0 "$maker" 2>/dev/null || fail "the program ended"
echo "ok: a new project empties the package folder"
