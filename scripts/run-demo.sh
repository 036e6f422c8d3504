#!/usr/bin/env bash
# Installs what is needed, builds, creates the demo data folder ./demo-data when it is missing
# and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build -j"$(nproc)"
./build/bin/zorvek-cli demo demo-data
cd demo-data
exec ../build/bin/zorvek
