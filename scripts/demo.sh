#!/usr/bin/env bash
# The demo: installs what is missing, builds, starts the camera simulator on
# a pseudo-terminal, maps COM1 to it and reads every setting back through the
# library.   scripts/demo.sh [--model 0|1] [--trace]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${OCEL400_BUILD_ROOT:-$top/build}/plain
model=1
trace=()
while [ $# -gt 0 ]; do
  case $1 in
    --model) model=$2; shift 2 ;;
    --trace) trace=(--trace); shift ;;
    *) echo "usage: $0 [--model 0|1] [--trace]" >&2; exit 2 ;;
  esac
done

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$build" >/dev/null

run=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$run"' EXIT
"$build/bin/ocel400-camsim" --model "$model" --link "$run/com1" "${trace[@]}" &
sim=$!
for _ in $(seq 100); do [ -e "$run/com1" ] && break; sleep 0.05; done

export OCEL400_COM1=$run/com1
echo "--- ocel400ctl --model $model dump"
"$build/bin/ocel400ctl" --model "$model" dump
