#!/bin/sh
# Start-up benchmark: runs the bare Qt program and the main window program in
# turns and prints the medians of the time to the first painted window,
# counted from the launch of the process (wall clock: launch here, first paint
# reported by the program) and from the start of main, and the time from the
# calculate button to the painted result window.
# Usage: bench/startzeit.sh <build directory> [runs]
set -eu
bau=${1:?Bauverzeichnis angeben}
n=${2:-15}
leer="$bau/bench/startzeit_leer"
nodra="$bau/bench/startzeit_nodra"
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
jetzt() { date +%s%N; }
i=0
while [ "$i" -lt "$n" ]; do
  for p in leer nodra; do
    eval prog=\$$p
    a=$(jetzt)
    aus=$("$prog" --nur-start 2>/dev/null)
    b=$(echo "$aus" | awk '{print $4}')
    echo "$(( (b - a) / 1000 ))" >> "$tmp/$p.aussen"
    echo "$aus" | awk '{print $2}' >> "$tmp/$p.innen"
  done
  "$nodra" 2>/dev/null | awk '{print $4}' >> "$tmp/rechnen"
  i=$((i + 1))
done
median() { sort -n "$1" | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; print m}'; }
la=$(median "$tmp/leer.aussen"); na=$(median "$tmp/nodra.aussen")
li=$(median "$tmp/leer.innen"); ni=$(median "$tmp/nodra.innen")
re=$(median "$tmp/rechnen")
echo "Laeufe: $n (Plattform: ${QT_QPA_PLATFORM:-Standard})"
awk -v la="$la" -v na="$na" 'BEGIN {printf "Prozessstart bis erstes Fenster: leer %.1f ms, Nodra-L %.1f ms, Verhaeltnis %.2f\n", la/1000, na/1000, na/la}'
awk -v li="$li" -v ni="$ni" 'BEGIN {printf "main bis erstes Fenster:         leer %.1f ms, Nodra-L %.1f ms, Verhaeltnis %.2f\n", li, ni, ni/li}'
echo "Berechnen bis Ergebnisfenster:   $re ms"
