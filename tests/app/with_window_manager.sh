#!/usr/bin/env bash
# Runs a command against a fresh virtual X server with a window manager, the
# way a desktop user runs the program: Xvfb on a free display, openbox on it.
#   with_window_manager.sh COMMAND [ARGS...]
set -euo pipefail
run=$(mktemp -d)
xvfb="" wm=""
cleanup() {
  [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$run"
}
trap cleanup EXIT

# Xvfb writes its display number to fd 3 once it takes clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
if [ ! -s "$run/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$run/xvfb.log" >&2; exit 1
fi
export DISPLAY=":$(cat "$run/display")"

# openbox names itself on the root window once it manages windows.
openbox --sm-disable >"$run/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "openbox did not start:" >&2; cat "$run/openbox.log" >&2; exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
