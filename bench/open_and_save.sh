#!/usr/bin/env bash
# Opens and saves every real .poly file (tests/data and ../shared/realdata/poly)
# with --convert and compares what it writes with the file it read: an
# unedited file must come back byte for byte, unless the save named the
# repairs it made (lines other tools would misread, a missing END).
#   bash bench/open_and_save.sh [TESSALINE]   (default build/src/tessaline)
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/src/tessaline}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

same=0 repaired=0 refused=0 unexplained=0
while IFS= read -r -d '' input; do
    "$bin" --convert "$input" -o "$work/out.poly" >/dev/null 2>"$work/stderr"
    status=$?
    if [[ $status -ne 0 ]]; then
        refused=$((refused + 1))
        echo "refused ($(head -c 120 "$work/stderr" | tr '\n' ' ')): $input"
    elif cmp -s "$input" "$work/out.poly"; then
        same=$((same + 1))
    elif grep -q "repaired" "$work/stderr"; then
        repaired=$((repaired + 1))
        echo "repaired ($(grep -m1 "repaired" "$work/stderr" | head -c 120)): $input"
    else
        unexplained=$((unexplained + 1))
        echo "CHANGED WITHOUT A WORD: $input"
    fi
    rm -f "$work/out.poly"
done < <(find tests/data ../shared/realdata/poly -maxdepth 1 -type f -iname '*.poly' -print0 2>/dev/null | sort -z)
echo "$same written back byte for byte, $repaired repaired and said so, $refused refused, $unexplained changed without a word"
[[ $unexplained -eq 0 ]]
