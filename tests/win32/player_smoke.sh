#!/usr/bin/env bash
# The player under Wine: the sample show (its lists in the ANSI code page) fills the screen with
# the caption in the top-right corner and the first picture in the middle, and a key ends it with
# status 0; at 192 dots per inch (a screen scaled to 200 %) the caption is twice as tall and the
# picture still its own size in screen pixels. Run by run_smoke.sh.
# usage: player_smoke.sh WINDOWS_DIST LINUX_BUILD
set -uo pipefail
dist=${1:?usage: player_smoke.sh WINDOWS_DIST LINUX_BUILD}
linuxbuild=${2:?usage: player_smoke.sh WINDOWS_DIST LINUX_BUILD}
source "$(dirname "$0")/smoke_lib.sh"

[[ -f $dist/pb.sys ]] || fail "no player $dist/pb.sys"
package=$work/示例屏保
sample_package "$package" "$linuxbuild" "$dist/pb.sys" || fail "cannot lay out the sample show"
(cd "$package" && exec wine pb.cc) >"$work/player.out" 2>&1 &
show=$!
wait_for 20 caption_shown || { keep_shot player-caption; fail "no yellow caption top right"; }
normal=$(yellow_height 300x80+980+0)
wait_for 15 first_picture_shown "$package/海边日落.jpg" || {
  keep_shot player-picture
  kill -0 "$show" 2>/dev/null || { wait "$show"; echo "the player ended with status $?"; }
  fail "the first picture is not in the middle of the screen"
}
keep_shot player-show
near "$(mean_of 40x40+20+960)" "0 0 0" || fail "the screen around the picture is not black"
echo "ok: caption in the top-right corner, the first picture in the middle"
xdotool key shift
wait_end "$show" 10 || fail "the show did not end within 10 s of a key"
((status == 0)) || fail "the show ended with status $status after a key"
echo "ok: a key ends the show with status 0"

# The desktop at 192 dots per inch, for this show only.
dpi() {
  local verb=$1
  shift
  wine reg "$verb" 'HKCU\Control Panel\Desktop' /v LogPixels "$@" /f >/dev/null 2>&1
}
trap 'kill "$show" 2>/dev/null; dpi delete; wineserver -w' EXIT
dpi add /t REG_DWORD /d 192 && wineserver -w || fail "cannot set 192 dpi"
(cd "$package" && exec wine pb.cc) >>"$work/player.out" 2>&1 &
show=$!
wait_for 20 caption_shown || { keep_shot player-dpi-caption; fail "at 192 dpi no caption"; }
scaled=$(yellow_height 300x80+980+0)
wait_for 15 first_picture_shown "$package/海边日落.jpg" || {
  keep_shot player-dpi-picture
  fail "at 192 dpi the first picture is not its own size in the middle of the screen"
}
keep_shot player-dpi-show
((scaled * 10 >= normal * 17)) || fail "at 192 dpi the caption is $scaled pixels tall, $normal at 96"
echo "ok: at 192 dpi the picture keeps its size in screen pixels, the caption $normal -> $scaled tall"
xdotool key shift
wait_end "$show" 10 || fail "at 192 dpi the show did not end within 10 s of a key"
