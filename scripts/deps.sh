#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need (as root).
# Skips apt entirely when everything is already installed.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libqt6opengl6-dev qt6-charts-dev qt6-svg-dev
    qt6-translations-l10n libquazip1-qt6-dev libpugixml-dev libxlsxwriter-dev
    dpkg-dev xvfb xauth imagemagick
    postgresql libpq-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
