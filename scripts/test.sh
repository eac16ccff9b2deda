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
