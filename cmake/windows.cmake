# Settings of the Windows build.
# Sources are UTF-8; string literals are stored as GBK (code page 936).
add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP936 -Wall -Wextra -Wno-unused-parameter)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Only system DLLs are imported: the C++ runtime and libgcc are linked in.
add_link_options(-static -static-libgcc -static-libstdc++)

set(LUMENPATH_HOST_TOOLS "" CACHE PATH "Folder with the host tools built by the native build")

set(LIBJPEG_ROOT "" CACHE PATH "Cross-built libjpeg for this architecture")
add_library(libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(libjpeg PROPERTIES
  IMPORTED_LOCATION "${LIBJPEG_ROOT}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${LIBJPEG_ROOT}/include")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# A host tool built by the native build, found by name (each tool is built
# in a folder of its own under the tools folder).
function(lp_host_tool var name)
  file(GLOB tool_folders LIST_DIRECTORIES true "${LUMENPATH_HOST_TOOLS}/*")
  find_program(${var} ${name} PATHS "${LUMENPATH_HOST_TOOLS}" ${tool_folders} NO_DEFAULT_PATH REQUIRED)
endfunction()
