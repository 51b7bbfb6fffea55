#!/usr/bin/env bash
# Installs what is missing, builds Brindle with AddressSanitizer and UBSan and, as the
# read-me builds it, optimised; runs every test suite of the first build headless under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Includes follow the order of the libraries.
bash scripts/check-layout.sh

# ccache speeds up repeated builds where it is installed; nothing needs it.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

build=${BRINDLE_TEST_BUILD_DIR:-build-tests}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLE_SANITIZE=ON -DBRINDLE_BUILD_TESTS=ON "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"

# The read-me's own build (optimised, tests included) must compile too: an optimising
# compiler rejects some code that the debug build above accepts. It is only compiled here.
release=${BRINDLE_RELEASE_BUILD_DIR:-build-release}
cmake -S . -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build "$release" -j"$(nproc)"

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
