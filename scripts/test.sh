#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (engine, windows, tools).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/setup.sh
# An unformatted file fails the tests before anything is built.
bash scripts/check-format.sh

BUILD=$ROOT/build
# A warning fails the build.
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUVIVAVU_WERROR=ON
cmake --build "$BUILD" -j"$(nproc)"
# Window tests run on Qt's offscreen platform: no display needed.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 300
# Every reader fuzzed a short while (RUVIVAVU_FUZZ_SECONDS each, 30 by default) when Clang is there.
if command -v clang++ >/dev/null; then
    bash scripts/sanitize.sh --fuzz "${RUVIVAVU_FUZZ_SECONDS:-30}"
else
    echo "test: no clang++, the readers are not fuzzed (bash scripts/setup.sh installs it)." >&2
fi
