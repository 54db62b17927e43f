#!/usr/bin/env bash
# Sets up, builds and starts Nodra-L.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNODRA_BENCH=OFF > /dev/null
cmake --build build -j2 --target nodra-l
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt)."
  echo "Auf einem Rechner ohne Bildschirm startet das Programm in einem virtuellen:"
  echo "  xvfb-run -a build/app/nodra-l"
  exit 1
fi
exec build/app/nodra-l
