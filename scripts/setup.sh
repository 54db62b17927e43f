#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, if it is missing;
# given package names, just those (scripts/wine.sh, scripts/fuzz.sh).
set -euo pipefail

PAKETE=(build-essential cmake time qt6-base-dev qt6-base-dev-tools libgl-dev
        libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
        openbox x11-utils qt6-translations-l10n
        fonts-dejavu-core fonts-dejavu-extra
        libcups2-dev cups printer-driver-cups-pdf poppler-utils libcsv-dev
        dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3)

(($#)) && PAKETE=("$@")

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
  echo "Installiere: ${fehlend[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
