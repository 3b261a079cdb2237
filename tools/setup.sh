#!/usr/bin/env bash
# Installs every Debian package Velmora needs to build, test and run, skipping what is already there.
# This is the single list of the project's system dependencies: add new ones here and nowhere else.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-multimedia-dev qt6-webengine-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
    libfluidsynth-dev libjack-jackd2-dev timgm6mb-soundfont libasound2-dev
    libjpeg-dev zlib1g-dev
    xvfb xauth imagemagick
    # peers the benchmarks measure against (bench/): Lua, and what building UCBLogo needs
    lua5.4 autoconf automake autoconf-archive libncurses-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_prefix=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_prefix=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_prefix[@]}" apt-get update -qq
"${sudo_prefix[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
