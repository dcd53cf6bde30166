#!/usr/bin/env bash
# Makes the packages of one version, from the builds of scripts/test.sh
# (built or brought up to date first), into BUILD_ROOT/packages:
#   libocel400_<version>_amd64.deb   the library, its header, pkg-config file and CMake package
#   ocel400_<version>_amd64.deb      Ocel400main, ocel400ctl and ocel400-camsim
#   Ocel400-<version>-windows.zip    include/Ocel400.h; x86/ and x64/: the stripped
#                                    Ocel400.dll and its import library libOcel400.dll.a
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
builds=${OCEL400_BUILD_ROOT:-$top/build}
out=$builds/packages

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$builds/plain"
"$top/scripts/build.sh" "$builds/win64" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-x86_64.cmake"
"$top/scripts/build.sh" "$builds/win32" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-i686.cmake"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$builds/plain/CMakeCache.txt")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
rm -rf "$out"
mkdir -p "$out"
cpack --config "$builds/plain/CPackConfig.cmake" -B "$stage/deb" >/dev/null
mv "$stage"/deb/*.deb "$out/"

zip_name=Ocel400-$version-windows
for build in win32 win64; do
  cmake --install "$builds/$build" --prefix "$stage/$zip_name" >/dev/null
done
(cd "$stage" && cmake -E tar cf "$out/$zip_name.zip" --format=zip "$zip_name")
ls -l "$out"
