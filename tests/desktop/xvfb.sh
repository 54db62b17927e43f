#!/usr/bin/env bash
# Runs a test program on a virtual X display of its own:
#   xvfb.sh WIDTHxHEIGHTxDEPTH PROGRAM [ARGS...]
# Extra environment (QT_SCALE_FACTOR, ...) passes through. Exits 77 (skipped)
# when Xvfb is not installed.
set -u
bildschirm=$1; shift
if ! command -v Xvfb >/dev/null; then
  echo "Xvfb ist nicht installiert: Tests auf dem echten Bildschirm übersprungen." >&2
  exit 77
fi
# Xvfb picks a free display number itself and writes it to the file once it
# accepts connections, so that runs started at the same time never share one.
nummer=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$bildschirm" -nolisten tcp 3>"$nummer" >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null; rm -f "$nummer"' EXIT
for _ in $(seq 1 200); do
  [ -s "$nummer" ] && break
  kill -0 $xpid 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$nummer" ]; then
  echo "Xvfb ließ sich nicht starten." >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' < "$nummer")"
unset WAYLAND_DISPLAY
"$@"
