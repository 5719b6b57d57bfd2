#!/usr/bin/env bash
# Every ring of every .poly file in the data and case folders, and a ring of
# values far below 1e-24, written as a GPX route by the batch command, must
# validate against the GPX 1.1 schema, without an exponent.
# Usage: gpx_schema.sh TESSALINE DATA_DIR   (GPX_XSD overrides the schema)
set -uo pipefail
tessaline=$1
data=$2
xsd=${GPX_XSD:-$data/gpx.xsd}
command -v xmllint >/dev/null || { echo "xmllint is needed (package libxml2-utils)"; exit 1; }
[ -f "$xsd" ] || { echo "no schema at $xsd"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'tiny\n1\n 1.0e-25 -3.0e-300\n 4.9e-324 1.0e-310\n -1.5e-30 2.0e-40\nEND\nEND\n' >"$work/tiny.poly"
files=0 rings=0 failures=0
for poly in "$data"/*.poly "$data"/../cases/*.poly "$work/tiny.poly"; do
  [ -f "$poly" ] || continue
  name=$(basename "$poly" .poly)
  ring=1
  while :; do
    out="$work/$name-$ring.gpx"
    if ! "$tessaline" --convert "$poly" -o "$out" --ring "$ring" 2>"$work/err"; then
      # The ring after the last one ends the file; a file that cannot be
      # read at all is the reader's business, not the writer's.
      if [ "$ring" -gt 1 ] && ! grep -q "no ring" "$work/err"; then
        echo "FAIL $name ring $ring: $(cat "$work/err")"
        failures=$((failures + 1))
      fi
      [ "$ring" -eq 1 ] && echo "skip $name: $(head -c 200 "$work/err" | tr '\r\n' '  ')"
      break
    fi
    if ! xmllint --noout --schema "$xsd" "$out" 2>"$work/lint"; then
      echo "FAIL $name ring $ring does not validate:"
      head -5 "$work/lint"
      failures=$((failures + 1))
    fi
    if grep -qE '"[-0-9.]*[eE]' "$out"; then
      echo "FAIL $name ring $ring has a coordinate with an exponent"
      failures=$((failures + 1))
    fi
    rings=$((rings + 1))
    ring=$((ring + 1))
  done
  [ "$ring" -gt 1 ] && files=$((files + 1))
done

echo "$rings rings of $files files checked, $failures failures"
[ "$rings" -gt 0 ] && [ "$failures" -eq 0 ]
