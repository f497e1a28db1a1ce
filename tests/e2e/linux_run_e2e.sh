#!/usr/bin/env bash
# A show in one file ("屏幕保护-Linux.run") as an ordinary user meets it, with /tmp mounted noexec:
#   1. `sh FILE`, started from another folder, with spaces and Chinese in the path, asks and
#      installs the show: its folder holds the plain installer as glint-setup and a runnable
#      player, the menu entry has the caption, the player shows picture and caption from there,
#      and no staging folder, copy of the installer or file in /tmp is left;
#   2. copies cut short or with one byte changed, in the installer or in the show, started as
#      ./FILE, bash FILE or dash FILE, end with status 1 and the message on stderr, having
#      installed nothing and left nothing.
# usage: linux_run_e2e.sh GLINT_SETUP GLINTSAVER GLINT_MAKE_SHOW_FILE
set -uo pipefail
(($# == 3)) || { echo "usage: linux_run_e2e.sh GLINT_SETUP GLINTSAVER GLINT_MAKE_SHOW_FILE"; exit 2; }
setup=$(realpath "$1") player=$(realpath "$2") make_show=$(realpath "$3")
width=1024 height=768
command -v runuser >/dev/null && command -v useradd >/dev/null ||
  { echo "SKIP: runuser and useradd are not installed"; exit 77; }
((EUID == 0)) || { echo "SKIP: making a test user takes root"; exit 77; }
work=$(mktemp -d)
user=glint-e2e-$$
source "$(dirname "$0")/x_session.sh" xdotool import convert python3 dash
source "$(dirname "$0")/show_package.sh"
# The home is not under /tmp: programs run from it, and /tmp is made noexec below.
home=$(mktemp -d /var/tmp/glint-e2e-home.XXXXXX)
trap 'kill "${pids[@]}" 2>/dev/null; pkill -u "$user"; wait 2>/dev/null; userdel "$user" 2>/dev/null
  rm -rf "$work" "$home"' EXIT
useradd -M -d "$home" -s /bin/sh "$user" || fail "useradd $user failed"
chmod 755 "$work"
if unshare -m sh -c 'mount --bind /tmp /tmp && mount -o remount,bind,noexec /tmp'; then
  noexec=(unshare -m sh -c 'mount --bind /tmp /tmp && mount -o remount,bind,noexec /tmp &&
    exec "$@"' sh)
else
  noexec=() && echo "SKIP (this part only): /tmp is not made noexec, mounting takes CAP_SYS_ADMIN"
fi
mkdir -m 700 "$home/.run"
as_user() { "${noexec[@]}" runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" \
  XDG_RUNTIME_DIR="$home/.run" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

make_package "$work/show"
printf '"海边 2026"\r\n' >"$work/show/timu.dat"
folder="$home/下载 文件" && mkdir -p "$folder" && cd "$home" || fail "no folder for the file"
run=$folder/屏幕保护-Linux.run
"$make_show" "$run" "$setup" "$work"/show/* || fail "glint_make_show_file failed"
chown -R "$user" "$home"
data=$home/.local/share installed=$home/.local/share/glint/screensavers/screensaver-1

title='Glint 屏保安装'
window_of() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1; }
look() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
box_gone() { [[ $(window_of) != "$1" || $(look "$1") != "$2" ]]; }
# Presses the key in the installer's next box; a box may reuse the last one's window id.
next_box() {
  wait_for 15 window_of >/dev/null && sleep 0.3 || return 1
  local id; id=$(window_of)
  local seen; seen=$(look "$id")
  xdotool windowactivate --sync "$id" >/dev/null 2>&1; xdotool key "$1"
  wait_for 5 box_gone "$id" "$seen"
}
left_behind() {
  find /tmp -user "$user" -newer "$work/display" 2>/dev/null
  find "$data/glint" -maxdepth 2 -name '.*' 2>/dev/null
}

# 1. installed from the file
as_user sh "下载 文件/屏幕保护-Linux.run" >"$work/out" 2>&1 &
installer=$!
next_box Return || fail "no question to install: $(cat "$work/out")"
next_box Escape || fail "no offer of the screensaver"
next_box Return || fail "no closing message"
status=none
wait_end "$installer" 10 && ((status == 0)) || fail "the installation ended: $status $(cat "$work/out")"
cmp -s "$setup" "$installed/glint-setup" || fail "glint-setup is not the plain installer"
[[ -x $installed/pb.cc && -x $installed/glint-screensaver && -f $installed/tone.wav ]] ||
  fail "the show is not installed: $(ls -l "$installed")"
grep -qx 'Name=海边 2026 (1)' "$data/applications/glint-screensaver-1.desktop" ||
  fail "no menu entry with the caption"
[[ -z $(left_behind) ]] || fail "left behind: $(left_behind)"
as_user "$installed/pb.cc" &
caption_shown() { shot && (($(pixels "200x24+$((width - 200))+0" |
  awk '$3 > 190 && $4 > 190 && $5 < 60' | wc -l) > 20)); }
red_shown() { shot && pixel_is 512 384 "230 20 20"; }
wait_for 15 caption_shown || fail "the installed player shows no caption"
wait_for 15 red_shown || fail "the installed player shows no picture"
xdotool key shift
wait_for 5 bash -c "! pgrep -u $user -x pb.cc >/dev/null" || fail "the player did not end on a key"
echo "ok: sh FILE installs the show${noexec[*]:+ with /tmp noexec}; it plays from its folder; nothing left"

# 2. damaged copies
size=$(stat -c %s "$run") installer_end=$((4096 + $(stat -c %s "$setup")))
damage() {  # NAME SHELL BOX: the copy, the shell that starts it, whether the installer tells it
  local copy="$folder/$1.run" status=none
  case $1 in
  cut-installer) head -c $((installer_end - 100)) "$run" >"$copy" ;;
  cut-show) head -c $((size - 30)) "$run" >"$copy" ;;
  *) cp "$run" "$copy"
    local at=$((installer_end + 3000)) && [[ $1 == byte-installer ]] && at=$((4096 + 5000))
    printf '\x5a' | dd of="$copy" bs=1 seek=$at conv=notrunc 2>/dev/null ;;
  esac
  chmod 755 "$copy" && chown "$user" "$copy"
  local start=("$2" "$copy") && [[ $2 == direct ]] && start=("$copy")
  as_user "${start[@]}" >/dev/null 2>"$work/err" &
  local started=$!
  [[ $3 == box ]] && { next_box Return || fail "$1: no message box"; }
  wait_end "$started" 10 && [[ $status == 1 ]] || fail "$1: ended with $status"
  grep -q "文件已损坏或不完整，请重新下载或重新复制一份：.*$1.run" "$work/err" ||
    fail "$1: stderr says $(cat "$work/err")"
  [[ ! -e ${installed%1}2 && -z $(left_behind) ]] || fail "$1: installed or left $(left_behind)"
}
damage cut-installer direct none
damage cut-show bash box
damage byte-installer dash none
damage byte-show sh box
echo "ok: copies cut short or changed in the installer or the show end with status 1, install nothing"
