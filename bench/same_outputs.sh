#!/usr/bin/env bash
# Checks that a change left every output file as it was: runs two builds of
# the program over every real file (tests/data, tests/cases and
# ../shared/realdata) with each batch conversion, and compares the files
# they write, and their exit statuses, byte for byte.
#   bash bench/same_outputs.sh OLD_TESSALINE NEW_TESSALINE
set -uo pipefail
old=$1
new=$2
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

inputs=()
for folder in tests/data tests/cases ../shared/realdata/poly ../shared/realdata/gpx; do
    [[ -d $folder ]] || continue
    while IFS= read -r -d '' f; do inputs+=("$f"); done \
        < <(find "$folder" -maxdepth 1 -type f \( -iname '*.poly' -o -iname '*.gpx' \) -print0 | sort -z)
done

# Runs one build on one command; prints the exit status and the output.
run() {
    local bin=$1 dir=$2
    shift 2
    mkdir -p "$dir"
    "$bin" "$@" >/dev/null 2>"$dir/stderr"
    echo $? >"$dir/status"
}

checked=0 differ=0
for input in "${inputs[@]}"; do
    for how in poly commit gpx gpx2; do
        case $how in
            poly) args=(-o OUT.poly) ;;
            commit) args=(-o OUT.poly --commit) ;;
            gpx) args=(-o OUT.gpx) ;;
            gpx2) args=(-o OUT.gpx --ring 2) ;;
        esac
        for side in old new; do
            bin=$old
            [[ $side == new ]] && bin=$new
            dir=$work/$side
            rm -rf "$dir"
            run "$bin" "$dir" --convert "$input" "${args[@]/OUT/$dir/out}"
        done
        checked=$((checked + 1))
        # The messages name the output file, which lies in another folder.
        sed -i "s|$work/old|DIR|g" "$work/old/stderr"
        sed -i "s|$work/new|DIR|g" "$work/new/stderr"
        if ! diff -r "$work/old" "$work/new" >/dev/null; then
            differ=$((differ + 1))
            what=$(diff -rq "$work/old" "$work/new" | sed -n "s|.*$work/old/\([^ ]*\).*|\1|p" | tr '\n' ' ')
            echo "differs ($what): --convert $input ${args[*]}"
        fi
    done
done
echo "$checked conversions of ${#inputs[@]} files compared, $differ differ"
[[ $differ -eq 0 ]]
