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
. "$(dirname "$0")/../support/checks.sh"
chmod 755 "$work"

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
cp "$data/gpsbabel_basecamp.gpx" "$work/walk.gpx"
chmod 644 "$work/walk.gpx"
mkdir -p "$work/user" "$work/out"
installed=$work/prefix/bin/tessaline

if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "setpriv is needed (package util-linux)"; exit 1; }
  chown 65534:65534 "$work/user" "$work/out"
  as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
else
  chmod a-w "$work/prefix/bin"
  as_user() { "$@"; }
fi
# The window (here drawing into a picture) makes its working folder.
render() { "$@" --render "$work/walk.gpx" -o "$work/out/walk.png" 2>"$work/err" || fail "cannot render: $(cat "$work/err")"; }
render as_user env HOME="$work/user" XDG_DATA_HOME="$work/user/data" "$installed"
[ -d "$work/user/data/tessaline" ] || fail "the working folder is not \$XDG_DATA_HOME/tessaline"
[ -e "$work/prefix/bin/system" ] && fail "a system folder appeared beside the unwritable program"
render as_user env -u XDG_DATA_HOME HOME="$work/user" "$installed"
[ -d "$work/user/.local/share/tessaline" ] || fail "the working folder is not ~/.local/share/tessaline"
chmod u+w "$work/prefix/bin"

# Where the program's folder can be written, "system" beside it is used.
rm -rf "$work/user/data"
render env HOME="$work/user" XDG_DATA_HOME="$work/user/data" "$installed"
[ -d "$work/prefix/bin/system" ] || fail "the working folder is not system beside the program"
[ -e "$work/user/data/tessaline" ] && fail "the per-user folder was used though the program's folder is writable"

finish "working folders checked"
