# Installing on Linux: cmake --install BUILD [--prefix PREFIX] puts out
#   library:   lib/libOcel400.so.2.3 with its links .so.2 and .so,
#              include/Ocel400.h, lib/pkgconfig/Ocel400.pc (pkg-config
#              Ocel400) and lib/cmake/Ocel400/ (find_package(Ocel400),
#              target Ocel400::Ocel400)
#   programs:  bin/Ocel400main, bin/ocel400ctl, bin/ocel400-camsim
# (lib/ is lib/<multiarch>/ under the prefix /usr). The two components are
# the two Debian packages of Packaging.cmake.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS Ocel400 EXPORT Ocel400Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# Ocel400.h, and the headers beside it for programs that treat the
# settings alike (Ocel400_settings.h), tell users about ports
# (Ocel400_ports.h) or values the library replaces (Ocel400_values.h).
file(GLOB public_headers ${PROJECT_SOURCE_DIR}/library/include/*.h)
install(FILES ${public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT library)

# The pkg-config file finds the prefix from its own place, so it is right
# under whatever prefix the library is installed.
set(pkgconfig_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH OCEL400_PC_PREFIX ${CMAKE_INSTALL_PREFIX}/${pkgconfig_dir} ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" OCEL400_PC_PREFIX "${OCEL400_PC_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/install/Ocel400.pc.in ${CMAKE_BINARY_DIR}/Ocel400.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/Ocel400.pc DESTINATION ${pkgconfig_dir} COMPONENT library)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Ocel400)
install(EXPORT Ocel400Targets NAMESPACE Ocel400:: DESTINATION ${package_dir} COMPONENT library)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/Ocel400ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/install/Ocel400Config.cmake
              ${CMAKE_BINARY_DIR}/Ocel400ConfigVersion.cmake
  DESTINATION ${package_dir} COMPONENT library)

# The programs find the library under any prefix: ocel400ctl links it, and
# Ocel400main loads it by name, which searches the program's run path too.
set(library_users ocel400ctl)
if(TARGET Ocel400main)
  list(APPEND library_users Ocel400main)
endif()
set_target_properties(${library_users} PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS ${library_users} ocel400-camsim
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
