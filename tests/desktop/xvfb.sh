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
# A free display number: no lock file and no socket.
for n in $(seq 90 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
Xvfb ":$n" -screen 0 "$bildschirm" -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$n" ] && break
  sleep 0.05
done
export DISPLAY=":$n"
unset WAYLAND_DISPLAY
"$@"
