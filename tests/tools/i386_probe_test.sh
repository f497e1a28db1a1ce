#!/usr/bin/env bash
# The 32-bit probe: a file that is no program is refused with the kernel's reason on one line; the
# probe's own program runs here or is refused the same way, never silently.
set -uo pipefail
probe="$(dirname "$0")/../../tools/can-run-i386.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\x7fELF\x02\x01\x01not a program' >"$work/fake"
chmod +x "$work/fake"
reason=$(bash "$probe" "$work/fake") && { echo "FAIL: a file that is no program passed"; exit 1; }
[[ $reason == "Exec format error" ]] || { echo "FAIL: reason '$reason'"; exit 1; }
if reason=$(bash "$probe"); then
  [[ -z $reason ]] || { echo "FAIL: printed '$reason' on success"; exit 1; }
  echo "this machine runs 32-bit x86 programs"
else
  [[ $(wc -l <<<"$reason") -eq 1 && -n $reason ]] || { echo "FAIL: no reason given"; exit 1; }
  echo "this machine refuses 32-bit x86 programs: $reason"
fi
