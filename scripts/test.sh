#!/usr/bin/env bash
# The whole test suite, as CI runs it: installs what is missing, builds the
# project twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer)
# and the DLL for 64- and 32-bit Windows, and runs every test of each build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
builds=${OCEL400_BUILD_ROOT:-$top/build}

"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" "$builds/plain"
# Sanitizer builds compile at -O1 with line tables only: quicker to build,
# and the reports still name file and line.
"$top/scripts/build.sh" "$builds/sanitize" -DOCEL400_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DCMAKE_C_FLAGS_DEBUG="-O1 -g1"
# Ocel400.dll for 64- and 32-bit Windows. Each runs its behaviour tests under
# Wine, against the simulated camera of the plain build, in one Wine prefix
# (the builds' tests run one after another). The 32-bit build asks at
# configure time whether Wine runs 32-bit programs here; where it does not,
# its Wine tests are listed as skipped.
"$top/scripts/build.sh" "$builds/win64" \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-x86_64.cmake" \
  -DOCEL400_CAMERA_HOST="$builds/plain/bin/ocel400-camera-host"
"$top/scripts/wine-prefix.sh" "$builds/win64/wine-prefix"
"$top/scripts/build.sh" "$builds/win32" \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-i686.cmake" \
  -DOCEL400_CAMERA_HOST="$builds/plain/bin/ocel400-camera-host" \
  -DOCEL400_WINE_PREFIX="$builds/win64/wine-prefix"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for b in plain sanitize win64 win32; do
  echo "=== tests: $b build ==="
  if grep -q '^OCEL400_WINE_RUNS_PROGRAMS:INTERNAL=FALSE' "$builds/$b/CMakeCache.txt"; then
    echo "Wine cannot run 32-bit programs on this machine: this build's Wine tests are skipped"
  fi
  # A Wine process now and then fails to start on a loaded machine (seen as
  # a test ending in a few hundredths of a second, before the driver ran):
  # the Wine tests get a second try, and its output says when one was needed.
  retry=()
  case $b in win64 | win32) retry=(--repeat until-pass:2) ;; esac
  ctest --test-dir "$builds/$b" --output-on-failure -j "$(nproc)" "${retry[@]}" || status=1
done
exit $status
