#!/usr/bin/env bash
# Installs what building, running and testing Tessaline needs on Debian 12,
# when it is missing. Safe to run again. gdal-bin is for the tests alone:
# its ogrinfo checks the GeoJSON the program writes; so are osmium-tool,
# whose export the OpenStreetMap boundaries are checked against, and
# geographiclib-tools' Planimeter, which checks the areas the program measures.
# libqt6sql6-sqlite reads MBTiles maps, qt6-image-formats-plugins their WebP tiles.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libxml2-utils xvfb xauth xdotool desktop-file-utils dpkg-dev shared-mime-info
          man-db python3 qt6-qpa-plugins pkg-config libgeos-dev
          libosmium2-dev libprotozero-dev zlib1g-dev libbz2-dev libexpat1-dev
          libgeographiclib-dev libqt6sql6-sqlite qt6-image-formats-plugins
          gdal-bin osmium-tool geographiclib-tools)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
