#!/usr/bin/env bash
# Installs the build into a temporary prefix, builds camera_client.c against it
# with pkg-config and with find_package(Ocel400), and has both and the installed
# ocel400ctl talk to the installed simulator.
#   install_test.sh BUILD_DIR CMAKE C_COMPILER CMAKE_GENERATOR
set -euo pipefail
build=$1 cmake=$2 cc=$3 generator=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
sim=""
trap '[ -z "$sim" ] || kill "$sim" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
pc=$(find "$prefix" -name Ocel400.pc)
export PKG_CONFIG_PATH=${pc%/*}
libdir=$(pkg-config --variable=libdir Ocel400)

# shellcheck disable=SC2046  # pkg-config's flags are words
"$cc" $(pkg-config --cflags Ocel400) "$here/camera_client.c" -o "$work/pkg-config-client" \
  $(pkg-config --libs Ocel400)
grep -q 'NEEDED.*\[libOcel400\.so\.2\]' <<<"$(readelf -d "$work/pkg-config-client")" ||
  fail "a program linked with -lOcel400 does not need libOcel400.so.2"

"$cmake" -S "$here/find_package_client" -B "$work/cmake-client" -G "$generator" \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
"$cmake" --build "$work/cmake-client" >/dev/null

"$prefix/bin/ocel400-camsim" --model 1 --instant --link "$work/com1" >/dev/null &
sim=$!
for _ in $(seq 100); do [ -e "$work/com1" ] && break; sleep 0.05; done
export OCEL400_COM1=$work/com1

expect() {  # expect OUTPUT COMMAND...
  local want=$1 got; shift
  got=$("$@") || fail "$* failed"
  [ "$got" = "$want" ] || fail "$* printed '$got', not '$want'"
}
expect Shape=140 env LD_LIBRARY_PATH="$libdir" "$work/pkg-config-client" 140
expect Shape=150 "$work/cmake-client/camera_client" 150
expect Shape=150 "$prefix/bin/ocel400ctl" get Shape
echo "installed into $prefix: pkg-config and find_package clients and ocel400ctl drive the simulator"
