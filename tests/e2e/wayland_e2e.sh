#!/usr/bin/env bash
# The show under a Wayland compositor, as on Debian 13's GNOME-less Wayland desktops: sway nested
# in a private X server (wlroots' X11 backend gives it a real keyboard and pointer that xdotool
# drives), run by an ordinary user, since sway refuses root. The show is an X11 program, which
# Wayland desktops run through their Xwayland, as sway does here:
#   1. the player shows the picture and the caption; a key, a click and a mouse movement each end
#      it with status 0;
#   2. the installer, asked inside that session, makes the show the screensaver through swayidle;
#      the command it writes, with the idle time shortened to 3 s, starts the show by itself, and
#      a key ends it.
# usage: wayland_e2e.sh GLINT_SETUP GLINTSAVER
set -uo pipefail
setup=${1:?usage: wayland_e2e.sh GLINT_SETUP GLINTSAVER}
player=${2:?usage: wayland_e2e.sh GLINT_SETUP GLINTSAVER}
width=1024 height=768 middle=384
command -v runuser >/dev/null && command -v useradd >/dev/null ||
  { echo "SKIP: runuser and useradd are not installed"; exit 77; }
((EUID == 0)) || { echo "SKIP: making a test user takes root"; exit 77; }
work=$(mktemp -d)
user=glint-wl-$$
no_window_manager=1
source "$(dirname "$0")/x_session.sh" xdotool import convert python3 sway swaymsg swayidle
trap 'kill "${pids[@]}" 2>/dev/null; pkill -u "$user"; wait 2>/dev/null; userdel "$user" 2>/dev/null
  rm -rf "$work"' EXIT
command -v Xwayland >/dev/null || { echo "SKIP: Xwayland is not installed"; exit 77; }
source "$(dirname "$0")/show_package.sh"
chmod 755 "$work"
home=$work/home runtime=$work/runtime
useradd -M -d "$home" -s /bin/sh "$user" || fail "useradd $user failed"
mkdir -p "$home" "$runtime" && chown "$user" "$home" "$runtime" && chmod 700 "$runtime"
as_user() { runuser -u "$user" -- env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" \
  PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
in_session() { as_user WAYLAND_DISPLAY="$wayland" DISPLAY="$xwayland" XDG_SESSION_TYPE=wayland \
  SWAYSOCK="$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null)" "$@"; }

printf 'xwayland force\noutput * bg #000000 solid_color\ndefault_border none\n' >"$work/sway.cfg"
chmod 644 "$work/sway.cfg"
as_user DISPLAY="$DISPLAY" WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1 \
  sway -c "$work/sway.cfg" >"$work/sway.log" 2>&1 &
pids+=($!)
wait_for 10 bash -c "ls '$runtime'/wayland-[0-9] >/dev/null 2>&1" ||
  fail "sway did not start: $(tail -n 3 "$work/sway.log")"
wayland=$(basename "$(ls "$runtime"/wayland-[0-9] | head -n 1)")
xwayland_display() { pgrep -u "$user" -a Xwayland | grep -o ' :[0-9]\+' | head -n 1 | tr -d ' '; }
wait_for 10 bash -c "pgrep -u $user -a Xwayland | grep -q ' :[0-9]'" || fail "sway started no Xwayland"
xwayland=$(xwayland_display)
# The pointer rests inside sway's window, so that its keys go there; the shows start afterwards.
xdotool mousemove 500 300

caption_shown() {
  shot && (($(pixels "200x24+$((width - 200))+0" | awk '$3 > 190 && $4 > 190 && $5 < 60' |
    wc -l) > 20))
}
red_shown() { shot && pixel_is $((width / 2)) $middle "230 20 20"; }

# 1. the player as a Wayland client; each kind of input ends it
make_package "$work/show"
chmod -R a+rX "$work/show"
give() {
  case $1 in
    key) xdotool key shift ;;
    click) xdotool click 1 ;;
    movement) for x in 530 560 590; do xdotool mousemove "$x" 330; sleep 0.2; done ;;
  esac
}
for input in key click movement; do
  in_session "$work/show/pb.cc" 2>>"$work/show.err" &
  show=$!
  wait_for 10 caption_shown || { [[ -n ${GLINT_SHOTS:-} ]] && cp "$work/shot.png" "$work/sway.log" "$GLINT_SHOTS/"
    fail "no caption on the Wayland show: $(tail -n 5 "$work/show.err")"; }
  wait_for 10 red_shown || fail "the picture never came to the centre"
  sleep 0.5
  give $input
  wait_end "$show" 5 || fail "the show did not end on a $input"
  ((status == 0)) || fail "the show ended with status $status on a $input"
  xdotool mousemove 500 300
  echo "ok: picture and caption through Xwayland; a $input ends it with status 0"
done

# 2. the installer's swayidle command starts the show by itself
package=$work/package
mkdir -p "$package"
cp "$work/show/"{red.jpg,blue.jpg,pb.dat,kg.ini,timu.dat,tone.wav} "$package/"
printf '"tone.wav"\r\n' >"$package/ms.dat"
cp "$player" "$package/pb.cc"
cp "$setup" "$package/setup.exe"
chmod -R a+rX "$package"
title='Glint 屏保安装'
boxes=0
box_shown() { in_session swaymsg -t get_tree 2>/dev/null | grep -q "\"name\": \"$title\""; }
in_session "$package/setup.exe" >"$work/setup.out" 2>&1 &
installer=$!
# Each of its questions and its closing message, answered with Return as it shows, however long
# the machine takes to bring the next one (a Return that comes early is pressed again).
installer_state() {
  echo "$boxes boxes answered; $(cat "$work/setup.out")"
  echo "windows: $(in_session swaymsg -t get_tree 2>/dev/null | sed -n 's/^ *"name": //p' | paste -sd' ')"
  echo "processes: $(ps -u "$user" -o pid=,stat=,etime=,args= | paste -sd';')"
}
deadline=$((SECONDS + 60))
while kill -0 "$installer" 2>/dev/null && ((SECONDS < deadline)); do
  box_shown || { sleep 0.2; continue; }
  sleep 0.5
  ((++boxes)); shot; [[ -n ${GLINT_SHOTS:-} ]] && cp "$work/shot.png" "$GLINT_SHOTS/box-$boxes.png"
  xdotool key Return
  sleep 1
done
wait_end "$installer" 10 || fail "the installer did not end: $(installer_state)"
((status == 0)) || fail "the installer ended with status $status: $(cat "$work/setup.out")"
# Its two questions, the idle time and the closing message.
((boxes >= 4)) || fail "only $boxes of the installer's windows answered"
autostart=$home/.config/autostart/glint-screensaver.desktop
command=$(sed -n 's/^Exec=//p' "$autostart" 2>/dev/null)
[[ $command == "swayidle -w timeout 600 "* ]] ||
  fail "no swayidle command in the autostart entry: $(cat "$autostart" 2>/dev/null)"
pgrep -u "$user" -x swayidle >/dev/null || fail "the installer did not start swayidle"
pkill -u "$user" -x swayidle
in_session sh -c "exec ${command/timeout 600/timeout 3}" &
pids+=($!)
wait_for 20 caption_shown || fail "swayidle did not start the show"
wait_for 10 red_shown || fail "no picture in the show swayidle started"
xdotool key shift
wait_for 5 bash -c "! pgrep -u $user -f '/pb.cc\$' >/dev/null" ||
  fail "the show started by swayidle did not end on a key"
echo "ok: the installer's swayidle command, idle time shortened, starts the show; a key ends it"
