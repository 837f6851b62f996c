# Cross toolchain for the 64-bit test build. The product is 32-bit; machines
# whose kernel cannot run 32-bit x86 code (no compat mode) test the same
# sources built for x86-64 under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(LP_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
