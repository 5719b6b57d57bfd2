#!/usr/bin/env bash
# Hostile files pushed through every batch verb: each run must end within
# its bound, without a crash, and say something when it fails.
#   hostile_files.sh TESSALINE_BINARY TEST_DATA_DIR
set -u
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME SECONDS COMMAND...: the command ends in time, with an exit
# status below 128 (no signal), and a failure comes with a message.
check() {
  local name=$1 bound=$2
  shift 2
  local start=$SECONDS
  timeout "$bound" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  if [ $status -ge 124 ]; then
    echo "FAIL $name: status $status after $((SECONDS - start))s"; sed -n 1,5p "$work/err"
    failures=$((failures + 1))
  elif [ $status -ne 0 ] && [ ! -s "$work/err" ]; then
    echo "FAIL $name: failed without a message"; failures=$((failures + 1))
  else
    echo "ok   $name (status $status, $((SECONDS - start))s)"
  fi
}

python3 - "$work" <<'PY'
import os, random, sys
w = sys.argv[1]
random.seed(7)
def put(name, data):
    with open(os.path.join(w, name), "wb") as f: f.write(data)
put("random.poly", bytes(random.getrandbits(8) for _ in range(300000)))
put("nul.poly", b"t\x00\n1\n 1.0\x00 2.0\n\x00\x00 3.0 4.0\n 1.0 2.0\nEND\nEND\n" + b"\x00" * 100000)
put("oneline.poly", b"7" * (100 * 1024 * 1024))
put("ends.poly", b"END\n" * 1000000)
put("mixed.poly", b"t\r1\r\n 1.0 1.0\r 2.0 1.0\n\r 2.0 2.0\r\n 1.0 1.0\rEND\n\rEND\r")
put("rings32768.poly", b"t\n" + b"1\n 1.0 1.0\n 2.0 2.0\n 1.0 1.0\nEND\n" * 32768 + b"END\n")
put("name with spaces été.poly", b"t\n1\n 1.0 1.0\n 2.0 1.0\n 2.0 2.0\n 1.0 1.0\nEND\nEND\n")
put("deep.gpx", b"<gpx>" + b"<a>" * 200000 + b'<trkpt lat="1.5" lon="2.5"/>' + b"</a>" * 200000 + b"</gpx>")
put("binary.gpx", bytes(random.getrandbits(8) for _ in range(300000)) + b' lat="1.0" lon="')
put("nopoints.gpx", b"<gpx></gpx>")
PY

for f in random.poly nul.poly oneline.poly ends.poly mixed.poly rings32768.poly "name with spaces été.poly"; do
  check "convert $f" 60 "$bin" --convert "$work/$f" -o "$work/out.poly"
  check "commit $f" 60 "$bin" --convert "$work/$f" -o "$work/out.poly" --commit
  check "to gpx $f" 60 "$bin" --convert "$work/$f" -o "$work/out.gpx"
  check "combine $f" 60 "$bin" --combine "$work/$f" "$work/mixed.poly" -o "$work/merged.poly"
  check "render $f" 60 "$bin" --render "$work/$f" -o "$work/out.png" --size 320x240
  check "background $f" 60 "$bin" --render "$work/mixed.poly" -o "$work/out.png" --size 320x240 --background "$work/$f"
done
for f in deep.gpx binary.gpx nopoints.gpx; do
  check "convert $f" 60 "$bin" --convert "$work/$f" -o "$work/out.poly"
  check "background $f" 60 "$bin" --render "$work/mixed.poly" -o "$work/out.png" --size 320x240 --background "$work/$f"
done

# A batch run into a folder it cannot write fails and keeps the old file.
mkdir "$work/locked"
echo "old" > "$work/locked/out.poly"
if command -v chattr >/dev/null && chattr +i "$work/locked" 2>/dev/null; then
  "$bin" --convert "$work/mixed.poly" -o "$work/locked/out.poly" 2>/dev/null
  status=$?
  chattr -i "$work/locked"
  if [ $status -eq 0 ] || [ "$(cat "$work/locked/out.poly")" != "old" ]; then
    echo "FAIL convert into a read-only folder: status $status"; failures=$((failures + 1))
  else
    echo "ok   convert into a read-only folder keeps the old file"
  fi
fi

echo "$failures failed"
[ $failures -eq 0 ]
