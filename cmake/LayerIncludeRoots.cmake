# Each layer of the program gets an include root of its own: a folder in the
# build tree that holds one link, named after the layer, to the layer's
# sources. "platform/dialog.h" is then found only by a target that links the
# platform layer, so an include that reaches across or up the layers fails to
# compile instead of quietly coupling them.
function(ocel400_layer_include_root target layer source_dir)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${source_dir} ${root}/${layer} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
