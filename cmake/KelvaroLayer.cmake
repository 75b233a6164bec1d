# kelvaro_layer(<target> <folder>...): gives a library its headers as
# "<folder>/File.h" through an include root that holds only its own folders.
# A layer then sees its own headers and those of the libraries it links,
# and nothing else of src/.
function(kelvaro_layer target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${KELVARO_SRC}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
