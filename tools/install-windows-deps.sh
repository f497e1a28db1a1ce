#!/usr/bin/env bash
# Installs what the Windows build and its tests need on Debian. "build": the mingw-w64 cross
# compiler for 32-bit Windows. "tests": that, and Wine with its 32-bit half, the media plugins Wine
# plays music through and the X tools the tests drive the programs with; on a machine that cannot
# run 32-bit x86 programs Wine's 32-bit half would never run (and costs minutes and host packages),
# so there only the cross compiler is installed, as with GLINT_WINDOWS_TESTS=checks-only. As root
# it installs what is missing; otherwise it prints the commands to run. When everything is there it
# asks apt nothing.
# usage: install-windows-deps.sh build|tests
#
# Wine's 32-bit half, wine32:i386, pulls in the i386 JACK library, and apt then removes the host's
# JACK library and gstreamer1.0-plugins-good with it (the Linux build's tests need them) unless
# libjack0 for both architectures is named in the same install.
#
# The tests run Wine under LC_ALL=zh_CN.UTF-8, so that the ANSI code page is GBK as on a Chinese
# system; that locale is made when the system lacks it.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix libgtest-dev)
# Wine's X11 driver loads the X extension libraries at run time, and apt installs them only as
# recommendations. Without XInput 2 (libxi6), Wine 10 refuses to confine the pointer to a
# full-screen window and asks again at once, forever: the program's message queue never empties,
# so the show never draws its first picture.
wine_packages=(wine wine32:i386 libjack0:i386 libjack0:amd64 gstreamer1.0-plugins-good:i386
  gstreamer1.0-plugins-good:amd64 xvfb xdotool locales libxi6:i386 libxcursor1:i386
  libxrandr2:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libxrender1:i386
  libxxf86vm1:i386)
case ${1:-} in
  build) wanted=build ;;
  tests)
    wanted=tests
    if [[ ${GLINT_WINDOWS_TESTS:-} == checks-only ]]; then
      wanted=build
    elif reason=$(bash "$(dirname "$0")/can-run-i386.sh"); then
      packages+=("${wine_packages[@]}")
    else
      echo "Not installing Wine: this machine cannot run 32-bit x86 programs ($reason)"
      wanted=build
    fi
    ;;
  *) echo "usage: install-windows-deps.sh build|tests" >&2; exit 2 ;;
esac

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
i386_added() {
  [[ $wanted == build ]] || dpkg --print-foreign-architectures | grep -qx i386
}
chinese_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if ! i386_added || [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing for the Windows build: ${missing[*]:-the i386 architecture}. Run as root:"
    add=""
    [[ $wanted == tests ]] && add="dpkg --add-architecture i386 && "
    echo "  ${add}apt-get update && apt-get install -y ${packages[*]}"
    exit 1
  fi
  echo "Installing for the Windows build: ${missing[*]:-the i386 architecture}"
  i386_added || dpkg --add-architecture i386
  apt-get update -qq
  # All in one install, so apt weighs the two architectures' libraries together.
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}" \
    >/dev/null
  for p in "${packages[@]}"; do
    installed "$p" || { echo "install-windows-deps.sh: $p did not install" >&2; exit 1; }
  done
fi

if [[ $wanted == tests ]] && ! chinese_locale; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing for the Windows tests: the zh_CN.UTF-8 locale. Run as root:"
    echo "  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8"
    exit 1
  fi
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
