#!/usr/bin/env bash
# Peak memory of the batch commands on ordinary and pathological inputs,
# against the promises: conversions, GeoJSON in and out included, at most
# twice the input file's size plus 20 MB (the program itself takes about
# 15 MB before it reads anything); the polygon tools on one large ring at
# most four times plus 50 MB.
#   bash bench/memory.sh [TESSALINE] [MB] [RING_MB]
#   (default build/src/tessaline, 100 MB inputs, a 24.5 MB ring for the tools)
set -euo pipefail
bin=${1:-build/src/tessaline}
mb=${2:-100}
ring_mb=${3:-24.5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bytes=$((mb * 1024 * 1024))

python3 - "$work" "$bytes" "$ring_mb" <<'PY'
import math, sys
w, n, ring_mb = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
def put(name, head, line, tail=b"END\nEND\n"):
    with open(f"{w}/{name}", "wb") as f:
        f.write(head)
        f.write(line * ((n - len(head)) // len(line)))
        f.write(tail)
put("blank-lines.poly", b"t\n1\n 1.0 2.0\n", b"\n")
put("huge-numbers.poly", b"t\n1\n", b"1.0e308 1.0e308\n")
put("tiny-numbers.poly", b"t\n1\n", b"1.0e-300 1.0e-300\n")
put("whole-pairs.poly", b"t\n1\n", b"1 2\n")
put("short-vertices.poly", b"t\n1\n", b"1. 2\n")
put("typical.poly", b"t\n1\n", b"   1.373096E+01   5.239455E+01\n")
put("many-rings.poly", b"t\n", b"1\n 1.0 2.0\n 3.0 4.0\nEND\n")
put("one-line.poly", b"t\n1\n", b"7")
put("track.gpx", b"<gpx>", b'<trkpt lat="1" lon="2"></trkpt>\n', b"</gpx>")
# A rippled closed ring, as a coastline is, as .poly and as GeoJSON.
def ring(count):
    for i in range(count + 1):
        a = 2 * math.pi * (i % count) / count
        r = 1 + 0.001 * math.sin(37 * a) + 0.0003 * math.sin(311 * a)
        yield 10 + r * math.cos(a), 50 + 0.6 * r * math.sin(a)
with open(f"{w}/ring.poly", "w") as f:
    f.write("ring\n1\n" + "".join(f"   {x:.7f} {y:.7f}\n" for x, y in ring(int(ring_mb * 1e6 / 24.5))) + "END\nEND\n")
with open(f"{w}/polygon.geojson", "w") as f:
    f.write('{"type":"Polygon","coordinates":[[' + ",".join(f"[{x:.7f},{y:.7f}]" for x, y in ring(n // 24)) + "]]}")
PY

printf '%-20s %-24s %10s %8s\n' input command "peak MB" "x input"
measure() {  # FILE LABEL ARGS...
  local f=$1 label=$2
  shift 2
  /usr/bin/time -f %M -o "$work/kb" "$bin" "$@" 2>/dev/null >/dev/null || true
  local kb size
  kb=$(tail -1 "$work/kb")
  size=$(stat -c %s "$f")
  printf '%-20s %-24s %10d %8.2f\n' "$(basename "$f")" "$label" $((kb / 1024)) "$(echo "$kb * 1024 / $size" | bc -l)"
  rm -f "$work"/out.*
}
measure "$work/polygon.geojson" "--convert -o OUT.poly" --convert "$work/polygon.geojson" -o "$work/out.poly"
measure "$work/ring.poly" "--convert -o OUT.geojson" --convert "$work/ring.poly" -o "$work/out.geojson"
measure "$work/ring.poly" "--check" --check "$work/ring.poly"
measure "$work/ring.poly" "--simplify 10" --simplify 10 "$work/ring.poly" -o "$work/out.poly"
measure "$work/ring.poly" "--grow 100" --grow 100 "$work/ring.poly" -o "$work/out.poly"
# The area tools on the same ring: the clip keeps its western half.
printf 'half\n1\n   8.0 48.0\n   10.0 48.0\n   10.0 52.0\n   8.0 52.0\n   8.0 48.0\nEND\nEND\n' >"$work/half.clip"
measure "$work/ring.poly" "--union" --union "$work/ring.poly" -o "$work/out.poly"
measure "$work/ring.poly" "--clip HALF" --clip "$work/half.clip" "$work/ring.poly" -o "$work/out.poly"
measure "$work/ring.poly" "--subtract HALF" --subtract "$work/half.clip" "$work/ring.poly" -o "$work/out.poly"
measure "$work/ring.poly" "--drop-holes 1" --drop-holes 1 "$work/ring.poly" -o "$work/out.poly"
measure "$work/ring.poly" "--split-at-180" --split-at-180 "$work/ring.poly" -o "$work/out.poly"
for f in "$work"/*.poly "$work"/*.gpx; do
  [[ $f == */ring.poly ]] && continue
  size=$(stat -c %s "$f")
  for cmd in "--convert IN -o OUT.poly" "--convert IN -o OUT.poly --commit" "--convert IN -o OUT.gpx" \
             "--combine IN -o OUT.poly"; do
    [[ $f == *.gpx && $cmd == --combine* ]] && continue
    args=${cmd//IN/$f}
    args=${args//OUT/$work/out}
    # shellcheck disable=SC2086
    /usr/bin/time -f %M -o "$work/kb" "$bin" $args 2>/dev/null >/dev/null || true
    kb=$(tail -1 "$work/kb")
    printf '%-20s %-24s %10d %8.2f\n' "$(basename "$f")" "${cmd/ IN -o OUT/}" $((kb / 1024)) \
      "$(echo "$kb * 1024 / $size" | bc -l)"
    rm -f "$work"/out.*
  done
done
