#!/usr/bin/env bash
# Inside a fresh Debian root (standalone_e2e.sh brings this script and the package into
# /tmp/glint-test): installs what a desktop has (an X server, a sound server, the X11 client
# libraries, fonts), checks that the package's programs find every library they need there, then
# as the ordinary user "ana" (--as-user below) plays the show and installs it with its setup.exe,
# then installs each show file in /tmp/glint-test/shows with sh and plays the installed show.
# usage: standalone_in_root.sh | standalone_in_root.sh --as-user
set -uo pipefail
test_dir=/tmp/glint-test
fail() { echo "FAIL: $*"; exit 1; }

if [[ ${1:-} == --as-user ]]; then
  width=1024 height=768
  work=$(mktemp -d)
  source "$test_dir/x_session.sh" xdotool import convert python3 pulseaudio parec
  show=$HOME/示例屏保
  export XDG_RUNTIME_DIR=$work/runtime PULSE_SERVER=unix:$work/pulse
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --disable-shm=yes \
    -L "module-null-sink sink_name=glint" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" 2>"$work/pulse.log" &
  pids+=($!)
  wait_for 10 pactl info >/dev/null 2>&1 || fail "PulseAudio did not start"

  caption_shown() {
    shot && (($(pixels "200x24+$((width - 200))+0" | awk '$3 > 190 && $4 > 190 && $5 < 60' |
      wc -l) > 20))
  }
  # The show's first picture and its music: seconds heard and level (of a 16000 tone), each
  # between the two bounds.
  colour="230 20 20" sound="1.5 2.6 0.4 0.63"
  red_in_the_middle() { shot && pixel_is $((width / 2)) $((height / 2)) "$colour"; }
  # Plays the show started by COMMAND, recording the sound, until a key ends it after 6 s.
  play() {
    parec -d glint.monitor --channels=1 --rate=44100 --format=s16le --file-format=wav \
      "$work/rec.wav" &
    local recorder=$!
    sleep 0.5
    "$@" 2>"$work/show.err" &
    local player=$!
    wait_for 10 caption_shown || fail "no caption from $*: $(cat "$work/show.err");" \
      "processes: $(ps -u "$USER" -o pid=,stat=,args= | paste -sd';')"
    wait_for 10 red_in_the_middle || fail "the first picture never came to the middle"
    sleep 4
    kill -0 "$player" 2>/dev/null || fail "the show ended by itself: $(cat "$work/show.err")"
    xdotool key shift
    wait_end "$player" 5 || fail "the show did not end on a key"
    ((status == 0)) || fail "the show ended with status $status"
    kill -INT "$recorder"; wait "$recorder" 2>/dev/null
    read -r seconds level < <(python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1]); n = w.getframerate() // 20
