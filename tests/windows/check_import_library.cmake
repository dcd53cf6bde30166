# The DLL exports exactly the plain names of export_names.h (no _ or @N), and a C
# client built with Ocel400.h links against the import library and imports each.
include(${CMAKE_CURRENT_LIST_DIR}/pe_tables.cmake)

execute_process(
  COMMAND ${CC} -std=c11 -Wall -Wextra -Werror -I${HEADER_DIR} -I${NAMES_DIR} ${SOURCE} ${IMPORT_LIBRARY}
          -o ${CLIENT}
  COMMAND_ERROR_IS_FATAL ANY)

# The names as the preprocessor expands export_names.h for the client.
file(WRITE ${CLIENT}.names.c "#include \"export_names.h\"\n"
  "#define OCEL400_EXPORT_NAME(name) \"export\" #name\nOCEL400_FOR_EACH_EXPORT\n")
execute_process(COMMAND ${CC} -E -P -I${HEADER_DIR} -I${NAMES_DIR} ${CLIENT}.names.c
  OUTPUT_VARIABLE names COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\"export\" \"[A-Za-z0-9]+\"" expected "${names}")
list(TRANSFORM expected REPLACE "\"export\" \"([A-Za-z0-9]+)\"" "\\1")

get_filename_component(dll_name ${LIBRARY} NAME)
pe_export_names(${OBJDUMP} ${LIBRARY} exported)
pe_import_names(${OBJDUMP} ${CLIENT} ${dll_name} imported)
list(LENGTH expected count)
set(faults "")
foreach(table exported imported)
  set(besides ${${table}})
  list(REMOVE_ITEM besides ${expected})
  set(lacking ${expected})
  list(REMOVE_ITEM lacking ${${table}})
  list(LENGTH ${table} table_count)
  if(besides OR lacking OR NOT table_count EQUAL count)
    string(APPEND faults "\n  ${table} ${table_count} names; not listed: ${besides}; lacking: ${lacking}")
  endif()
endforeach()
if(count EQUAL 0 OR faults)
  message(FATAL_ERROR "${dll_name} against the ${count} names of export_names.h:${faults}")
endif()
message(STATUS "${dll_name} exports the ${count} plain names, nothing else; ${CLIENT} imports each")
