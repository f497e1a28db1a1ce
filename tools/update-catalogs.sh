#!/usr/bin/env bash
# Brings every catalog po/*.po up to the texts in the sources: new texts come in untranslated,
# texts no longer used go. Translate what msgfmt --statistics then counts as untranslated.
# usage: tools/update-catalogs.sh
set -euo pipefail
cd "$(dirname "$0")/.."
template=$(mktemp --suffix=.pot) && trap 'rm -f "$template"' EXIT
bash tools/catalog-sources.sh >"$template"
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-wrap --no-fuzzy-matching "$po" "$template"
  msgattrib --no-obsolete --no-wrap -o "$po" "$po"
  printf '%s: ' "$po"; msgfmt --check --statistics -o /dev/null "$po"
done
