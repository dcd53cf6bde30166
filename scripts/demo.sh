#!/usr/bin/env bash
# The demo: installs what is missing, builds, starts the camera simulator on
# a pseudo-terminal, maps COM1 to it and opens the settings program
# Ocel400main in a window. Choose COM1 and the model the simulator runs.
#
#   scripts/demo.sh [--model 0|1] [--trace] [--ctl]
#
#   --model  the simulated camera's model (default 1, "Ocel  xxx -1")
#   --trace  the simulator prints every frame it receives and sends
#   --ctl    read every setting with ocel400ctl instead (no display needed)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${OCEL400_BUILD_ROOT:-$top/build}/plain
model=1
trace=()
ctl=0
while [ $# -gt 0 ]; do
  case $1 in
    --model) model=$2; shift 2 ;;
    --trace) trace=(--trace); shift ;;
    --ctl) ctl=1; shift ;;
    *) echo "usage: $0 [--model 0|1] [--trace] [--ctl]" >&2; exit 2 ;;
  esac
done

if [ "$ctl" = 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display: run the demo on a desktop, or use --ctl for the command-line demo" >&2
  exit 2
fi

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$build" >/dev/null

run=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$run"' EXIT
"$build/bin/ocel400-camsim" --model "$model" --link "$run/com1" "${trace[@]}" &
sim=$!
for _ in $(seq 100); do [ -e "$run/com1" ] && break; sleep 0.05; done

export OCEL400_COM1=$run/com1
if [ "$ctl" = 1 ]; then
  echo "--- ocel400ctl --model $model dump"
  "$build/bin/ocel400ctl" --model "$model" dump
else
  echo "--- Ocel400main: choose COM1 and the model $model camera (simulator on $OCEL400_COM1)"
  status=0
  "$build/bin/Ocel400main" || status=$?
  echo "--- Ocel400main ended with exit status $status"
fi
