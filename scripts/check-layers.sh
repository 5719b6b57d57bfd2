#!/usr/bin/env bash
# Checks that the source folders form layers: a folder includes only
# headers of its own folder and of the folders below it. The order, from
# the bottom up, is the one docs/ARCHITECTURE.md draws. The lowest folders
# also never see the whole state: their functions take the parts they
# work on.
#
# Usage: check-layers.sh [SRC]   (default: the src folder beside this script)
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
layers=(platform document geometry osm formats state shell view map session editing background selection combine tools app)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

failures=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [[ -z "${rank[$folder]+set}" ]]; then
    echo "FAIL src/$folder is in no layer: add it to scripts/check-layers.sh and docs/ARCHITECTURE.md"
    failures=$((failures + 1))
    continue
  fi
  while IFS=: read -r file line text; do
    included=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$text")
    if [[ -z "${rank[$included]+set}" ]]; then continue; fi
    if (( rank[$included] > rank[$folder] )); then
      echo "FAIL ${file#"$src"/}:$line includes $included/, a layer above $folder/"
      failures=$((failures + 1))
    fi
  done < <(grep -n -H -E '^#include "[a-z]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
done
# The whole State is for the commands above: the document, geometry, view
# and platform code is handed the parts it needs.
for folder in platform document geometry view; do
  while IFS= read -r hit; do
    echo "FAIL ${hit#"$src"/} takes or includes the whole State"
    failures=$((failures + 1))
  done < <(grep -n -H -E '(^|[^A-Za-z])State( *&| *\*)|#include "state/State\.h"' "$src/$folder"/*.h "$src/$folder"/*.cpp 2>/dev/null || true)
done
if (( failures > 0 )); then
  echo "$failures line(s) break the layers"
  exit 1
fi
echo "layers checked: every include reaches down, and the lowest folders take parts of the state"
