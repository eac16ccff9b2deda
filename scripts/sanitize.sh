#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer (any finding stops the program) and
# runs the tests under them. With Clang, which setup.sh installs, the same build also holds the
# fuzzing programs of fuzz/, so the engine is compiled once for both.
#   bash scripts/sanitize.sh                 every test (build-sanitize/)
#   bash scripts/sanitize.sh --fuzz [SEC]    only the fuzzing programs, each fuzzed SEC seconds
#                                            (default 30) from its seeds and what earlier runs
#                                            learnt (build-sanitize/fuzz/corpus/)
# RUVIVAVU_SANITIZE_CXX=g++ runs the tests with GCC's sanitizers (no fuzzing programs then).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

mode=tests
seconds=30
if [[ ${1:-} == --fuzz ]]; then
    mode=fuzz
    seconds=${2:-30}
fi

bash scripts/setup.sh

if [[ $mode == fuzz ]]; then
    CXX=clang++
else
    CXX=${RUVIVAVU_SANITIZE_CXX:-$(command -v clang++ || command -v g++)}
fi
CXX=$(command -v "$CXX")
fuzz=OFF
if "$CXX" --version | grep -q clang; then fuzz=ON; fi

BUILD=$ROOT/build-sanitize
# A tree made with another compiler is made anew.
if [[ -f $BUILD/CMakeCache.txt ]] && ! grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=$CXX\$" "$BUILD/CMakeCache.txt"; then
    rm -rf "$BUILD"
fi
# -O1, as the sanitizers advise: far faster than -O0, still with exact stack traces.
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DRUVIVAVU_SANITIZE=ON -DRUVIVAVU_FUZZ=$fuzz -DRUVIVAVU_FUZZ_SECONDS="$seconds" \
    -DRUVIVAVU_BUILD_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [[ $mode == fuzz ]]; then
    cmake --build "$BUILD" -j"$(nproc)" --target fuzzers
    # Leaks are findings here: the engine keeps no caches.
    ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" -L fuzz
    exit
fi

cmake --build "$BUILD" -j"$(nproc)"
# Qt and fontconfig keep caches until exit: leak reports would be noise.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 900 -LE fuzz
