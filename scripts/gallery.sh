#!/usr/bin/env bash
# Builds and runs the gallery: in a window when a display is present, otherwise as a picture
# (gallery-out/gallery.png, or the folder given with --png DIR, both relative to the folder
# this was run from). Installs the system packages it needs first. `--help` says more.
set -euo pipefail
caller=$PWD
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C build -j"${JOBS:-2}" gallery
cd "$caller"
exec "$root/build/apps/gallery/gallery" "$@"
