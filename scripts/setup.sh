#!/usr/bin/env bash
# Installs what building and testing the program needs on Debian 12 (only the packages missing).
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail

PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    # Table updates: SHA-256 and Ed25519 signatures, and the .zip archives of a table set.
    libsodium-dev zlib1g-dev
    libgtest-dev libbenchmark-dev
    python3
    clang-format
    # The sanitizer build and the fuzzing programs (libFuzzer is in Clang's runtime libraries).
    clang libclang-rt-dev
    xvfb xauth poppler-utils
    fonts-dejavu-core fonts-liberation
    # The installed-program test: the X platform plugin, keyboard and window titles on the virtual
    # screen, and the validators of the desktop files.
    qt6-qpa-plugins xdotool desktop-file-utils appstream shared-mime-info
    # The Debian package (cpack -G DEB): dpkg-shlibdeps finds the libraries it depends on.
    dpkg-dev file
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Instalando / installing: ${missing[*]}"
    if [[ $(id -u) -eq 0 ]]; then
        as_root=()
    elif command -v sudo >/dev/null; then
        as_root=(sudo)
    else
        echo "Faltam pacotes e não há sudo: rode este comando como root. / Missing packages and no sudo: run as root." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
