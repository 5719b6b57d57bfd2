#!/usr/bin/env bash
# An installed program whose folder the user cannot write (as under /usr)
# keeps its working files in the per-user data folder and writes nothing
# beside itself; one whose folder can be written keeps them in "system"
# beside it. Run as root, the unwritable case runs the program as the user
# nobody, since root may write anywhere.
# Usage: working_folder.sh TESSALINE DATA_DIR   (TESSALINE lies in <build>/src)
set -uo pipefail
tessaline=$1
data=$2
build=$(cd "$(dirname "$tessaline")/.." && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
cp "$data/gpsbabel_basecamp.gpx" "$work/walk.gpx"
chmod 644 "$work/walk.gpx"
mkdir -p "$work/user" "$work/out"
installed=$work/prefix/bin/tessaline

# The GPX import writes its working file tmp.poly into the working folder.
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "setpriv is needed (package util-linux)"; exit 1; }
  chown 65534:65534 "$work/user" "$work/out"
  as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
else
  chmod a-w "$work/prefix/bin"
  as_user() { "$@"; }
fi
if ! as_user env HOME="$work/user" XDG_DATA_HOME="$work/user/data" \
     "$installed" --convert "$work/walk.gpx" -o "$work/out/walk.poly" 2>"$work/err"; then
  fail "the installed program cannot convert as a user: $(cat "$work/err")"
fi
[ -s "$work/out/walk.poly" ] || fail "no output written"
[ -f "$work/user/data/tessaline/tmp.poly" ] || fail "the working file is not in \$XDG_DATA_HOME/tessaline"
[ -e "$work/prefix/bin/system" ] && fail "a system folder appeared beside the unwritable program"
grep -qi "error" "$work/err" && fail "the run reported: $(cat "$work/err")"

# Without XDG_DATA_HOME the per-user folder is ~/.local/share/tessaline.
if ! as_user env -u XDG_DATA_HOME HOME="$work/user" \
     "$installed" --convert "$work/walk.gpx" -o "$work/out/walk2.poly" 2>"$work/err"; then
  fail "the installed program cannot convert without XDG_DATA_HOME: $(cat "$work/err")"
fi
[ -f "$work/user/.local/share/tessaline/tmp.poly" ] || fail "the working file is not in ~/.local/share/tessaline"
chmod u+w "$work/prefix/bin"

# Where the program's folder can be written, "system" beside it is used.
rm -rf "$work/user/data"
env HOME="$work/user" XDG_DATA_HOME="$work/user/data" \
  "$installed" --convert "$work/walk.gpx" -o "$work/out/walk3.poly" 2>"$work/err" ||
  fail "the program cannot convert from a writable folder: $(cat "$work/err")"
[ -f "$work/prefix/bin/system/tmp.poly" ] || fail "the working file is not in system beside the program"
[ -e "$work/user/data/tessaline" ] && fail "the per-user folder was used though the program's folder is writable"

echo "working folders checked, $failures failures"
[ "$failures" -eq 0 ]
