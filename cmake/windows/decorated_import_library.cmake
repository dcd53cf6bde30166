# Builds the 32-bit import library from the linker's list of exports.
#   cmake -D DLLTOOL=... -D LINKED_DEF=... -D DEF=... -D DLL_NAME=Ocel400.dll
#         -D IMPORT_LIBRARY=... -P decorated_import_library.cmake
# The linker writes an export whose @N it dropped as "Name = Name@N @ordinal";
# dlltool wants "Name@N @ordinal" and, with --kill-at, imports it as "Name".
file(STRINGS ${LINKED_DEF} lines)
set(exports "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^([ \t]*)[A-Za-z0-9_]+ = ([A-Za-z0-9_]+@[0-9]+)" "\\1\\2" line "${line}")
  string(APPEND exports "${line}\n")
endforeach()
file(WRITE ${DEF} "${exports}")
execute_process(
  COMMAND ${DLLTOOL} --kill-at --input-def ${DEF} --dllname ${DLL_NAME} --output-lib ${IMPORT_LIBRARY}
  COMMAND_ERROR_IS_FATAL ANY)
