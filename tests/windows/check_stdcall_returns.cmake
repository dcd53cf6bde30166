# Every export of the 32-bit Ocel400.dll returns with "ret $N", N being the
# bytes of its arguments, which a __stdcall callee removes from the caller's
# stack: a slip in the calling convention or an argument type shows as a wrong N.
include(${CMAKE_CURRENT_LIST_DIR}/pe_tables.cmake)

# Argument bytes (4 each, a double 8) where not a getter's 0 or a setter's 4.
set(argument_bytes_PortInit 4)
set(argument_bytes_PortInitEx 20)  # port, model, standard, baud, parity
set(argument_bytes_LastResult 0)
set(argument_bytes_SelectArea 8)   # mask, row
set(argument_bytes_ReadArea 4)     # row
set(argument_bytes_SetMGC 8)       # gain in dB, a double

pe_export_names(${OBJDUMP} ${LIBRARY} exports)
foreach(name IN LISTS exports)
  if(DEFINED argument_bytes_${name})
    set(expected_${name} ${argument_bytes_${name}})
  elseif(name MATCHES "^Set")
    set(expected_${name} 4)
  elseif(name MATCHES "^Get")
    set(expected_${name} 0)
  else()
    message(FATAL_ERROR "${name}: no rule for its arguments")
  endif()
endforeach()

# Each return ("ret", "ret $0x4") belongs to the label above it ("<_SetShape@4>:").
execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${LIBRARY}
  OUTPUT_FILE ${DISASSEMBLY} COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${DISASSEMBLY} lines REGEX "^[0-9a-f]+ <.*>:$|\t(repz )?ret")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-f]+ <_?([A-Za-z0-9_]+)(@[0-9]+)?(\\.cold)?>:$")
    set(function "")
    if(DEFINED expected_${CMAKE_MATCH_1})
      set(function ${CMAKE_MATCH_1})
      set(seen_${function} TRUE)
    endif()
  elseif(function AND line MATCHES "\t(repz )?ret[lw]? *(\\$0x([0-9a-f]+))?$")
    set(popped 0)
    if(CMAKE_MATCH_3)
      math(EXPR popped "0x${CMAKE_MATCH_3}")
    endif()
    list(APPEND returns_${function} ${popped})
  endif()
endforeach()

set(faults "")
foreach(name IN LISTS exports)
  set(expected ${expected_${name}})
  set(wrong ${returns_${name}})
  list(REMOVE_ITEM wrong ${expected})
  list(LENGTH wrong wrong_count)
  list(LENGTH returns_${name} return_count)
  if(NOT seen_${name})
    string(APPEND faults "\n  ${name}: not found in the disassembly (no symbols?)")
  elseif(wrong_count GREATER 0)
    string(APPEND faults "\n  ${name}: ret pops ${returns_${name}} bytes, its arguments take ${expected}")
  elseif(return_count EQUAL 0 AND NOT expected EQUAL 0)
    # A function that takes no arguments may end in a jump to another.
    string(APPEND faults "\n  ${name}: no ret that pops its ${expected} argument bytes")
  endif()
endforeach()
list(LENGTH exports count)
if(count EQUAL 0 OR faults)
  message(FATAL_ERROR "${LIBRARY}, ${count} exports:${faults}")
endif()
message(STATUS "${LIBRARY}: each of the ${count} exports pops its argument bytes")
