#!/usr/bin/env bash
# run-sample.sh BUILD_DIR DIST_DIR [--prepare-only]
# Lays out the sample show in BUILD_DIR/sample-package/ (removed and made afresh; nothing else is
# touched): our own pictures, music and lists from glint_make_sample, and DIST_DIR/pb.sys copied
# in as pb.cc. Then starts pb.cc from that folder, unless --prepare-only is given (tests and
# screenshots lay the folder out and start the player themselves).
set -euo pipefail

usage() { echo "usage: run-sample.sh BUILD_DIR DIST_DIR [--prepare-only]" >&2; exit 2; }
[[ $# -eq 2 || ( $# -eq 3 && $3 == --prepare-only ) ]] || usage
build=$1 dist=$2 start=yes
[[ $# -eq 3 ]] && start=no

generator=$build/assets/sample/glint_make_sample
player=$dist/pb.sys
[[ -x $generator ]] || { echo "run-sample.sh: $generator is missing; build first" >&2; exit 1; }
[[ -f $player ]] || { echo "run-sample.sh: $player is missing; run make dist first" >&2; exit 1; }

folder=$(cd "$build" && pwd)/sample-package
rm -rf -- "$folder"
mkdir -- "$folder"
# The generator needs no display: it only paints into images.
QT_QPA_PLATFORM=offscreen "$generator" "$folder" >/dev/null
cp -- "$player" "$folder/pb.cc"
chmod +x "$folder/pb.cc"

if [[ $start == no ]]; then
  echo "$folder"
  exit 0
fi
# The player finds its lists and media in the folder of its own executable.
cd "$folder"
exec "$folder/pb.cc"
