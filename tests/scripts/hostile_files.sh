#!/usr/bin/env bash
# Hostile inputs through every batch verb: each run ends within its bound,
# without a crash, and says something when it fails. Inputs that are not
# files (a folder, a FIFO, /dev/zero) are refused at once. Outputs written
# through a link keep the link; two runs at once never mix their files.
#   hostile_files.sh TESSALINE_BINARY TEST_DATA_DIR
set -u
bin=$1
data=$2
. "$(dirname "$0")/../support/checks.sh"

# check NAME SECONDS COMMAND...: ends in time, no signal, a failure speaks.
check() {
  local name=$1 bound=$2
  shift 2
  timeout "$bound" "$@" >/dev/null 2>"$work/err"
  local status=$?
  [ $status -ge 124 ] && fail "$name: status $status $(head -c 300 "$work/err")"
  [ $status -ne 0 ] && [ ! -s "$work/err" ] && fail "$name: failed without a message"
}

python3 - "$work" <<'PY'
import os, random, sys
w = sys.argv[1]
random.seed(7)
def put(name, data):
    with open(os.path.join(w, name), "wb") as f: f.write(data)
put("random.poly", bytes(random.getrandbits(8) for _ in range(300000)))
put("nul.poly", b"t\x00\n1\n 1.0\x00 2.0\n\x00\x00 3.0 4.0\n 1.0 2.0\nEND\nEND\n" + b"\x00" * 100000)
put("oneline.poly", b"7" * (50 * 1024 * 1024))
put("ends.poly", b"t\n" + b"1\n 1 1\nEND\n" * 40000 + b"END\n")
put("mixed.poly", b"t\r1\r\n 1.0 1.0\r 2.0 1.0\n\r 2.0 2.0\r\n 1.0 1.0\rEND\n\rEND\r")
put("deep.gpx", b"<gpx>" + b"<a>" * 200000 + b'<trkpt lat="1.5" lon="2.5"/>' + b"</a>" * 200000 + b"</gpx>")
put("binary.gpx", bytes(random.getrandbits(8) for _ in range(300000)) + b' lat="1.0" lon="')
PY
mkdir "$work/folder.poly"
mkfifo "$work/fifo.poly" "$work/fifo.gpx"
ln -s /dev/zero "$work/zero.poly"

for f in random.poly nul.poly oneline.poly ends.poly mixed.poly folder.poly fifo.poly zero.poly; do
  check "convert $f" 60 "$bin" --convert "$work/$f" -o "$work/out.poly" --commit
  check "to gpx $f" 60 "$bin" --convert "$work/$f" -o "$work/out.gpx"
  check "combine $f" 60 "$bin" --combine "$work/$f" "$work/mixed.poly" -o "$work/merged.poly"
  check "render $f" 60 "$bin" --render "$work/mixed.poly" -o "$work/out.png" --size 320x240 --background "$work/$f"
done
for f in deep.gpx binary.gpx fifo.gpx; do check "convert $f" 60 "$bin" --convert "$work/$f" -o "$work/out.poly"; done
check "render gpx" 60 "$bin" --render "$data/gpsbabel_basecamp.gpx" -o "$work/track.png"
[ -s "$work/track.png" ] || fail "--render of a GPX file drew nothing"

# A link to the output stays a link; the file it points to is replaced.
echo old >"$work/target.poly" && ln -s target.poly "$work/link.poly"
"$bin" --convert "$work/mixed.poly" -o "$work/link.poly" 2>/dev/null || fail "writing through a link"
[ -L "$work/link.poly" ] && grep -q END "$work/target.poly" || fail "the link was replaced or its file not written"
"$bin" --convert "$work/mixed.poly" -o "$work/fifo.gpx.poly" 2>/dev/null
mkfifo "$work/out-fifo.poly"
"$bin" --convert "$work/mixed.poly" -o "$work/out-fifo.poly" 2>"$work/err" && fail "a FIFO output was accepted"
[ -p "$work/out-fifo.poly" ] || fail "a FIFO output was replaced"
grep -q "Error saving" "$work/err" || fail "a FIFO output was refused without 'Error saving'"

# Twenty pairs of conversions started together each write their own track.
for i in $(seq 1 20); do
  cp "$data/gpsbabel_basecamp.gpx" "$work/a$i.gpx" && cp "$data/gpsbabel_expertgps.gpx" "$work/b$i.gpx"
  "$bin" --convert "$work/a$i.gpx" -o "$work/a$i.poly" 2>/dev/null &
  "$bin" --convert "$work/b$i.gpx" -o "$work/b$i.poly" 2>/dev/null &
done
wait
same() { cmp -s <(tail -n +2 "$1") <(tail -n +2 "$2"); }  # the titles name the files
for i in $(seq 1 20); do
  same "$work/a1.poly" "$work/a$i.poly" && same "$work/b1.poly" "$work/b$i.poly" || fail "pair $i mixed its files"
done

finish "hostile files checked"
