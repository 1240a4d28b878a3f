# Cross-building for 64-bit Windows with MinGW-w64 (Debian packages
# g++-mingw-w64-x86-64 and binutils-mingw-w64-x86-64):
#   cmake -S varquel -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KALVEST_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
