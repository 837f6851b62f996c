# What both MinGW-w64 toolchains share; LP_MINGW_TRIPLET names the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LP_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LP_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LP_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LP_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
get_filename_component(_lp_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
# ctest runs the test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${_lp_root}/scripts/wine-run.sh")
