# The export table of a Windows DLL holds exactly the names that
# export_names.h lists, undecorated (no _ in front, no @N behind): its five
# line and area functions, and Set<stem> and Get<stem> of every setting that
# Ocel400_settings.h lists.
#   cmake -D OBJDUMP=... -D LIBRARY=Ocel400.dll -D NAMES=export_names.h
#         -D SETTINGS=Ocel400_settings.h -P check_exports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${LIBRARY} failed")
endif()

# The name table: "[Ordinal/Name Pointer] Table", then one "[   n] Name" a
# line up to the next blank line.
string(FIND "${dump}" "[Ordinal/Name Pointer] Table\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${LIBRARY} has no export name table")
endif()
string(SUBSTRING "${dump}" ${start} -1 table)
string(FIND "${table}" "\n\n" end)
string(SUBSTRING "${table}" 0 ${end} table)
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" rows "${table}")
set(exported)
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${row}")
  list(APPEND exported "${name}")
endforeach()

file(READ ${NAMES} names_text)
string(REGEX MATCHALL "X\\([A-Za-z0-9]+\\)" entries "${names_text}")
set(expected)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "X\\(([A-Za-z0-9]+)\\)" "\\1" name "${entry}")
  list(APPEND expected "${name}")
endforeach()
file(READ ${SETTINGS} settings_text)
string(REGEX MATCHALL "X\\([A-Za-z0-9]+," entries "${settings_text}")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "X\\(([A-Za-z0-9]+)," "\\1" stem "${entry}")
  list(APPEND expected "Set${stem}" "Get${stem}")
endforeach()
list(LENGTH expected count)
if(NOT count EQUAL 93)
  message(FATAL_ERROR "${NAMES} and ${SETTINGS} list ${count} names, not the 93 exports")
endif()

set(missing ${expected})
list(REMOVE_ITEM missing ${exported})
set(extra ${exported})
list(REMOVE_ITEM extra ${expected})
list(LENGTH exported exported_count)
if(missing OR extra OR NOT exported_count EQUAL count)
  message(FATAL_ERROR "${LIBRARY}: ${exported_count} exports; missing: ${missing}; not expected: ${extra}")
endif()
message(STATUS "${LIBRARY}: the ${count} plain names and nothing else")
