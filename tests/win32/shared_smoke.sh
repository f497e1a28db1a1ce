#!/usr/bin/env bash
# A show made on Linux for Windows: the Linux authoring program, with the Windows programs in its
# own folder, generates 屏幕保护-Windows.exe (maker_e2e.sh build, on an X server of its own);
# under Wine it installs with /S, and the installed launcher glint.scr /s shows the picture with
# the caption until a key. Run by run_smoke.sh.
# usage: shared_smoke.sh WINDOWS_DIST LINUX_BUILD
set -uo pipefail
dist=${1:?usage: shared_smoke.sh WINDOWS_DIST LINUX_BUILD} linuxbuild=${2:?}
source "$(dirname "$0")/smoke_lib.sh"

GLINT_WINDOWS_PROGRAMS=$dist GLINT_SHARED_SHOWS=$work/shows \
  bash "$(dirname "$0")/../e2e/maker_e2e.sh" cmake "$linuxbuild" build >"$work/maker.log" 2>&1 ||
  fail "the Linux authoring program: $(tail -n 5 "$work/maker.log")"
grep '^ok: the installer and both' "$work/maker.log"

local_data=$(user_folder LOCALAPPDATA)
rm -rf "$local_data/Glint"
wine_run 120 "$work/shows/屏幕保护-Windows.exe" /S >"$work/setup.out" 2>&1 ||
  fail "/S: status $?, $(cat "$work/setup.out")"
# Numbered after the shows installed before in this prefix (their shortcuts, their entries).
installed=$(find "$local_data/Glint/Screensavers" -name photo.jpg -printf '%h')
[[ -n $installed && -f $installed/tone.wav && -f $installed/glint.scr ]] ||
  fail "/S installed $(ls -R "$local_data/Glint" 2>&1)"
wine "$installed/glint.scr" /s >"$work/launcher.out" 2>&1 &
saver=$!
# The 640 x 480 green photo centred on the 1280 x 1024 screen, black beside it.
green_middle() {
  shot && near "$(mean_of 200x100+540+462)" "30 160 60" && near "$(mean_of 30x200+280+412)" "0 0 0"
}
wait_for 20 caption_shown && wait_for 15 green_middle ||
  { keep_shot shared-show; fail "glint.scr /s shows no caption or no picture"; }
xdotool key shift
wait_end "$saver" 10 && ((status == 0)) || fail "glint.scr /s did not end with status 0 on a key"
echo "ok: 屏幕保护-Windows.exe made on Linux installs with /S; glint.scr /s shows it until a key"
