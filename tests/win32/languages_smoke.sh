#!/usr/bin/env bash
# The authoring program under Wine in English (LC_ALL=en_US.UTF-8: Wine's interface language) and
# in Chinese: the window shows that language's background, the build dialog has its title, and an
# install before any build says the file is missing in a message box; screenshots of each are
# kept. Run by run_smoke.sh.
# usage: languages_smoke.sh WINDOWS_DIST ARTWORK_DIR
set -uo pipefail
dist=${1:?usage: languages_smoke.sh WINDOWS_DIST ARTWORK_DIR}
artwork=${2:?usage: languages_smoke.sh WINDOWS_DIST ARTWORK_DIR}
source "$(dirname "$0")/smoke_lib.sh"

step_x=341 step3_y=259 step4_y=318
for language in en zh; do
  case $language in
  en) locale=en_US.UTF-8 art=en/background.jpg dialog='Make the screensaver:' ;;
  zh) locale=zh_CN.UTF-8 art=background.jpg dialog=生成屏幕保护程序： ;;
  esac
  own=$work/own-$language
  cp -r "$dist" "$own" || fail "cannot copy $dist"
  (cd "$own" && LC_ALL=$locale exec wine glintmaker.exe) >"$work/maker-$language.out" 2>&1 &
  maker=$!
  wait_for 30 shown Glint || fail "$language: no main window titled Glint"
  read -r wx wy < <(xwininfo -id "$(window_of Glint)" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } END { print x, y }')
  sleep 1
  shot && keep_shot "$language-window"
  # The hints under the work steps are the background's own.
  convert "$work/shot.png" -crop "360x60+$((wx + 330))+$((wy + 340))" "$work/strip.png"
  convert "$artwork/$art" -crop 360x60+330+340 "$work/strip-art.png"
  differ=$(compare -metric AE -fuzz 6% "$work/strip.png" "$work/strip-art.png" null: 2>&1)
  ((${differ%% *} < 50)) || fail "$language: the window does not show $art ($differ differ)"
  xdotool mousemove $((wx + step_x)) $((wy + step3_y)) click 1
  wait_for 15 shown "$dialog" || fail "$language: no build dialog titled $dialog"
  sleep 0.5 && shot && keep_shot "$language-build-dialog"
  xdotool windowactivate --sync "$(window_of "$dialog")" >/dev/null 2>&1
  xdotool mousemove --window "$(window_of "$dialog")" 184 198 click 1
  wait_for 10 gone "$dialog" || fail "$language: the build dialog's cancel did not close it"
  xdotool mousemove $((wx + step_x)) $((wy + step4_y)) click 1
  two_glint() { (($(xdotool search --onlyvisible --name '^Glint$' 2>/dev/null | wc -l) >= 2)); }
  wait_for 10 two_glint || fail "$language: no message box for an install before any build"
  sleep 0.5 && shot && keep_shot "$language-message"
  xdotool key Return
  kill "$maker" 2>/dev/null
  timeout 30 wineserver -k 2>/dev/null
  wait "$maker" 2>/dev/null
  echo "ok: in $locale the window shows $art, the build dialog is titled $dialog"
done
