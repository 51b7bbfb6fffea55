#!/usr/bin/env bash
# Installs what is missing, builds Brindle and starts it on this display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLE_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)"
exec build/bin/brindle "$@"
