#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/setup.sh

BUILD=$ROOT/build-sanitize
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DRUVIVAVU_SANITIZE=ON -DRUVIVAVU_BUILD_BENCH=OFF
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches until exit: leak reports would be noise.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 600
