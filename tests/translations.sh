#!/usr/bin/env bash
# The translations are complete: reading the sources again into copies of the .ts files
# must find no text without an entry, no entry unfinished and none whose text has gone
# from the code. Needs LUPDATE, SRC_DIR, and the build's SOURCE_DIRS and LUPDATE_OPTIONS
# (blank-separated), so that it reads the sources as `make translations` does.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$SRC_DIR"
cp translations/azodo_en.ts translations/azodo_de.ts "$work/"
read -ra dirs <<<"${SOURCE_DIRS:?}"
read -ra opts <<<"${LUPDATE_OPTIONS:?}"
"$LUPDATE" "${opts[@]}" "${dirs[@]}" -ts "$work/azodo_en.ts"
"$LUPDATE" "${opts[@]}" -pluralonly "${dirs[@]}" -ts "$work/azodo_de.ts"
fail=0
for ts in azodo_en.ts azodo_de.ts; do
  for kind in unfinished vanished obsolete; do
    n=$(grep -c "type=\"$kind\"" "$work/$ts" || true)
    if [ "$n" -ne 0 ]; then
      echo "FAIL: $ts has $n $kind entries; run: make translations, then translate" >&2
      grep -B2 "type=\"$kind\"" "$work/$ts" | grep '<source>' | head -5 >&2
      fail=1
    fi
  done
done
# English has an entry for every text, German only for its plural forms.
en=$(grep -c '<source>' "$work/azodo_en.ts")
[ "$en" -gt 200 ] || { echo "FAIL: only $en English entries" >&2; fail=1; }
if grep -q '<source>' "$work/azodo_de.ts" && grep '<message' "$work/azodo_de.ts" | grep -vq 'numerus="yes"'; then
  echo "FAIL: azodo_de.ts holds more than plural forms" >&2
  fail=1
fi
[ "$fail" -eq 0 ] && echo "translations complete: $en English entries"
exit "$fail"
