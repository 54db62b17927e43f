#!/usr/bin/env bash
# Builds the Debian package of Nodra-L; with --pruefen also installs it with
# apt-get, starts the installed program under a virtual display for a few
# seconds (it must still be running then), and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bau=build-paket
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNODRA_BENCH=OFF > /dev/null
cmake --build "$bau" -j2 --target nodra-l nodra-l-stapel
(cd "$bau" && cpack -G DEB > /dev/null)
paket=$(ls "$bau"/nodra-l_*.deb)
echo "Paket: $paket"
dpkg-deb --info "$paket" | grep -E "Package|Version|Depends"
dpkg-deb --contents "$paket" | awk '{print $NF}' | grep -E "bin/nodra-l|applications/nodra-l.desktop|icons/.*/nodra-l.svg"

if [ "${1:-}" = "--pruefen" ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "./$paket" > /dev/null
  command -v nodra-l
  nodra-l-stapel --vorlage | grep -q "Musterhof" && echo "nodra-l-stapel schreibt die Vorlage"
  desktop-file-validate /usr/share/applications/nodra-l.desktop 2>/dev/null || true
  xvfb-run -a sh -c 'nodra-l & pid=$!; sleep 4; if kill -0 $pid 2>/dev/null; then kill $pid; echo "nodra-l laeuft"; else echo "nodra-l ist beendet" >&2; exit 1; fi'
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq nodra-l > /dev/null
  echo "Paket installiert, gestartet und wieder entfernt."
fi
