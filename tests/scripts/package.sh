#!/usr/bin/env bash
# "cpack -G DEB" makes a Debian package that installs under /usr, names its
# maintainer, section and description, depends on the Qt libraries the
# program links to (found by dpkg-shlibdeps) and on Qt's display plugins,
# and holds a program that answers --version and --help from where the
# package puts it.
# Usage: package.sh TESSALINE DATA_DIR   (TESSALINE lies in <build>/src)
set -uo pipefail
tessaline=$1
data=$2
build=$(cd "$(dirname "$tessaline")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-shlibdeps is needed (package dpkg-dev)"; exit 1; }

# Built into a folder of its own, so the build folder keeps no package.
if ! (cd "$build" && timeout 240 cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(ls "$work"/pkg/tessaline_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL no package made:"; cat "$work/cpack.log"; exit 1; }
echo "made $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tessaline ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 2.1-1 ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" == *"<"*"@"*">" ]] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
[[ "$(field Description)" == "editor for polygon filter files"* ]] || fail "Description is '$(field Description)'"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the description has no long text in lines"
field Description | awk 'length($0) > 80 { bad = 1 } END { exit bad }' || fail "the description has lines over 80 columns"
# The names alone, versions dropped: "libc6 (>= 2.34), qt6-qpa-plugins" gives two lines.
field Depends | tr ',' '\n' | sed -e 's/(.*)//' -e 's/ //g' >"$work/depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
  grep -qx "$dep" "$work/depends" || fail "Depends lacks $dep: $(field Depends)"
done

# Everything under /usr, in the places the desktop looks.
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/contents"
grep -v -e '^/$' -e '^/usr/' "$work/contents" | grep . && fail "files outside /usr"
for path in /usr/bin/tessaline /usr/share/applications/tessaline.desktop \
            /usr/share/icons/hicolor/scalable/apps/tessaline.svg /usr/share/mime/packages/tessaline.xml \
            /usr/share/tessaline/help/tessaline-help.html /usr/share/man/man1/tessaline.1.gz; do
  grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done

# The packaged program runs from the unpacked tree.
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/tessaline
version=$("$program" --version 2>&1) || fail "--version fails: $version"
[ "$(head -1 <<<"$version")" = "tessaline 2.1" ] || fail "--version says '$version'"
"$program" --help >"$work/help" 2>&1 || fail "--help fails: $(cat "$work/help")"
grep -q -- '--convert' "$work/help" || fail "--help does not list --convert"
# Stripped: the package carries no debugging data.
if command -v file >/dev/null; then
  file "$program" | grep -q 'not stripped' && fail "the packaged program is not stripped"
fi

echo "package checked, $failures failures"
[ "$failures" -eq 0 ]
