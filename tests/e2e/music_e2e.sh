#!/usr/bin/env bash
# The music through a real sound server, whatever media backend this Qt has: a private PulseAudio
# with a null sink, recorded from its monitor while the player shows a package whose music is a
# two-second 440 Hz tone, as WAV, MP3 and WMA. Each is heard once at -6 dB (half the tone's
# amplitude), and a key then ends the show with status 0. A music file that cannot be played leaves
# the show silent and running until the key. (GStreamer's sink into PulseAudio's null sink skips
# up to a second of the beginning to keep in time; a tone played in a loop would sound until the
# key.)
# usage: music_e2e.sh GLINTSAVER
set -uo pipefail
player=${1:?usage: music_e2e.sh GLINTSAVER}
width=800 height=600
work=$(mktemp -d)
source "$(dirname "$0")/x_session.sh" xdotool import convert python3 pulseaudio parec ffmpeg
source "$(dirname "$0")/show_package.sh"

export XDG_RUNTIME_DIR=$work/runtime PULSE_SERVER=unix:$work/pulse
mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no -n --exit-idle-time=-1 --disable-shm=yes \
  -L "module-null-sink sink_name=glint" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" 2>"$work/pulse.log" &
pids+=($!)
wait_for 10 pactl info >/dev/null 2>&1 || fail "PulseAudio did not start: $(tail -n 3 "$work/pulse.log")"

# A two-second tone at half of full scale, and the same tone in the other formats. Stereo, as the
# sink is: FFmpeg would spread a mono tone over two channels at -3 dB each.
python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100)
w.writeframes(b"".join(struct.pack("<2h", *[int(16000 * math.sin(2 * math.pi * 440 * i / 44100))] * 2)
                       for i in range(2 * 44100)))
w.close()' "$work/tone.wav"
ffmpeg -loglevel error -i "$work/tone.wav" -b:a 128k "$work/tone.mp3" &&
  ffmpeg -loglevel error -i "$work/tone.wav" -c:a wmav2 -b:a 128k "$work/tone.wma" ||
  fail "ffmpeg cannot write the MP3 and WMA tones"
echo "no music here" >"$work/broken.mp3"

# The seconds of sound in a recording and their level against the tone's (RMS over 50 ms windows).
measure() {
  python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1]); n = w.getframerate() // 20
data = w.readframes(w.getnframes()); s = struct.unpack("<%dh" % (len(data) // 2), data)
rms = [math.sqrt(sum(v * v for v in s[i:i + n]) / n) for i in range(0, len(s) - n, n)]
loud = [r for r in rms if r > 500]
print(len(loud) / 20, (sorted(loud)[len(loud) // 2] if loud else 0) / (16000 / math.sqrt(2)))' "$1"
}
# Shows the package with MUSIC while recording; the show is ended by a key after 7 s (GStreamer
# takes up to 3.5 s to start an MP3).
show_with() {
  make_package "$work/show"
  cp "$1" "$work/show/$(basename "$1")"
  printf '"%s"\r\n' "$(basename "$1")" >"$work/show/ms.dat"
  parec -d glint.monitor --channels=1 --rate=44100 --format=s16le --file-format=wav \
    "$work/rec.wav" &
  local recorder=$!
  sleep 0.5
  "$work/show/pb.cc" 2>>"$work/show.err" &
  local show=$!
  sleep 7
  kill -0 "$show" 2>/dev/null || fail "the show with $(basename "$1") ended by itself"
  xdotool key shift
  wait_end "$show" 4 || fail "the show with $(basename "$1") did not end on a key"
  ((status == 0)) || fail "the show with $(basename "$1") ended with status $status"
  kill -INT "$recorder"; wait "$recorder" 2>/dev/null
  read -r seconds level < <(measure "$work/rec.wav")
}

for music in tone.wav tone.mp3 tone.wma; do
  show_with "$work/$music"
  awk -v s="$seconds" -v l="$level" 'BEGIN { exit !(s >= 0.5 && s <= 2.6 && l > 0.4 && l < 0.63) }' ||
    fail "$music: $seconds s of sound at $level of the tone's level (wanted 2 s at 0.5)"
  echo "ok: $music heard once, $seconds s at $level of the tone's level"
done
show_with "$work/broken.mp3"
[[ $seconds == 0.0 ]] || fail "a file that is no music made $seconds s of sound"
echo "ok: a file that is no music leaves the show silent and running"
