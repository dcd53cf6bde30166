#!/usr/bin/env bash
# Prepares the Wine prefix of the Wine tests once: scripts/wine-prefix.sh PREFIX
# COM1 leads to PREFIX/com1, the link that ocel400-camera-host keeps on its
# simulated camera; COM7 leads to a path where nothing is, whatever serial
# ports the machine has. The registry is what Wine maps COM ports from: a
# hand-made dosdevices link would be replaced when Wine starts.
set -euo pipefail
prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

if grep -qF "\"COM1\"=\"$prefix/com1\"" "$prefix/system.reg" 2>/dev/null; then
  exit 0
fi
mkdir -p "$prefix"
{
  wineboot -i
  wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$prefix/com1" /f
  wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /t REG_SZ /d "$prefix/no-port-here" /f
  wineserver -w
} </dev/null >/dev/null 2>&1
grep -qF "\"COM1\"=\"$prefix/com1\"" "$prefix/system.reg" || {
  echo "wine-prefix.sh: could not map COM1 in $prefix" >&2
  exit 1
}
