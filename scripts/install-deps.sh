#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this
# Debian 12 machine lacks. Run as root (or with sudo available).
set -euo pipefail

# By what needs them: the build; the tests; the Qt program and its German
# standard dialogs; the wait window's test on a real X server; the Debian
# packages' test (dpkg-shlibdeps, file); the Windows DLLs and their tests.
packages=(
  cmake ninja-build g++ pkg-config binutils
  libgtest-dev libgmock-dev util-linux
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation2
  xvfb openbox libxcb1-dev
  dpkg-dev file
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 wine wine64
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
