#!/usr/bin/env bash
# Inside a fresh Debian root (deb_install_e2e.sh brings this script, the package and a photo and a
# tone into /tmp/glint-test): installs the package with apt, then as the ordinary user "ana"
# starts the menu entry's command under Xvfb (--as-user below), and purges the package.
# usage: deb_in_root.sh DEB | deb_in_root.sh --as-user
set -uo pipefail
test_dir=/tmp/glint-test
fail() { echo "FAIL: $*"; exit 1; }

if [[ ${1:-} == --as-user ]]; then
  width=1024 height=768
  work=$(mktemp -d)
  source "$test_dir/x_session.sh" xdotool xwininfo
  source "$test_dir/file_dialog.sh"
  fail() { echo "FAIL: $*"; tail -n 5 "$work/maker.err" 2>/dev/null; exit 1; }
  own=${XDG_DATA_HOME:-$HOME/.local/share}/glint/maker
  package=$own/制作好的屏幕程序

  command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.example.glint.desktop)
  [[ -n $command ]] || fail "the menu entry has no command"
  sh -c "$command" 2>"$work/maker.err" &
  maker=$!
  wait_for 20 xdotool search --onlyvisible --name '^Glint$' >/dev/null ||
    fail "no main window after starting \"$command\""
  main=$(xdotool search --onlyvisible --name '^Glint$' | head -n1)
  read -r wx wy < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } END { print x, y }')
  at() { xdotool mousemove $((wx + $1)) $((wy + $2)) ${3:+click 1}; }
  runs_from_own_folder() {
    for p in /proc/[0-9]*; do
      [[ $(readlink "$p/exe" 2>/dev/null) == "$own/glintmaker" ]] && return 0
    done
    return 1
  }
  runs_from_own_folder || fail "the program does not run from $own"
  [[ -f $own/glintmaker && ! -L $own/glintmaker && -L $own/pb.sys && -d $own/pic/ &&
    -f $own/pb.htm && -f $own/pb_en.htm && -f $own/pic/en/001_1.jpg && -d $package ]] ||
    fail "the own folder holds $(ls -l "$own")"
  echo "ok: the menu entry's command starts the program from $own"

  listed() { [[ $(cat "$package/$1" 2>/dev/null) == "\"$2\""$'\r' ]]; }
  at 341 142 click
  choose_in_file_dialog "$HOME/photo.jpg"
  wait_for 5 listed dsi.ini "$HOME/photo.jpg" || fail "dsi.ini: $(cat -A "$package/dsi.ini")"
  at 341 201 click
  choose_in_file_dialog "$HOME/tone.wav"
  wait_for 5 listed mus_dsi.ini "$HOME/tone.wav" || fail "mus_dsi.ini does not list the tone"
  echo "ok: a picture and a music file chosen in the file dialog are listed in $package"

  dialog=生成屏幕保护程序：
  at 341 259 click
  wait_for 5 xdotool search --onlyvisible --name "^$dialog\$" >/dev/null || fail "no build dialog"
  click_in_dialog() {
    xdotool mousemove --window "$(xdotool search --onlyvisible --name "^$dialog\$" | head -n1)" \
      "$1" "$2" click 1
  }
  click_in_dialog 60 148
  built() { for f in pb.dat ms.dat kg.ini timu.dat pb.cc photo.jpg tone.wav; do
    [[ -f $package/$f ]] || return 1; done; }
  wait_for 10 built || fail "the build left $(ls "$package")"
  cmp -s "$package/pb.cc" /usr/lib/glint/pb.sys || fail "pb.cc is not the installed player"
  echo "ok: the build made the show in the user's package folder"
  click_in_dialog 184 196
  closed() { ! xdotool search --onlyvisible --name "^$dialog\$" >/dev/null 2>&1; }
  wait_for 5 closed || fail "cancel did not close the build dialog"
  at 672 18 click
  wait_end "$maker" 10 || fail "the close button did not end the program"
  ((status == 0)) || fail "the program ended with status $status"
  exit 0
fi

deb=${1:?usage: deb_in_root.sh DEB | deb_in_root.sh --as-user}
export DEBIAN_FRONTEND=noninteractive
log=$test_dir/apt.log
apt-get update -qq >"$log" 2>&1 || { tail -n 5 "$log"; fail "apt-get update failed"; }
apt-get install -y -qq --no-install-recommends "$deb" >"$log" 2>&1 ||
  { tail -n 15 "$log"; fail "apt cannot install $deb"; }
dpkg-query -L glint >"$test_dir/files"
for program in /usr/lib/glint/glintmaker /usr/lib/glint/pb.sys /usr/lib/glint/sp.sys; do
  missing=$(ldd "$program" | grep 'not found')
  [[ -z $missing ]] || fail "$program lacks, with the Depends installed: $missing"
done
[[ $(command -v glintmaker) == /usr/bin/glintmaker ]] || fail "no glintmaker on the PATH"
echo "ok: apt installs the package and its Depends; the programs find their libraries"
for page in /usr/share/man/man1/glintmaker.1.gz /usr/share/man/zh_CN/man1/glintmaker.1.gz; do
  grep -qxF "$page" "$test_dir/files" || fail "the package lacks the manual page $page"
done
entry=/usr/share/applications/org.example.glint.desktop
grep -qx 'Name=Glint Screensaver Maker' "$entry" && grep -qx 'Name\[zh_CN\]=Glint 屏幕保护制作' "$entry" ||
  fail "the menu entry lacks its English or its Chinese name"
grep -q '<name xml:lang="zh-CN">Glint 屏幕保护制作</name>' /usr/share/metainfo/org.example.glint.* ||
  fail "the AppStream metainfo lacks its Chinese name"
echo "ok: the manual page, the menu entry and the metainfo are in English and in Chinese"

# The test's own tools, after the check above, so that they cannot stand in for a Depends.
apt-get install -y -qq --no-install-recommends xvfb openbox x11-utils xdotool >"$log" 2>&1 ||
  { tail -n 5 "$log"; fail "cannot install the test's X tools"; }
useradd -m -s /bin/bash ana || fail "useradd failed"
install -o ana -g ana -m 644 "$test_dir/photo.jpg" "$test_dir/tone.wav" /home/ana/
touch "$test_dir/started"
sleep 1
runuser -u ana -- env -i HOME=/home/ana USER=ana LOGNAME=ana LANG=C.UTF-8 \
  PATH=/usr/local/bin:/usr/bin:/bin bash "$0" --as-user || exit 1
written=$(find /usr -newer "$test_dir/started" ! -type d 2>/dev/null | head -n 5)
[[ -z $written ]] || fail "the program wrote under /usr: $written"
echo "ok: nothing was written under /usr"

apt-get purge -y -qq glint >"$log" 2>&1 || { tail -n 5 "$log"; fail "apt purge failed"; }
dpkg-query -W -f='${Status}' glint 2>/dev/null | grep -q 'install ok' && fail "glint is still installed"
left=()
while read -r path; do
  [[ -d $path && ! -L $path ]] && continue
  [[ -e $path || -L $path ]] && left+=("$path")
done <"$test_dir/files"
for dir in /usr/lib/glint /usr/share/doc/glint; do [[ -e $dir ]] && left+=("$dir"); done
((${#left[@]} == 0)) || fail "the purge left ${left[*]}"
echo "ok: apt purge leaves no file of the package"
echo "PASS: the Debian package installs, runs for an ordinary user in their own folder, and purges"
