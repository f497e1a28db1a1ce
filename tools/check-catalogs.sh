#!/usr/bin/env bash
# Every catalog is well formed (msgfmt --check), holds every text the sources show, and translates
# each one (nothing untranslated or fuzzy, which would fall back to Chinese without a word).
# usage: tools/check-catalogs.sh
set -uo pipefail
cd "$(dirname "$0")/.."
template=$(mktemp --suffix=.pot) && trap 'rm -f "$template"' EXIT
bash tools/catalog-sources.sh >"$template" || { echo "FAIL: xgettext"; exit 1; }
failed=0
for po in po/*.po; do
  statistics=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1) ||
    { echo "FAIL: $po: $statistics"; failed=1; continue; }
  [[ $statistics == *untranslated* || $statistics == *fuzzy* ]] &&
    { echo "FAIL: $po: $statistics"; failed=1; }
  msgcmp --use-untranslated "$po" "$template" 2>&1 ||
    { echo "FAIL: $po lacks the texts above (tools/update-catalogs.sh adds them)"; failed=1; }
  ((failed)) || echo "ok: $po: $statistics"
done
exit "$failed"
