#!/usr/bin/env bash
# Runs the whole test suite: the normal build, then the core and command-line
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the threaded
# serial and simulator tests under ThreadSanitizer, and a short run of each
# fuzz target. Exits non-zero when anything fails. Expects scripts/setup.sh
# to have run.
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
failed=0

step() { printf '\n=== %s\n' "$*"; }

step "sanitizers: address,undefined (core, command-line tool, serial, simulator)"
cmake -S . -B build-asan -DQXP_BUILD_GUI=OFF -DQXP_BUILD_BENCH=OFF -DQXP_SANITIZE=address,undefined \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
  cmake --build build-asan -j"$jobs" >/dev/null &&
  ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j"$jobs" | tail -n 4 || failed=1

step "sanitizers: thread (serial port and simulator)"
cmake -S . -B build-tsan -DQXP_BUILD_GUI=OFF -DQXP_BUILD_BENCH=OFF -DQXP_SANITIZE=thread \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
  cmake --build build-tsan -j"$jobs" >/dev/null &&
  ctest --test-dir build-tsan --output-on-failure -R 'Serial|Sim|Comm|ReadThread' | tail -n 4 || failed=1

if command -v clang++-14 >/dev/null; then
  step "fuzz targets (short runs)"
  CXX=clang++-14 cmake -S . -B build-fuzz -DQXP_BUILD_GUI=OFF -DQXP_BUILD_TESTS=OFF -DQXP_BUILD_BENCH=OFF \
    -DQXP_BUILD_FUZZ=ON >/dev/null &&
    cmake --build build-fuzz -j"$jobs" >/dev/null &&
    corpus=$(mktemp -d) && cp fuzz/corpus/* "$corpus"/ &&
    for f in build-fuzz/bin/fuzz_*; do
      "$f" -runs=20000 -max_len=8192 -seed=46 "$corpus" >/dev/null 2>&1 || { echo "FAILED: $f"; failed=1; }
    done && echo "fuzz targets ran clean" || failed=1
    rm -rf "${corpus:-/nonexistent}"
fi

step "all tests (normal build)"
ctest --test-dir build --output-on-failure -j"$jobs" || failed=1

exit $failed
