# What a Windows build installs (and scripts/package.sh zips): the header, and
# in x86/ or x64/ the stripped DLL with its version resource and import library.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(dll ${STAGE}/${ARCH}/Ocel400.dll)
foreach(file include/Ocel400.h ${ARCH}/Ocel400.dll ${ARCH}/libOcel400.dll.a)
  if(NOT EXISTS ${STAGE}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -f -h ${dll} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
if(headers MATCHES "HAS_SYMS|\\.debug_")
  message(FATAL_ERROR "${dll} is not stripped")
endif()

execute_process(COMMAND ${WINDRES} --input ${dll} --output-format rc
  OUTPUT_VARIABLE resources COMMAND_ERROR_IS_FATAL ANY)
foreach(value "\"OriginalFilename\", \"Ocel400.dll\"" "\"ProductVersion\", \"${VERSION}\"")
  string(FIND "${resources}" "VALUE ${value}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${dll}: no VALUE ${value} in its version resource:\n${resources}")
  endif()
endforeach()
message(STATUS "${STAGE}: the header, a stripped DLL with its version, its import library")
