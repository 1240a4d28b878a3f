# The outside libraries of a MinGW cross-build, which Debian has only for
# Linux: ERFA, the date/tz library with the IANA text data and the
# header-only libraries from Debian's source packages
# (cmake/SourcePackageLibraries.cmake), which tools/windows/fetch-sources.sh
# fetched with apt-get source into KALVEST_WINDOWS_SOURCES; GoogleTest
# (GTest::gtest, GTest::gmock, GTest::gtest_main) from /usr/src/googletest.
# ICU is not needed: on Windows the core converts and maps case with the
# system's own calls.
set(KALVEST_WINDOWS_SOURCES "" CACHE PATH
    "Folder holding the unpacked source packages erfa, howardhinnant-date and tzdata")
if(NOT IS_DIRECTORY "${KALVEST_WINDOWS_SOURCES}")
  message(FATAL_ERROR "A Windows build needs -DKALVEST_WINDOWS_SOURCES=<folder>, "
                      "as tools/windows/fetch-sources.sh fills it")
endif()

# Static executables: no libstdc++, libgcc or winpthread DLL has to travel
# with them, nor be found by Wine.
string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")

set(KALVEST_SOURCE_PACKAGES ${KALVEST_WINDOWS_SOURCES})
include(${CMAKE_CURRENT_LIST_DIR}/SourcePackageLibraries.cmake)
# The library finds the user's folders through the shell.
target_link_libraries(kalvest_date_tz PUBLIC shell32 ole32)
# The date/tz library maps Windows zone names to IANA ones with this file.
find_file(KALVEST_WINDOWS_ZONES windowsZones.xml
          PATHS /usr/share/unicode/cldr/common/supplemental NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH REQUIRED)

if(KALVEST_WITH_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(target IN ITEMS gtest gmock gtest_main gmock_main)
    kalvest_foreign_library(${target})
  endforeach()
endif()
