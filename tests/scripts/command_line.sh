#!/usr/bin/env bash
# The command line follows the GNU conventions: --help and --version print
# to standard output and exit 0, --help names every command and option the
# program takes, and an option it does not know is refused with a hint on
# standard error and exit status 2 instead of being opened as a file.
# Usage: command_line.sh TESSALINE DATA_DIR
set -uo pipefail
tessaline=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# run NAME ARGS...: runs the program, keeping stdout, stderr and status.
run() {
  local name=$1; shift
  "$tessaline" "$@" >"$work/$name.out" 2>"$work/$name.err" </dev/null
  echo $? >"$work/$name.rc"
}
status() { cat "$work/$1.rc"; }

for flag in --version -V; do
  run version "$flag"
  [ "$(status version)" = 0 ] || fail "$flag exits $(status version)"
  [ "$(head -1 "$work/version.out")" = "tessaline 2.1" ] || fail "$flag first line: $(head -1 "$work/version.out")"
  grep -q '^Copyright (C) [0-9]\{4\} ' "$work/version.out" || fail "$flag shows no copyright line"
  [ -s "$work/version.err" ] && fail "$flag writes to standard error"
done

for flag in --help -h; do
  run help "$flag"
  [ "$(status help)" = 0 ] || fail "$flag exits $(status help)"
  head -1 "$work/help.out" | grep -q '^Usage: tessaline ' || fail "$flag does not start with Usage:"
  [ -s "$work/help.err" ] && fail "$flag writes to standard error"
  # Every verb and option the program understands is explained.
  for word in --convert --combine --render --ring --commit --title --size --window --edit \
              --background --help --version -o; do
    grep -qE -- "^ .*(^|[ ,])$word( |,|$)" "$work/help.out" || fail "$flag does not explain $word"
  done
  grep -q '^Exit status:' "$work/help.out" || fail "$flag gives no exit statuses"
  awk 'length($0) > 80 { bad = 1 } END { exit bad }' "$work/help.out" || fail "$flag has lines over 80 columns"
done

for bad in --bogus -x --Help --versions; do
  run bad "$bad"
  [ "$(status bad)" = 2 ] || fail "$bad exits $(status bad), not 2"
  grep -qx "Try 'tessaline --help'." "$work/bad.err" || fail "$bad gives no hint: $(cat "$work/bad.err")"
  grep -q -- "$bad" "$work/bad.err" || fail "$bad is not named in the message"
  [ -s "$work/bad.out" ] && fail "$bad writes to standard output"
done

# A verb with a wrong option is refused the same way.
for args in "--convert $data/osmium_berlin.poly -o $work/x.poly --frobnicate" \
            "--combine $data/osmium_berlin.poly -o $work/x.poly --frobnicate" \
            "--render $data/osmium_berlin.poly -o $work/x.png --frobnicate" \
            "--convert $data/osmium_berlin.poly"; do
  # shellcheck disable=SC2086
  run verb $args
  [ "$(status verb)" = 2 ] || fail "'$args' exits $(status verb), not 2"
  grep -qx "Try 'tessaline --help'." "$work/verb.err" || fail "'$args' gives no hint: $(cat "$work/verb.err")"
done
[ -e "$work/x.poly" ] && fail "a refused command wrote its output"

# The commands do their work with exit status 0.
run convert --convert "$data/osmium_berlin.poly" -o "$work/berlin.poly"
[ "$(status convert)" = 0 ] && [ -s "$work/berlin.poly" ] || fail "--convert: $(cat "$work/convert.err")"
run missing --convert "$work/no-such.poly" -o "$work/out.poly"
[ "$(status missing)" = 1 ] || fail "--convert of a missing file exits $(status missing), not 1"

echo "command line checked, $failures failures"
[ "$failures" -eq 0 ]
