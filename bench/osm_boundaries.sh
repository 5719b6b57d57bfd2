#!/usr/bin/env bash
# The OpenStreetMap verbs as whole processes on the 100 MB .osm.pbf that
# bench_osm_boundaries makes: --list-boundaries, then --convert of one
# relation, against `osmium getid -r` of it and `osmium export`, in turns,
# with each process's peak memory against the file's size.
#   bash bench/osm_boundaries.sh BUILD_DIR [RUNS]   (a -DTESSALINE_BENCH=ON build)
set -euo pipefail
build=${1:-build-bench}
runs=${2:-5}
{ read -r pbf; read -r relation; } < <("$build/bench/bench_osm_boundaries" --make)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
size_kb=$(( $(stat -c %s "$pbf") / 1024 ))

# timed NAME COMMAND...: seconds and peak kB of one process, appended to NAME.
timed() {
  local name=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/t" "$@" >/dev/null 2>&1
  cat "$work/t" >>"$work/$name"
}
for ((i = 0; i < runs; i++)); do
  timed list "$build/src/tessaline" --list-boundaries "$pbf"
  timed convert "$build/src/tessaline" --convert "$pbf" --relation "$relation" -o "$work/one.poly"
  timed getid osmium getid -r -O -o "$work/one.osm.pbf" "$pbf" "r$relation"
  timed export osmium export -O -o "$work/one.geojson" "$work/one.osm.pbf"
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for name in list convert getid export; do
  printf '%-8s median %6.2f s   peak %7d kB\n' "$name" "$(cut -d' ' -f1 "$work/$name" | median)" \
    "$(cut -d' ' -f2 "$work/$name" | sort -n | tail -1)"
done
echo "input    $size_kb kB"
