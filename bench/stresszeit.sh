#!/usr/bin/env bash
# Time of the GUI stress test for two lengths, 20,000 and 60,000 actions by
# default: with every event delivered as it comes the time grows linearly
# with the number of actions, so the ratio of the two times stays near the
# ratio of the lengths. Exits 1 when it exceeds 1.5 times that.
#   bench/stresszeit.sh <build folder> [short] [long]
set -euo pipefail
bau=${1:?Bauverzeichnis}
kurz=${2:-20000}
lang=${3:-60000}
zeit() {  # actions -> wall seconds
  local beginn ende
  beginn=$(date +%s.%N)
  NODRA_STRESS_AKTIONEN=$1 QT_QPA_PLATFORM=offscreen "$bau/tests/ui_tests" \
    --gtest_filter='Stresstest.*' > /dev/null
  ende=$(date +%s.%N)
  awk -v a="$beginn" -v b="$ende" 'BEGIN {printf "%.1f", b - a}'
}
t_kurz=$(zeit "$kurz")
t_lang=$(zeit "$lang")
awk -v k="$kurz" -v l="$lang" -v tk="$t_kurz" -v tl="$t_lang" 'BEGIN {
  printf "Stresstest: %d Aktionen %.1f s, %d Aktionen %.1f s, Verhaeltnis %.2f (linear %.2f)\n",
    k, tk, l, tl, tl / tk, l / k
  exit (tl / tk > 1.5 * l / k) ? 1 : 0
}'
