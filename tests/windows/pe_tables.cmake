# Reading a PE file's export and import tables through objdump -p.

# The names of FILE's export name table, as a list in OUT.
function(pe_export_names objdump file out)
  execute_process(COMMAND ${objdump} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${objdump} -p ${file} failed")
  endif()
  # "[Ordinal/Name Pointer] Table", then one "[   n] Name" a line up to the
  # next blank line.
  string(FIND "${dump}" "[Ordinal/Name Pointer] Table\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file} has no export name table")
  endif()
  string(SUBSTRING "${dump}" ${start} -1 table)
  string(FIND "${table}" "\n\n" end)
  string(SUBSTRING "${table}" 0 ${end} table)
  string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" rows "${table}")
  list(TRANSFORM rows REPLACE "^\\[ *[0-9]+\\] " "")
  set(${out} ${rows} PARENT_SCOPE)
endfunction()

# The names FILE imports from DLL (by name, not by ordinal), as a list in OUT.
function(pe_import_names objdump file dll out)
  execute_process(COMMAND ${objdump} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${objdump} -p ${file} failed")
  endif()
  # "DLL Name: X", a header line, then "<vma> <hint> <name>" a line up to
  # the next blank line.
  string(FIND "${dump}" "DLL Name: ${dll}\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file} imports nothing from ${dll}")
  endif()
  string(SUBSTRING "${dump}" ${start} -1 block)
  string(FIND "${block}" "\n\n" end)
  string(SUBSTRING "${block}" 0 ${end} block)
  string(REGEX MATCHALL "\n\t[0-9a-f]+\t +[0-9]+  [^\n]+" rows "${block}")
  list(TRANSFORM rows REPLACE "^\n\t[0-9a-f]+\t +[0-9]+  " "")
  set(${out} ${rows} PARENT_SCOPE)
endfunction()
