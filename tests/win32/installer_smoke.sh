#!/usr/bin/env bash
# The installer under Wine, placed into a built package as setup.exe as the authoring program
# places it: it asks, installs the package for the user with a Start-menu shortcut and the
# launcher glint.scr, makes it the screensaver when asked to, and says where it went. The launcher
# ends at once for a preview or configuration request and shows the show for "/s" until a key.
# A "no" installs nothing; a package missing a picture is refused with status 1 and leaves no
# folder behind. The installed show is in the user's list of installed programs, and its
# uninstaller removes its folder, shortcut, screensaver setting and list entry. Then the show in
# one file (show_file_smoke.sh). Run by run_smoke.sh.
# usage: installer_smoke.sh WINDOWS_DIST LINUX_BUILD WINDOWS_BUILD
set -uo pipefail
usage="usage: installer_smoke.sh WINDOWS_DIST LINUX_BUILD WINDOWS_BUILD"
dist=${1:?$usage} linuxbuild=${2:?$usage} winbuild=${3:?$usage}
source "$(dirname "$0")/smoke_lib.sh"
title='Glint 屏保安装'

[[ -f $dist/sp.sys && -f $dist/pb.sys ]] || fail "no sp.sys or pb.sys in $dist"
package="$work/制作好的屏幕程序"
sample_package "$package" "$linuxbuild" "$dist/pb.sys" || fail "cannot lay out the sample show"
cp "$dist/sp.sys" "$package/setup.exe"
printf '"Z:\\\\elsewhere\\\\a.jpg"\r\n' >"$package/dsi.ini"

local_data=$(user_folder LOCALAPPDATA)
programs="$(user_folder APPDATA)/Microsoft/Windows/Start Menu/Programs"
[[ -d $local_data ]] || fail "Wine names no local application data folder"
# A fresh start in this test prefix: no earlier installation, no screensaver set.
rm -rf "$local_data/Glint"
rm -f "$programs"/Glint*.lnk
wine reg delete 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE /f >/dev/null 2>&1
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glint screensaver-1'
wine reg delete "$entry" /f >/dev/null 2>&1
installed="$local_data/Glint/Screensavers/screensaver-1"

# Answers the message box that follows the one with this window id (or the first for "").
next_box() {
  local before=$1 key=$2 id
  box_after() { id=$(window_of "$title"); [[ -n $id && $id != "$before" ]]; }
  wait_for 15 box_after || return 1
  sleep 0.3
  shot
  box=$id
  answer "$title" "$key" || fail "the message box did not take the key $key"
}

# 1. install, and make it the screensaver
wine "$package/setup.exe" >"$work/setup.out" 2>&1 &
setup=$!
next_box "" Return || fail "the installer did not ask"
keep_shot installer-question
next_box "$box" Return || fail "no offer to make it the screensaver"
[[ -f $installed/pb.cc ]] || fail "nothing installed when the offer came"
next_box "$box" Return || fail "no closing message"
keep_shot installer-done
wait_end "$setup" 10 || fail "the installer did not end"
((status == 0)) || fail "the installer ended with status $status"
for name in pb.cc pb.dat ms.dat kg.ini timu.dat 海边日落.jpg meadow.bmp evening_breeze.wav; do
  cmp -s "$package/$name" "$installed/$name" || fail "$name is not installed as it is"
done
[[ ! -e $installed/setup.exe && ! -e $installed/dsi.ini ]] || fail "working files were installed"
[[ $(head -c 2 "$installed/glint.scr") == MZ ]] || fail "no launcher glint.scr"
shortcut=$(ls "$programs"/Glint*" (1).lnk" 2>/dev/null | head -n1)
[[ -n $shortcut ]] || fail "no Start-menu shortcut in $programs"
echo "ok: installed into $(winepath -w "$installed" 2>/dev/null) with glint.scr beside the player"
echo "ok: Start-menu shortcut $(basename "$shortcut")"

setting() {
  wine reg query 'HKCU\Control Panel\Desktop' /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v v="$1" '$1 == v { sub(/^ *[^ ]+ +REG_SZ +/, ""); print }'
}
launcher=$(setting SCRNSAVE.EXE)
[[ $(winepath -u "$launcher" 2>/dev/null) == "$installed/glint.scr" ]] ||
  fail "SCRNSAVE.EXE is \"$launcher\", not the installed launcher"
