#!/usr/bin/env bash
# make test on another Debian release: a fresh root of RELEASE (tools/debian-root.sh, kept in
# ROOTS, by default .roots/ of this clone, for a week), this clone's committed HEAD cloned into it,
# and `make test` run there as root. The Windows part runs under Wine where this machine runs
# 32-bit programs, and stops at the cross-build and its checks elsewhere (or when
# GLINT_WINDOWS_TESTS=checks-only is set).
# Prints the run's log to LOG, its closing lines here, and exits with make's status.
# usage: test-in-debian-root.sh RELEASE
set -uo pipefail
release=${1:?usage: test-in-debian-root.sh RELEASE}
top=$(cd "$(dirname "$0")/.." && pwd)
roots=${GLINT_ROOTS:-$top/.roots}
root=$roots/$release
log=$roots/$release-test.log
started=$SECONDS

if (($(id -u) != 0)); then
  echo "SKIP: make test in a Debian $release root needs root (debootstrap, chroot)"
  exit 0
fi
mkdir -p "$roots"
bash "$top/tools/debian-root.sh" "$release" "$root" || { echo "FAIL: no Debian $release root"; exit 1; }

commit=$(git -C "$top" rev-parse HEAD)
rm -rf "$root/src/glint"
git clone --quiet --no-hardlinks "$top" "$root/src/glint" &&
  git -C "$root/src/glint" checkout --quiet "$commit" || { echo "FAIL: cannot clone $commit"; exit 1; }

echo "make test in the Debian $release root $root (log: $log)"
bash "$top/tools/in-root.sh" "$root" env GLINT_WINDOWS_TESTS="${GLINT_WINDOWS_TESTS:-}" CI="${CI:-}" \
  bash -c 'cd /src/glint && make test' >"$log" 2>&1
status=$?
minutes=$(((SECONDS - started) / 60))
if ((status != 0)); then
  tail -n 60 "$log"
  echo "FAIL: make test in the Debian $release root failed after $minutes min (log: $log)"
  exit "$status"
fi
# The suite's closing lines: ctest's for the Linux build and the sanitizer build, the Windows part's.
grep -E '^[0-9]+% tests passed|^SKIP:|^[0-9]+ passed, [0-9]+ failed' "$log"
echo "Debian $release: make test passed in $minutes min"
