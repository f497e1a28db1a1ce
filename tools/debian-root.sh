#!/usr/bin/env bash
# Makes DIR a fresh Debian root of RELEASE (bookworm, trixie, ...) with debootstrap, from the Debian
# mirror this machine's apt is configured with. A root made less than a week ago is kept as it is.
# Usage: tools/debian-root.sh RELEASE DIR
set -euo pipefail
release=$1 dir=$2
stamp="$dir/.glint-root-made"

if [ -f "$stamp" ] && [ -n "$(find "$stamp" -mtime -7 2>/dev/null)" ] \
    && [ "$(cat "$stamp")" = "$release" ]; then
  exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "making a Debian root needs root" >&2; exit 1; }
command -v debootstrap >/dev/null || bash "$(dirname "$0")/install-deps.sh" debootstrap

# The first Debian archive apt uses here (deb822 sources or the one-line form), not a security one.
mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null \
  | awk '/^URIs:/ {print $2}' | grep -v -e security -e '^$' | head -n 1 || true)
if [ -z "$mirror" ]; then
  mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
    | awk '$1 == "deb" {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' \
    | grep -v security | head -n 1 || true)
fi
[ -n "$mirror" ] || { echo "no Debian mirror found in this machine's apt sources" >&2; exit 1; }

# A root left half mounted by a run that was killed is unmounted before it is removed.
if [ -d "$dir" ]; then
  for m in proc sys dev; do umount -R "$dir/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$dir"
fi
mkdir -p "$dir"
echo "Making a Debian $release root in $dir from $mirror"
debootstrap --variant=minbase --include=make,git,ca-certificates "$release" "$dir" "$mirror" \
  >"$dir.debootstrap.log" 2>&1 || { tail -n 20 "$dir.debootstrap.log" >&2; exit 1; }
cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
echo "$release" >"$stamp"
