#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize the whole build uses
# AddressSanitizer and UndefinedBehaviorSanitizer (in its own build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

ordner=build
optionen=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DNODRA_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  ordner=build-sanitize
  optionen=(-DCMAKE_BUILD_TYPE=Debug -DNODRA_SANITIZE=ON -DNODRA_BENCH=OFF)
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$ordner" "${optionen[@]}" > /dev/null
cmake --build "$ordner" -j2
cd "$ordner"
ctest --output-on-failure -j2
