#!/usr/bin/env bash
# Starts the real program under Xvfb on a 5-million-vertex file, as a file
# manager would, and tells when the window was first painted, when the file
# was read and when its ring was drawn, in milliseconds from the program's
# start (TESSALINE_START_TIMES), and the wall time from the command to the
# drawn ring. Median of RUNS runs.
# Usage: bash bench/window_start.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-5}
program=$(realpath "$build/src/tessaline")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/five-million.poly" <<'PY'
import math, sys
n = 5_000_000
with open(sys.argv[1], "w") as out:
    out.write("five million\n1\n")
    for i in range(n):
        a = 2 * math.pi * i / n
        r = 1 + 0.05 * math.sin(a * 400)
        out.write(f"   {10 + r * math.cos(a):.7f} {50 + r * math.sin(a):.7f}\n")
    out.write("END\nEND\n")
PY
ls -l "$work/five-million.poly" | awk '{printf "input: %.0f MB\n", $5 / 1e6}'
cat > "$work/once.sh" <<SH
#!/usr/bin/env bash
export HOME="$work/home"; mkdir -p "\$HOME"
start=\$(date +%s%N)
TESSALINE_START_TIMES=1 "$program" "$work/five-million.poly" 2> "$work/times" &
pid=\$!
until grep -q drawn "$work/times" 2>/dev/null; do sleep 0.01; done
echo "wall \$(( (\$(date +%s%N) - start) / 1000000 ))"
grep -o '[a-z]* [0-9]* ms' "$work/times" | sed 's/ ms//'
kill \$pid; wait \$pid 2>/dev/null || true
SH
chmod +x "$work/once.sh"
for ((i = 0; i < runs; ++i)); do xvfb-run -a -s "-screen 0 1600x1000x24" "$work/once.sh"; done > "$work/all"
for step in shown read drawn wall; do
  grep "^$step " "$work/all" | awk '{print $2}' | sort -n | awk -v s="$step" '{v[NR]=$1} END {printf "%-6s median %d ms (of %d runs)\n", s, v[int((NR+1)/2)], NR}'
done
