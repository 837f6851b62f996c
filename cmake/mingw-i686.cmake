# Cross toolchain of the product: 32-bit Windows with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LP_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
