#!/usr/bin/env bash
# Runs a command as root inside the Debian root DIR (tools/debian-root.sh), with /proc, /sys and
# /dev bound from this machine as slaves (nothing mounted inside propagates back) and unmounted
# again however the command ends.
# Usage: tools/in-root.sh DIR COMMAND [ARG...]
set -euo pipefail
dir=$(cd "$1" && pwd) && shift

unmount() {
  for m in dev sys proc; do
    mountpoint -q "$dir/$m" && umount -R "$dir/$m" 2>/dev/null || umount -R -l "$dir/$m" 2>/dev/null || true
  done
}
trap unmount EXIT
trap 'exit 130' INT TERM
for m in proc sys dev; do
  mount --rbind "/$m" "$dir/$m"
  mount --make-rslave "$dir/$m"
done
cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
env -i HOME=/root TERM="${TERM:-dumb}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 CI="${CI:-}" chroot "$dir" "$@"
