#!/usr/bin/env bash
# Peak memory of the batch commands on ordinary and pathological inputs,
# against the promise: at most twice the input file's size plus 20 MB (the
# program itself takes about 15 MB before it reads anything).
#   bash bench/memory.sh [TESSALINE] [MB]    (default build/src/tessaline, 100 MB inputs)
set -euo pipefail
bin=${1:-build/src/tessaline}
mb=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bytes=$((mb * 1024 * 1024))

python3 - "$work" "$bytes" <<'PY'
import sys
w, n = sys.argv[1], int(sys.argv[2])
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
PY

printf '%-20s %-24s %10s %8s\n' input command "peak MB" "x input"
for f in "$work"/*.poly "$work"/*.gpx; do
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
