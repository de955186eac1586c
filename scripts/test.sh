#!/usr/bin/env bash
# Checks the platform's Win32 declarations against the real Windows headers (compiling only,
# with MinGW-w64), then builds Trellis and runs every test twice: in a normal build, which also
# builds the API reference (an undocumented public member fails it), then under AddressSanitizer
# and UBSan; then runs each fuzz target for FUZZ_SECONDS (30) on its corpus.
# Installs the system packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=${JOBS:-2}
python3 tests/platform/win32/check_win32_headers.py . build/win32-headers
run() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  ninja -C "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

# The normal build also replays each fuzz target's corpus, its found faults included, with a
# few seeded mutations (the standalone driver: no clang needed).
run build -DCMAKE_BUILD_TYPE=Release -DTRELLIS_FUZZ=ON
# The sanitizer build skips the benchmarks, which measure nothing useful there, and the
# reference, which the normal build made from the same headers.
run build-asan -DCMAKE_BUILD_TYPE=Debug -DTRELLIS_SANITIZE=ON -DTRELLIS_BENCH=OFF \
  -DTRELLIS_DOCS=OFF

# The fuzz build makes the fuzz programs only: with clang they are libFuzzer programs, and any
# input that crashes one, breaks an invariant or runs past the timeout fails the run.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTRELLIS_FUZZ=ON -DTRELLIS_BENCH=OFF -DTRELLIS_DOCS=OFF \
  >/dev/null
ninja -C build-fuzz -j"$jobs" fuzz_targets
for program in build-fuzz/tests/fuzz/fuzz_*; do
  name=${program##*/fuzz_}
  mkdir -p "build-fuzz/tests/fuzz/corpus/$name"
  "$program" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/tests/fuzz/$name-" "build-fuzz/tests/fuzz/corpus/$name" \
    "tests/fuzz/corpus/$name"
done
