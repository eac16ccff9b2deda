#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the shipped data.
#   bash scripts/run.sh          on a desktop session
#   bash scripts/run.sh --xvfb   on a virtual screen (a machine without display)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

USE_XVFB=0
for arg in "$@"; do
    case $arg in
        --xvfb) USE_XVFB=1 ;;
        *) echo "uso / usage: bash scripts/run.sh [--xvfb]" >&2; exit 2 ;;
    esac
done

bash scripts/setup.sh

BUILD=$ROOT/build
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUVIVAVU_BUILD_BENCH=OFF
cmake --build "$BUILD" -j"$(nproc)" --target ruvivavu ruvivavu-cli download

# The marker win98.ini beside the program makes the current folder the data folder: the program
# works on a copy of the shipped data in build/dados (files already there are kept).
DATA=$BUILD/dados
mkdir -p "$DATA"
: > "$BUILD/win98.ini"
find "$ROOT/data" -maxdepth 1 -type f -exec cp -n {} "$DATA/" \;
if [[ -d $ROOT/data/images ]]; then cp -rn "$ROOT/data/images" "$DATA/"; fi
cd "$DATA"

if [[ $USE_XVFB -eq 1 ]]; then
    echo "Iniciando o programa numa tela virtual (xvfb-run). / Starting the program on a virtual screen."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/ruvivavu"
fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo
    echo "Não há tela (DISPLAY e WAYLAND_DISPLAY vazios): o programa foi compilado em $BUILD/ruvivavu,"
    echo "mas não pode ser aberto aqui. Numa tela virtual: bash scripts/run.sh --xvfb"
    echo "There is no display: the program was built but cannot be shown here. Use --xvfb for a virtual screen."
    exit 0
fi
exec "$BUILD/ruvivavu"
