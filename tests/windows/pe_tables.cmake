# Reading a PE file's export and import tables through objdump -p.

# In FILE's objdump -p, the block from the line HEADING to the next blank line:
# in OUT, ROW's first group of each of its lines that matches ROW.
function(pe_table objdump file heading row out)
  execute_process(COMMAND ${objdump} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(FIND "${dump}" "${heading}\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${file}: no \"${heading}\" in its tables")
  endif()
  string(SUBSTRING "${dump}" ${start} -1 block)
  string(FIND "${block}" "\n\n" end)
  string(SUBSTRING "${block}" 0 ${end} block)
  string(REGEX MATCHALL "${row}" rows "${block}")
  list(TRANSFORM rows REPLACE "${row}" "\\1")
  set(${out} ${rows} PARENT_SCOPE)
endfunction()

# The names of FILE's export name table ("[   n] Name" a line), in OUT.
macro(pe_export_names objdump file out)
  pe_table(${objdump} ${file} "[Ordinal/Name Pointer] Table" "\\[ *[0-9]+\\] ([^\n]+)" ${out})
endmacro()

# The names FILE imports from DLL ("<vma> <hint> <name>" a line), in OUT.
macro(pe_import_names objdump file dll out)
  pe_table(${objdump} ${file} "DLL Name: ${dll}" "\n\t[0-9a-f]+\t +[0-9]+  ([^\n]+)" ${out})
endmacro()
