#!/usr/bin/env bash
# The Debian package end to end, as a new user meets it: installed with apt into a fresh Debian
# root of this machine's release (apt pulls the Depends from the mirror, so missing ones show),
# the menu entry's command started by an ordinary user under Xvfb, a picture and a music file
# chosen in the file dialog and a show built, all in that user's own folder; then purged, leaving
# no file of the package. The steps inside the root are deb_in_root.sh's.
# usage: deb_install_e2e.sh DEB
set -uo pipefail
deb=${1:?usage: deb_install_e2e.sh DEB}
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)

if (($(id -u) != 0)); then
  echo "SKIP: the package test makes a Debian root and enters it, which needs root"
  exit 77
fi
if ! command -v debootstrap >/dev/null && ! bash "$source/tools/install-deps.sh" debootstrap; then
  echo "SKIP: debootstrap is not installed and cannot be installed here"
  exit 77
fi
[[ -f $deb ]] || { echo "FAIL: no package $deb (make deb lays it)"; exit 1; }
for tool in python3 chroot; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[[ -n $codename ]] || { echo "SKIP: /etc/os-release names no release"; exit 77; }
base=$source/.roots/$codename-deb
run=$source/.roots/$codename-deb-run
# The fresh root is made once a week; every run installs into a copy of it.
bash "$source/tools/debian-root.sh" "$codename" "$base" || { echo "FAIL: no $codename root"; exit 1; }
rm -rf --one-file-system "$run"
trap 'rm -rf --one-file-system "$run"' EXIT
cp -a "$base" "$run" || { echo "FAIL: cannot copy the root"; exit 1; }

# What the test brings into the root: the package, the test's scripts, a photo and a tone.
test_dir=$run/tmp/glint-test
mkdir -p "$test_dir"
cp "$deb" "$test_dir/"
cp "$here/deb_in_root.sh" "$source/tests/e2e/x_session.sh" "$source/tests/e2e/file_dialog.sh" \
  "$test_dir/"
cp "$source/assets/maker/generated/sample_photo.jpg" "$test_dir/photo.jpg"
python3 -c 'import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(i * 0.3))) for i in range(8000)))
w.close()' "$test_dir/tone.wav"
chmod -R a+rX "$test_dir"

bash "$source/tools/in-root.sh" "$run" bash /tmp/glint-test/deb_in_root.sh \
  "/tmp/glint-test/$(basename "$deb")"
