#!/usr/bin/env bash
# Reads the program through the accessibility bus, as a screen reader does:
#   bildschirmleser.sh PROGRAM [--messen]
# Starts a virtual X display, a session bus of its own and on it the
# accessibility bus with its registry, then runs bildschirmleser.py. Exits 77
# (skipped) when one of them is not installed or the bus does not start.
set -u
hier=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ "${BILDSCHIRMLESER_BUS:-}" != 1 ]; then
  for b in Xvfb xdotool dbus-run-session; do
    command -v "$b" >/dev/null || { echo "$b fehlt: Bildschirmleser-Test übersprungen." >&2; exit 77; }
  done
  if [ ! -x "$launcher" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "at-spi2-core oder python3-pyatspi fehlt: Bildschirmleser-Test übersprungen." >&2
    exit 77
  fi
  # A program that ends before it reaches the bus lost its display (exit 3):
  # that run is repeated once on a new display.
  for versuch in 1 2; do
    "$hier/xvfb.sh" 1280x1024x24 env BILDSCHIRMLESER_BUS=1 dbus-run-session -- "$0" "$@"
    ergebnis=$?
    [ $ergebnis -eq 3 ] || break
  done
  exit $ergebnis
fi
# Inside the display and the session bus. The launcher starts the
# accessibility bus; the registry starts on it when first asked for.
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null; wait $bus 2>/dev/null' EXIT
for _ in $(seq 1 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.05
done
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
  echo "Der Bus der Barrierefreiheit startet nicht: Bildschirmleser-Test übersprungen." >&2
  exit 77
fi
/usr/bin/python3 "$hier/bildschirmleser.py" "$@"