data = w.readframes(w.getnframes()); s = struct.unpack("<%dh" % (len(data) // 2), data)
rms = [math.sqrt(sum(v * v for v in s[i:i + n]) / n) for i in range(0, len(s) - n, n)]
loud = [r for r in rms if r > 500]
print(len(loud) / 20, (sorted(loud)[len(loud) // 2] if loud else 0) / (16000 / math.sqrt(2)))' \
      "$work/rec.wav")
    awk -v s="$seconds" -v l="$level" -v b="$sound" 'BEGIN { split(b, w, " ")
      exit !(s >= w[1] && s <= w[2] && l > w[3] && l < w[4]) }' ||
      fail "the music: $seconds s of sound at $level of the tone's level (wanted $sound)"
  }

  play "$show/pb.cc"
  echo "ok: the package plays: caption, the first picture in the middle, the MP3 heard once" \
    "($seconds s at $level of its level), a key ends it"

  # Starts an installer; Return answers each question with its default (install, make it the
  # screensaver) and closes the messages. Sets folder and entry: the installed show's.
  install_show() {
    "$@" 2>"$work/setup.err" &
    local setup=$! answered=0 count deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
      kill -0 "$setup" 2>/dev/null || break
      box=$(xdotool search --onlyvisible --name '^Glint 屏保安装$' 2>/dev/null | head -n 1)
      if [[ -n $box ]]; then
        xdotool windowactivate --sync "$box" >/dev/null 2>&1
        xdotool key Return 2>/dev/null
        answered=$((answered + 1))
        wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Glint 屏保安装\$' 2>/dev/null |
          grep -qx $box"
      fi
      sleep 0.3
    done
    wait_end "$setup" 5 || fail "the installer did not end after $answered answers:" \
      "$(cat "$work/setup.err"); processes: $(for p in /proc/[0-9]*; do [[ -O $p ]] &&
      echo "${p#/proc/} $(cat "$p/wchan") $(cut -d' ' -f1 "$p/syscall") $(tr '\0' ' ' <"$p/cmdline")"; done 2>/dev/null |
      paste -sd';'); windows: $(xwininfo -root -tree | grep -i glint | paste -sd';')"
    ((status == 0)) || fail "the installer ended with status $status: $(cat "$work/setup.err")"
    count=$(ls -d "$HOME"/.local/share/glint/screensavers/*/ 2>/dev/null | wc -l)
    entry=$HOME/.local/share/applications/glint-screensaver-$count.desktop
    grep -q '^Exec=' "$entry" ||
      fail "no menu entry after $answered answers: $(cat "$work/setup.err")"
    folder=$HOME/.local/share/glint/screensavers/screensaver-$count
    local listed
    while IFS= read -r listed; do
      [[ -f $folder/$listed ]] || fail "the installed folder holds $(ls "$folder")"
    done < <(echo pb.cc; sed 's/^"//; s/"\r\?$//' "$folder/pb.dat" "$folder/ms.dat")
  }
  install_show "$show/setup.exe"
  echo "ok: setup.exe installed the show in $folder with the menu entry $(basename "$entry")"
  play sh -c "$(sed -n 's/^Exec=//p' "$entry" | head -n 1)"
  echo "ok: the menu entry's command plays the installed show"

  # The authoring programs' show: a green 640 x 480 photo, a tone of 1 s at 3000.
  colour="30 160 60" sound="0.6 1.4 0.05 0.15"
  cd "$HOME" || exit 1
  for file in shows/*/屏幕保护-Linux.run; do
    [[ -f $file ]] || continue
    install_show sh "$file"
    play sh -c "$(sed -n 's/^Exec=//p' "$entry" | head -n 1)"
    echo "ok: sh $file installed the show in $folder; it plays ($seconds s at $level)"
  done
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
log=$test_dir/apt.log
apt=(apt-get -o Acquire::Check-Valid-Until=false -y -qq --no-install-recommends)
"${apt[@]}" update >"$log" 2>&1 || { tail -n 5 "$log"; fail "apt-get update failed"; }
# A desktop: an X server, a sound server, X11's client libraries and fonts, and no toolkit.
"${apt[@]}" install xvfb xauth pulseaudio libxft2 libxrandr2 libxext6 fonts-dejavu-core \
  fonts-wqy-zenhei >"$log" 2>&1 || { tail -n 15 "$log"; fail "cannot install the desktop"; }
! dpkg -l 'libqt*' 2>/dev/null | grep -q '^ii' || fail "the root has Qt"
for program in pb.cc setup.exe; do
  missing=$(ldd "$test_dir/示例屏保/$program" | grep 'not found')
  [[ -z $missing ]] || fail "$program lacks: $missing"
done
echo "ok: pb.cc and setup.exe find every library they need on a desktop without Glint or Qt"

# The test's own tools, after the check above, so that they cannot stand in for a library.
"${apt[@]}" install openbox x11-utils xdotool imagemagick python3 pulseaudio-utils \
  >"$log" 2>&1 || { tail -n 5 "$log"; fail "cannot install the test's tools"; }
useradd -m -s /bin/bash ana || fail "useradd failed"
cp -r "$test_dir/示例屏保" /home/ana/ && chown -R ana:ana /home/ana/示例屏保 || exit 1
if [[ -d $test_dir/shows ]]; then
  cp -r "$test_dir/shows" /home/ana/ && chown -R ana:ana /home/ana/shows || exit 1
fi
runuser -u ana -- env -i HOME=/home/ana USER=ana LOGNAME=ana LANG=C.UTF-8 \
  PATH=/usr/local/bin:/usr/bin:/bin bash "$0" --as-user || exit 1
echo "PASS: the package plays and installs for an ordinary user on a desktop without Glint or Qt"
