#!/usr/bin/env bash
# Installs what is needed, builds with Debian's hardening flags and makes the Debian package
# build-deb/zorvek_<version>_<arch>.deb (install it with: sudo apt install ./build-deb/zorvek_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="${CPPFLAGS:-} ${CXXFLAGS:-}"
export LDFLAGS="${LDFLAGS:-} -Wl,-z,now"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls build-deb/zorvek_*.deb
