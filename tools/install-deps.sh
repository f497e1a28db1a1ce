#!/usr/bin/env bash
# Installs the Debian packages named. As root it installs what is missing; otherwise it prints the
# one apt-get line to run. A name ending in "?" is wanted only where this release has such a
# package (libheif's codec plugins, say, which Debian 12 builds into libheif itself): apt is asked.
set -euo pipefail
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
known() { apt-cache show "$1" >/dev/null 2>&1; }
updated=false
update() { $updated || { apt-get update -qq; updated=true; }; }

missing=() maybe=()
for p in "$@"; do
  if [[ $p == *\? ]]; then
    installed "${p%\?}" || maybe+=("${p%\?}")
  else
    installed "$p" || missing+=("$p")
  fi
done
if [ ${#maybe[@]} -gt 0 ]; then
  # Without package lists apt knows no package at all: fetch them first.
  if ! ls /var/lib/apt/lists/*_Packages >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then update; fi
  for p in "${maybe[@]}"; do known "$p" && missing+=("$p"); done
fi
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  update
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "Missing packages. Run as root:"
  echo "  apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi
