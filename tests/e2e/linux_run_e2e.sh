#!/usr/bin/env bash
# A show in one file as an ordinary user meets it, /tmp noexec: `sh FILE` from another folder
# installs it (plain glint-setup, caption in the menu, the player shows it) leaving nothing in
# /tmp or staging; copies cut or changed end with status 1 and the message, installing nothing.
# usage: linux_run_e2e.sh GLINT_SETUP GLINTSAVER GLINT_MAKE_SHOW_FILE
set -uo pipefail
setup=$(realpath "$1") player=$(realpath "$2") make_show=$(realpath "$3") || exit 2
width=1024 height=768 user=glint-e2e-$$ title='Glint 屏保安装'
command -v runuser >/dev/null && command -v useradd >/dev/null ||
  { echo "SKIP: runuser and useradd are not installed"; exit 77; }
((EUID == 0)) || { echo "SKIP: making a test user takes root"; exit 77; }
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh" xdotool import convert python3 dash
source "$(dirname "$0")/show_package.sh"
home=$(mktemp -d /var/tmp/glint-e2e-home.XXXXXX)  # not in /tmp: programs run from it
trap 'kill "${pids[@]}" 2>/dev/null; pkill -u "$user"; wait 2>/dev/null; userdel "$user" 2>/dev/null
  rm -rf "$work" "$home"' EXIT
useradd -M -d "$home" -s /bin/sh "$user" || fail "useradd $user failed"
remount='mount --bind /tmp /tmp && mount -o remount,bind,noexec /tmp'
noexec=(unshare -m sh -c "$remount"' && exec "$@"' sh)
unshare -m sh -c "$remount" || { noexec=(); echo "SKIP (that part): /tmp not made noexec"; }
as_user() { "${noexec[@]}" runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" \
  XDG_RUNTIME_DIR="$home/.run" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
make_package "$work/show" && printf '"海边 2026"\r\n' >"$work/show/timu.dat"
folder="$home/下载 文件" run="$home/下载 文件/屏幕保护-Linux.run"
mkdir -p "$folder" "$home/.run" && cd "$home" && "$make_show" "$run" "$setup" "$work"/show/* ||
  fail "cannot make the show file"
chown -R "$user" "$home" && chmod 700 "$home/.run"
data=$home/.local/share installed=$home/.local/share/glint/screensavers/screensaver-1

window_of() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1; }
look() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
box_gone() { [[ $(window_of) != "$1" || $(look "$1") != "$2" ]]; }
next_box() {  # presses the key in the next box, which may reuse the last one's window id
  wait_for 15 window_of >/dev/null && sleep 0.3 || { echo "no box came for $1" >&2; return 1; }
  local id seen; id=$(window_of) && seen=$(look "$id")
  local try; for try in 1 2; do  # a key pressed before the box holds the keyboard is lost
    xdotool windowactivate --sync "$id" >/dev/null 2>&1; xdotool key "$1"
    wait_for 5 box_gone "$id" "$seen" && return 0
  done
  echo "the box $id stayed after $1" >&2; return 1
}
left_behind() {
  find /tmp -user "$user" -newer "$work/display"; find "$data/glint" -maxdepth 2 -name '.*'
} 2>/dev/null
caption_shown() { shot && (($(pixels 200x24+824+0 | awk '$3 > 190 && $4 > 190 && $5 < 60' |
  wc -l) > 20)); }

as_user sh "下载 文件/屏幕保护-Linux.run" >"$work/out" 2>&1 &
installer=$! status=none
next_box Return && next_box Escape && next_box Return || fail "boxes: $(cat "$work/out")"
wait_end "$installer" 10 && ((status == 0)) || fail "installer's status $status: $(cat "$work/out")"
cmp -s "$setup" "$installed/glint-setup" || fail "glint-setup is not the plain installer"
[[ -x $installed/pb.cc && -f $installed/tone.wav && -z $(left_behind) ]] ||
  fail "not installed, or left behind: $(ls "$installed") $(left_behind)"
grep -qx 'Name=海边 2026 (1)' "$data/applications/glint-screensaver-1.desktop" ||
  fail "no menu entry with the caption"
as_user "$installed/pb.cc" &
wait_for 15 caption_shown && wait_for 5 eval \
  'shot && pixel_is 512 384 "230 20 20"' || fail "the player shows no show"
xdotool key shift
echo "ok: sh FILE installs the show${noexec[*]:+ with /tmp noexec}, it plays, nothing is left"

title='Glint Setup'  # on an English desktop it asks in English; Escape declines
as_user env LANG=en_US.UTF-8 sh "下载 文件/屏幕保护-Linux.run" >"$work/out" 2>&1 &
installer=$! status=none
next_box Escape && wait_end "$installer" 10 && ((status == 0)) && [[ ! -e ${installed%1}2 ]] ||
  fail "no English question, or it installed: $(cat "$work/out")"
title='Glint 屏保安装' && echo "ok: on an English desktop the installer asks in English"

installer_end=$((4096 + $(stat -c %s "$setup")))
damage() {  # NAME SHELL BOX: the copy, the shell that starts it, whether the installer says it
  local copy="$folder/$1.run" at=$((installer_end + 3000)) status=none
  case $1 in
  cut-installer) head -c $((installer_end - 100)) "$run" >"$copy" ;;
  cut-show) head -c $(($(stat -c %s "$run") - 30)) "$run" >"$copy" ;;
  byte-*) cp "$run" "$copy" && [[ $1 == byte-installer ]] && at=$((4096 + 5000))
    python3 -c 'import sys; f = open(sys.argv[1], "r+b"); f.seek(int(sys.argv[2])); b = f.read(1)
f.seek(-1, 1); f.write(bytes([b[0] ^ 1]))' "$copy" "$at" ;;
  esac
  chmod 755 "$copy" && chown "$user" "$copy"
  as_user ${2/direct/} "$copy" >/dev/null 2>"$work/err" &
  local started=$!
  [[ $3 == none ]] || next_box Return || fail "$1: no message box"
  wait_end "$started" 10 && [[ $status == 1 ]] || fail "$1: ended with $status"
  grep -q "文件已损坏或不完整，请重新下载或重新复制一份：.*$1.run" "$work/err" ||
    fail "$1: stderr says $(cat "$work/err")"
  [[ ! -e ${installed%1}2 && -z $(left_behind) ]] || fail "$1: installed or left $(left_behind)"
}
damage cut-installer direct none && damage cut-show bash box && damage byte-installer dash none
damage byte-show sh box
echo "ok: copies cut or changed in the installer or the show end with status 1, install nothing"
