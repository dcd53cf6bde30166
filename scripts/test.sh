#!/usr/bin/env bash
# The whole test suite, as CI runs it: installs what is missing, builds the
# project twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer)
# and runs every test of both builds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
builds=${OCEL400_BUILD_ROOT:-$top/build}

"$top/scripts/install-deps.sh"

"$top/scripts/build.sh" "$builds/plain"
"$top/scripts/build.sh" "$builds/sanitize" -DOCEL400_SANITIZE=ON

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for b in plain sanitize; do
  echo "=== tests: $b build ==="
  ctest --test-dir "$builds/$b" --output-on-failure -j "$(nproc)" || status=1
done
exit $status
