#!/usr/bin/env bash
# Batch evaluation on one core: fields per second and peak memory for a file
# of 100,000 and one of 1,000,000 varied rows (bench/Stapeldaten.cpp), beside
# the time Python's csv module needs just to copy the same file; and result
# pages per second for --seiten on 1,000 fields. Each run is made three times;
# the run with the least CPU time counts.
# Usage: bench/stapel.sh [build folder] [rows of the large file] [fields with pages]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build-bench}
gross=${2:-1000000}
seitenzahl=${3:-1000}
if [ ! -x "$bau/app/nodra-l-stapel" ] || [ ! -x "$bau/bench/stapel_daten" ]; then
  cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNODRA_BENCH=ON > /dev/null
  cmake --build "$bau" -j2 --target nodra-l-stapel stapel_daten > /dev/null
fi
prog=$(realpath "$bau/app/nodra-l-stapel")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

kopie='import csv, sys
with open(sys.argv[1], newline="", encoding="utf-8") as ein, open(sys.argv[2], "w", newline="", encoding="utf-8") as aus:
    w = csv.writer(aus, delimiter=";")
    for zeile in csv.reader(ein, delimiter=";"):
        w.writerow(zeile)'

# Runs a command three times pinned to core 0; prints "elapsed-s cpu-s peak-kB"
# of the run with the least CPU time (user + system), so that other work on a
# shared machine counts as little as possible.
bester() {
  for i in 1 2 3; do
    /usr/bin/time -f "%e %U %S %M" -o "$tmp/zeit" taskset -c 0 "$@" 2> "$tmp/fehler" > /dev/null || true
    tail -1 "$tmp/zeit"
  done | awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' | sort -k2,2n | head -1
}

messen() {  # rows -> "batch-elapsed batch-cpu batch-kB python-elapsed python-cpu python-kB"
  "$bau/bench/stapel_daten" "$1" > "$tmp/ein.csv"
  local stapel python
  stapel=$(bester "$prog" "$tmp/ein.csv" "$tmp/aus.csv")
  tail -1 "$tmp/fehler" >&2
  python=$(bester python3 -c "$kopie" "$tmp/ein.csv" "$tmp/kopie.csv")
  echo "$stapel $python"
}

read -r se1 sc1 sm1 pe1 pc1 pm1 < <(messen 100000)
read -r se2 sc2 sm2 pe2 pc2 pm2 < <(messen "$gross")

# Result pages: the calculated rows of the file get one page each.
seiten=""
if "$prog" --help | grep -q -- "--seiten"; then
  "$bau/bench/stapel_daten" "$seitenzahl" > "$tmp/ein.csv"
  read -r qe qc qm < <(bester "$prog" "$tmp/ein.csv" "$tmp/aus.csv" --seiten "$tmp/seiten.pdf")
  n=$(sed -n 's/^\([0-9]*\) Zeile.* berechnet,.*/\1/p' "$tmp/fehler")
  seiten="$n $qe $qc $qm"
fi

awk -v a="$se1 $sc1 $sm1 $pe1 $pc1 $pm1" -v b="$se2 $sc2 $sm2 $pe2 $pc2 $pm2" -v g="$gross" \
    -v s="$seiten" -v sz="$seitenzahl" 'BEGIN {
  split(a, x, " "); split(b, y, " ")
  printf "| Messung | Wert | Ziel |\n|---|---|---|\n"
  printf "| Stapel, 100000 Zeilen, ein Kern | %.0f Schläge/s (CPU %.2f s, Uhr %.2f s), Spitzenspeicher %d kB | >= 400000/s |\n", 100000 / x[2], x[2], x[1], x[3]
  printf "| Python csv, dieselbe Datei nur kopieren | CPU %.2f s (Uhr %.2f s), Stapel %.1fmal so schnell | Stapel >= 2mal so schnell |\n", x[5], x[4], x[5] / x[2]
  printf "| Stapel, %d Zeilen, ein Kern | %.0f Schläge/s (CPU %.2f s, Uhr %.2f s), Spitzenspeicher %d kB | >= 400000/s, Speicher wie bei 100000 |\n", g, g / y[2], y[2], y[1], y[3]
  printf "| Python csv, dieselbe Datei nur kopieren | CPU %.2f s (Uhr %.2f s), Stapel %.1fmal so schnell | Stapel >= 2mal so schnell |\n", y[5], y[4], y[5] / y[2]
  if (s != "") {
    split(s, q, " ")
    printf "| Ergebnisseiten (--seiten), %d Schläge, ein Kern | %.0f Seiten/s (%d Seiten, CPU %.2f s, Uhr %.2f s), Spitzenspeicher %d kB | >= 50/s |\n", sz, q[1] / q[3], q[1], q[3], q[2], q[4]
  }
}'
# Flat memory: the large file may not need noticeably more than the small one.
awk -v m="$sm1" -v mg="$sm2" 'BEGIN { if (mg > 1.2 * m) { print "Speicher waechst mit der Datei" > "/dev/stderr"; exit 1 } }'
