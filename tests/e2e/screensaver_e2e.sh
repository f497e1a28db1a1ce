#!/usr/bin/env bash
# The installed show as the Linux desktop's screensaver, as an unprivileged user meets it on a
# private X server (XScreenSaver runs no display modes as root):
#   1. the installer installs a package and, asked, makes it XScreenSaver's one display mode and
#      starts the daemon, now and at every login; the user's other ~/.xscreensaver lines stay as
#      they were;
#   2. XScreenSaver activated on two monitors runs a player in each of its windows, showing the
#      picture and the caption there, and only one of them plays the music; a key ends it and no
#      player process is left;
#   3. made the screensaver again where only xss-lock is found, xss-lock runs at once with the
#      autostart entry's command, starts the show at `xset s activate`, and a key ends it;
#   4. the menu entry's "卸载" action removes the show and leaves no installed file, menu entry or
#      screensaver setting behind.
# usage: screensaver_e2e.sh GLINT_SETUP GLINTSAVER
set -uo pipefail
setup=${1:?usage: screensaver_e2e.sh GLINT_SETUP GLINTSAVER}
player=${2:?usage: screensaver_e2e.sh GLINT_SETUP GLINTSAVER}
width=2048 height=768 centre=1024
command -v runuser >/dev/null && command -v useradd >/dev/null ||
  { echo "SKIP: runuser and useradd are not installed"; exit 77; }
((EUID == 0)) || { echo "SKIP: making a test user takes root"; exit 77; }
work=$(mktemp -d)
user=glint-e2e-$$
source "$(dirname "$0")/x_session.sh" xdotool import convert python3 xwininfo xrandr \
  xscreensaver xscreensaver-command xss-lock xset
trap 'kill "${pids[@]}" $(players) 2>/dev/null; pkill -u "$user"; wait 2>/dev/null
  userdel "$user" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
home=$work/home music=()
useradd -M -d "$home" -s /bin/sh "$user" || fail "useradd $user failed"
mkdir -p "$home" && chown "$user" "$home"
as_user() { runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" XDG_SESSION_TYPE=x11 \
  PATH="${path:-/usr/bin:/bin}" LANG=C.UTF-8 "$@"; }

package=$work/package
mkdir -p "$package"
convert -size 320x240 'xc:rgb(230,20,20)' "$package/red.jpg"
printf '"red.jpg"\r\n' >"$package/pb.dat"
python3 -c 'import sys, wave; w = wave.open(sys.argv[1], "wb"); w.setnchannels(1)
w.setsampwidth(2); w.setframerate(8000); w.writeframes(bytes(160000)); w.close()' "$package/tone.wav"
printf '"tone.wav"\r\n' >"$package/ms.dat"
printf '"1"\r\n' >"$package/kg.ini"
printf '"End to end"\r\n' >"$package/timu.dat"
cp "$player" "$package/pb.cc"
cp "$setup" "$package/setup.exe"
chmod -R a+rX "$package"
installed=$home/.local/share/glint/screensavers/screensaver-1
menu=$home/.local/share/applications/glint-screensaver-1.desktop
autostart=$home/.config/autostart/glint-screensaver.desktop

users_settings='# my own settings
timeout:	0:10:00
lock:		False
splash:		False
fade:		False
mode:		random
selected:	1
programs:							      \
				maze -root				    \n\
		"My clock"	xclock -root			    \n\

pointerHysteresis: 10'
printf '%s\n' "$users_settings" >"$home/.xscreensaver"
chown -R "$user" "$home"
# The user's lines, without the two that say which mode is chosen.
others() { grep -v -e '^mode:' -e '^selected:' -e 'glint-screensaver -root' "$1"; }
others "$home/.xscreensaver" >"$work/others"

caption_shown() {
  shot && (($(pixels "200x24+$((width - 200))+0" | awk '$3 > 190 && $4 > 190 && $5 < 60' |
    wc -l) > 20))
}
red_shown() { shot && pixel_is "$centre" $((height / 2)) "230 20 20"; }
players() { for p in /proc/[0-9]*; do
  [[ $(readlink "$p/exe" 2>/dev/null) == "$installed/pb.cc" ]] && echo "${p#/proc/}"; done; }
no_player() { [[ -z $(players) ]]; }
title='Glint 屏保安装'
# Presses the key in the next message box of the installer, and keeps a look at it. The next box
# may come under the same window id: the box is gone when no window shows it any more.
next_box() {
  wait_for 30 shown "$title" || return 1
  sleep 0.3; shot; [[ -n ${GLINT_SHOTS:-} ]] && cp "$work/shot.png" "$GLINT_SHOTS/$1.png"
  local id look; id=$(window_of "$title"); look=$(box_look "$id")
  xdotool windowactivate --sync "$id" >/dev/null 2>&1; xdotool key "$2"
  wait_for 5 box_gone "$id" "$look"
}
box_look() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
box_gone() {
  ! xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -qx "$1" ||
    [[ $(box_look "$1") != "$2" ]]
}
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }

# 1. install, and make it XScreenSaver's display mode
as_user "$package/setup.exe" >"$work/setup.out" 2>&1 &
installer=$!
next_box install-question Return || fail "the installer did not ask to install"
next_box screensaver-question Return || fail "the installer did not offer the screensaver"
next_box install-done Return || fail "no closing message"
wait_end "$installer" 10 || fail "the installer did not end"
((status == 0)) || fail "the installer ended with status $status"
[[ -x $installed/glint-screensaver && -f $menu ]] || fail "the show is not installed"
grep -q "^$(printf '\t\t\t\t')\"End to end\"	$installed/glint-screensaver -root" \
  "$home/.xscreensaver" || fail "no entry in ~/.xscreensaver: $(cat "$home/.xscreensaver")"
