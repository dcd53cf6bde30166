#!/usr/bin/env bash
# Builds the Debian packages with cpack and checks what each holds and needs.
#   check_packages.sh BUILD_DIR CPACK WORK_DIR
set -euo pipefail
build=$1 cpack=$2 work=$3
fail() { echo "package check: $*" >&2; exit 1; }

rm -rf "$work"
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
library=$(echo "$work"/libocel400_*.deb)
programs=$(echo "$work"/ocel400_*.deb)
version=$(dpkg-deb -f "$library" Version)

# (Listings are read whole first: grep -q leaving early would break the pipe.)
holds() {  # holds PACKAGE PATH-PATTERN...
  local package=$1 pattern listing; shift
  listing=$(dpkg-deb -c "$package")
  for pattern in "$@"; do
    grep -qE " \./usr/$pattern( -> .*)?$" <<<"$listing" || fail "${package##*/} lacks /usr/$pattern"
  done
}

lib='lib/([^/]+/)?'  # with or without the multiarch folder
holds "$library" "${lib}libOcel400\.so" "${lib}libOcel400\.so\.2" "${lib}libOcel400\.so\.2\.3" \
  'include/Ocel400\.h' 'include/Ocel400_values\.h' "${lib}pkgconfig/Ocel400\.pc" \
  "${lib}cmake/Ocel400/Ocel400Config\.cmake"
holds "$programs" bin/Ocel400main bin/ocel400ctl bin/ocel400-camsim
depends=$(dpkg-deb -f "$programs" Depends | sed 's/, */\n/g')
for dependency in "libocel400 \(= $version\)" qt6-qpa-plugins 'libqt6widgets6( .*)?'; do
  grep -qxE "$dependency" <<<"$depends" || fail "${programs##*/} does not depend on $dependency"
done
echo "$(dpkg-deb -f "$library" Package) and $(dpkg-deb -f "$programs" Package) $version: contents and dependencies"
