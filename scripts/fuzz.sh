#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time.
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# Findings are written to build-fuzz/findings/<target>/; the corpus grows in
# build-fuzz/corpus/<target>/, seeded from tests/data.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
bash scripts/setup.sh
command -v clang++ >/dev/null || { apt-get install -y -qq clang >/dev/null; }
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALINE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_poly fuzz_gpx fuzz_merge fuzz_settings fuzz_background fuzz_geojson fuzz_tools)
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  case $target in
    fuzz_gpx) cp -n tests/data/*.gpx "$corpus"/ 2>/dev/null || true ;;
    fuzz_settings) printf '\xa3)*(\r\n/a.poly\r\n\r\n\r\n\r\n\r\nUntitled\r\n/b.gpx\r\n\r\n' > "$corpus/seed.dat" ;;
    # The first byte chooses the size of the pieces the text comes in.
    fuzz_geojson) for f in tests/cases/*.geojson; do { printf '\x07'; cat "$f"; } > "$corpus/$(basename "$f")"; done ;;
    # The last eight bytes are the distance, a double.
    fuzz_tools)
      for f in tests/cases/*.poly tests/data/osmium_polygon-outer-inner.poly tests/data/osmosis_testPolygon.poly; do
        { cat "$f"; printf '\x00\x00\x00\x00\x00\x88\xc3\x40'; } > "$corpus/$(basename "$f")"
      done ;;
    *) cp -n tests/data/*.poly "$corpus"/ 2>/dev/null || true ;;
  esac
  echo "== $target for ${seconds}s"
  build-fuzz/fuzz/$target "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 2>&1 | tail -12
done