grep -q $'^mode:\t\tone$' "$home/.xscreensaver" && grep -q $'^selected:\t0$' "$home/.xscreensaver" ||
  fail "the show is not the one mode"
others "$home/.xscreensaver" | cmp -s - "$work/others" || fail "the user's other lines changed"
grep -q '^Exec=xscreensaver --no-splash$' "$home/.config/autostart/xscreensaver.desktop" ||
  fail "XScreenSaver is not started at login"
echo "ok: installed and made XScreenSaver's one mode; the user's other lines are unchanged"

# 2. XScreenSaver on two monitors shows it, and a key ends it
xrandr --setmonitor left 1024/270x768/203+0+0 screen >/dev/null &&
  xrandr --setmonitor right 1024/270x768/203+1024+0 none >/dev/null || fail "cannot make two monitors"
centre=512
wait_for 10 as_user xscreensaver-command -version >/dev/null 2>&1 ||
  fail "the installer did not start xscreensaver"
as_user xscreensaver-command -activate >/dev/null 2>&1
wait_for 15 caption_shown || fail "no caption in XScreenSaver's window"
wait_for 15 red_shown || fail "no picture in XScreenSaver's window"
(($(players | wc -l) == 2)) || fail "$(players | wc -l) player processes for two monitors"
for player in $(players); do
  daemon=$(tr '\0' '\n' <"/proc/$player/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
  [[ -n $daemon ]] || fail "a player was started without XSCREENSAVER_WINDOW"
  xwininfo -children -id "$daemon" | grep -Eq '^ +[1-9][0-9]* childr?e?n?:' ||
    fail "a player has no window inside XScreenSaver's"
  grep -q "FLOCK .* $player " /proc/locks && music+=("$player")
done
((${#music[@]} == 1)) || fail "${#music[@]} of the two players hold the music"
[[ -n ${GLINT_SHOTS:-} ]] && cp "$work/shot.png" "$GLINT_SHOTS/xscreensaver.png"
xdotool key shift
wait_for 5 no_player || fail "a player process is left after a key"
as_user xscreensaver-command -exit >/dev/null 2>&1
xrandr --delmonitor left >/dev/null && xrandr --delmonitor right >/dev/null
centre=1024
echo "ok: XScreenSaver shows the picture and caption on both monitors, one plays the music;"\
  "a key ends it, no player left"

# 3. where only xss-lock is found: the autostart entry's command, at `xset s activate`
mkdir -p "$work/bin" && ln -s "$(command -v xss-lock)" "$(command -v xset)" "$work/bin/"
path=$work/bin as_user "$installed/glint-setup" --make-screensaver >>"$work/setup.out" 2>&1 &
installer=$!
next_box screensaver-again Return || fail "no offer from the menu entry's action"
wait_for 10 shown "$title" || fail "no question for the idle time"
sleep 0.3; shot; [[ -n ${GLINT_SHOTS:-} ]] && cp "$work/shot.png" "$GLINT_SHOTS/idle-time.png"
xdotool key Return
next_box xss-lock-done Return || fail "no closing message for xss-lock"
wait_end "$installer" 10 || fail "the installer did not end"
grep -q '^Exec=/bin/sh -c "xset s 600 0; exec xss-lock --ignore-sleep -- ' "$autostart" ||
  fail "no xss-lock autostart entry: $(cat "$autostart" 2>/dev/null)"
watching() { pgrep -u "$user" -f "^xss-lock --ignore-sleep -- $installed/glint-screensaver\$"; }
wait_for 10 watching >/dev/null || fail "the installer did not start xss-lock"
sleep 1
as_user xset s activate
wait_for 15 caption_shown || fail "xset s activate did not start the show"
wait_for 15 red_shown || fail "no picture at xset s activate"
xdotool key shift
wait_for 5 no_player || fail "the show started by xss-lock did not end on a key"
echo "ok: xss-lock runs at once and starts the show at xset s activate; a key ends it"

# 4. the menu entry's "卸载" action
removal=$(sed -n '/^\[Desktop Action uninstall\]/,/^\[/ s/^Exec=//p' "$menu")
[[ $removal == "\"$installed/glint-setup\" --uninstall" ]] || fail "the removal action is $removal"
as_user "$installed/glint-setup" --uninstall >>"$work/setup.out" 2>&1 &
installer=$!
next_box removal-question y || fail "the removal did not ask"
next_box removal-done Return || fail "no message after the removal"
wait_end "$installer" 10 || fail "the removal did not end"
((status == 0)) || fail "the removal ended with status $status"
[[ ! -e $installed && ! -e $menu && ! -e $autostart ]] || fail "the removal left files behind"
wait_for 5 bash -c "! pgrep -u $user xss-lock" || fail "the removal left xss-lock running"
! grep -q glint "$home/.xscreensaver" || fail "the removal left the ~/.xscreensaver entry"
others "$home/.xscreensaver" | cmp -s - "$work/others" || fail "the removal changed other lines"
echo "ok: the removal leaves no installed file, menu entry or screensaver setting"
