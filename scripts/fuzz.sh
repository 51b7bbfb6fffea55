#!/usr/bin/env bash
# Builds the libFuzzer targets of the subtitle and project readers with clang and runs each
# for a bounded time. Fails when a target crashes, hangs or trips a sanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ not found, fuzzing skipped"
  exit 0
fi

# clang without its fuzzer runtime (libclang-rt-dev) cannot build the targets either.
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' \
    | clang++ -x c++ -fsanitize=fuzzer -o /dev/null - >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ cannot link -fsanitize=fuzzer (no libFuzzer runtime), fuzzing skipped"
  exit 0
fi

build=${BRINDLE_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${BRINDLE_FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
# Every run writes a few small files; a memory-backed folder keeps that from dominating.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in srt ass project; do
  case $target in
    project) dict=fuzz/project.dict ;;
    *) dict=fuzz/subtitles.dict ;;
  esac
  # New inputs go to a scratch folder, so the committed seeds stay as they are.
  scratch=$(mktemp -d)
  echo "fuzz.sh: fuzz_$target for ${seconds}s"
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_funcs=0 \
      -dict="$dict" -artifact_prefix="$build/crash-$target-" -print_final_stats=1 \
      "$scratch" "fuzz/corpus/$target" 2>"$build/fuzz_$target.log"; then
    echo "fuzz.sh: fuzz_$target found a fault; see $build/fuzz_$target.log and $build/crash-$target-*"
    tail -n 60 "$build/fuzz_$target.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz_$target.log" || true
  fi
  rm -rf "$scratch"
done
exit $status
