#!/usr/bin/env bash
# Checks that the programs travelling inside a package run on any Linux desktop: they need only
# the C library and X11's client libraries (the C++ runtime linked in), and no C library symbol
# newer than glibc 2.34. On a build machine whose C library is newer than Debian 12's (2.36), the
# symbol floor is reported instead of enforced: such a build runs only where its floor is met.
# usage: check-portable-binary.sh PROGRAM...
set -uo pipefail
allowed='^(libc\.so\.6|libm\.so\.6|libdl\.so\.2|libpthread\.so\.0|librt\.so\.1|ld-linux-x86-64\.so\.2|libX11\.so\.6|libX11-xcb\.so\.1|libxcb(-[a-z0-9]+)?\.so\.[0-9]+|libXext\.so\.6|libXrandr\.so\.2|libXi\.so\.6|libXrender\.so\.1|libXft\.so\.2|libfontconfig\.so\.1|libfreetype\.so\.6)$'
floor=2.34
version_le() { [[ $(printf '%s\n%s\n' "$1" "$2" | sort -V | head -n 1) == "$1" ]]; }
build_glibc=$(getconf GNU_LIBC_VERSION | awk '{print $2}')
enforce=1
version_le "$build_glibc" 2.36 || enforce=0

status=0
for program in "$@"; do
  name=$(basename "$program")
  [[ -f $program ]] || { echo "FAIL: $program is missing"; status=1; continue; }
  others=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | grep -Ev "$allowed")
  if [[ -n $others ]]; then
    echo "FAIL: $name needs libraries a desktop may lack: $(echo $others)"
    status=1
  fi
  versions=$(objdump -T "$program" | grep -o '([A-Z_]*[0-9][0-9.]*)' | tr -d '()' | sort -u)
  foreign=$(grep -Ev '^GLIBC_[0-9.]+$' <<<"$versions")
  if [[ -n $foreign ]]; then
    echo "FAIL: $name takes symbols from a shared C++ or GCC runtime: $(echo $foreign)"
    status=1
  fi
  newest=$(grep -E '^GLIBC_' <<<"$versions" | sed 's/GLIBC_//' | sort -V | tail -n 1)
  if ! version_le "${newest:-0}" "$floor"; then
    if ((enforce)); then
      echo "FAIL: $name needs glibc $newest:" \
        "$(objdump -T "$program" | grep "GLIBC_$newest" | awk '{print $NF}' | sort -u | xargs)"
      status=1
      continue
    fi
    echo "NOTE: built with glibc $build_glibc, $name needs glibc $newest or later" \
      "(a build on Debian 12 needs $floor)"
    continue
  fi
  echo "PASS: $name needs glibc ${newest:-?} or later and only: $(readelf -d "$program" |
    sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | xargs)"
done
exit "$status"
