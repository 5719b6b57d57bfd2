#!/usr/bin/env bash
# Every #include reaches down the layers of source folders, never up.
# (Called by ctest with the program and the data folder, which it needs not.)
set -euo pipefail
exec bash "$(dirname "$0")/../../scripts/check-layers.sh"
