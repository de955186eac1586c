#!/usr/bin/env bash
# Builds Trellis and runs every test twice: in a normal build, then under AddressSanitizer
# and UBSan. Installs the system packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=${JOBS:-2}
run() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  ninja -C "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

run build -DCMAKE_BUILD_TYPE=Release
# The sanitizer build skips the benchmarks: they measure nothing useful there.
run build-asan -DCMAKE_BUILD_TYPE=Debug -DTRELLIS_SANITIZE=ON -DTRELLIS_BENCH=OFF
