#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), starting from the committed seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
scripts/setup.sh cmake clang libclang-rt-14-dev
# A build folder of the former stand-alone fuzz project is set up anew.
grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$PWD\$" build-fuzz/CMakeCache.txt ||
  rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
CXX=clang++ cmake -S . -B build-fuzz -DNODRA_FUZZ=ON -DNODRA_GUI=OFF -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON > /dev/null
cmake --build build-fuzz -j2 --target zahlen_fuzz berechnung_fuzz stapel_fuzz
for ziel in zahlen berechnung stapel; do
  arbeit="build-fuzz/korpus-$ziel"
  mkdir -p "$arbeit"
  echo "== $ziel: $sekunden s"
  build-fuzz/fuzz/${ziel}_fuzz -max_total_time="$sekunden" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/$ziel-" "$arbeit" "fuzz/korpus/$ziel" 2>&1 | grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss)|ERROR|Test unit written" || true
  fund=$(ls build-fuzz/$ziel-{crash,timeout,leak,oom}-* 2> /dev/null || true)
  if [ -n "$fund" ]; then
    echo "Fehler gefunden: $fund"
    exit 1
  fi
done
