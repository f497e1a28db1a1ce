#!/usr/bin/env bash
# Writes the notices of the libraries linked into the programs that travel inside a package
# (libjpeg-turbo, libpng, zlib from their static archives, and the GCC runtime) to OUT: each
# archive's copyright file as the Debian package that installed it ships it.
# usage: third_party_notices.sh OUT ARCHIVE...
set -euo pipefail
out=${1:?usage: third_party_notices.sh OUT ARCHIVE...}
shift
{
  echo "Glint's player (pb.sys, pb.cc) and installer (sp.sys, setup.exe) contain the following"
  echo "libraries, linked in. Their notices follow as their authors give them."
  echo
  echo "The GNU C++ library and the GCC runtime: GNU General Public License version 3 with the"
  echo "GCC Runtime Library Exception, which lets programs compiled with GCC carry them under"
  echo "terms of their own."
  for archive in "$@"; do
    owner=$(dpkg-query -S "$(readlink -f "$archive")" 2>/dev/null | head -n 1 | cut -d: -f1) ||
      { echo "third_party_notices.sh: no package holds $archive" >&2; exit 1; }
    echo
    echo "=============================================================================="
    echo "$(basename "$archive") (Debian package $owner)"
    echo "=============================================================================="
    cat "/usr/share/doc/$owner/copyright"
  done
} >"$out.tmp"
mv "$out.tmp" "$out"
