# Sets OCEL400_WINE_RUNS_PROGRAMS: whether Wine runs this build's programs here.
# A 32-bit build asks once by running one at configure time (-U
# OCEL400_WINE_RUNS_PROGRAMS asks again): it needs wine32 and a kernel that
# runs 32-bit code, which the install steps cannot always provide.
set(OCEL400_WINE_SKIP_REASON
  "Wine cannot run 32-bit programs on this machine (they need Wine's 32-bit part, Debian: wine32, and a kernel that runs 32-bit code)")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(OCEL400_WINE_RUNS_PROGRAMS TRUE)
  return()
endif()
if(DEFINED CACHE{OCEL400_WINE_RUNS_PROGRAMS})
  return()
endif()

set(probe_dir ${CMAKE_BINARY_DIR}/wine-probe)
file(WRITE ${probe_dir}/probe.c "int main(void) { return sizeof(void *) == 4 ? 42 : 1; }\n")
file(REMOVE ${probe_dir}/probe.exe)
try_compile(probe_built ${probe_dir}/build SOURCES ${probe_dir}/probe.c COPY_FILE ${probe_dir}/probe.exe)
# A probe that was not built does not run either.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${OCEL400_WINE_PREFIX} WINEDEBUG=-all
          "WINEDLLOVERRIDES=mscoree,mshtml=;winedbg.exe=d"
          ${CMAKE_CROSSCOMPILING_EMULATOR} ${probe_dir}/probe.exe
  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET TIMEOUT 60)
if(probe_status EQUAL 42)
  set(OCEL400_WINE_RUNS_PROGRAMS TRUE CACHE INTERNAL "Wine runs 32-bit programs here")
  message(STATUS "Wine runs 32-bit programs: the Wine tests run")
else()
  set(OCEL400_WINE_RUNS_PROGRAMS FALSE CACHE INTERNAL "Wine runs 32-bit programs here")
  message(STATUS "${OCEL400_WINE_SKIP_REASON}: the Wine tests are skipped")
endif()
