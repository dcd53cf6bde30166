# 32-bit Windows (Debian: g++-mingw-w64-i686-win32). Nothing built with it
# runs here: Debian's 64-bit Wine does not run 32-bit programs.
set(OCEL400_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_common.cmake)
