# lp_window_templates(<target> HANDLERS <handler list> SOURCES <window source>...)
#
# Builds a static library with window template data and its code base:
# lp-tplc compiles the sources (in window-index order) against the handler
# list; the library holds the blob (lp_templates .. lp_templates_end) and the
# code base (lp_code_base, one jump per handler), and gives its users the
# generated header window_templates.h with the blob's length. The handlers
# themselves are extern "C" functions of the program that links it. The
# calling folder must have enabled the ASM language.
function(lp_window_templates target)
  cmake_parse_arguments(arg "" "HANDLERS" "SOURCES" ${ARGN})
  lp_host_tool(LP_TPLC lp-tplc)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target})
  file(MAKE_DIRECTORY ${out})
  list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/]")
  set(blob ${out}/templates.bin)
  add_custom_command(OUTPUT ${blob} ${out}/window_templates.h ${out}/code_base.S
    COMMAND ${LP_TPLC} --handlers ${arg_HANDLERS} --out-blob ${blob}
      --out-header ${out}/window_templates.h --out-code-base ${out}/code_base.S ${arg_SOURCES}
    DEPENDS ${LP_TPLC} ${arg_HANDLERS} ${arg_SOURCES}
    COMMENT "Building the window templates of ${target}"
    VERBATIM)
  set(LP_TEMPLATES_BLOB ${blob})
  configure_file(${CMAKE_SOURCE_DIR}/resources/windows/template_data.S.in ${out}/template_data.S @ONLY)
  set_source_files_properties(${out}/template_data.S PROPERTIES OBJECT_DEPENDS ${blob})
  add_library(${target} STATIC ${out}/template_data.S ${out}/code_base.S ${out}/window_templates.h)
  target_include_directories(${target} PUBLIC ${out})
endfunction()
