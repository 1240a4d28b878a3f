# What the MinGW-w64 toolchain files share; they set KALVEST_MINGW_TRIPLET
# first. Debian installs each compiler in two thread models; the "-posix"
# one is chosen when present, as std::thread and std::mutex need it.
foreach(tool IN ITEMS gcc g++)
  find_program(mingw_${tool} NAMES ${KALVEST_MINGW_TRIPLET}-${tool}-posix
                                   ${KALVEST_MINGW_TRIPLET}-${tool})
endforeach()
set(CMAKE_C_COMPILER ${mingw_gcc})
set(CMAKE_CXX_COMPILER ${mingw_g++})
set(CMAKE_RC_COMPILER ${KALVEST_MINGW_TRIPLET}-windres)

# Libraries and headers of the target come from the MinGW root only;
# programs run at build time come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KALVEST_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Cross-built programs run under Wine when it is installed (tests). The
# 64-bit loader is named directly: the "wine" starter may choose the 32-bit
# one, which needs a kernel that runs 32-bit programs.
if(KALVEST_MINGW_TRIPLET MATCHES "^x86_64")
  find_program(KALVEST_WINE NAMES wine64 wine PATHS /usr/lib/wine)
else()
  find_program(KALVEST_WINE NAMES wine)
endif()
if(KALVEST_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KALVEST_WINE})
endif()
