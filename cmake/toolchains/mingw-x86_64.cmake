# 64-bit Windows (Debian: g++-mingw-w64-x86-64-win32). Its programs run
# here under Wine (Debian: wine, wine64).
set(OCEL400_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_common.cmake)
