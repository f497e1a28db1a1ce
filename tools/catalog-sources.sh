#!/usr/bin/env bash
# Writes to stdout the template of every text the programs show (a .pot), taken from the sources
# by xgettext: tr("..."), trf("...", ...) and N_("...").
# usage: tools/catalog-sources.sh
set -euo pipefail
cd "$(dirname "$0")/.."
find language package platform player maker installer assets -name '*.cpp' -o -name '*.h' |
  grep -v '/tests\?/' | LC_ALL=C sort |
  xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=tr --keyword=trf:1 \
    --keyword=N_ --sort-by-file --no-wrap --package-name=glint -o - -f -
