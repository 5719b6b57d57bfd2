#!/usr/bin/env bash
# The manual page docs/tessaline.1 is the one scripts/make-manpage.sh makes
# from the program's current --help text (so a changed help text without a
# new page fails here), and man formats it without a warning.
# Usage: manpage.sh TESSALINE DATA_DIR
set -uo pipefail
tessaline=$1
data=$2
root=$(cd "$data/../.." && pwd)
page=$root/docs/tessaline.1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

[ -f "$page" ] || { echo "FAIL no $page"; exit 1; }
# The page keeps the date it was made; only the text must agree.
date=$(sed -n 's/^\.TH TESSALINE 1 "\([^"]*\)".*/\1/p' "$page")
[ -n "$date" ] || fail "the page has no .TH line with a date"
if MANPAGE_DATE="$date" bash "$root/scripts/make-manpage.sh" "$tessaline" "$work/tessaline.1" >/dev/null; then
  diff -u "$page" "$work/tessaline.1" >"$work/diff" ||
    fail "docs/tessaline.1 is out of date; run scripts/make-manpage.sh:$(echo; head -40 "$work/diff")"
else
  fail "scripts/make-manpage.sh failed"
fi

grep -q '^\.SH SYNOPSIS' "$page" || fail "the page has no SYNOPSIS"
for word in convert combine render; do
  grep -q "^\\\\fB\\\\-\\\\-$word\\\\fR" "$page" || fail "the page does not explain --$word"
done

if command -v man >/dev/null; then
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$work/text" 2>"$work/warnings"
  [ -s "$work/warnings" ] && fail "man warns: $(cat "$work/warnings")"
  grep -q -- "--convert IN -o OUT" "$work/text" || fail "the formatted page lacks the --convert entry"
else
  echo "man is not installed; formatting not checked"
fi

echo "manual page checked, $failures failures"
[ "$failures" -eq 0 ]
