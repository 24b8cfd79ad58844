#!/usr/bin/env bash
# Builds Zelvo and runs every test; with --sanitize, in a separate build under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=Debug -DZELVO_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j2
