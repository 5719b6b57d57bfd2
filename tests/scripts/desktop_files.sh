#!/usr/bin/env bash
# The files that join Tessaline to the desktop are ones the desktop accepts:
# the menu entry validates and opens .poly files with the program, the .poly
# file type is well formed and claims *.poly, and the icon is an SVG image.
# Usage: desktop_files.sh TESSALINE DATA_DIR
set -uo pipefail
data=$2
root=$(cd "$data/../.." && pwd)
desktop=$root/data/tessaline.desktop
mime=$root/data/tessaline-mime.xml
icon=$root/data/tessaline.svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "$1 is needed (package $2)"; exit 1; }; }
need desktop-file-validate desktop-file-utils
need xmllint libxml2-utils
need update-mime-database shared-mime-info

# The menu entry: valid, without even a hint, and wired to the file type.
if ! desktop-file-validate "$desktop" >"$work/validate" 2>&1 || [ -s "$work/validate" ]; then
  fail "desktop-file-validate: $(cat "$work/validate")"
fi
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = Tessaline ] || fail "Name is '$(key Name)'"
[ "$(key GenericName)" = "Polygon Editor" ] || fail "GenericName is '$(key GenericName)'"
[ "$(key Exec)" = "tessaline %f" ] || fail "Exec is '$(key Exec)'"
[ "$(key Icon)" = tessaline ] || fail "Icon is '$(key Icon)'"
[ "$(key StartupWMClass)" = Tessaline ] || fail "StartupWMClass is '$(key StartupWMClass)', not the window class Tessaline"
type=$(xmllint --xpath 'string(//*[local-name()="mime-type"]/@type)' "$mime")
[ "$type" = text/x-poly-filter ] || fail "the file type is '$type'"
key MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType does not list $type"

# The file type: well formed, a kind of plain text, with a comment, claiming *.poly.
xmllint --noout "$mime" || fail "$mime is not well formed"
[ "$(xmllint --xpath 'string(//*[local-name()="glob"]/@pattern)' "$mime")" = "*.poly" ] ||
  fail "the glob pattern is not *.poly"
[ "$(xmllint --xpath 'string(//*[local-name()="sub-class-of"]/@type)' "$mime")" = text/plain ] ||
  fail "the file type is no sub-class of text/plain"
[ -n "$(xmllint --xpath 'string(//*[local-name()="comment"])' "$mime")" ] || fail "the file type has no comment"

# The desktop's own tool takes it and maps *.poly to the type.
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/tessaline.xml"
if update-mime-database "$work/mime" >"$work/update" 2>&1; then
  grep -q "^[0-9]*:$type:\*\.poly$" "$work/mime/globs2" || fail "globs2 does not map *.poly: $(cat "$work/mime/globs2")"
  grep -q "^$type text/plain$" "$work/mime/subclasses" || fail "subclasses lacks $type"
else
  fail "update-mime-database: $(cat "$work/update")"
fi

# The icon: a well-formed SVG image that is square.
xmllint --noout "$icon" || fail "$icon is not well formed"
[ "$(xmllint --xpath 'local-name(/*)' "$icon")" = svg ] || fail "$icon is no SVG image"
[ "$(xmllint --xpath 'string(/*/@width)' "$icon")" = "$(xmllint --xpath 'string(/*/@height)' "$icon")" ] ||
  fail "$icon is not square"

echo "desktop files checked, $failures failures"
[ "$failures" -eq 0 ]
