#!/usr/bin/env bash
# Processor time of the GUI stress test for two lengths, 20,000 and 60,000
# actions by default: with every event delivered as it comes the time grows
# linearly with the number of actions, so the ratio of the two times stays
# near the ratio of the lengths. Exits 1 when it exceeds 1.5 times that.
# Processor time (user + system), not wall time, so that other work on the
# machine does not count.
#   bench/stresszeit.sh <build folder> [short] [long]
set -euo pipefail
bau=${1:?Bauverzeichnis}
kurz=${2:-20000}
lang=${3:-60000}
zeit() {  # actions -> processor seconds
  NODRA_STRESS_AKTIONEN=$1 QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%U %S" \
    "$bau/tests/ui_tests" --gtest_filter='Stresstest.*' 2>&1 >/dev/null | tail -1 |
    awk '{printf "%.1f", $1 + $2}'
}
t_kurz=$(zeit "$kurz")
t_lang=$(zeit "$lang")
awk -v k="$kurz" -v l="$lang" -v tk="$t_kurz" -v tl="$t_lang" 'BEGIN {
  printf "Stresstest: %d Aktionen %.1f s, %d Aktionen %.1f s, Verhaeltnis %.2f (linear %.2f)\n",
    k, tk, l, tl, tl / tk, l / k
  exit (tl / tk > 1.5 * l / k) ? 1 : 0
}'