[[ $(setting ScreenSaveActive) == 1 ]] || fail "ScreenSaveActive is not 1"
echo "ok: the launcher is the user's screensaver: $launcher"
uninstall=$(wine reg query "$entry" /v UninstallString 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *UninstallString *REG_SZ *//p')
[[ $uninstall == "\"$(winepath -w "$installed/uninstall.exe" 2>/dev/null)\" /uninstall" &&
  -f $installed/uninstall.exe ]] || fail "no uninstaller in the installed programs: \"$uninstall\""
echo "ok: the show is in the list of installed programs: $uninstall"

# 2. the launcher: a preview or configuration request ends it at once, "/s" shows the show
for request in "/p 1234" "/c" "/c:1234"; do
  started=$SECONDS
  # shellcheck disable=SC2086
  wine_run 30 "$installed/glint.scr" $request >/dev/null 2>&1
  status=$?
  ((status == 0 && SECONDS - started < 15)) || fail "glint.scr $request: status $status"
  ! caption_shown || fail "glint.scr $request showed the show"
done
echo "ok: glint.scr /p and /c end at once with status 0"
wine "$installed/glint.scr" /s >"$work/launcher.out" 2>&1 &
saver=$!
wait_for 20 caption_shown || { keep_shot launcher-show; fail "glint.scr /s shows no show"; }
wait_for 15 first_picture_shown "$installed/海边日落.jpg" || {
  keep_shot launcher-picture
  kill -0 "$saver" 2>/dev/null || { wait "$saver"; echo "glint.scr /s ended with status $?"; }
  fail "glint.scr /s shows no picture"
}
xdotool key shift
wait_end "$saver" 10 || fail "glint.scr /s did not end within 10 s of a key"
((status == 0)) || fail "glint.scr /s ended with status $status"
echo "ok: glint.scr /s shows the installed show until a key"

# 3. a "no" installs nothing
wine "$package/setup.exe" >>"$work/setup.out" 2>&1 &
setup=$!
next_box "" n || fail "the installer did not ask the second time"
wait_end "$setup" 10 || fail "the installer did not end after a no"
((status == 0)) || fail "a no ended the installer with status $status"
[[ ! -e $local_data/Glint/Screensavers/screensaver-2 ]] || fail "a no installed the package"
echo "ok: a no installs nothing"

# 4. a package missing a listed picture is refused, and nothing is left behind
rm "$package/meadow.bmp"
wine "$package/setup.exe" >>"$work/setup.out" 2>&1 &
setup=$!
next_box "" Return || fail "no message for a package missing a picture"
keep_shot installer-refusal
wait_end "$setup" 10 || fail "the installer did not end after its message"
((status == 1)) || fail "a refused package ended the installer with status $status, not 1"
[[ ! -e $local_data/Glint/Screensavers/screensaver-2 ]] || fail "a refused package left a folder"
echo "ok: a package missing a picture is refused with status 1"

# 5. the uninstaller from the list of installed programs: asks once, removes everything of the show
wine "$installed/uninstall.exe" /uninstall >>"$work/setup.out" 2>&1 &
next_box "" y || fail "the uninstaller did not ask"
keep_shot removal-question
# The closing message comes from the copy, a program of its own, which may get the ended
# program's window id again.
next_box "" Return || fail "no message after the removal"
keep_shot removal-done
removed() { [[ ! -e $installed && -z $(ls "$programs"/Glint*" (1).lnk" 2>/dev/null) ]]; }
wait_for 15 removed || fail "the removal left $(ls "$installed" "$programs" 2>&1 | tr '\n' ' ')"
[[ -z $(setting SCRNSAVE.EXE) ]] || fail "the removal left SCRNSAVE.EXE"
! wine reg query "$entry" >/dev/null 2>&1 || fail "the removal left the installed programs entry"
echo "ok: the uninstaller removes the folder, shortcut, screensaver setting and list entry"

source "$(dirname "$0")/show_file_smoke.sh"
