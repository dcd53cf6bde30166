# Shared part of the MinGW-w64 toolchain files: cross-compiles for Windows
# with Debian's win32-thread compilers, so the DLL needs no threading DLL.
# The including file sets OCEL400_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${OCEL400_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${OCEL400_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${OCEL400_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OCEL400_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build's programs run under Wine, where it is installed.
find_program(OCEL400_WINE NAMES wine)
if(OCEL400_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${OCEL400_WINE})
endif()
