# Sourced by the script tests: a scratch folder $work removed on exit,
# `fail` to note a failure and go on, and `finish` to report and exit 1
# after any.
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
finish() { echo "$1, $failures failures"; [ "$failures" -eq 0 ]; }
