#!/usr/bin/env bash
# Runs a test program on a virtual X display of its own:
#   xvfb.sh [--openbox] WIDTHxHEIGHTxDEPTH PROGRAM [ARGS...]
# With --openbox a window manager runs on the display as on a desktop
# (frames, title bars, activation of new windows). Extra environment
# (QT_SCALE_FACTOR, ...) passes through. Exits 77 (skipped) when Xvfb or the
# window manager is not installed.
set -u
fenstermanager=""
if [ "${1:-}" = "--openbox" ]; then fenstermanager=openbox; shift; fi
bildschirm=$1; shift
if ! command -v Xvfb >/dev/null; then
  echo "Xvfb ist nicht installiert: Tests auf dem echten Bildschirm übersprungen." >&2
  exit 77
fi
if [ -n "$fenstermanager" ] && ! command -v "$fenstermanager" >/dev/null; then
  echo "$fenstermanager ist nicht installiert: Tests mit Fenstermanager übersprungen." >&2
  exit 77
fi
# Xvfb picks a free display number itself and writes it to the file once it
# accepts connections, so that runs started at the same time never share one.
nummer=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$bildschirm" -nolisten tcp 3>"$nummer" >/dev/null 2>&1 &
xpid=$!
wmpid=""
trap '[ -n "$wmpid" ] && kill $wmpid 2>/dev/null; kill $xpid 2>/dev/null; wait 2>/dev/null; rm -f "$nummer"' EXIT
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
if [ -n "$fenstermanager" ]; then
  # A configuration of its own: the user's settings play no part.
  wmkonf=$(mktemp -d)
  trap '[ -n "$wmpid" ] && kill $wmpid 2>/dev/null; kill $xpid 2>/dev/null; wait 2>/dev/null; rm -rf "$nummer" "$wmkonf"' EXIT
  XDG_CONFIG_HOME="$wmkonf" openbox --sm-disable >/dev/null 2>&1 &
  wmpid=$!
  # Ready once it announces itself on the root window.
  for _ in $(seq 1 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 $wmpid 2>/dev/null || break
    sleep 0.05
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "$fenstermanager ließ sich nicht starten." >&2
    exit 1
  fi
fi
"$@"
