# Debian packages of the Linux build, made by cpack in the build folder (or
# by scripts/package.sh with the Windows zip):
#   libocel400  the library with its header, pkg-config file and CMake package
#   ocel400     Ocel400main, ocel400ctl and ocel400-camsim
# Each depends on what its binaries link (dpkg-shlibdeps); the programs also
# on the library package of the same version and on Qt's platform plugins,
# which Ocel400main loads at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ocel400)
set(CPACK_PACKAGE_VENDOR "Ocel400 camera tools")
set(OCEL400_PACKAGE_MAINTAINER "Ocel400 camera tools <ocel400@localhost>"
  CACHE STRING "Maintainer field of the Debian packages")
set(CPACK_PACKAGE_CONTACT ${OCEL400_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tools for Ocel series colour video cameras on an RS-232 line")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg-shlibdeps finds libOcel400.so.2, which ocel400ctl needs, in the build.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libocel400)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)  # a shlibs file for the library package

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME ocel400)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
cpack_add_component(library
  DISPLAY_NAME "Ocel400 library"
  DESCRIPTION "Camera control library libOcel400.so with its C header, pkg-config file and CMake package")
cpack_add_component(programs
  DISPLAY_NAME "Ocel400 programs"
  DESCRIPTION "The settings program Ocel400main, the command-line client ocel400ctl and the camera simulator ocel400-camsim"
  DEPENDS library)
