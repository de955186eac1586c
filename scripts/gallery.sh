#!/usr/bin/env bash
# Builds and runs the gallery: in a window when a display is present, otherwise as a picture
# (gallery-out/gallery.png, or the folder given with --png DIR). Installs the system packages
# it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C build -j"${JOBS:-2}" gallery
exec build/apps/gallery/gallery "$@"
