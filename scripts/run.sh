#!/usr/bin/env bash
# Builds Zelvo and starts it in the build folder, beside its tune, tips file and sample price list.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build && exec ./zelvo
