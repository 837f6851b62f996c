# Cross toolchain of the product: 32-bit Windows with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LP_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Floating-point arithmetic in SSE2 registers, rounded to double at every step
# as on x86-64: the x87's wider intermediates turn 550 * (8 / 550.0) into
# 7.999..., and a truncated layout would then differ by a pixel between the
# two builds. Windows calls back with a 4-byte aligned stack, hence the realign.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
