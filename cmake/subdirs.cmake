# Adds every immediate sub-folder of the current source folder that has a
# CMakeLists.txt, in name order, so that a new piece is one folder.
# Folders named after EXCLUDE are left out.
function(lp_add_child_folders)
  cmake_parse_arguments(arg "" "" "EXCLUDE" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}"
       "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT children)
  foreach(child IN LISTS children)
    if(child IN_LIST arg_EXCLUDE)
      continue()
    endif()
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt")
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
