# A C program compiled with Ocel400.h links against the import library, and
# what it then imports from the DLL are the DLL's own plain export names.
#   cmake -D CC=... -D OBJDUMP=... -D SOURCE=import_library_client.c
#         -D HEADER_DIR=... -D NAMES_DIR=... -D IMPORT_LIBRARY=libOcel400.dll.a
#         -D LIBRARY=Ocel400.dll -D CLIENT=client.exe -P check_import_library.cmake
include(${CMAKE_CURRENT_LIST_DIR}/pe_tables.cmake)

execute_process(
  COMMAND ${CC} -std=c11 -Wall -Wextra -Werror -I${HEADER_DIR} -I${NAMES_DIR} ${SOURCE} ${IMPORT_LIBRARY}
          -o ${CLIENT}
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SOURCE} does not build against ${IMPORT_LIBRARY}:\n${errors}")
endif()

get_filename_component(dll_name ${LIBRARY} NAME)
pe_import_names(${OBJDUMP} ${CLIENT} ${dll_name} imported)
pe_export_names(${OBJDUMP} ${LIBRARY} exported)
set(unknown ${imported})
list(REMOVE_ITEM unknown ${exported})
list(LENGTH imported imported_count)
list(LENGTH exported exported_count)
if(unknown OR NOT imported_count EQUAL exported_count)
  message(FATAL_ERROR "${CLIENT} imports ${imported_count} names of the ${exported_count} exports of "
                      "${dll_name}; not exported: ${unknown}")
endif()
message(STATUS "${CLIENT} links and imports each of the ${exported_count} exports by its plain name")
