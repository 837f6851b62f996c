# The portable part of the runtime (data objects, property data blocks, fonts,
# type facts, the text commands' GBK logic) as a host library, for the
# template builder, the native tests and the fuzzers. The Windows build takes
# the same files into lpruntime.
file(GLOB lp_component_data_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/components/*_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/extended/*_data.cpp)
list(APPEND lp_component_data_sources
  ${CMAKE_CURRENT_LIST_DIR}/components/property_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/components/font_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/components/property_facts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/components/stored_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/components/core_type_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/extended/report_list_records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/extended/extended_type_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/text_split.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/text_find.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core/text_number.cpp)
add_library(lpcomponentdata STATIC ${lp_component_data_sources})
