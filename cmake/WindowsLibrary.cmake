# What Ocel400.dll needs beyond its objects, included by library/ in a
# Windows build: a version resource, the 32-bit import library, and the
# install rules of the shipped files. The build's own DLL keeps its symbols
# for the tests and debuggers; the installed one is stripped.

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(OCEL400_DLL_BITS 32)
  set(OCEL400_WINDOWS_ARCH x86 CACHE INTERNAL "Folder of the installed DLL")
else()
  set(OCEL400_DLL_BITS 64)
  set(OCEL400_WINDOWS_ARCH x64 CACHE INTERNAL "Folder of the installed DLL")
endif()

# The version resource Windows shows in the file's properties.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(OCEL400_VERSION_${part} 0)
  if(NOT "${PROJECT_VERSION_${part}}" STREQUAL "")
    set(OCEL400_VERSION_${part} ${PROJECT_VERSION_${part}})
  endif()
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/Ocel400.rc.in ${CMAKE_CURRENT_BINARY_DIR}/Ocel400.rc @ONLY)
target_sources(Ocel400 PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/Ocel400.rc)

# A 32-bit __stdcall caller imports SetShape as __imp__SetShape@4. --kill-at
# drops the @N from the linker's import library along with the export table,
# so that library is replaced: the linker lists what it exported with the
# decorations of the real signatures (SetShape = SetShape@4), and dlltool
# builds an import library from them whose symbols keep the @N while every
# import names the plain export.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "The 32-bit import library needs dlltool (Debian: binutils-mingw-w64-i686)")
  endif()
  set(linked_exports ${CMAKE_CURRENT_BINARY_DIR}/Ocel400-linked.def)
  target_link_options(Ocel400 PRIVATE -Wl,--output-def,${linked_exports})
  add_custom_command(TARGET Ocel400 POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D DLLTOOL=${CMAKE_DLLTOOL} -D LINKED_DEF=${linked_exports}
            -D DEF=${CMAKE_CURRENT_BINARY_DIR}/Ocel400.def -D DLL_NAME=$<TARGET_FILE_NAME:Ocel400>
            -D IMPORT_LIBRARY=$<TARGET_LINKER_FILE:Ocel400>
            -P ${CMAKE_CURRENT_LIST_DIR}/windows/decorated_import_library.cmake
    BYPRODUCTS ${linked_exports} ${CMAKE_CURRENT_BINARY_DIR}/Ocel400.def
    VERBATIM)
endif()

# Installed (and zipped by scripts/package.sh) as include/ (Ocel400.h and the
# headers beside it) and x86/ or x64/ Ocel400.dll with its import library.
install(TARGETS Ocel400
  RUNTIME DESTINATION ${OCEL400_WINDOWS_ARCH}
  ARCHIVE DESTINATION ${OCEL400_WINDOWS_ARCH})
file(GLOB public_headers ${PROJECT_SOURCE_DIR}/library/include/*.h)
install(FILES ${public_headers} DESTINATION include)
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-all
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${OCEL400_WINDOWS_ARCH}/$<TARGET_FILE_NAME:Ocel400>\"
  COMMAND_ERROR_IS_FATAL ANY)")
