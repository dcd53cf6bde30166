# 32-bit Windows (Debian: g++-mingw-w64-i686-win32). Its programs run under
# Wine where Wine's 32-bit part is installed (Debian: wine32) and the kernel
# runs 32-bit code; tests/windows finds out at configure time.
set(OCEL400_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_common.cmake)
