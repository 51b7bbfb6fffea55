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
# A suite that fails is run once more before it counts as failed: LeakSanitizer's exit-time
# scan now and then cannot stop a player thread that is just ending ("fatal error"), which
# says nothing about the program. A real fault fails both times.
xvfb-run -a -s "-screen 0 1600x1200x24" \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --repeat until-pass:2 "$@"

# Fuzz targets need clang; they get a short, bounded run.
if [ -f scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh
fi
