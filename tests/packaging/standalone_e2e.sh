#!/usr/bin/env bash
# A show that stands alone: a package folder laid out by this build (its player pb.cc and its
# installer setup.exe, the lists, a photo in JPEG, a PNG and a BMP, an MP3 tone), copied into a
# fresh Debian root of another release that has an X server, a sound server and the X11 client
# libraries every desktop has, but no Glint and no Qt. There, as the ordinary user "ana", the show
# plays (picture, caption, the music heard once at -6 dB, a key ends it) and its setup.exe
# installs it (menu entry, the installed show plays). So do the show files 屏幕保护-Linux.run
# the authoring programs generated (GLINT_SHOW_FOLDERS: the folders they were kept in by make
# test, on Linux and under Wine), started with sh. The steps inside are standalone_in_root.sh's.
# usage: standalone_e2e.sh DIST [RELEASE]   (RELEASE: a Debian codename, by default the other
#        one of bookworm and trixie than this machine's)
set -uo pipefail
dist=$(cd "${1:?usage: standalone_e2e.sh DIST [RELEASE]}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)

if (($(id -u) != 0)); then
  echo "SKIP: the stand-alone test makes a Debian root and enters it, which needs root"
  exit 77
fi
if ! command -v debootstrap >/dev/null && ! bash "$source/tools/install-deps.sh" debootstrap; then
  echo "SKIP: debootstrap is not installed and cannot be installed here"
  exit 77
fi
for tool in convert ffmpeg python3 chroot; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
for program in pb.sys sp.sys; do
  [[ -x $dist/$program ]] || { echo "FAIL: no $dist/$program (make dist lays it)"; exit 1; }
done
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
release=${2:-$([[ $codename == trixie ]] && echo bookworm || echo trixie)}

base=$source/.roots/$release-desktop
run=$source/.roots/$release-desktop-run
bash "$source/tools/debian-root.sh" "$release" "$base" || { echo "FAIL: no $release root"; exit 1; }
rm -rf --one-file-system "$run"
trap 'rm -rf --one-file-system "$run"' EXIT
cp -a "$base" "$run" || { echo "FAIL: cannot copy the root"; exit 1; }

# The package as the authoring program lays it out, and the test's scripts.
test_dir=$run/tmp/glint-test
show=$test_dir/示例屏保
mkdir -p "$show"
convert -size 400x300 'xc:rgb(230,20,20)' "$show/红色.jpg" &&
  convert -size 300x200 'xc:rgb(20,200,40)' "$show/green.png" &&
  convert -size 200x100 'xc:rgb(20,40,230)' "BMP3:$show/blue.bmp" || {
  echo "FAIL: cannot write the pictures"; exit 1; }
python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100)
w.writeframes(b"".join(struct.pack("<2h", *[int(16000 * math.sin(2 * math.pi * 440 * i / 44100))] * 2)
                       for i in range(2 * 44100)))
w.close()' "$test_dir/tone.wav" &&
  ffmpeg -loglevel error -i "$test_dir/tone.wav" -b:a 128k "$show/音乐.mp3" ||
  { echo "FAIL: cannot write the tone"; exit 1; }
printf '"红色.jpg"\r\n"green.png"\r\n"blue.bmp"\r\n' >"$show/pb.dat"
printf '"音乐.mp3"\r\n' >"$show/ms.dat"
printf '"1"\r\n' >"$show/kg.ini"
printf '"Glint 示例屏保"\r\n' >"$show/timu.dat"
cp "$dist/pb.sys" "$show/pb.cc" && cp "$dist/sp.sys" "$show/setup.exe" || exit 1
cp "$here/standalone_in_root.sh" "$source/tests/e2e/x_session.sh" "$test_dir/"
for folder in ${GLINT_SHOW_FOLDERS:-}; do
  if [[ -f $folder/屏幕保护-Linux.run ]]; then
    made_by=$(basename "$(dirname "$(realpath "$folder")")")
    install -D -m 644 "$folder/屏幕保护-Linux.run" "$test_dir/shows/$made_by/屏幕保护-Linux.run"
  else
    echo "SKIP: no $folder/屏幕保护-Linux.run (make test keeps it there, under Wine where it runs)"
  fi
done
chmod -R a+rX "$test_dir"

echo "The package in a fresh Debian $release root"
bash "$source/tools/in-root.sh" "$run" bash /tmp/glint-test/standalone_in_root.sh
