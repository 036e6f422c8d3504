#!/usr/bin/env bash
# Installs what is needed, builds and runs the whole test suite: the unit, GUI and quick
# reliability tests, then the unit and GUI suites once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEK_WERROR=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs" -LE 'heavy'

if [ "${ZORVEK_SKIP_SANITIZERS:-0}" != "1" ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORVEK_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure -j"$jobs" -L 'unit|gui'
fi
