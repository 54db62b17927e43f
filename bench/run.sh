#!/usr/bin/env bash
# Builds in release mode and prints one table of the program's figures:
# one calculation, the table fill, start-up and peak memory against a bare
# Qt program, and calculate-to-result-window. Start-up is measured on a real
# X display (a virtual one under xvfb-run when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bau=build-bench
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNODRA_BENCH=ON > /dev/null
cmake --build "$bau" -j2 --target kern_bench startzeit_nodra startzeit_leer > /dev/null

median_ns() {  # benchmark name -> median real time in ns
  "$bau/bench/kern_bench" --benchmark_filter="^$1\$" --benchmark_repetitions=7 \
    --benchmark_report_aggregates_only=true --benchmark_time_unit=ns 2>/dev/null |
    awk -v n="$1_median" '$1 == n {print $2}'
}
rechnen=$(median_ns BM_Berechnung_Winterweizen)
gemischt=$(median_ns BM_Berechnung_Gemischt)
fuellen=$(median_ns BM_TabellenFuellen)

fenster() {
  if [ -z "${DISPLAY:-}" ]; then xvfb-run -a -s "-screen 0 1280x1024x24" env -u QT_QPA_PLATFORM "$@"
  else env -u QT_QPA_PLATFORM "$@"; fi
}
start=$(fenster sh bench/startzeit.sh "$bau" 15)
verhaeltnis=$(echo "$start" | awk '/Prozessstart/ {print $NF}')
ergebnisfenster=$(echo "$start" | awk '/Berechnen/ {print $(NF-1)}')

spitze() {  # peak resident memory in kB of a start-up run
  fenster /usr/bin/time -f "%M" "$@" --nur-start 2>&1 >/dev/null | tail -1
}
m_leer=$(spitze "$bau/bench/startzeit_leer")
m_nodra=$(spitze "$bau/bench/startzeit_nodra")

printf "| %-44s | %-22s | %-10s |\n" "Messung" "Wert" "Ziel"
printf "| %-44s | %-22s | %-10s |\n" "--------------------------------------------" "----------------------" "----------"
printf "| %-44s | %-22s | %-10s |\n" "eine Berechnung, Winterweizen (Median)" "$rechnen ns" "< 2000 ns"
printf "| %-44s | %-22s | %-10s |\n" "eine Berechnung, gemischte Faelle (Median)" "$gemischt ns" "< 2000 ns"
printf "| %-44s | %-22s | %-10s |\n" "Tabellen fuellen (Median)" "$fuellen ns" "< 50000 ns"
printf "| %-44s | %-22s | %-10s |\n" "Start bis erstes Fenster, Nodra-L / leer" "$verhaeltnis" "<= 1.4"
printf "| %-44s | %-22s | %-10s |\n" "Berechnen bis Ergebnisfenster" "$ergebnisfenster ms" "< 30 ms"
printf "| %-44s | %-22s | %-10s |\n" "Spitzenspeicher Nodra-L / leer" \
  "$(awk -v a="$m_nodra" -v b="$m_leer" 'BEGIN {printf "%.2f (%d / %d kB)", a/b, a, b}')" "<= 1.25"
