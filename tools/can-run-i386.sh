#!/usr/bin/env bash
# Whether this machine runs 32-bit x86 programs, as Wine's 32-bit half needs: many containers and
# kernels built without IA-32 emulation refuse them with "Exec format error". Runs a 93-byte i386
# program that exits with status 42 (or PROGRAM, when given, in its place). Exits 0 when it ran;
# otherwise prints the reason on one line and exits 1.
# usage: can-run-i386.sh [PROGRAM]
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=${1:-}
if [[ -z $program ]]; then
  program=$work/exit42
  # ELF header, one loadable segment at 0x08048000, then: xor ebx,ebx; mov bl,42; xor eax,eax;
  # inc eax; int 0x80 (exit(42)).
  printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00' \
    '\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' >"$program"
  chmod +x "$program"
fi
"$program" 2>"$work/err" </dev/null >/dev/null
status=$?
((status == 42)) && exit 0
reason=$(tail -n 1 "$work/err" | sed 's/^.*: //')
echo "${reason:-exit status $status}"
exit 1
