#!/usr/bin/env bash
# Runs COMMAND [ARGS...] on a fresh Xvfb with openbox, as on a desktop.
set -euo pipefail
run=$(mktemp -d)
xvfb="" wm=""
stop() {
  kill $wm $xvfb 2>/dev/null || true
  wait 2>/dev/null || true
  xvfb="" wm=""
}
trap 'stop; rm -rf "$run"' EXIT

# Waits up to 10 s for a condition while the process stays alive.
await() {
  local pid=$1; shift
  for _ in $(seq 100); do "$@" && return 0; kill -0 "$pid" 2>/dev/null || return 1; sleep 0.1; done
  return 1
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start() {
  # Xvfb writes its display number to fd 3 once it takes clients.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run/display" 2>"$run/log" &
  xvfb=$!
  await $xvfb test -s "$run/display" || return 1
  export DISPLAY=":$(cat "$run/display")"
  openbox --sm-disable >>"$run/log" 2>&1 &
  wm=$!
  await $wm wm_running
}

# Another X server starting at the same moment may take the display number
# Xvfb chose; a second try picks another.
for try in 1 2 3; do
  start && break
  echo "Xvfb with openbox, try $try failed:" >&2; cat "$run/log" >&2
  stop
  [ $try -lt 3 ] || exit 1
done
QT_QPA_PLATFORM=xcb "$@"
