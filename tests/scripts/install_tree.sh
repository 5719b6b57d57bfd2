#!/usr/bin/env bash
# "cmake --install" puts everything where a desktop looks for it: the
# program in bin, the menu entry, icon and .poly file type under share, the
# help page where the program finds it, and the manual page, the same as
# docs/tessaline.1. The installed program runs from there.
# Usage: install_tree.sh TESSALINE DATA_DIR   (TESSALINE lies in <build>/src)
set -uo pipefail
tessaline=$1
data=$2
build=$(cd "$(dirname "$tessaline")/.." && pwd)
root=$(cd "$data/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Staged as a package build does it: prefix /usr below DESTDIR.
if ! DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  exit 1
fi
usr=$work/stage/usr

expect() {  # expect FILE SOURCE: installed, and the same as its source
  [ -f "$usr/$1" ] || { fail "$1 is not installed"; return; }
  [ -z "${2:-}" ] || cmp -s "$usr/$1" "$2" || fail "$1 differs from $2"
}
expect bin/tessaline
[ -x "$usr/bin/tessaline" ] || fail "bin/tessaline is not executable"
expect share/applications/tessaline.desktop "$root/data/tessaline.desktop"
expect share/icons/hicolor/scalable/apps/tessaline.svg "$root/data/tessaline.svg"
expect share/mime/packages/tessaline.xml "$root/data/tessaline-mime.xml"
expect share/tessaline/help/tessaline-help.html "$root/src/shell/help/tessaline-help.html"
expect share/man/man1/tessaline.1.gz
if [ -f "$usr/share/man/man1/tessaline.1.gz" ]; then
  gzip -dc "$usr/share/man/man1/tessaline.1.gz" | cmp -s - "$root/docs/tessaline.1" ||
    fail "the installed manual page is not docs/tessaline.1"
fi

# Nothing else lands in the tree: no tests, libraries or headers.
(cd "$usr" && find . -type f | sort) >"$work/files"
extra=$(grep -v -e '^./bin/tessaline$' -e '^./share/applications/tessaline.desktop$' \
  -e '^./share/icons/hicolor/scalable/apps/tessaline.svg$' -e '^./share/mime/packages/tessaline.xml$' \
  -e '^./share/tessaline/help/tessaline-help.html$' -e '^./share/man/man1/tessaline.1.gz$' "$work/files")
[ -z "$extra" ] || fail "unexpected files installed: $extra"

# The help page lies where the program looks: ../share/tessaline/help from bin.
[ -f "$usr/bin/../share/tessaline/help/tessaline-help.html" ] || fail "the help page is not beside bin"

# The installed program runs, with no build folder behind it.
out=$("$usr/bin/tessaline" --version 2>&1) || fail "the installed program fails --version: $out"
[ "$(head -1 <<<"$out")" = "tessaline 2.1" ] || fail "the installed program says '$out'"
"$usr/bin/tessaline" --convert "$data/osmium_berlin.poly" -o "$work/berlin.poly" 2>"$work/err" ||
  fail "the installed program cannot convert: $(cat "$work/err")"

echo "$(wc -l <"$work/files") installed files checked, $failures failures"
[ "$failures" -eq 0 ]
