#!/usr/bin/env bash
# Whole-process times of the batch commands beside the floor program
# (bench/floor/floor.cpp), measured in the same run, runs interleaved:
#   --convert of a 1,000,000-vertex ring    against  bench_floor poly
#   --convert of 1,000,000 GPX track points against  bench_floor gpx
# Prints the median wall time of each in milliseconds and the ratio.
#   bash bench/against_floor.sh [BUILD] [RUNS]   (default build-bench, 11)
# TESSALINE=path measures another build of the program against the same floor.
set -euo pipefail
build=${1:-build-bench}
runs=${2:-11}
bin=${TESSALINE:-$build/src/tessaline}
floor=$build/bench/bench_floor
data=${TMPDIR:-/tmp}/tessaline-bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$data"

# The same inputs as the in-process benchmarks (bench/BenchData.cpp,
# bench/gpx_import.cpp), made once.
python3 - "$data" <<'PY'
import math, os, sys
d = sys.argv[1]
ring = f"{d}/rings1-v1000000.poly"
if not os.path.exists(ring):
    with open(ring, "w") as f:
        f.write("benchmark\n1\n")
        n = 1000000
        for i in range(n):
            a = 2 * math.pi * i / n
            lon = 10 + math.cos(a) * (1 + 0.1 * math.sin(7 * a))
            lat = 50 + math.sin(a) * (1 + 0.1 * math.cos(5 * a))
            f.write("   %.6E   %.6E\n" % (lon, lat))
        f.write("END\nEND\n")
track = f"{d}/track-1m.gpx"
if not os.path.exists(track):
    with open(track, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<gpx version="1.1" creator="bench">\n'
                '<metadata><bounds minlat="46.0" minlon="7.0" maxlat="48.0" maxlon="9.0"/></metadata>\n'
                '<trk><name>long ride</name><trkseg>\n')
        for i in range(1000000):
            lat = 46.0 + (i % 20000) * 0.0001234567
            lon = 7.0 + (i // 20000) * 0.0345678912 + (i % 7) * 0.0000012345
            f.write('  <trkpt lat="%.9f" lon="%.9f"><ele>%d.%d</ele><time>2024-05-01T%02d:%02d:%02dZ</time></trkpt>\n'
                    % (lat, lon, 400 + i % 300, i % 10, (i // 3600) % 24, (i // 60) % 60, i % 60))
        f.write("</trkseg></trk>\n</gpx>\n")
PY

# Milliseconds of one run of a command.
ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

compare() {
    local name=$1 kind=$2 input=$3 ours=() floors=()
    for ((i = 0; i < runs; i++)); do
        floors+=("$(ms "$floor" "$kind" "$input" "$out/floor.out")")
        ours+=("$(ms "$bin" --convert "$input" -o "$out/ours.poly")")
    done
    local f o
    f=$(printf '%s\n' "${floors[@]}" | median)
    o=$(printf '%s\n' "${ours[@]}" | median)
    printf '%-34s %8s ms %8s ms %6.2f x\n' "$name" "$o" "$f" "$(echo "$o / $f" | bc -l)"
}

printf '%-34s %11s %11s %8s\n' "" tessaline floor ratio
compare "--convert 1,000,000-vertex ring" poly "$data/rings1-v1000000.poly"
compare "--convert 1,000,000 GPX points" gpx "$data/track-1m.gpx"
