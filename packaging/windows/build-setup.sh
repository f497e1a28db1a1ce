#!/usr/bin/env bash
# Lays the 32-bit Windows setup program glint-VERSION-setup.exe into OUT_DIR, made with NSIS
# (glint-setup.nsi) from the authoring program's own folder WINDOWS_DIST (make windows lays it);
# the version is the Windows build's, from the one place in the build (CMakeLists.txt).
# usage: build-setup.sh WINDOWS_BUILD WINDOWS_DIST OUT_DIR
set -euo pipefail
build=${1:?usage: build-setup.sh WINDOWS_BUILD WINDOWS_DIST OUT_DIR}
dist=${2:?usage: build-setup.sh WINDOWS_BUILD WINDOWS_DIST OUT_DIR}
out=${3:?usage: build-setup.sh WINDOWS_BUILD WINDOWS_DIST OUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "build-setup.sh: $*" >&2; exit 1; }

[[ -f $build/glint-version.txt ]] || fail "$build is not a configured build folder"
version=$(<"$build/glint-version.txt")
# Windows wants four numbers in the program's version resource.
IFS=. read -r major minor patch tweak <<<"$version"
version4=${major:-0}.${minor:-0}.${patch:-0}.${tweak:-0}
for name in glintmaker.exe pb.sys sp.sys pb.htm pb_en.htm pic/en; do
  [[ -e $dist/$name ]] || fail "$dist has no $name (make windows lays it)"
done
mkdir -p "$out"
setup=$(cd "$out" && pwd)/glint-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DVERSION4=$version4" \
  "-DDIST=$(cd "$dist" && pwd)" \
  "-DICON=$here/../../assets/maker/generated/icon.ico" "-DOUTFILE=$setup" "$here/glint-setup.nsi" ||
  fail "makensis failed"
echo "$setup is laid"
