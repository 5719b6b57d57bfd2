#!/usr/bin/env bash
# The OpenStreetMap verbs from outside: --list-boundaries with and without
# --admin-level, --convert of relations with
# their exit statuses, and a document written as OSM XML read back.
# Usage: osm_boundaries.sh TESSALINE DATA_DIR
set -uo pipefail
tessaline=$1
cases=$2/../osm/cases
. "$(dirname "$0")/../support/checks.sh"
# expect STATUS WORDS...: runs the program and checks its exit status.
expect() {
  local want=$1; shift
  "$tessaline" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" = "$want" ] || fail "$* exited $got, not $want: $(cat "$work/err")"
}

expect 0 --list-boundaries "$cases/subarea.opl"
[ "$(cat "$work/out")" = "$(printf '100\t4\tState\n200\t6\tCounty')" ] || fail "listing: $(cat "$work/out")"
expect 0 --list-boundaries "$cases/subarea.opl" --admin-level 6
[ "$(cat "$work/out")" = "$(printf '200\t6\tCounty')" ] || fail "admin level 6: $(cat "$work/out")"
expect 2 --list-boundaries "$cases/subarea.opl" --admin-level six
expect 1 --list-boundaries "$work/missing.osm.pbf"

expect 0 --convert "$cases/square.opl" --relation 100 -o "$work/square.poly"
cmp -s "$work/square.poly" "$cases/square.expected" || fail "square.poly differs"
expect 1 --convert "$cases/square.opl" --relation 7 -o "$work/none.poly"
grep -q "Relation 7 is no boundary" "$work/err" || fail "a missing relation: $(cat "$work/err")"
expect 1 --convert "$cases/missing-way.opl" --relation 62422 -o "$work/berlin.poly"
grep -qx "Relation 62422 (Berlin) is incomplete: 1 member way is missing from this file" "$work/err" || fail "incomplete: $(cat "$work/err")"
[ -e "$work/berlin.poly" ] && fail "an incomplete relation was written"
expect 0 --convert "$cases/missing-way.opl" --relation 62422 --partial -o "$work/berlin.poly"
cmp -s "$work/berlin.poly" "$cases/missing-way.expected" || fail "berlin.poly differs"
expect 2 --convert "$cases/square.opl" --relation x -o "$work/x.poly"

# A document as OSM XML, read back as the same outline.
expect 0 --convert "$cases/hole.expected" -o "$work/lake.osm"
grep -q "<relation id=\"-1\">" "$work/lake.osm" && grep -q "<node id=\"-1\"" "$work/lake.osm" || fail "lake.osm has no relation -1 or node -1"
expect 0 --convert "$work/lake.osm" -o "$work/lake.poly"
cmp -s "$work/lake.poly" "$cases/hole.expected" || fail "lake.osm read back differs"
expect 1 --convert "$cases/hole.expected" -o "$work/lake.osm.pbf"
# A file of several boundaries opened as a document asks for a choice.
expect 1 --convert "$cases/subarea.opl" -o "$work/two.poly"
grep -q "choose them with" "$work/err" || fail "several boundaries: $(cat "$work/err")"

finish "OpenStreetMap verbs checked"
