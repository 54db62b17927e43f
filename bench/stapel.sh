#!/usr/bin/env bash
# Batch evaluation: fields per second on one core for a file of 100,000 rows,
# and peak memory for 100,000 and 1,000,000 rows (it must stay flat: the file
# is streamed). Each size runs three times; the run with the least CPU time
# counts. Usage: bench/stapel.sh [build folder] [rows of the large file]
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${1:-build-bench}
gross=${2:-1000000}
if [ ! -x "$bau/app/nodra-l-stapel" ]; then
  cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
  cmake --build "$bau" -j2 --target nodra-l-stapel > /dev/null
fi
prog="$bau/app/nodra-l-stapel"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Rows from the template's winter wheat example, varied over crops, soils,
# manure and Nmin, with a bad row now and then.
erzeugen() {  # rows file
  "$prog" --vorlage > "$tmp/vorlage.csv"
  awk -v n="$1" -F';' -v OFS=';' '
    NR == 1 { print; next }
    NR == 2 { ex = $0
      for (i = 0; i < n; i++) {
        $0 = ex; $2 = "Schlag " i
        k = i % 6
        if (k == 1) { $3 = "Wi-Gerste"; $4 = ""; $5 = "1"; $6 = "2"; $9 = "< 300" }
        else if (k == 2) { $3 = "Wi-Raps"; $4 = ""; $5 = ""; $6 = "40"; $7 = "sehr kräftig"; $10 = "1" }
        else if (k == 3) { $3 = "Körnermais"; $4 = ""; $5 = ""; $6 = "3"; $11 = "Wi-Weizen"; $12 = "bis November"
                           $13 = "Rindergülle"; $14 = "25"; $16 = "3" }
        else if (k == 4) { $17 = "sL/uL [4]"; $18 = "ja"; $19 = "> 75"; $21 = "80 cm" }
        $23 = (i * 7) % 120; $24 = 5 + (i * 13) % 90
        if (i % 1000 == 999) $24 = "viel"
        print
      }
    }' "$tmp/vorlage.csv" > "$2"
}

lauf() {  # rows -> "elapsed-s user-s system-s peak-kB" of the run with the least CPU time of three
  erzeugen "$1" "$tmp/ein.csv"
  for i in 1 2 3; do
    /usr/bin/time -f "%e %U %S %M" -o "$tmp/zeit" taskset -c 0 "$prog" "$tmp/ein.csv" "$tmp/aus.csv" 2> "$tmp/fehler" || true
    tail -1 "$tmp/zeit"
  done | sort -k2,2n -k3,3n | awk '{ print $0, $2 + $3 }' | sort -k5,5n | head -1 | cut -d" " -f1-4
  tail -1 "$tmp/fehler" >&2
}
# The rate is taken over the CPU time of the process (user + system), so that
# other work on a shared machine does not count; the elapsed time is shown too.
read -r e100 u100 s100 m100 < <(lauf 100000)
read -r eg ug sg mg < <(lauf "$gross")
awk -v e="$e100" -v u="$u100" -v s="$s100" -v m="$m100" -v eg="$eg" -v ug="$ug" -v sg="$sg" \
    -v mg="$mg" -v g="$gross" 'BEGIN {
  c = u + s; cg = ug + sg
  printf "| Messung | Wert | Ziel |\n|---|---|---|\n"
  printf "| Stapel, 100000 Zeilen, ein Kern | %.0f Schläge/s (CPU %.2f s, Uhr %.2f s) | >= 200000/s |\n", 100000 / c, c, e
  printf "| Spitzenspeicher, 100000 Zeilen | %d kB | |\n", m
  printf "| Stapel, %d Zeilen | %.0f Schläge/s (CPU %.2f s, Uhr %.2f s), Spitzenspeicher %d kB | Speicher wie bei 100000 |\n", g, g / cg, cg, eg, mg
}'
# Flat memory: the large file may not need noticeably more than the small one.
awk -v m="$m100" -v mg="$mg" 'BEGIN { if (mg > 1.2 * m) { print "Speicher waechst mit der Datei" > "/dev/stderr"; exit 1 } }'
