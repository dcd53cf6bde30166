# The export table of a Windows DLL holds exactly the names that
# export_names.h lists, undecorated (no _ in front, no @N behind): its five
# line and area functions, and Set<stem> and Get<stem> of every setting that
# Ocel400_settings.h lists.
#   cmake -D OBJDUMP=... -D LIBRARY=Ocel400.dll -D NAMES=export_names.h
#         -D SETTINGS=Ocel400_settings.h -P check_exports.cmake
include(${CMAKE_CURRENT_LIST_DIR}/pe_tables.cmake)
pe_export_names(${OBJDUMP} ${LIBRARY} exported)

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
