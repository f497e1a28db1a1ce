#!/usr/bin/env bash
# The Windows setup program under Wine, as a user's silent installation: "setup.exe /S" lays the
# programs under %LOCALAPPDATA%\Programs\Glint with the empty package folder, a Start-menu
# shortcut and an entry among the user's installed programs; the installed glintmaker.exe starts
# and shows its window; the uninstaller removes the programs, the shortcut and the entry, and
# (silent, so nobody said otherwise) keeps a show the user made; on an English desktop the
# shortcut is named in English. Skipped (one SKIP line) where this machine cannot run 32-bit x86
# programs, as Wine's 32-bit half needs.
# usage: windows_setup_wine.sh SETUP_EXE
set -uo pipefail
setup=$(cd "$(dirname "${1:?usage: windows_setup_wine.sh SETUP_EXE}")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
[[ -f $setup ]] || { echo "FAIL: no setup program $setup (make windows-setup lays it)"; exit 1; }
if ! reason=$(bash "$source/tools/can-run-i386.sh"); then
  echo "SKIP: the setup program's run under Wine needs a machine that runs 32-bit x86 programs ($reason)"
  exit 77
fi
command -v wine >/dev/null || { echo "SKIP: Wine is not installed (make test-windows installs it)"; exit 77; }

width=1024 height=768
work=$(mktemp -d)
source "$source/tests/e2e/x_session.sh" xdotool
export GLINT_WINE_PREFIX=$work/wine-prefix LC_ALL=zh_CN.UTF-8
source "$source/tests/win32/wine_env.sh"
wine_prepare || fail "cannot make a Wine prefix"
# A folder of the Wine user as a Linux path.
user_folder() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
local_data=$(user_folder LOCALAPPDATA)
programs="$(user_folder APPDATA)/Microsoft/Windows/Start Menu/Programs"
[[ -d $local_data ]] || fail "Wine names no local application data folder"
installed=$local_data/Programs/Glint
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glint'

wine_run 120 "$setup" /S || fail "the silent installation ended with status $?"
for name in glintmaker.exe pb.sys sp.sys pb.htm pb_en.htm pic/001_1.jpg pic/en/001_1.jpg \
  uninstall.exe; do
  [[ -f $installed/$name ]] || fail "the installation lacks $name"
done
[[ -d $installed/制作好的屏幕程序 ]] || fail "no package folder beside the program"
shortcut="$programs/Glint 屏幕保护制作.lnk"
[[ -f $shortcut ]] || fail "no Chinese Start-menu shortcut: $(ls "$programs")"
wine reg query "$entry" /v UninstallString >/dev/null 2>&1 || fail "no entry among installed programs"
echo "ok: setup /S installs the programs, the package folder, the shortcut and the entry"

wine "$installed/glintmaker.exe" >/dev/null 2>&1 &
maker=$!
wait_for 30 xdotool search --onlyvisible --name '^Glint$' >/dev/null ||
  fail "the installed glintmaker.exe shows no window"
kill "$maker" 2>/dev/null
wineserver -k 2>/dev/null
wait "$maker" 2>/dev/null
echo "ok: the installed glintmaker.exe starts"

printf 'made by the user' >"$installed/制作好的屏幕程序/pb.dat"
wine_run 120 "$installed/uninstall.exe" /S || fail "the silent uninstallation ended with status $?"
# The uninstaller runs from a copy in the temporary folder: wait until it has finished.
wineserver -w
for name in glintmaker.exe pb.sys sp.sys pb.htm pb_en.htm pic uninstall.exe; do
  [[ ! -e $installed/$name ]] || fail "the uninstaller left $name"
done
[[ ! -e $shortcut ]] || fail "the uninstaller left the shortcut"
wine reg query "$entry" >/dev/null 2>&1 && fail "the uninstaller left the entry"
[[ -f $installed/制作好的屏幕程序/pb.dat ]] || fail "the silent uninstaller removed the user's show"
echo "ok: the uninstaller removes what setup installed and keeps the user's show"

LC_ALL=en_US.UTF-8 timeout --kill-after=5 120 wine "$setup" /S || fail "the English installation ended with status $?"
[[ -f "$programs/Glint Screensaver Maker.lnk" ]] || fail "no English Start-menu shortcut: $(ls "$programs")"
echo "ok: on an English desktop setup names the Start-menu shortcut in English"
echo "PASS: the Windows setup installs, starts and uninstalls Glint under Wine"
