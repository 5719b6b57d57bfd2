#!/usr/bin/env bash
# Builds Tessaline and starts the editor on an example file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tessaline
# The editor opens a copy, so that saving never changes a file the
# repository tracks.
example=build/example-berlin.poly
cp tests/data/osmium_berlin.poly "$example"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: rendering the window to build/window.png instead."
  QT_QPA_PLATFORM=offscreen build/src/tessaline --render "$example" -o build/window.png --window
  echo "Wrote build/window.png"
else
  exec build/src/tessaline "$example"
fi
