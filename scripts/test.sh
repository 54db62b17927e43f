#!/usr/bin/env bash
# Sets up, builds and runs every test, in the Release build that users get.
# With --sanitize the whole build uses AddressSanitizer and
# UndefinedBehaviorSanitizer (Debug, in its own build folder). Warnings are
# errors here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

ordner=build
optionen=(-DCMAKE_BUILD_TYPE=Release -DNODRA_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  ordner=build-sanitize
  optionen=(-DCMAKE_BUILD_TYPE=Debug -DNODRA_SANITIZE=ON -DNODRA_BENCH=OFF)
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$ordner" "${optionen[@]}" -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON > /dev/null
cmake --build "$ordner" -j2
cd "$ordner"
ctest --output-on-failure -j2
