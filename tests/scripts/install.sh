#!/usr/bin/env bash
# What reaches a user's machine: the Debian package installs the program,
# menu entry, icon, .poly file type, help page and manual page under /usr,
# depends on the Qt libraries and display plugins, and its program runs;
# the desktop accepts the menu entry and the file type; the manual page is
# the one made from the current --help text.
# Usage: install.sh TESSALINE DATA_DIR   (TESSALINE lies in <build>/src)
set -uo pipefail
tessaline=$1
root=$(cd "$2/../.." && pwd)
build=$(cd "$(dirname "$tessaline")/.." && pwd)
. "$(dirname "$0")/../support/checks.sh"

(cd "$build" && timeout 240 cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/tessaline_2.1-1_*.deb) || exit 1
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
for dep in libqt6widgets6 libc6 qt6-qpa-plugins libqt6sql6-sqlite; do
  field Depends | tr ',' '\n' | sed -e 's/(.*)//' -e 's/ //g' | grep -qx "$dep" || fail "Depends lacks $dep"
done
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/contents"
printf '%s\n' /usr/bin/tessaline /usr/share/applications/tessaline.desktop \
  /usr/share/icons/hicolor/scalable/apps/tessaline.svg /usr/share/man/man1/tessaline.1.gz \
  /usr/share/mime/packages/tessaline.xml /usr/share/tessaline/help/tessaline-help.html \
  /usr/share/tessaline/help/tessaline-map.png | sort >"$work/expected"
diff "$work/expected" "$work/contents" >/dev/null || fail "package contents: $(diff "$work/expected" "$work/contents")"
dpkg-deb -x "$deb" "$work/root"
[ "$("$work/root/usr/bin/tessaline" --version | head -1)" = "tessaline 2.1" ] || fail "the packaged program does not run"
gzip -dc "$work/root/usr/share/man/man1/tessaline.1.gz" | cmp -s - "$root/docs/tessaline.1" || fail "the packaged manual page differs"

desktop-file-validate "$root/data/tessaline.desktop" >"$work/validate" 2>&1 && [ ! -s "$work/validate" ] ||
  fail "desktop-file-validate: $(cat "$work/validate")"
grep -qx 'Exec=tessaline %f' "$root/data/tessaline.desktop" || fail "the menu entry does not open files"
mkdir -p "$work/mime/packages" && cp "$root/data/tessaline-mime.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1 && grep -q ':text/x-poly-filter:\*\.poly$' "$work/mime/globs2" ||
  fail "the desktop does not map *.poly to text/x-poly-filter"

date=$(sed -n 's/^\.TH TESSALINE 1 "\([^"]*\)".*/\1/p' "$root/docs/tessaline.1")
MANPAGE_DATE="$date" bash "$root/scripts/make-manpage.sh" "$tessaline" "$work/tessaline.1" >/dev/null &&
  diff -q "$root/docs/tessaline.1" "$work/tessaline.1" >/dev/null || fail "docs/tessaline.1 is out of date: run scripts/make-manpage.sh"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/docs/tessaline.1" >/dev/null 2>"$work/warnings"
[ -s "$work/warnings" ] && fail "man warns: $(cat "$work/warnings")"

finish "install checked"
