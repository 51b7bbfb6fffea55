#!/usr/bin/env bash
# Installs what is missing, builds Brindle with AddressSanitizer and UBSan,
# and runs every test suite headless under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=${BRINDLE_TEST_BUILD_DIR:-build-tests}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_SANITIZE=ON -DBRINDLE_BUILD_TESTS=ON
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# ctest hands every suite these suppressions too; anything started outside it gets the same.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0}
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1600x1200x24" \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"

# Fuzz targets need clang; they get a short, bounded run.
if [ -f scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh
fi
