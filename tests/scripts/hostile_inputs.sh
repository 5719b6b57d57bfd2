#!/usr/bin/env bash
# Inputs made to crash, hang or exhaust the polygon tools, through every verb with a time and a
# memory limit per run: each must end in time, without a signal, with status 0 or 1 and a message
# with a 1, and a refused write must leave OUT as it was.
#   hostile_inputs.sh TESSALINE_BINARY TEST_DATA_DIR
set -u
bin=$1
. "$(dirname "$0")/../support/checks.sh"

# run NAME SECONDS MEGABYTES COMMAND...: the status in $status, standard
# output in $work/out, standard error in $work/err.
run() {
  timeout "$2" prlimit --as=$(($3 * 1024 * 1024)) "${@:4}" >"$work/out" 2>"$work/err"
  status=$? name=$1
  [ $status -ge 2 ] && fail "$name: status $status: $(head -c 300 "$work/err")"
  [ $status -eq 1 ] && [ ! -s "$work/err" ] && fail "$name: status 1 without a message"
}
# expect NAME STATUS TEXT: the last run's status and a text of its message.
expect() { [ "$status" -eq "$2" ] && grep -q -- "$3" "$work/err" || fail "$1: status $status, wanted $2 and '$3'"; }

python3 - "$work" <<'PY'
import os, random, sys
random.seed(26)
def poly(name, rings):
    with open(os.path.join(sys.argv[1], name), "w") as f:
        f.write("hostile\n" + "".join(f"{i + 1}\n" + "".join(f"   {x:.7f} {y:.7f}\n" for x, y in r) + "END\n"
                                      for i, r in enumerate(rings)) + "END\n")
square, ring = [(10, 50), (11, 50), (11, 51), (10, 51), (10, 50)], [(10 + random.random(), 50 + random.random()) for _ in range(1000)]
poly("square.poly", [square]), poly("random.poly", [ring + ring[:1]]), poly("squares.poly", [square] * 32767)
poly("twenty-thousand.poly", [square] * 20000)
with open(os.path.join(sys.argv[1], "nested.geojson"), "w") as f:
    f.write('{"type":"GeometryCollection","geometries":[' * 200000 + '{"type":"Polygon","coordinates":[[[0,0],[1,0],[1,1],[0,0]]]}'
            + "]}" * 200000)
PY

# Every verb on one input, --check last (its listing of problems is left
# in $work/out, the areas that follow it in $work/areas).
every_verb() {
  local in=$1 seconds=$2 out=$work/out-$(basename "$1")
  for words in "--convert $in -o $out.poly --commit" "--convert $in -o $out.gpx" "--convert $in -o $out.geojson" \
               "--combine $in -o $out.poly" "--simplify 100 $in -o $out.poly" "--grow 100 $in -o $out.poly" \
               "--grow -100 $in -o $out.poly --mitre" "--render $in -o $out.png --size 200x150" \
               "--union $in -o $out.poly" "--clip $work/square.poly $in -o $out.poly" "--subtract $work/square.poly $in -o $out.poly" \
               "--drop-holes 1 $in -o $out.poly" "--split-at-180 $in -o $out.poly" "--check $in"; do
    # shellcheck disable=SC2086
    run "$words" "$seconds" 1024 "$bin" $words
  done
  grep -e ' km²' "$work/out" >"$work/areas" || true
  grep -v -e ' km²' "$work/out" >"$work/problems" || true
  mv "$work/problems" "$work/out"
}

# GeoJSON nested 200,000 deep (9 MB): refused by every verb, OUT kept.
echo old >"$work/kept.poly"
for verb in "--convert" "--simplify 10" "--grow 10" "--check"; do
  output=(-o "$work/kept.poly")
  [ "$verb" = --check ] && output=()
  # shellcheck disable=SC2086
  run "nested GeoJSON $verb" 60 1024 "$bin" $verb "$work/nested.geojson" "${output[@]}"
  expect "nested GeoJSON $verb" 1 "nested deeper than 64"
done
# Distances beyond the Earth: refused with a message, OUT kept.
for metres in 1e300 -1e300 1e200 1e250 2.1e7; do
  run "grow $metres" 60 1024 "$bin" --grow "$metres" "$work/square.poly" -o "$work/kept.poly"
  expect "grow $metres" 1 "Distances beyond 20,000 km"
done
[ "$(cat "$work/kept.poly")" = old ] || fail "a refused input replaced OUT"

every_verb "$work/square.poly" 60
# 1000 random vertices crossing themselves some 100,000 times, and 32,767
# equal squares each overlapping every other.
every_verb "$work/random.poly" 120
# A thousand problems listed, the rest counted: the count on standard error is their sum.
more=$(tail -1 "$work/out" | sed -n 's/^and \([0-9]*\) more$/\1/p')
[ "$(wc -l <"$work/out")" -eq 1001 ] && grep -q ": $((more + 1000)) problems" "$work/err" || fail "check of the random ring"
every_verb "$work/squares.poly" 180
[ "$(tail -1 "$work/out")" = "and 31766 more" ] || fail "check of the squares: $(tail -1 "$work/out")"
# Every square's area, and their total counted once: the square's own.
[ "$(wc -l <"$work/areas")" -eq 32768 ] && [ "$(tail -1 "$work/areas")" = "Total: 7,892 km²" ] || fail "areas of the squares"

# Two files of 20,000 rings are more than a document holds: the combine is refused and OUT kept.
run "combine past the ring limit" 120 1024 "$bin" --combine "$work/twenty-thousand.poly" "$work/twenty-thousand.poly" -o "$work/kept.poly"
expect "combine past the ring limit" 1 "Too many rings"
[ "$(cat "$work/kept.poly")" = old ] || fail "a refused combine replaced OUT"

# A ring the file does not have, and a background that is not there, are refused.
run "GeoJSON to GPX" 60 1024 "$bin" --convert "$work/out-square.poly.geojson" -o "$work/out.gpx" --ring 2
expect "GeoJSON to GPX" 1 "no ring 2"
run "no background" 60 1024 "$bin" --render "$work/square.poly" -o "$work/out.png" --background "$work/none.poly"; expect "no background" 1 none.poly
# Too little memory for the work: a message, not an abort. (The window's
# libraries, Qt Network and Qt SQL among them, take about 85 MB of
# address space before any work.)
run "grow with little memory" 120 120 "$bin" --grow 100 "$work/random.poly" -o "$work/kept.poly"
expect "grow with little memory" 1 "Not enough memory"
run "check with little memory" 120 90 "$bin" --check "$work/random.poly"

# A read-only OUT in a writable folder: refused, kept, still read-only.
for ending in poly gpx geojson png; do echo old >"$work/locked.$ending" && chmod 0444 "$work/locked.$ending"; done
for words in "--convert $work/square.poly -o $work/locked.poly" "--convert $work/square.poly -o $work/locked.gpx" \
             "--grow 10 $work/square.poly -o $work/locked.geojson" "--simplify 10 $work/square.poly -o $work/locked.poly" \
             "--combine $work/square.poly -o $work/locked.poly" "--render $work/square.poly -o $work/locked.png"; do
  # shellcheck disable=SC2086
  run "read-only: $words" 60 1024 "$bin" $words
  expect "read-only: $words" 1 "read-only"
done
[ "$(cat "$work"/locked.* | sort -u)" = old ] && [ "$(stat -c %a "$work"/locked.* | sort -u)" = 444 ] || fail "a read-only OUT changed"

finish "hostile inputs checked"
