#!/usr/bin/env bash
# Writes the manual page docs/tessaline.1 from the program's own --help and
# --version text, so the page and the help never tell different stories.
# Edit the help text in src/app/Batch.cpp, build, then run this script.
#
# Usage: make-manpage.sh [TESSALINE [OUT]]
#   TESSALINE  the program to ask (default build/src/tessaline)
#   OUT        the page to write (default docs/tessaline.1; "-" for stdout)
#   MANPAGE_DATE="Month Year" fixes the date in the page's header.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tessaline=${1:-$root/build/src/tessaline}
out=${2:-$root/docs/tessaline.1}
date=${MANPAGE_DATE:-$(LC_ALL=C date -u +'%B %Y')}

[ -x "$tessaline" ] || { echo "make-manpage.sh: no program at $tessaline (build it first)" >&2; exit 1; }
help=$("$tessaline" --help)
version=$("$tessaline" --version)

page() {
  printf '.\\" The manual page of tessaline, made by scripts/make-manpage.sh from the\n'
  printf '.\\" program'"'"'s --help text: change that text, not this page.\n'
  printf '.TH TESSALINE 1 "%s" "%s" "User Commands"\n' "$date" "$(head -1 <<<"$version")"
  printf '.nh\n.SH NAME\n'
  printf 'tessaline \\- editor for polygon filter files (.poly)\n'
  awk -f - <(printf '%s\n' "$help") <<'AWK'
# Turns the help text's layout into man macros: usage lines into the
# synopsis, the first paragraph into the description, "Heading:" lines into
# sections, two-blank entries into tagged paragraphs and six-blank entries
# into tagged paragraphs nested under the entry before them.
function esc(s) {
  gsub(/\\/, "\\e", s)
  gsub(/-/, "\\-", s)
  if (s ~ /^[.']/) s = "\\&" s
  return s
}
function trim(s) { sub(/^ +/, "", s); sub(/ +$/, "", s); return s }
function closeNest() { if (nested) { print ".RE"; nested = 0 } }
function term(t,    n, i, parts, out, tok, tail) {
  if (t !~ /^-/) return (t ~ /\//) ? "\\fI" esc(t) "\\fR" : "\\fB" esc(t) "\\fR"
  n = split(t, parts, " ")
  out = ""
  for (i = 1; i <= n; i++) {
    tok = parts[i]; tail = ""
    if (match(tok, /(,|\.\.\.)$/)) { tail = substr(tok, RSTART); tok = substr(tok, 1, RSTART - 1) }
    out = out (i > 1 ? " " : "") (tok ~ /^-/ ? "\\fB" : "\\fI") esc(tok) "\\fR" tail
  }
  return out
}
function entry(line, indent,    rest, cut) {
  rest = substr(line, indent + 1)
  cut = index(rest, "  ")
  print ".TP"
  if (cut == 0) { print term(rest); return }
  print term(substr(rest, 1, cut - 1))
  print esc(trim(substr(rest, cut)))
}
BEGIN { state = "synopsis" }
state == "synopsis" && /^(Usage:|  or:|        )/ {
  if (!started) { print ".SH SYNOPSIS"; print ".nf"; started = 1 }
  print esc(substr($0, 8))
  next
}
state == "synopsis" && /^$/ { if (started) print ".fi"; state = "description"; next }
state == "description" && !described && /^[^ ]/ { print ".SH DESCRIPTION"; described = 1 }
/^$/ { closeNest(); gap = 1; next }
/^[A-Z][^:]*:$/ {
  closeNest()
  heading = toupper(substr($0, 1, length($0) - 1))
  print ".SH " (heading ~ / / ? "\"" heading "\"" : heading)
  state = "list"; gap = 0
  next
}
/^[A-Z][a-z ]*: / {
  closeNest()
  cut = index($0, ": ")
  heading = toupper(substr($0, 1, cut - 1))
  print ".SH " (heading ~ / / ? "\"" heading "\"" : heading)
  print esc(trim(substr($0, cut + 2)))
  gap = 0
  next
}
/^ {20,}[^ ]/ { print esc(trim($0)); next }
/^      -/ { if (!nested) { print ".RS"; nested = 1 } entry($0, 6); gap = 0; next }
/^  [^ ]/ { closeNest(); entry($0, 2); gap = 0; next }
/^[^ ]/ { if (gap) print ".PP"; print esc($0); gap = 0; next }
{ print esc(trim($0)) }
END { closeNest() }
AWK
  printf '.SH COPYRIGHT\n'
  tail -n +2 <<<"$version" | sed -e 's/\\/\\e/g' -e 's/-/\\-/g'
}

if [ "$out" = "-" ]; then
  page
else
  page >"$out.tmp"
  mv "$out.tmp" "$out"
  echo "Wrote $out"
fi
