#!/usr/bin/env bash
# Runs a command against a fresh virtual X server with a window manager, the
# way a desktop user runs the program: Xvfb on a free display, openbox on it.
#   with_window_manager.sh COMMAND [ARGS...]
set -euo pipefail
run=$(mktemp -d)
xvfb="" wm=""

stop_display() {
  [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  xvfb="" wm=""
}
trap 'stop_display; rm -rf "$run"' EXIT

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts both; fails as soon as either has died or after 10 s.
start_display() {
  : >"$run/display"
  # Xvfb writes its display number to fd 3 once it takes clients.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$run/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || return 1
    sleep 0.1
  done
  [ -s "$run/display" ] || return 1
  export DISPLAY=":$(cat "$run/display")"
  # openbox names itself on the root window once it manages windows.
  openbox --sm-disable >"$run/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    wm_running && return 0
    kill -0 "$wm" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Another X server starting at the same moment can take the display number
# Xvfb chose; a second try picks another.
for attempt in 1 2 3; do
  start_display && break
  echo "X server with window manager, try $attempt failed (DISPLAY ${DISPLAY:-unset}):" >&2
  cat "$run/xvfb.log" "$run/openbox.log" >&2 2>/dev/null || true
  stop_display
  [ "$attempt" -lt 3 ] || exit 1
done

QT_QPA_PLATFORM=xcb "$@"
